// How well each computer seat plays: the classic computer, or the strong one
// that plans the rest of its turn exactly. Kept for the run.
#pragma once

enum class ComputerStrength { kClassic, kStrong };

// Per seat; Classic at start.
extern ComputerStrength g_strength[4];

// Every seat at one level, as the Options menu sets it.
void SetComputerStrength(ComputerStrength strength);
