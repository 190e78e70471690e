#pragma once
// A report laid out on pages, before it meets a device: every printed item with its text as printed
// and its rectangle in millimetres from the sheet's top-left corner. Renderers draw it; tests read it.
#include "runtime/report/items.h"
#include "runtime/report/pagesettings.h"
#include <vector>

namespace report {

struct LaidOutItem {
    int page = 0;                  // from 1
    QString bandName;
    QString itemName;
    ItemKind kind = ItemKind::Label;
    QString text;                  // memo lines joined by '\n'; empty for shapes
    QRectF rectMm;
    QFont font;                    // as designed; the renderer maps it to an installed face
    Qt::Alignment alignment = Qt::AlignLeft;
    ShapeKind shape = ShapeKind::HorizontalLine;
    double penWidthMm = 0;
};

struct LaidOutPage {
    int number = 0;
    std::vector<LaidOutItem> items;   // in printing order

    // The first item of that name on the page; null when it is not there.
    const LaidOutItem* find(const QString& itemName) const;
    // The items of one band as printed on this page (a detail band prints once per row).
    std::vector<const LaidOutItem*> bandItems(const QString& bandName) const;
};

struct LaidOutReport {
    QString title;
    PageSettings page;
    std::vector<LaidOutPage> pages;
};

} // namespace report
