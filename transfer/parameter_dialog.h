#pragma once
// The bank parameter dialog: the bank's fixed codes for the company (branch, customer code and the
// like), kept in the bank's BANK1 row.
#include "runtime/ui/mform.h"
#include "transfer/bank_row.h"

#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;

// An item of a parameter list: what the clerk sees, and what BANK1 keeps for it.
struct ParameterChoice {
    QString caption;
    QString value;
};

// One parameter edit: its component name ("ID1_10"), the BANK1 column it keeps, its label,
// its maximum length, an optional input mask, and an optional check when the clerk leaves it.
// With choices it is a list instead: a stored value that none of them keeps selects the last.
struct ParameterEdit {
    QString objectName;
    QString column;
    QString label;
    int maxLength = 0;
    QString inputMask;
    std::function<void(const QString& text)> exitCheck;
    std::vector<ParameterChoice> choices;
    // What the edit shows while the bank's row does not exist yet.
    QString missingRowText = {};
    // A hint in red beside the edit, as the label "<objectName>Caption".
    QString hint = {};
    // Once the dialog has been modified, the text the edit takes when the clerk leaves it.
    std::function<QString(const QString& text)> exitCorrection = {};
};

struct ParameterSettings {
    QString rowKey;
    int nameTextId = 0;          // the bank's name text, BANK1.NAME and the dialog's caption
    QString defaultFileName;     // FILENAME of a row the dialog creates; empty: none is set
    std::vector<ParameterEdit> edits;
    QString caption;             // the dialog's own caption when it is not the bank's name text
};

class BankParameterDialog : public MForm {
    Q_OBJECT
    Q_PROPERTY(QString DefaultFileName READ defaultFileName)
public:
    BankParameterDialog(QWidget* owner, const ParameterSettings& settings);
    QString defaultFileName() const { return settings_.defaultFileName; }

    void FormCreate() override;
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void IDChange();
    void LoadParameters();
    void SaveParameters();
    void Btn_F8Click();
    void Btn_EscClick();

    bool modified() const { return modified_; }

private:
    ParameterSettings settings_;
    BankRow row_;
    // The control of each parameter: an edit, or a list for a parameter with choices.
    QString textOf(size_t parameter) const;
    void setTextOf(size_t parameter, const QString& text);
    std::vector<QLineEdit*> edits_;
    std::vector<QComboBox*> lists_;
    bool loading_ = false;
    bool modified_ = false;
};
