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
    QString hint = {};           // the edit's tool tip
    QString labelName = {};      // the label's component name, for a bank that shows or hides it
    // A caption in red beside the edit, as the label "<objectName>Caption".
    QString sideCaption = {};
    // What the edit shows while the bank's row does not exist yet.
    QString missingRowText = {};
    // Once the dialog has been modified, the text the edit takes when the clerk leaves it.
    std::function<QString(const QString& text)> exitCorrection = {};
};

// A one-character code among `codes` ("12"): anything else, or nothing, becomes `fallback`.
std::function<QString(const QString& text)> FirstCharacterAmong(const QString& codes, const QString& fallback);

struct ParameterSettings {
    QString rowKey;
    int nameTextId = 0;          // the bank's name text, the dialog's caption and BANK1.NAME
    QString defaultFileName;     // FILENAME of a row the dialog creates; empty: none is set
    std::vector<ParameterEdit> edits;
    QString caption;             // the caption when it is not the name text
    QString fixedName;           // BANK1.NAME (and caption) when the bank stores a fixed name, not the text
    int noticeTextId = 0;        // a bank without parameters: the notice shown instead; F8 alone saves
};

// A bank that needs no parameters: its dialog shows a notice, and F8 keeps the bank's row with its
// name and default file name.
ParameterSettings NoParameters(const QString& rowKey, int nameTextId, const QString& defaultFileName);

class BankParameterDialog : public MForm {
    Q_OBJECT
    Q_PROPERTY(QString DefaultFileName READ DefaultFileName)
public:
    BankParameterDialog(QWidget* owner, const ParameterSettings& settings);
    // The media file the bank proposes when nothing is remembered.
    virtual QString DefaultFileName() const { return settings_.defaultFileName; }

    void FormCreate() override;
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void IDChange();
    void LoadParameters();
    void SaveParameters();
    void Btn_F8Click();
    void Btn_EscClick();

    bool modified() const { return modified_; }

protected:
    // The columns a save writes after BNK_NO and NAME, in order: each edit's column and text.
    virtual std::vector<std::pair<QString, QString>> SavedColumns() const;

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
