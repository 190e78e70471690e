#include "support/bank_export.h"

#include "runtime/report/pdfoutput.h"
#include "runtime/report/qrprinter.h"
#include "runtime/ui/function_buttons.h"
#include "transfer/media_file_writer.h"

#include "runtime/clock.h"
#include "runtime/cvcode.h"
#include "runtime/ui/function_buttons.h"

#include <QFile>
#include <QLineEdit>

void BankExportTest::SetUp()
{
    automation.onModal([](MForm&) { return int(mrCancel); });
    automation.onMessage([this](const MessageRequest& m) {
        messages << m.text;
        return int(mrOk);
    });
}

QByteArray BankExportTest::exportTable(const QDate& date)
{
    ExportValues values;
    values.transferDate = date;
    return exportTable(values);
}

QByteArray BankExportTest::exportTable(const ExportValues& values)
{
    dialog->Bind(table, values);
    dialog->ShowModal();
    dialog->component<QLineEdit>("PathFile")->setText(path);
    dialog->Btn_F8Click();
    return ReadFileBytes(path);
}

std::optional<ExportValues> BankExportTest::exportFromWindow(MForm& window)
{
    std::optional<ExportValues> handed;
    automation.onModal([this, &handed](MForm& form) {
        auto& exporter = dynamic_cast<ExportDialog&>(form);
        handed = exporter.values();
        exporter.component<QLineEdit>("PathFile")->setText(path);
        exporter.Btn_F8Click();
        return int(mrCancel);
    });
    window.component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdExport);
    return handed;
}

QString BankExportTest::proposedPath(const ExportValues& values)
{
    dialog->Bind(table, values);
    dialog->ShowModal();
    return dialog->component<QLineEdit>("PathFile")->text();
}

QByteArray RenderedRecord(const MediaRecord& record, const ExportValues& values, int employees)
{
    RecordContext context;
    context.values = values;
    context.today = Today();
    context.employeeRecords = employees;
    context.sequence = employees;
    ExportFindings findings;
    const QByteArray bytes = record.Render(context, RecordOwner(QStringLiteral("表頭")), findings);
    EXPECT_TRUE(findings.refusals.isEmpty()) << findings.refusals.join('\n').toStdString();
    return bytes;
}

ExportValues BankExportTest::handedOver(MForm& window)
{
    std::optional<ExportValues> handed;
    automation.onModal([&handed](MForm& form) {
        handed = dynamic_cast<ExportDialog&>(form).values();
        return int(mrCancel);
    });
    window.component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdExport);
    EXPECT_TRUE(handed.has_value()) << "the export dialog was not opened";
    return handed.value_or(ExportValues{});
}

QString BankExportTest::browseTo(const QString& chosen, const QString& filter)
{
    automation.onFileDialog([chosen, filter](QString& name, const QString& offered) {
        EXPECT_EQ(offered, filter);
        name = chosen;
        return true;
    });
    dialog->MSpeedButton1Click();
    return dialog->component<QLineEdit>("PathFile")->text();
}

QStringList BankExportTest::refusals(const std::function<void()>& exportCall) const
{
    try {
        exportCall();
    } catch (const ExportRefused& refused) {
        return QString::fromUtf8(refused.what()).split(u'\n').mid(1);
    }
    ADD_FAILURE() << "the export was not refused";
    return {};
}

std::vector<QStringList> PrintedLines(TransferListReport& report, const db::LocalTable& table, const QDate& transferDate,
                                      const QString& pdf)
{
    report::SetPdfOutputPath(pdf);
    TransferListRun run;
    run.transferDate = transferDate;
    run.printDirect = true;
    report.Run(table, run);
    report::SetPdfOutputPath(QString());

    std::vector<QStringList> lines;
    for (const report::LaidOutPage& page : report.QuickRep1.QRPrinter()->pages().pages) {
        double top = -1;
        for (const report::LaidOutItem* item : page.bandItems(QStringLiteral("DetailBand1"))) {
            if (item->rectMm.top() != top) {
                lines.emplace_back();
                top = item->rectMm.top();
            }
            lines.back() << item->text;
        }
    }
    return lines;
}

QByteArray DescriptionExample(const QString& resource, const QByteArray& recordStart)
{
    QFile description(resource);
    if (!description.open(QIODevice::ReadOnly))
        return {};
    QByteArray example;
    for (const QByteArray& line : description.readAll().split('\n'))
        if (line.startsWith(recordStart))
            example += ToBig5(QString::fromUtf8(line)).bytes + "\r\n";
    return example;
}

MediaFileReading BankExportTest::readBack(const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    return dialog->ReadBack(path);
}
