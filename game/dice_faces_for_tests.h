// For tests: the next throws of the four dice settle on faces the test
// states, so a test says which dice it needs instead of searching for a seed
// that happens to throw them. A throw made this way draws from the random
// source and shows its animation frames exactly as any other; only the face
// each die keeps is replaced. The program and the simulator never set any.
#pragma once

#include <array>
#include <initializer_list>

// The coming throws settle on these faces, one throw after another: die d
// keeps entry d of the next throw it makes. Replaces throws stated before and
// not yet made; an empty list forgets them.
void SetNextThrows(std::initializer_list<std::array<int, 4>> throws);

// The stated throws some die has still to make.
int StatedThrowsLeft();
