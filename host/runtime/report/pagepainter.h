#pragma once
// Draws one laid-out page on a device whose origin is the sheet's top-left corner, at `pixelsPerMm`
// device pixels to the millimetre. Fonts are sized by the device's own resolution, which must be
// the same resolution (pageoutput.h sets its devices up that way).
#include "runtime/report/laidout.h"

class QPainter;

namespace report {

void PaintPage(QPainter& painter, const LaidOutPage& page, double pixelsPerMm);

} // namespace report
