#pragma once
// The page view of the preview window: one page of a printer object at a time, rendered at the
// zoom chosen (whole page, page width, or the page's actual size on the screen).
#include <QScrollArea>
#include <memory>

class QLabel;

namespace report {

class TQRPrinter;

class TQRPreview : public QScrollArea {
    Q_OBJECT
public:
    enum class Zoom { WholePage, PageWidth, ActualSize };

    explicit TQRPreview(QWidget* parent = nullptr);

    void SetQRPrinter(std::shared_ptr<TQRPrinter> printer);
    const std::shared_ptr<TQRPrinter>& QRPrinter() const { return printer_; }

    int pageCount() const;
    int pageNumber() const { return pageNumber_; }    // from 1; 0 while there is nothing to show
    void setPageNumber(int number);                     // kept within the pages
    Zoom zoom() const { return zoom_; }
    void setZoom(Zoom zoom);

signals:
    void pageChanged(int number, int count);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void renderPage();
    double dotsPerInch() const;

    QLabel* page_;
    std::shared_ptr<TQRPrinter> printer_;
    int pageNumber_ = 0;
    Zoom zoom_ = Zoom::WholePage;
};

} // namespace report
