// The preview window: shown without waiting, paged, owned by the transfer list's window, printing its pages.
#include "config_guard.h"
#include "support/reference_list.h"
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
#include <memory>

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
    auto* owner = new QWidget;
    auto list = std::make_unique<ReferenceList>(QStringLiteral("PREVIEW"), Employees(90), owner);

    list->rep().preview();

    QPointer<TF6MainForm> preview = OpenPreview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->QRPreview()->pageNumber(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !preview->QRPreview()->QRPrinter()->layingOut(); }));
    EXPECT_EQ(preview->QRPreview()->pageCount(), 3);
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

    // The preview outlives the list and goes with the window that owns it.
    list.reset();
    EXPECT_TRUE(preview);
    delete owner;
    EXPECT_FALSE(preview);
}

TEST(Preview, TheListShowsItsPreviewAsAWindowOfItsOwner)
{
    QTemporaryDir dir;
    RuntimeConfig config;
    config.mediaDir = dir.path();
    ConfigGuard guard(config);
    QWidget owner;
    ReferenceList list(QStringLiteral("PREVIEW_EVENT"), Employees(10), &owner);

    list.rep().preview();

    QPointer<TF6MainForm> shown = OpenPreview();
    ASSERT_TRUE(shown);
    bool closedSignal = false;
    QObject::connect(shown.data(), &TF6MainForm::closed, [&] { closedSignal = true; });
    EXPECT_EQ(shown->parentWidget(), &owner);
    EXPECT_TRUE(shown->isWindow());
    EXPECT_EQ(shown->QRPreview()->pageCount(), 1);

    QTest::keyClick(shown, Qt::Key_Escape);
    EXPECT_TRUE(closedSignal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(shown);
}

TEST(Preview, TheShownPagesOutliveTheReportThatLaidThemOut)
{
    QTemporaryDir dir;
    RuntimeConfig config;
    config.mediaDir = dir.path();
    ConfigGuard guard(config);
    QWidget owner;
    ReferenceList(QStringLiteral("PREVIEW_OUTLIVES"), Employees(50), &owner).rep().preview();
    TF6MainForm* preview = OpenPreview();
    ASSERT_TRUE(preview);
    preview->lastPage();

    EXPECT_EQ(preview->QRPreview()->pageNumber(), 2);
    EXPECT_EQ(preview->QRPreview()->QRPrinter()->pages().pages[1].find(QStringLiteral("QRExpr2"))->text,
              QStringLiteral("2"));
}

namespace {

// Every item of every page as printed: name, text and place.
QStringList Printed(const LaidOutReport& report)
{
    QStringList printed;
    for (const LaidOutPage& page : report.pages)
        for (const LaidOutItem& item : page.items)
            printed << QStringLiteral("%1|%2|%3|%4|%5").arg(page.number).arg(item.itemName, item.text)
                           .arg(item.rectMm.top()).arg(item.rectMm.left());
    return printed;
}

} // namespace

TEST(Preview, ALongListShowsItsFirstPageAtOnceAndLaysOutTheRestAsItGoes)
{
    QTemporaryDir dir;
    RuntimeConfig config;
    config.mediaDir = dir.path();
    ConfigGuard guard(config);
    QWidget owner;
    const std::vector<TransferRow> rows = Employees(400);
    const LaidOutReport whole = ReferenceList(QStringLiteral("PREVIEW_WHOLE"), rows).rep().layout();
    ASSERT_GT(whole.pages.size(), 5u);
    ReferenceList list(QStringLiteral("PREVIEW_GROWING"), rows, &owner);

    list.rep().preview();
    QPointer<TF6MainForm> preview = OpenPreview();
    ASSERT_TRUE(preview);
    const std::shared_ptr<TQRPrinter> printer = preview->QRPreview()->QRPrinter();
    EXPECT_EQ(preview->QRPreview()->pageNumber(), 1);
    EXPECT_EQ(preview->QRPreview()->pageCount(), 1);
    EXPECT_TRUE(printer->layingOut());

    // Paging ahead lays out the page asked for; the last page is the list's last.
    Click(*preview, "Btn_Next");
    EXPECT_EQ(preview->QRPreview()->pageNumber(), 2);
    EXPECT_LT(preview->QRPreview()->pageCount(), int(whole.pages.size()));
    Click(*preview, "Btn_Last");
    EXPECT_EQ(preview->QRPreview()->pageNumber(), int(whole.pages.size()));
    EXPECT_EQ(preview->QRPreview()->pageCount(), int(whole.pages.size()));
    EXPECT_TRUE(PageLabel(*preview).contains(QString::number(whole.pages.size())));
    // Laid out in steps, the pages are those of the list laid out at once: no row lost or repeated
    // between steps, and the same page totals.
    EXPECT_EQ(Printed(printer->pages()), Printed(whole));

    preview->close();

    // From the event loop the page count grows to the end without the clerk paging.
    list.rep().preview();
    QPointer<TF6MainForm> second = OpenPreview();
    ASSERT_TRUE(second);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !second->QRPreview()->QRPrinter()->layingOut(); }));
    EXPECT_EQ(Printed(second->QRPreview()->QRPrinter()->pages()), Printed(whole));
    second->close();

    // Closing the preview stops its layout with the pages made so far.
    list.rep().preview();
    QPointer<TF6MainForm> closing = OpenPreview();
    ASSERT_TRUE(closing);
    const std::shared_ptr<TQRPrinter> stopped = closing->QRPreview()->QRPrinter();
    closing->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(closing);
    EXPECT_FALSE(stopped->layingOut());
    EXPECT_EQ(stopped->pageCount(), 1);
}
