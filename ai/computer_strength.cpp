#include "ai/computer_strength.h"

ComputerStrength g_strength[4] = {ComputerStrength::kClassic, ComputerStrength::kClassic,
                                  ComputerStrength::kClassic, ComputerStrength::kClassic};

void SetComputerStrength(ComputerStrength strength) {
  for (ComputerStrength& seat : g_strength) {
    seat = strength;
  }
}
