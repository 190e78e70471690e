#pragma once
// A bank's export dialog driven as the clerk drives it: the transfer table filled by hand, the
// dialog bound to it, the path typed, F8 pressed. Messages are recorded and answered with OK.
// And a bank's transfer list printed from such a table.
#include "runtime/ui/automation.h"
#include "support/test_company.h"
#include "support/transfer_rows.h"
#include "transfer/export_dialog.h"
#include "transfer/transfer_list_report.h"

#include <QLineEdit>
#include <gtest/gtest.h>

class BankExportTest : public ::testing::Test {
protected:
    explicit BankExportTest(const QDate& today) : company(today) {}
    void SetUp() override;

    // Exports `rows` with the transfer date `date` through a new dialog `Dialog` to `path`; returns
    // the file's bytes (empty when nothing was written).
    template <class Dialog>
    QByteArray exportRows(const TransferTableLayout& layout, const std::vector<TransferRow>& rows, const QDate& date)
    {
        FillTransferRows(table, layout, rows);
        dialog.reset(Create<Dialog>(nullptr));
        return exportTable(date);
    }
    // The same for a two-per-row table.
    template <class Dialog>
    QByteArray exportPairs(const TransferTableLayout& layout, const std::vector<TransferPair>& rows, const QDate& date)
    {
        FillTransferPairs(table, layout, rows);
        dialog.reset(Create<Dialog>(nullptr));
        return exportTable(date);
    }
    QByteArray exportTable(const QDate& date);
    // The same with the values the window hands over (transfer date, total and count).
    QByteArray exportTable(const ExportValues& values);
    template <class Dialog>
    QByteArray exportRows(const TransferTableLayout& layout, std::initializer_list<TransferRow> rows, const ExportValues& values)
    {
        FillTransferRows(table, layout, rows);
        dialog.reset(Create<Dialog>(nullptr));
        return exportTable(values);
    }
    // The path a new dialog `Dialog` proposes when shown with `values`.
    template <class Dialog>
    QString proposedPath(const ExportValues& values = {})
    {
        dialog.reset(Create<Dialog>(nullptr));
        return proposedPath(values);
    }
    QString proposedPath(const ExportValues& values);
    // The first header or trailer record (`part`) of `Dialog`'s layout, rendered from the values the
    // window hands over and `employees` written: values that a file of a few rows could not agree
    // with, as the largest totals and counts a record takes.
    template <class Dialog>
    static QByteArray renderedRecord(std::vector<MediaRecord> MediaLayout::*part, const ExportValues& values, int employees = 0)
    {
        struct Opened : Dialog {
            using Dialog::Dialog;
            using Dialog::Layout;
        };
        const ReleasedForm<Opened> opened(Create<Opened>(nullptr));
        return RenderedRecord((opened->Layout().*part).front(), values, employees);
    }
    // The bank's transfer window, shown (off screen) as the host shows it.
    template <class Window>
    ReleasedForm<Window> openWindow()
    {
        ReleasedForm<Window> window(Create<Window>(nullptr));
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
        return window;
    }
    // Runs the export command of `window` as the clerk does, the dialog writing to `path`; returns
    // the values the window handed over (none when no export dialog opened).
    std::optional<ExportValues> exportFromWindow(MForm& window);
    // Runs the window's export command and returns what the window handed the export dialog (which
    // is closed unseen).
    ExportValues handedOver(MForm& window);
    // Writes `bytes` (a damaged file) to `path` and reads it back through the dialog.
    MediaFileReading readBack(const QByteArray& bytes);
    // The refusal message of the last export, one line per value that does not fit.
    QStringList refusals(const std::function<void()>& exportCall) const;
    // Browses from the export dialog, choosing `chosen` in a save dialog that must offer `filter`;
    // returns the path the export dialog then shows.
    QString browseTo(const QString& chosen, const QString& filter);
    // Opens the bank's parameter dialog and saves it as it stands: the maximum length of each edit, and
    // the bank's row as "NAME|FILENAME".
    template <class Dialog>
    std::pair<std::vector<int>, QString> saveParameters(const QString& rowKey)
    {
        ReleasedForm<Dialog> parameters(Create<Dialog>(nullptr));
        parameters->ShowModal();
        std::vector<int> lengths;
        for (const QLineEdit* edit : parameters->template findChildren<QLineEdit*>())
            lengths.push_back(edit->maxLength());
        parameters->Btn_F8Click();
        return {lengths, company.scalar("SELECT NAME || '|' || FILENAME FROM BANK1 WHERE BNK_NO='" + rowKey + "'").toString()};
    }

    TestCompany company;
    AutomationGuard automation;
    db::LocalTable table{"TEST", "BANKEXPORT"};
    ReleasedForm<ExportDialog> dialog;
    QStringList messages;
    QString path = company.path("MEDIA.DAT");
};

// `record` rendered from `values` and `employees` written, without bank parameters.
QByteArray RenderedRecord(const MediaRecord& record, const ExportValues& values, int employees);

// Prints `report` (a new list form of the bank) for `table` to a PDF file at `pdf`; returns the texts
// of each detail line, in the order of the list's columns.
std::vector<QStringList> PrintedLines(TransferListReport& report, const db::LocalTable& table, const QDate& transferDate,
                                      const QString& pdf);

// The worked example of a bank's format description (`resource`): its lines that begin with
// `recordStart`, in Big5 and each ended by CR LF, as the export writes them.
QByteArray DescriptionExample(const QString& resource, const QByteArray& recordStart);
