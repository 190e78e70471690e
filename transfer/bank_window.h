#pragma once
// A bank's transfer window with its four companions (bank parameters, export, transfer list and
// format description), and its registration as the window that the bank's menu command opens.
#include "module/form_registry.h"
#include "transfer/transfer_window.h"

// `Window` is the framework's transfer window, or one of its kin that a group of banks shares.
template <class ParameterDialog, class ExportDialogForm, class TransferList, class FormatDescription,
          class Window = TransferWindow>
class BankTransferWindow : public Window {
protected:
    using Window::Window;

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
