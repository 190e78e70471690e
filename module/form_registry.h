#pragma once
// The transfer window class of each bank, registered by the bank's folder when the library loads.
#include "runtime/mdichild.h"

constexpr int FirstBank = 1;
constexpr int LastBank = 28;

void RegisterBankForm(int bank, const FormClass& formClass);
// The registered window class of bank `bank`, or null while the bank's window is not built.
const FormClass* BankForm(int bank);

// Registers a bank's transfer window at library load: `static BankFormRegistration reg(10, ...);`
struct BankFormRegistration {
    BankFormRegistration(int bank, const FormClass& formClass) { RegisterBankForm(bank, formClass); }
};
