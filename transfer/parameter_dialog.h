#pragma once
// The bank parameter dialog: the bank's fixed codes for the company (branch, customer code and the
// like), kept in the bank's BANK1 row.
#include "runtime/ui/mform.h"
#include "transfer/bank_row.h"

#include <functional>
#include <vector>

class QLineEdit;

// One parameter edit: its component name ("ID1_10"), the BANK1 column it keeps, its label,
// its maximum length, an optional input mask, and an optional check when the clerk leaves it.
struct ParameterEdit {
    QString objectName;
    QString column;
    QString label;
    int maxLength = 0;
    QString inputMask;
    std::function<void(const QString& text)> exitCheck = {};
    QString hint = {};
    QString labelName = {};      // the label's component name, for a bank that shows or hides it
    QString initialText = {};    // what the edit shows before the row is loaded (a missing row)
    // The text the edit takes when the clerk leaves it after changing the dialog's parameters.
    std::function<QString(const QString& text)> correctOnExit = {};
};

// A one-character code among `codes` ("12"): anything else, or nothing, becomes `fallback`.
std::function<QString(const QString& text)> FirstCharacterAmong(const QString& codes, const QString& fallback);

struct ParameterSettings {
    QString rowKey;
    int nameTextId = 0;          // the bank's name text, BANK1.NAME (and the caption unless given below)
    QString defaultFileName;     // FILENAME of a row the dialog creates
    std::vector<ParameterEdit> edits;
    int captionTextId = 0;       // the dialog's caption when it is not the name text
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
    std::vector<QLineEdit*> edits_;
    bool loading_ = false;
    bool modified_ = false;
};
