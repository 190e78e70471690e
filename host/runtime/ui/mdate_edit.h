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

    // "1150305" -> "115/03/05", "910305" -> "91/03/05"; any other text is returned unchanged.
    static QString WithSlashes(const QString& text);
};
