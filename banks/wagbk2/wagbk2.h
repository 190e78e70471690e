#pragma once
// The post office (郵局) salary deposit: two media files without header or trailer, the deposit file
// (record kind "030") and the account data file (kind "406"), chosen before the export; the check
// digits of every post office account, with a list of the accounts that fail; and three printed
// forms instead of the transfer list.
#include "banks/wagbk2/account_error_list.h"
#include "banks/wagbk2/post_office_forms.h"
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"

#include <string_view>
#include <unordered_set>

// The two media files, in the order of the choice dialog.
enum class PostOfficeFile { Deposit = 1, AccountData = 2 };

class TWagbk2aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk2aForm(QWidget* owner);
};

class TWagbk2bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk2bForm(QWidget* owner);
    void setFile(PostOfficeFile file) { File = file; }

protected:
    const MediaLayout& Layout() const override;
    QString ProposedFileName() const override;
    QString FileNameToRemember(const QString& fileName, const QString& stored) const override;

private:
    PostOfficeFile File = PostOfficeFile::Deposit;
};

class TWagbk2fForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk2fForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk2/description.txt")) {}
};

// Bureau, account, name, identity number, amount, remark and the hidden whole account.
TransferTableLayout Wagbk2TableLayout();

// Bureau and account parts of the accounts in the transfer table, the check of every employee's account
// while it is filled, the choice of the file before an export and of the form before a print.
class TWagbk2Form : public BankTransferWindow<TWagbk2aForm, TWagbk2bForm, TWagbk2dForm, TWagbk2fForm> {
    Q_OBJECT
public:
    explicit TWagbk2Form(QWidget* owner);
    const std::vector<AccountError>& accountErrors() const { return AccountErrors; }

protected:
    TransferTableLayout TableLayout() const override { return Wagbk2TableLayout(); }
    bool ReadyToFill() override;
    void LineSelected(const db::MQuery& line, bool newRow) override;
    bool SelectionAccepted() override;
    bool ChooseExport() override;
    ExportDialog* CreateExportDialog() override;
    void PrintTransferList(const TransferListRun& run) override;

private:
    std::vector<AccountError> AccountErrors;
    // Employee numbers by their characters' own hash: Qt's hash of a text, made to resist chosen
    // keys, costs more than the check it saves on every pay line.
    struct NumberHash {
        size_t operator()(const QString& number) const
        {
            return std::hash<std::u16string_view>()(std::u16string_view(reinterpret_cast<const char16_t*>(number.utf16()), size_t(number.size())));
        }
    };
    std::unordered_set<QString, NumberHash> CheckedEmployees;
    PostOfficeFile File = PostOfficeFile::Deposit;
};

// "700123-4" from "70012345678901": characters `from` to `from` + 5, padded to six, "-", the next one.
QString AccountPart(const QString& account, int from);
// The name FILENAME holds for the file: the part before ";" (deposit file) or after it (account data
// file); a name without ";" stands for both. An empty FILENAME stands for the default pair.
QString FileNameOf(const QString& stored, PostOfficeFile file);
// FILENAME after an export of the file to `fileName`: the file's half replaced, the other kept.
QString FileNamesAfterExport(const QString& stored, PostOfficeFile file, const QString& fileName);
