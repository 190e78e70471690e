#include "runtime/report/layoutengine.h"
#include "runtime/db/localtable.h"
#include "runtime/report/fieldtext.h"
#include "runtime/report/quickrep.h"
#include "runtime/report/reporterror.h"
#include <limits>

namespace report {
namespace {

constexpr double Tolerance = 1e-6;

bool IsHeader(BandType type)
{
    return type == BandType::PageHeader || type == BandType::Title || type == BandType::ColumnHeader;
}

// Puts the bands back to the heights they had before the walk, however it ends.
class HeightRestorer {
public:
    explicit HeightRestorer(const std::map<TQRBand*, double>& heights) : heights_(heights) {}
    ~HeightRestorer()
    {
        for (auto [band, height] : heights_) band->setHeightMm(height);
    }

private:
    const std::map<TQRBand*, double>& heights_;
};

} // namespace

LayoutEngine::LayoutEngine(TQuickRep& report) : report_(report) {}

LaidOutReport LayoutEngine::run()
{
    LaidOutReport laid{report_.reportTitle(), report_.page(), {}};
    run([&laid](LaidOutPage&& page) { laid.pages.push_back(std::move(page)); });
    return laid;
}

void LayoutEngine::run(const PageSink& sink)
{
    begin(sink);
    layOut(std::numeric_limits<int>::max());
}

void LayoutEngine::begin(const PageSink& sink)
{
    sink_ = sink;
    result_ = report_.frame();
    for (const auto& band : report_.bands_) designHeights_[band.get()] = band->heightMm();
    HeightRestorer restorer(designHeights_);
    prepareItems();

    report_.pageNumber_ = 0;
    report_.atEnd_ = false;
    startPage();
}

bool LayoutEngine::layOut(int pages)
{
    if (complete_) return true;
    HeightRestorer restorer(designHeights_);
    walkRows(pages);
    if (rowsDone_) finish();
    return complete_;
}

void LayoutEngine::finish()
{
    report_.atEnd_ = true;
    printBand(report_.band(BandType::Summary));
    endPage();
    handOver();
    complete_ = true;
}

// The page laid out last is complete: it leaves the engine.
void LayoutEngine::handOver()
{
    if (result_.pages.empty()) return;
    sink_(std::move(result_.pages.back()));
    result_.pages.clear();
    ++handedOver_;
}

void LayoutEngine::prepareItems()
{
    const db::LocalTable* dataSet = report_.dataSet();
    for (TQRPrintable* item : report_.allItems()) {
        if (item->kind() == ItemKind::Expr) {
            const auto* expr = static_cast<const TQRExpr*>(item);
            expressions_.emplace(expr, ReportExpression(*expr, report_.reportTitle(), dataSet));
        } else if (item->kind() == ItemKind::DBText) {
            const QString& field = static_cast<const TQRDBText*>(item)->dataField();
            if (!dataSet || !dataSet->hasField(field))
                throw ReportError(QStringLiteral("The report \"%1\" cannot be printed: its item \"%2\" needs the "
                                                 "field \"%3\", which its data does not have.")
                                      .arg(report_.reportTitle(), item->name(), field));
        }
    }
}

void LayoutEngine::startPage()
{
    handOver();
    ++report_.pageNumber_;
    result_.pages.push_back(LaidOutPage{report_.pageNumber_, {}});
    cursorMm_ = report_.page().printableRectMm().top();
    if (report_.OnStartPage) report_.OnStartPage(report_);
    printBand(report_.band(BandType::PageHeader));
    if (report_.pageNumber_ == 1) printBand(report_.band(BandType::Title));
    printBand(report_.band(BandType::ColumnHeader));
    bodyTopMm_ = cursorMm_;
}

void LayoutEngine::endPage()
{
    printBand(report_.band(BandType::PageFooter));
}

// Prints detail rows until `pages` more pages have been handed on or the rows are done.
void LayoutEngine::walkRows(int pages)
{
    TQRBand* detail = report_.band(BandType::Detail);
    db::LocalTable* dataSet = report_.dataSet();
    if (!detail || !dataSet) {
        if (detail) printBand(detail);
        rowsDone_ = true;
        return;
    }
    TQRBand* summary = report_.band(BandType::Summary);
    const double summaryHeight = summary ? designHeights_.at(summary) : 0;
    const int rowCount = dataSet->recordCount();
    if (row_ < 0) {
        dataSet->first();
        row_ = 0;
    }
    const int target = pages > std::numeric_limits<int>::max() - handedOver_ ? std::numeric_limits<int>::max()
                                                                              : handedOver_ + pages;
    while (!dataSet->eof() && handedOver_ < target) {
        printBand(detail, row_ == rowCount - 1 ? summaryHeight : 0);
        dataSet->next();
        ++row_;
    }
    rowsDone_ = dataSet->eof();
}

bool LayoutEngine::printBand(TQRBand* band, double keepWithMm)
{
    if (!band) return false;
    band->setHeightMm(designHeights_.at(band));
    bool print = true;
    if (band->BeforePrint) band->BeforePrint(*band, print);
    print = print && band->heightMm() > Tolerance;

    if (print) {
        if (band->type() == BandType::PageFooter) {
            placeItems(*band, report_.page().printableRectMm().bottom() - band->heightMm());
        } else {
            makeRoom(*band, keepWithMm);
            placeItems(*band, cursorMm_);
            cursorMm_ += band->heightMm();
        }
        if (band->type() == BandType::Detail)
            for (auto& entry : expressions_) entry.second.accumulate(report_.dataSet());
    }
    if (band->AfterPrint) band->AfterPrint(*band, print);
    if (print)
        for (const auto& item : band->items())
            if (item->kind() == ItemKind::Expr && static_cast<const TQRExpr&>(*item).resetAfterPrint())
                expressions_.at(static_cast<const TQRExpr*>(item.get())).reset();
    return print;
}

// Breaks the page when the band (with what must stay beside it) does not fit above the page footer.
void LayoutEngine::makeRoom(const TQRBand& band, double keepWithMm)
{
    const double height = band.heightMm();
    if (cursorMm_ + height + keepWithMm <= bodyBottomMm() + Tolerance) return;
    if (IsHeader(band.type())) tooTall(band);
    const bool pageHasRows = cursorMm_ > bodyTopMm_ + Tolerance;
    if (!pageHasRows && cursorMm_ + height <= bodyBottomMm() + Tolerance) return;
    endPage();
    startPage();
    if (cursorMm_ + height > bodyBottomMm() + Tolerance) tooTall(band);
}

double LayoutEngine::bodyBottomMm() const
{
    double bottom = report_.page().printableRectMm().bottom();
    if (TQRBand* footer = report_.band(BandType::PageFooter)) bottom -= designHeights_.at(footer);
    return bottom;
}

void LayoutEngine::tooTall(const TQRBand& band) const
{
    throw ReportError(QStringLiteral("The report \"%1\" cannot be printed: its band \"%2\" does not fit on a page "
                                     "of this paper size.")
                          .arg(report_.reportTitle(), band.name()));
}

void LayoutEngine::placeItems(const TQRBand& band, double topMm)
{
    const double leftMm = report_.page().printableRectMm().left();
    LaidOutPage& page = result_.pages.back();
    for (const auto& item : band.items()) {
        if (!item->enabled()) continue;
        LaidOutItem laid;
        laid.page = page.number;
        laid.bandName = band.name();
        laid.itemName = item->name();
        laid.kind = item->kind();
        laid.text = itemText(*item);
        laid.rectMm = item->geometryMm().translated(leftMm, topMm);
        if (item->kind() == ItemKind::Shape) {
            const auto& shape = static_cast<const TQRShape&>(*item);
            laid.shape = shape.shape();
            laid.penWidthMm = shape.penWidthMm();
        } else {
            const auto& label = static_cast<const TQRCustomLabel&>(*item);
            laid.font = label.font();
            laid.alignment = label.alignment();
        }
        page.items.push_back(std::move(laid));
    }
}

QString LayoutEngine::itemText(const TQRPrintable& item) const
{
    const db::LocalTable* dataSet = report_.dataSet();
    switch (item.kind()) {
    case ItemKind::Label:
        return static_cast<const TQRLabel&>(item).caption();
    case ItemKind::DBText: {
        const auto& field = static_cast<const TQRDBText&>(item);
        return ValueText(dataSet->field(field.dataField()), field.mask());
    }
    case ItemKind::Expr:
        return expressions_.at(&static_cast<const TQRExpr&>(item)).text(report_.pageNumber(), dataSet);
    case ItemKind::Memo:
        return static_cast<const TQRMemo&>(item).lines().join(u'\n');
    case ItemKind::Shape:
        return QString();
    }
    return QString();
}

} // namespace report
