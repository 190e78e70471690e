#include "runtime/report/f6form.h"
#include "runtime/report/previewtexts.h"
#include "runtime/report/qrpreview.h"
#include "runtime/report/qrprinter.h"
#include "runtime/report/reporterror.h"
#include "runtime/ui/silent_abort.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace report {
namespace {

QPushButton* AddButton(QHBoxLayout* bar, const QString& objectName, PreviewText caption)
{
    auto* button = new QPushButton(PreviewCaption(caption));
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(button);
    return button;
}

} // namespace

TF6MainForm::TF6MainForm(QObject* owner)
    : QWidget(qobject_cast<QWidget*>(owner), Qt::Window),
      preview_(new TQRPreview),
      pagePosition_(new QLabel),
      status_(new QLabel)
{
    setObjectName(QStringLiteral("TF6MainForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (owner && !parentWidget())
        connect(owner, &QObject::destroyed, this, [this] {
            hide();
            deleteLater();
        });

    auto* bar = new QHBoxLayout;
    connect(AddButton(bar, QStringLiteral("Btn_First"), PreviewText::FirstPage), &QPushButton::clicked, this,
            &TF6MainForm::firstPage);
    connect(AddButton(bar, QStringLiteral("Btn_Prior"), PreviewText::PriorPage), &QPushButton::clicked, this,
            &TF6MainForm::priorPage);
    connect(AddButton(bar, QStringLiteral("Btn_Next"), PreviewText::NextPage), &QPushButton::clicked, this,
            &TF6MainForm::nextPage);
    connect(AddButton(bar, QStringLiteral("Btn_Last"), PreviewText::LastPage), &QPushButton::clicked, this,
            &TF6MainForm::lastPage);
    pagePosition_->setObjectName(QStringLiteral("Lbl_Page"));
    bar->addWidget(pagePosition_);
    bar->addStretch();
    connect(AddButton(bar, QStringLiteral("Btn_WholePage"), PreviewText::WholePage), &QPushButton::clicked, this,
            [this] { preview_->setZoom(TQRPreview::Zoom::WholePage); });
    connect(AddButton(bar, QStringLiteral("Btn_PageWidth"), PreviewText::PageWidth), &QPushButton::clicked, this,
            [this] { preview_->setZoom(TQRPreview::Zoom::PageWidth); });
    connect(AddButton(bar, QStringLiteral("Btn_ActualSize"), PreviewText::ActualSize), &QPushButton::clicked, this,
            [this] { preview_->setZoom(TQRPreview::Zoom::ActualSize); });
    connect(AddButton(bar, QStringLiteral("Btn_Print"), PreviewText::Print), &QPushButton::clicked, this,
            &TF6MainForm::printPages);
    connect(AddButton(bar, QStringLiteral("Btn_Close"), PreviewText::Close), &QPushButton::clicked, this,
            &QWidget::close);

    status_->setObjectName(QStringLiteral("Lbl_Status"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(preview_, 1);
    layout->addWidget(status_);
    connect(preview_, &TQRPreview::pageChanged, this, &TF6MainForm::showPagePosition);
    connect(preview_, &TQRPreview::layoutFailed, status_, &QLabel::setText);
    // A page's height where the screen has room for it, less the window's title and frame.
    resize(QSize(900, 1000).boundedTo(screen()->availableSize() - QSize(0, 60)));
    // Over the window it was asked from, not at the screen's corner.
    if (const QWidget* over = parentWidget() ? parentWidget()->window() : QApplication::activeWindow()) {
        const QRect room = over->screen()->availableGeometry();
        QRect place(QPoint(), frameSize().expandedTo(size()));
        place.moveCenter(over->frameGeometry().center());
        move(std::max(room.left(), std::min(place.left(), room.right() - place.width())),
             std::max(room.top(), std::min(place.top(), room.bottom() - place.height())));
    }
}

void TF6MainForm::SetQRPrinter(std::shared_ptr<TQRPrinter> printer)
{
    if (printer) setWindowTitle(PreviewCaption(PreviewText::WindowTitle).arg(printer->pagesSoFar().title));
    preview_->SetQRPrinter(std::move(printer));
}

void TF6MainForm::firstPage() { preview_->setPageNumber(1); }
void TF6MainForm::priorPage() { preview_->setPageNumber(preview_->pageNumber() - 1); }
void TF6MainForm::nextPage() { preview_->setPageNumber(preview_->pageNumber() + 1); }
void TF6MainForm::lastPage() { preview_->setPageNumber(std::numeric_limits<int>::max()); }

void TF6MainForm::printPages()
{
    const std::shared_ptr<TQRPrinter>& printer = preview_->QRPrinter();
    if (!printer) return;
    try {
        const QString pdf = printer->print();
        status_->setText(pdf.isEmpty() ? PreviewCaption(PreviewText::SentToPrinter).arg(printer->printer().printerName)
                                       : PreviewCaption(PreviewText::SavedAsPdf).arg(pdf));
    } catch (const ReportError& error) {
        status_->setText(error.message());
    } catch (const SilentAbort&) {
        // The clerk cancelled the print dialog.
    }
}

void TF6MainForm::showPagePosition(int number, int count)
{
    pagePosition_->setText(PreviewCaption(PreviewText::PageOfPages).arg(number).arg(count));
}

void TF6MainForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: nextPage(); break;
    case Qt::Key_PageUp: priorPage(); break;
    case Qt::Key_Home: firstPage(); break;
    case Qt::Key_End: lastPage(); break;
    case Qt::Key_Escape: close(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void TF6MainForm::closeEvent(QCloseEvent* event)
{
    emit closed();
    QWidget::closeEvent(event);
}

} // namespace report
