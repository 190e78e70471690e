// Every registered bank's transfer list as it prints: on a line of the list no two columns' texts
// meet (an amount right-aligned against a date that follows it reads as one number).
#include "module/form_registry.h"
#include "runtime/report/f6form.h"
#include "runtime/report/fontmap.h"
#include "runtime/report/qrpreview.h"
#include "runtime/report/qrprinter.h"
#include "runtime/ui/automation.h"
#include "runtime/ui/function_buttons.h"
#include "support/test_company.h"
#include "transfer/transfer_table.h"
#include "transfer/transfer_window.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>
#include <algorithm>
#include <optional>

namespace {

constexpr double GapMm = 0.5;   // the least room between two columns' texts: about a narrow space

// Rows with values as wide as real ones: long accounts and numbers, a four-character name, a large amount.
void FillWideRows(db::LocalTable& table)
{
    for (int row = 0; row < 3; ++row) {
        table.append();
        for (const db::FieldDef& field : table.fields()) {
            if (field.name == RowKindColumnName)
                continue;
            if (field.type != db::FieldDef::Type::Text)
                table.setField(field.name, 9876543.21);
            else if (field.name == u"YG_NAME")
                table.setField(field.name, QStringLiteral("歐陽小明"));
            else
                table.setField(field.name, QString(std::min(field.size, 12), u'8'));
        }
        SetRowKind(table, RowKind::Employee);
        table.post();
    }
}

// Where the text of `item` is drawn, in millimetres from the left edge; none when the text is wider
// than its column (what fits a column is another matter than where the columns stand).
std::optional<std::pair<double, double>> DrawnExtent(const report::LaidOutItem& item, const QPaintDevice& device,
                                                     double pixelsPerMm)
{
    const double width = QFontMetricsF(report::ResolveFont(item.font), &device).horizontalAdvance(item.text) / pixelsPerMm;
    if (width > item.rectMm.width())
        return std::nullopt;
    double left = item.rectMm.left();
    if (item.alignment & Qt::AlignRight)
        left = item.rectMm.right() - width;
    else if (item.alignment & Qt::AlignHCenter)
        left = item.rectMm.center().x() - width / 2;
    return std::pair{left, left + width};
}

} // namespace

TEST(BankListColumns, NoTwoColumnsTextsMeetOnALine)
{
    TestCompany company;
    AutomationGuard automation;
    // A bank that asks which list: its first choice, confirmed.
    automation.onModal([](MForm& dialog) {
        dialog.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
        return int(mrCancel);
    });
    constexpr double PixelsPerMm = 10;
    QImage device(10, 10, QImage::Format_RGB32);
    device.setDotsPerMeterX(int(PixelsPerMm * 1000));
    device.setDotsPerMeterY(int(PixelsPerMm * 1000));
    int lists = 0;
    for (int bank = FirstBank; bank <= LastBank; ++bank) {
        const FormClass* formClass = BankForm(bank);
        if (!formClass)
            continue;
        SCOPED_TRACE(formClass->className.toStdString());
        ReleasedForm<MForm> form(formClass->create(nullptr));
        form->setAttribute(Qt::WA_DontShowOnScreen);
        form->show();
        auto& window = dynamic_cast<TransferWindow&>(*form);
        FillWideRows(window.transferTable());
        auto* toolbar = form->component<TFunctionButtons>(QStringLiteral("FunctionButtons1"));
        toolbar->NeedRebuild = false;
        toolbar->RunCommand(cmdPreview);
        const auto previews = form->findChildren<report::TF6MainForm*>();
        if (previews.isEmpty() || !previews.back()->QRPreview()->QRPrinter())
            continue;   // a bank that asks which list first
        ++lists;
        const report::LaidOutPage& page = previews.back()->QRPreview()->QRPrinter()->pages().pages.front();
        const std::vector<const report::LaidOutItem*> detail = page.bandItems(QStringLiteral("DetailBand1"));
        ASSERT_FALSE(detail.empty());
        std::vector<const report::LaidOutItem*> line;   // the first printed line's texts
        for (const report::LaidOutItem* item : detail)
            if (item->kind != report::ItemKind::Shape && !item->text.isEmpty() && item->rectMm.top() == detail.front()->rectMm.top())
                line.push_back(item);
        std::sort(line.begin(), line.end(), [](auto* a, auto* b) { return a->rectMm.left() < b->rectMm.left(); });
        for (size_t i = 1; i < line.size(); ++i) {
            const auto before = DrawnExtent(*line[i - 1], device, PixelsPerMm);
            const auto after = DrawnExtent(*line[i], device, PixelsPerMm);
            if (before && after)
                EXPECT_GE(after->first - before->second, GapMm) << line[i - 1]->text.toStdString() << "|"
                                                                 << line[i]->text.toStdString();
        }
        qDeleteAll(previews);
    }
    EXPECT_GE(lists, 20);
}
