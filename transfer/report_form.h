#pragma once
// A printed form of the transfer windows (the transfer list, a bank's delivery or deposit form): its
// report, printed directly or shown in the host's preview window. With the host's language id 0 its
// fixed captions print in simplified characters and a Song face.
#include "runtime/report/quickrep.h"
#include "runtime/ui/mform.h"

// How a form turns its captions to simplified Chinese (language 0): the font it gives them, and
// whether the expressions take that font too.
struct ListLocalization {
    QString font = QStringLiteral("宋体");
    bool expressions = true;
};

class ReportForm : public MForm {
    Q_OBJECT
public:
    explicit ReportForm(QWidget* owner);

    report::TQuickRep QuickRep1;
    // The label of that name; raises when the form has none.
    report::TQRLabel& label(const QString& name);
    // Sets the caption of the label of that name when the form has one.
    void setCaptionIfPresent(const QString& name, const QString& caption);

    // On the current printer's paper: printed directly (the clerk is told where a PDF went) or previewed.
    void Output(bool printDirect);
    // Frees the form now, or once its preview window has gone: until then the preview lays out the
    // report's pages as the clerk reaches them, with this form's events.
    void ReleaseAfterPreview();
    // The report's pages still to come are laid out before the form frees what its events use.
    void FormDestroy() override;

protected:
    static constexpr double LineMm = 6;   // the height of a printed line

    // A fixed caption in the forms' caption face (細明體, 13 pixels).
    report::TQRLabel& Caption(report::TQRBand& band, const QRectF& placeMm, const QString& text);
    // Fixed captions of several lines, in the same face.
    report::TQRMemo& CaptionMemo(report::TQRBand& band, const QRectF& placeMm, const QStringList& lines);
    // A horizontal rule across `widthMm` at `y`.
    void Rule(report::TQRBand& band, double y, double x = 0, double widthMm = 190);
    // A frame (box) at the place.
    void Frame(report::TQRBand& band, const QRectF& placeMm);
    // Two boxes side by side across the page at `y`, for the seals of the company and of the bank.
    void SealBoxes(report::TQRBand& band, double y, const QString& left, const QString& right);
    // Converts the fixed captions for language id 0; run once the bands exist.
    void LocalizeReport();
    virtual ListLocalization Localization() const { return {}; }

private:
    void QuickRep1Preview();
    int itemNo_ = 0;
    QPointer<QWidget> preview_;
};
