#pragma once
// The paper a report is laid out on: A4 portrait with 10 mm margins unless the printer settings
// say otherwise. All lengths in millimetres.
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>

namespace report {

struct TPrinterSettings;

struct PageSettings {
    QPageSize::PageSizeId paperSize = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF customPaperMm;                    // width x length of the sheet held upright, for QPageSize::Custom
    QMarginsF marginsMm{10, 10, 10, 10};

    // Width x length of the sheet as printed (orientation applied).
    QSizeF paperSizeMm() const;
    // The area inside the margins, in millimetres from the sheet's top-left corner.
    QRectF printableRectMm() const;
    QPageLayout pageLayout() const;
    // Takes over orientation and paper (size, or width and length for a custom size).
    void applyPrinterSettings(const TPrinterSettings& settings);
};

} // namespace report
