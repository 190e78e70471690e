#pragma once
// The walk that lays a TQuickRep out on pages (see quickrep.h for the rules it follows).
// Each band prints from the height it had when the walk began, so a BeforePrint that shrinks a band
// to 0 hides it for that one printing only, and a second layout of the same report starts afresh.
#include "runtime/report/expression.h"
#include "runtime/report/laidout.h"
#include <map>

namespace report {

class TQuickRep;
class TQRBand;

class LayoutEngine {
public:
    explicit LayoutEngine(TQuickRep& report);
    LaidOutReport run();

private:
    void prepareItems();
    void startPage();
    void endPage();
    void walkRows();
    bool printBand(TQRBand* band, double keepWithMm = 0);
    void makeRoom(const TQRBand& band, double keepWithMm);
    double bodyBottomMm() const;
    void placeItems(const TQRBand& band, double topMm);
    QString itemText(const TQRPrintable& item) const;
    [[noreturn]] void tooTall(const TQRBand& band) const;

    TQuickRep& report_;
    LaidOutReport result_;
    std::map<const TQRExpr*, ReportExpression> expressions_;
    std::map<TQRBand*, double> designHeights_;
    double cursorMm_ = 0;
    double bodyTopMm_ = 0;
};

} // namespace report
