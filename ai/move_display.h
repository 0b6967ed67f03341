// How a computer shows a pair it plays, whatever its level: the two dice turn
// black one after the other, then blank as the peg moves, and ROLL and STOP
// become live. The pair's peg has already moved when it is called.
#pragma once

void ShowPlayedPair(int first, int second);
