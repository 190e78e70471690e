#include "runtime/report/quickrep.h"
#include "runtime/report/f6form.h"
#include "runtime/report/layoutengine.h"
#include "runtime/report/qrprinter.h"
#include "runtime/report/reporterror.h"
#include <algorithm>
#include <limits>

namespace report {

TQuickRep::TQuickRep(QObject* owner) : QObject(owner), font_(QStringLiteral("Arial"), 10) {}

TQuickRep::~TQuickRep()
{
    if (qrPrinter_) qrPrinter_->forgetReport();
}

void TQuickRep::setPrinterSettings(const TPrinterSettings& settings)
{
    printerSettings_ = settings;
    page_.applyPrinterSettings(settings);
}

TQRBand& TQuickRep::addBand(BandType type, const QString& name, double heightMm)
{
    if (band(type))
        throw ReportError(QStringLiteral("The report \"%1\" cannot have the band \"%2\": it has one of that kind already.")
                              .arg(title_, name));
    bands_.push_back(std::make_unique<TQRBand>(*this, type, name, heightMm));
    TQRBand& added = *bands_.back();
    std::stable_sort(bands_.begin(), bands_.end(), [](const auto& a, const auto& b) { return a->type() < b->type(); });
    return added;
}

TQRBand* TQuickRep::band(BandType type) const
{
    for (const auto& band : bands_)
        if (band->type() == type) return band.get();
    return nullptr;
}

std::vector<TQRPrintable*> TQuickRep::allItems() const
{
    std::vector<TQRPrintable*> items;
    for (const auto& band : bands_)
        for (const auto& item : band->items()) items.push_back(item.get());
    return items;
}

TQRPrintable* TQuickRep::findItem(const QString& name) const
{
    for (TQRPrintable* item : allItems())
        if (item->name() == name) return item;
    return nullptr;
}

LaidOutReport TQuickRep::layout()
{
    finishLayout();
    return LayoutEngine(*this).run();
}

TPrinterSettings TQuickRep::targetPrinter() const
{
    return printerSettings_ ? *printerSettings_ : TPrinterSettings::FromCurrentPrinter();
}

QString TQuickRep::print()
{
    finishLayout();
    const TPrinterSettings printer = targetPrinter();
    // The pages go to the printer or the file as they are made: a list of thousands of pages is
    // never held whole. The printer object made afterwards lays them out again if asked for them.
    const QString path = PrintPagesAsMade(frame(), pagesAsMade(), printer.printerName);
    qrPrinter_ = std::make_shared<TQRPrinter>([this] { return layout(); }, printer);
    return path;
}

void TQuickRep::printToPdf(const QString& path)
{
    finishLayout();
    WritePdfAsMade(frame(), pagesAsMade(), path);
}

LaidOutReport TQuickRep::frame() const
{
    return LaidOutReport{title_, page_, {}};
}

PageProducer TQuickRep::pagesAsMade()
{
    return [this](const PageSink& sink) { LayoutEngine(*this).run(sink); };
}

void TQuickRep::finishLayout()
{
    if (qrPrinter_) qrPrinter_->layOutTo(std::numeric_limits<int>::max());
}

void TQuickRep::preview()
{
    finishLayout();
    qrPrinter_ = std::make_shared<TQRPrinter>(*this, targetPrinter());
    if (OnPreview) {
        OnPreview(*this);
        return;
    }
    auto* window = new TF6MainForm(this);
    window->SetQRPrinter(qrPrinter_);
    window->show();
}

} // namespace report
