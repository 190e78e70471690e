#pragma once
// The host's report preview window. A report form creates it with itself as owner, hands it the
// report's printer object and shows it without waiting:
//
//   auto* preview = new report::TF6MainForm(reportForm);
//   preview->SetQRPrinter(QuickRep1->QRPrinter());
//   preview->show();
//
// The window belongs to its owner: it closes when the owner is freed. Closing the window frees it
// and emits closed(), the moment an owner kept alive for the preview may go. The printer object
// holds the laid-out pages; the page count grows while the view lays out the rest of the report.
// Keys: Page Up / Page Down, Home / End page through, Esc closes.
#include <QWidget>
#include <memory>

class QLabel;

namespace report {

class TQRPreview;
class TQRPrinter;

class TF6MainForm : public QWidget {
    Q_OBJECT
public:
    explicit TF6MainForm(QObject* owner);

    void SetQRPrinter(std::shared_ptr<TQRPrinter> printer);
    TQRPreview* QRPreview() const { return preview_; }

    void firstPage();
    void priorPage();
    void nextPage();
    void lastPage();
    // Prints every page on the printer object's printer; the result (or the error) shows in the
    // window's status line.
    void printPages();

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showPagePosition(int number, int count);

    TQRPreview* preview_;
    QLabel* pagePosition_;
    QLabel* status_;
};

} // namespace report
