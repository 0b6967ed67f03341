#include "support/board_mouse.h"

CPoint DiePoint(int die) {
  const CArea area = DieArea(die);
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}
