#pragma once
// A bank's transfer window with its four companions (bank parameters, export, transfer list and
// format description), and its registration as the window that the bank's menu command opens.
#include "module/form_registry.h"
#include "transfer/transfer_window.h"

// `Base` is the transfer window the bank builds on (TransferWindow or a kind of it).
template <class ParameterDialog, class ExportDialogForm, class TransferList, class FormatDescription,
          class Base = TransferWindow>
class BankTransferWindow : public Base {
protected:
    using Base::Base;

    MForm* CreateParameterDialog() override { return Create<ParameterDialog>(this); }
    ExportDialog* CreateExportDialog() override { return Create<ExportDialogForm>(this); }
    TransferListReport* CreateTransferList() override { return Create<TransferList>(this); }
    MForm* CreateFormatDescription() override { return Create<FormatDescription>(this); }
};

// Registers the window class at library load: `const BankWindowRegistration<TWagbk10Form> registration(10);`
template <class Window>
struct BankWindowRegistration : BankFormRegistration {
    explicit BankWindowRegistration(int bank)
        : BankFormRegistration(bank, {QString::fromLatin1(Window::staticMetaObject.className()),
                                      [](QWidget* owner) -> MForm* { return Create<Window>(owner); }})
    {
    }
};
