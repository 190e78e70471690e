#pragma once
// The walk that lays a TQuickRep out on pages (see quickrep.h for the rules it follows).
// Each band prints from the height it had when the walk began, so a BeforePrint that shrinks a band
// to 0 hides it for that one printing only, and a second layout of the same report starts afresh.
#include "runtime/report/expression.h"
#include "runtime/report/laidout.h"
#include <functional>
#include <map>

namespace report {

class TQuickRep;
class TQRBand;

class LayoutEngine {
public:
    // Receives each page once it is complete, in order.
    using PageSink = std::function<void(LaidOutPage&& page)>;

    explicit LayoutEngine(TQuickRep& report);
    LaidOutReport run();
    // Hands every page to `sink` as soon as it is laid out and keeps none: a list of thousands of
    // pages is written without being held whole.
    void run(const PageSink& sink);

    // The same walk in steps, for a window that shows the first pages while the others are made:
    // begin() starts the first page, each layOut() hands on at least `pages` more pages (fewer at
    // the end) and says whether the report is complete. Between steps the report's data set stays
    // on the row the walk reached, so nothing else may walk it until the layout is complete.
    void begin(const PageSink& sink);
    bool layOut(int pages);
    bool complete() const { return complete_; }

private:
    void finish();
    void prepareItems();
    void startPage();
    void endPage();
    void handOver();
    void walkRows(int pages);
    bool printBand(TQRBand* band, double keepWithMm = 0);
    void makeRoom(const TQRBand& band, double keepWithMm);
    double bodyBottomMm() const;
    void placeItems(const TQRBand& band, double topMm);
    QString itemText(const TQRPrintable& item) const;
    [[noreturn]] void tooTall(const TQRBand& band) const;

    TQuickRep& report_;
    LaidOutReport result_;   // title, paper, and the page being laid out
    PageSink sink_;
    std::map<const TQRExpr*, ReportExpression> expressions_;
    std::map<TQRBand*, double> designHeights_;
    double cursorMm_ = 0;
    double bodyTopMm_ = 0;
    int handedOver_ = 0;       // pages passed to the sink
    int row_ = -1;             // the data set's row the walk stands on; -1 before the rows
    bool rowsDone_ = false;
    bool complete_ = false;
};

} // namespace report
