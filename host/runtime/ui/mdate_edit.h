#pragma once
// Edit of an ROC date "yyy/mm/dd" with a two- or three-digit year ("91/03/05", "115/03/05").
// Digits typed without slashes ("1150305", "910305") are put into that form when editing ends.
#include <QDate>
#include <QLineEdit>

class MDateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MDateEdit(QWidget* parent = nullptr);

    // The date; null when empty. Raises DateError naming `fieldCaption` for an impossible date.
    QDate date(const QString& fieldCaption) const;
    void setDate(const QDate& date);   // a null date empties the edit
    bool IsEmpty() const;
    // Puts digits typed without slashes into the date's form now, as leaving the edit would.
    void Normalise();
    // As wide as the longest date it takes, not as the row it stands in.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // "1150305" -> "115/03/05", "910305" -> "91/03/05"; any other text is returned unchanged.
    static QString WithSlashes(const QString& text);
};
