#pragma once
// The page view of the preview window: one page of a printer object at a time, rendered at the
// zoom chosen (whole page, page width, or the page's actual size on the screen).
// While its printer object still lays the report out, the view lays out a few more pages whenever
// the event loop is idle, the page count growing as it goes; paging ahead to a page still to come
// lays the report out up to it. The view going stops the layout.
#include <QScrollArea>
#include <QTimer>
#include <memory>

class QLabel;

namespace report {

class TQRPrinter;

class TQRPreview : public QScrollArea {
    Q_OBJECT
public:
    enum class Zoom { WholePage, PageWidth, ActualSize };

    explicit TQRPreview(QWidget* parent = nullptr);
    ~TQRPreview() override;

    void SetQRPrinter(std::shared_ptr<TQRPrinter> printer);
    const std::shared_ptr<TQRPrinter>& QRPrinter() const { return printer_; }

    int pageCount() const;
    int pageNumber() const { return pageNumber_; }    // from 1; 0 while there is nothing to show
    void setPageNumber(int number);                     // kept within the pages, laid out first if need be
    Zoom zoom() const { return zoom_; }
    void setZoom(Zoom zoom);

signals:
    void pageChanged(int number, int count);
    // The report could not be laid out beyond the pages shown.
    void layoutFailed(const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void renderPage();
    void layOutSome();
    // Runs a step of the layout; a failure stops it and is reported.
    template <class Step> void layOutGuarded(Step step);
    double dotsPerInch() const;

    QLabel* page_;
    std::shared_ptr<TQRPrinter> printer_;
    int pageNumber_ = 0;
    Zoom zoom_ = Zoom::WholePage;
    QTimer layoutTimer_;
};

} // namespace report
