#pragma once
// Every bank set up to write the demo company: its case (the file it is asked for, the accounts it
// takes), the parameters a clerk gives it first, and the demo company with accounts made fit for it.
#include <QDir>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// The demo company as it comes, or with its accounts made fit for a bank that takes only its own.
enum class Accounts {
    Demo,
    PostOffice,     // every account with the post office's check digits
    ElevenDigits,   // every account cut to its last eleven digits, as bank 18 takes them
};

struct BankCase {
    int bank;
    int choice = 0;   // the file chosen before the export; 0 for a bank that asks for none
    Accounts accounts = Accounts::Demo;
    // The demo's accounts cut to their last digits where the bank's records hold fewer (0: whole).
    int accountDigits = 0;
};

std::string caseName(const ::testing::TestParamInfo<BankCase>& info);
void PrintTo(const BankCase& bank, std::ostream* out);
// Every bank, the post office with each of its two files.
std::vector<BankCase> everyBank();
// The words that name the case's file choice, for a command that asks.
QStringList ChoiceOf(const BankCase& bank);

// The bank parameters set before an export, as the clerk would ("ID1=VALUE" ...): bank 18 cannot
// write without its weight, the others write what they are given.
QStringList parametersOf(int bank);

// Rewrites every employee's accounts in the company database `file`.
void rewriteAccounts(const QString& file, const std::function<QString(const QString&)>& rewrite);
QString withCheckDigits(const QString& account);

// The demo company of `employees` (the demo's own number when 0) in `folder`, with the accounts
// asked for, cut to their last `accountDigits` when not 0: made when first asked for, then the same file.
QString DemoCompanyFor(const QDir& folder, Accounts accounts, int employees = 0, int accountDigits = 0);

// Runs `statements` on the company database `file`.
void ExecOn(const QString& file, const QStringList& statements);
