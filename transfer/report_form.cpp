#include "transfer/report_form.h"

#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "runtime/report/band.h"
#include "runtime/report/f6form.h"
#include "runtime/report/printersettings.h"
#include "transfer/pdf_notice.h"

namespace {
const QString MingFont = QStringLiteral("細明體");
}

ReportForm::ReportForm(QWidget* owner)
    : MForm(owner)
    , QuickRep1(this)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    QuickRep1.setObjectName(QStringLiteral("QuickRep1"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(10);
    QuickRep1.setFont(arial);
    QuickRep1.OnPreview = [this](report::TQuickRep&) { QuickRep1Preview(); };
}

report::TQRLabel& ReportForm::label(const QString& name)
{
    auto* item = dynamic_cast<report::TQRLabel*>(QuickRep1.findItem(name));
    if (!item)
        throw std::runtime_error(LoadFormStr(15107).arg(name).toStdString());
    return *item;
}

void ReportForm::setCaptionIfPresent(const QString& name, const QString& caption)
{
    if (auto* item = dynamic_cast<report::TQRLabel*>(QuickRep1.findItem(name)))
        item->setCaption(caption);
}

namespace {
QFont captionFont()
{
    QFont font(MingFont);
    font.setPixelSize(13);
    return font;
}
}

report::TQRLabel& ReportForm::Caption(report::TQRBand& band, const QRectF& placeMm, const QString& text)
{
    report::TQRLabel& item = band.addLabel(QStringLiteral("QRLabel%1").arg(++itemNo_), placeMm, text);
    item.setFont(captionFont());
    return item;
}

report::TQRMemo& ReportForm::CaptionMemo(report::TQRBand& band, const QRectF& placeMm, const QStringList& lines)
{
    report::TQRMemo& memo = band.addMemo(QStringLiteral("QRMemo%1").arg(++itemNo_), placeMm, lines);
    memo.setFont(captionFont());
    return memo;
}

void ReportForm::Rule(report::TQRBand& band, double y, double x, double widthMm)
{
    band.addShape(QStringLiteral("QRShape%1").arg(++itemNo_), {x, y, widthMm, 0.5}, report::ShapeKind::HorizontalLine);
}

void ReportForm::Frame(report::TQRBand& band, const QRectF& placeMm)
{
    band.addShape(QStringLiteral("QRShape%1").arg(++itemNo_), placeMm, report::ShapeKind::Rectangle);
}

void ReportForm::SealBoxes(report::TQRBand& band, double y, const QString& left, const QString& right)
{
    constexpr double Width = 190, Height = 50;
    Frame(band, {0, y, Width / 2 - 3, Height});
    Caption(band, {2, y + 1, 60, LineMm}, left);
    Frame(band, {Width / 2 + 3, y, Width / 2 - 3, Height});
    Caption(band, {Width / 2 + 5, y + 1, 60, LineMm}, right);
}

void ReportForm::LocalizeReport()
{
    if (Language::LanguageID != 0)
        return;
    const ListLocalization localization = Localization();
    for (report::TQRPrintable* item : QuickRep1.allItems()) {
        if (auto* label = dynamic_cast<report::TQRLabel*>(item)) {
            label->setCaption(BIG5toGB(label->caption()));
            label->setFontFamily(localization.font);
        } else if (auto* memo = dynamic_cast<report::TQRMemo*>(item)) {
            QStringList lines = memo->lines();
            for (QString& line : lines)
                line = BIG5toGB(line);
            memo->setLines(lines);
            memo->setFontFamily(localization.font);
        } else if (auto* expr = dynamic_cast<report::TQRExpr*>(item); expr && localization.expressions) {
            expr->setFontFamily(localization.font);
        }
    }
}

void ReportForm::QuickRep1Preview()
{
    // The preview belongs to the transfer window, so that it stays open after this form is freed.
    auto* preview = new report::TF6MainForm(parentWidget());
    preview->SetQRPrinter(QuickRep1.QRPrinter());
    preview->show();
    preview_ = preview;
}

void ReportForm::ReleaseAfterPreview()
{
    if (!preview_) {
        Release();
        return;
    }
    // Freed from the event loop, once the preview's view has stopped its layout.
    connect(preview_, &QObject::destroyed, this, [this] { QMetaObject::invokeMethod(this, &MForm::Release, Qt::QueuedConnection); });
}

void ReportForm::FormDestroy()
{
    QuickRep1.finishLayout();
    MForm::FormDestroy();
}

void ReportForm::Output(bool printDirect)
{
    QuickRep1.setPrinterSettings(report::TPrinterSettings::FromCurrentPrinter());
    // The report's own name (else the form's, else its transfer window's) titles the preview window,
    // the print job and the PDF file.
    QString title = QuickRep1.reportTitle();
    if (title.isEmpty())
        title = windowTitle();
    if (title.isEmpty() && parentWidget())
        title = parentWidget()->window()->windowTitle();
    QuickRep1.setReportTitle(title);
    if (printDirect)
        TellPdfWritten(QuickRep1.print());
    else
        QuickRep1.preview();
}
