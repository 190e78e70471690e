#include "runtime/report/pagesettings.h"
#include "runtime/report/printersettings.h"

namespace report {

QSizeF PageSettings::paperSizeMm() const
{
    const QSizeF upright = paperSize == QPageSize::Custom ? customPaperMm
                                                          : QPageSize(paperSize).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? upright.transposed() : upright;
}

QRectF PageSettings::printableRectMm() const
{
    return QRectF(QPointF(0, 0), paperSizeMm()).marginsRemoved(marginsMm);
}

QPageLayout PageSettings::pageLayout() const
{
    const QPageSize size = paperSize == QPageSize::Custom ? QPageSize(customPaperMm, QPageSize::Millimeter)
                                                          : QPageSize(paperSize);
    return QPageLayout(size, orientation, QMarginsF(), QPageLayout::Millimeter);
}

void PageSettings::applyPrinterSettings(const TPrinterSettings& settings)
{
    orientation = settings.orientation;
    paperSize = settings.paperSize;
    customPaperMm = QSizeF(settings.paperWidthMm, settings.paperLengthMm);
}

} // namespace report
