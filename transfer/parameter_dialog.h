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
    std::function<void(const QString& text)> exitCheck;
    // What the edit shows while the bank's row does not exist yet.
    QString missingRowText = {};
    // A hint in red beside the edit, as the label "<objectName>Caption".
    QString hint = {};
    // Once the dialog has been modified, the text the edit takes when the clerk leaves it.
    std::function<QString(const QString& text)> exitCorrection = {};
};

struct ParameterSettings {
    QString rowKey;
    int nameTextId = 0;          // the bank's name text, the dialog's caption and BANK1.NAME
    QString defaultFileName;     // FILENAME of a row the dialog creates
    std::vector<ParameterEdit> edits;
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
