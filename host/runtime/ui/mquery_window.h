#pragma once
// Lookup window for a code column of a database table: the clerk filters by the code or the
// detail text and picks one row (or several when MultiSelect is set).
// Attached to an edit it opens on F2, a double click, or the attached button, and writes the
// first chosen code into the edit.
#include <QObject>
#include <QStringList>

class QAbstractButton;
class QLineEdit;
class QWidget;

class MQueryWindow : public QObject {
    Q_OBJECT
public:
    explicit MQueryWindow(QObject* parent = nullptr);

    QString DatabaseName = QStringLiteral("RurIzov");
    QString TableName;
    QString ResultFldName;   // the code column, e.g. YG_NO
    QString DetailFldName;   // the descriptive column, e.g. NAME
    QString Caption;
    QString DetailCaption;
    QString SearchField;     // "YG_NO,員工代號": column and its caption
    bool MultiSelect = false;

    void Attach(QLineEdit* edit, QAbstractButton* button = nullptr);
    // Shows the lookup (owned by `owner`), positioned on `initialCode`; true when rows were chosen.
    bool Execute(QWidget* owner, const QString& initialCode = QString());
    // The codes chosen by the last Execute, in the order shown.
    const QStringList& Results() const { return results_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runFor(QLineEdit* edit);
    QStringList results_;
};
