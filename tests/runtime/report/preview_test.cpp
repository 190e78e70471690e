// The preview window: shown without waiting, paged, owned by the report form, printing its pages.
#include "config_guard.h"
#include "transfer_list_fixture.h"
#include "runtime/report/f6form.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/qrpreview.h"
#include "runtime/report/qrprinter.h"
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace report;
using namespace reporttest;

namespace {

TF6MainForm* OpenPreview()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == u"TF6MainForm" && widget->isVisible()) return static_cast<TF6MainForm*>(widget);
    return nullptr;
}

QString PageLabel(const TF6MainForm& form)
{
    return form.findChild<QLabel*>(QStringLiteral("Lbl_Page"))->text();
}

void Click(const TF6MainForm& form, const char* button)
{
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

TEST(Preview, TheReportOpensItsPreviewWithoutWaitingAndItPagesThroughTheReport)
{
    QTemporaryDir dir;
    RuntimeConfig config;
    config.mediaDir = dir.path();
    ConfigGuard guard(config);
    auto table = MakeTransferTable(QStringLiteral("PREVIEW"), Employees(90));
    auto* rep = new TransferListReport(*table);

    rep->rep().preview();

    QPointer<TF6MainForm> preview = OpenPreview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->QRPreview()->pageCount(), 3);
    EXPECT_EQ(preview->QRPreview()->pageNumber(), 1);
    EXPECT_TRUE(PageLabel(*preview).contains(u'1') && PageLabel(*preview).contains(u'3'));

    Click(*preview, "Btn_Next");
    EXPECT_EQ(preview->QRPreview()->pageNumber(), 2);
    Click(*preview, "Btn_Last");
    Click(*preview, "Btn_Next");
    EXPECT_EQ(preview->QRPreview()->pageNumber(), 3);
    QTest::keyClick(preview, Qt::Key_Home);
    Click(*preview, "Btn_Prior");
    EXPECT_EQ(preview->QRPreview()->pageNumber(), 1);
    Click(*preview, "Btn_PageWidth");
    EXPECT_EQ(preview->QRPreview()->zoom(), TQRPreview::Zoom::PageWidth);

    // Printing from the preview prints the pages it shows, on the report's printer.
    const QString fixed = dir.filePath(QStringLiteral("from-preview.pdf"));
    SetPdfOutputPath(fixed);
    Click(*preview, "Btn_Print");
    SetPdfOutputPath(QString());
    EXPECT_TRUE(QFile::exists(fixed));
    EXPECT_TRUE(preview->findChild<QLabel*>(QStringLiteral("Lbl_Status"))->text().contains(fixed));

    // The preview goes with its owner.
    delete rep;
    EXPECT_TRUE(preview);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(preview);
}

TEST(Preview, AFormShowsItsOwnPreviewWindowThroughTheReportsPreviewEvent)
{
    QTemporaryDir dir;
    RuntimeConfig config;
    config.mediaDir = dir.path();
    ConfigGuard guard(config);
    auto table = MakeTransferTable(QStringLiteral("PREVIEW_EVENT"), Employees(10));
    auto* form = new QWidget;
    TransferListReport list(*table);
    QPointer<TF6MainForm> shown;
    bool closedSignal = false;
    list.rep().OnPreview = [&](TQuickRep& rep) {
        shown = new TF6MainForm(form);
        QObject::connect(shown.data(), &TF6MainForm::closed, [&] { closedSignal = true; });
        shown->SetQRPrinter(rep.QRPrinter());
        shown->show();
    };

    list.rep().preview();

    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->parentWidget(), form);
    EXPECT_TRUE(shown->isWindow());
    EXPECT_EQ(shown->QRPreview()->pageCount(), 1);
    EXPECT_EQ(OpenPreview(), shown.data());

    QTest::keyClick(shown, Qt::Key_Escape);
    EXPECT_TRUE(closedSignal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(shown);
    delete form;
}

TEST(Preview, TheShownPagesOutliveTheReportThatLaidThemOut)
{
    QTemporaryDir dir;
    RuntimeConfig config;
    config.mediaDir = dir.path();
    ConfigGuard guard(config);
    auto table = MakeTransferTable(QStringLiteral("PREVIEW_OUTLIVES"), Employees(50));
    TF6MainForm preview(nullptr);
    {
        TransferListReport list(*table);
        list.rep().OnPreview = [&](TQuickRep& rep) { preview.SetQRPrinter(rep.QRPrinter()); };
        list.rep().preview();
    }
    preview.show();
    preview.lastPage();

    EXPECT_EQ(preview.QRPreview()->pageNumber(), 2);
    EXPECT_EQ(preview.QRPreview()->QRPrinter()->pages().pages[1].find(QStringLiteral("QRExpr2"))->text,
              QStringLiteral("2"));
}
