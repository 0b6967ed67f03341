#include "board/painter.h"

void PaintBoard(CDC* /*pDC*/, int /*nOffset*/) {}
