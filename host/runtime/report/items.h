#pragma once
// What a band holds. Every item has a name (the form's component name, e.g. "QRDBText3", "PageAmtn")
// and a place in its band in millimetres (x from the left margin, y from the band's top).
//   TQRLabel   a fixed caption, which events may change before the band prints
//   TQRDBText  the value of a field of the report's data set in the current row, with a number mask
//              (outside the detail band: of the row the data set stands on, the last one at the end)
//   TQRExpr    an expression: PAGENUMBER, COUNT, SUM(FIELD) or a field name, with a number mask
//   TQRMemo    fixed lines of text
//   TQRShape   a rule or a frame
// Text items print in their own font, or in the report's default font while they have none.
#include <QFont>
#include <QRectF>
#include <QStringList>
#include <optional>

namespace report {

class TQRBand;

enum class ItemKind { Label, DBText, Expr, Memo, Shape };
enum class ShapeKind { HorizontalLine, VerticalLine, Rectangle };

class TQRPrintable {
public:
    virtual ~TQRPrintable() = default;
    TQRPrintable(const TQRPrintable&) = delete;
    TQRPrintable& operator=(const TQRPrintable&) = delete;

    const QString& name() const { return name_; }
    ItemKind kind() const { return kind_; }
    TQRBand& band() const { return band_; }
    const QRectF& geometryMm() const { return geometryMm_; }
    // A disabled item does not print.
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }

protected:
    TQRPrintable(TQRBand& band, const QString& name, ItemKind kind, const QRectF& geometryMm);

private:
    TQRBand& band_;
    QString name_;
    ItemKind kind_;
    QRectF geometryMm_;
    bool enabled_ = true;
};

// The items that print text.
class TQRCustomLabel : public TQRPrintable {
public:
    QFont font() const;
    void setFont(const QFont& font) { font_ = font; }
    // Another face at the same size and style (what a report's localisation does).
    void setFontFamily(const QString& family);
    bool underline() const { return underline_; }
    void setUnderline(bool on) { underline_ = on; }
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter; the text is centred vertically.
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment) { alignment_ = alignment; }

protected:
    using TQRPrintable::TQRPrintable;

private:
    std::optional<QFont> font_;
    bool underline_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};

class TQRLabel : public TQRCustomLabel {
public:
    TQRLabel(TQRBand& band, const QString& name, const QRectF& geometryMm, const QString& caption);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

private:
    QString caption_;
};

class TQRDBText : public TQRCustomLabel {
public:
    TQRDBText(TQRBand& band, const QString& name, const QRectF& geometryMm, const QString& dataField,
              const QString& mask);
    const QString& dataField() const { return dataField_; }
    const QString& mask() const { return mask_; }

private:
    QString dataField_;
    QString mask_;
};

class TQRExpr : public TQRCustomLabel {
public:
    TQRExpr(TQRBand& band, const QString& name, const QRectF& geometryMm, const QString& expression,
            const QString& mask);
    const QString& expression() const { return expression_; }
    const QString& mask() const { return mask_; }
    // Starts its COUNT or SUM again after each time its band prints (a page total in a page footer).
    bool resetAfterPrint() const { return resetAfterPrint_; }
    void setResetAfterPrint(bool on) { resetAfterPrint_ = on; }

private:
    QString expression_;
    QString mask_;
    bool resetAfterPrint_ = false;
};

class TQRMemo : public TQRCustomLabel {
public:
    TQRMemo(TQRBand& band, const QString& name, const QRectF& geometryMm, const QStringList& lines);
    const QStringList& lines() const { return lines_; }
    void setLines(const QStringList& lines) { lines_ = lines; }

private:
    QStringList lines_;
};

class TQRShape : public TQRPrintable {
public:
    TQRShape(TQRBand& band, const QString& name, const QRectF& geometryMm, ShapeKind shape);
    ShapeKind shape() const { return shape_; }
    double penWidthMm() const { return penWidthMm_; }
    void setPenWidthMm(double width) { penWidthMm_ = width; }

private:
    ShapeKind shape_;
    double penWidthMm_ = 0.25;
};

} // namespace report
