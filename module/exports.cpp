// The exported functions. They run on the host's user-interface thread; an error never crosses the
// module boundary as an exception but reaches the host's error display.
#include "module/exports.h"

#include "runtime/bank_names.h"
#include "module/company_context.h"
#include "module/form_registry.h"
#include "runtime/language.h"
#include "runtime/mdichild.h"

#include <exception>

namespace {

// The open transfer window of each bank; only the host writes it (through RunMDIChild).
MForm* BankWindows[LastBank + 1] = {};

template <class Action>
void reportingErrors(Action action)
{
    try {
        action();
    } catch (const std::exception& e) {
        ShowHostError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowHostError(LoadFormResourceStr(QStringLiteral("WAGBK"), 15100));
    }
}

void openBankWindow(int bank)
{
    reportingErrors([bank] {
        const FormClass* formClass = BankForm(bank);
        if (!formClass)
            throw std::runtime_error(
                LoadFormResourceStr(QStringLiteral("WAGBK"), 15101).arg(bank).arg(BankName(bank)).toStdString());
        RunMDIChild(*formClass, &BankWindows[bank], QString());
    });
}

} // namespace

extern "C" {

void SetCompanyData(const std::uint8_t* const* context)
{
    reportingErrors([context] { ApplyCompanyContext(context ? *context : nullptr); });
}

void ExitDLL()
{
    reportingErrors([] { CloseCompanyDatabase(); });
}

#define RAR1_BANK_EXPORT(N) \
    void DoWagBK##N() { openBankWindow(N); }

RAR1_BANK_EXPORT(1) RAR1_BANK_EXPORT(2) RAR1_BANK_EXPORT(3) RAR1_BANK_EXPORT(4) RAR1_BANK_EXPORT(5)
RAR1_BANK_EXPORT(6) RAR1_BANK_EXPORT(7) RAR1_BANK_EXPORT(8) RAR1_BANK_EXPORT(9) RAR1_BANK_EXPORT(10)
RAR1_BANK_EXPORT(11) RAR1_BANK_EXPORT(12) RAR1_BANK_EXPORT(13) RAR1_BANK_EXPORT(14) RAR1_BANK_EXPORT(15)
RAR1_BANK_EXPORT(16) RAR1_BANK_EXPORT(17) RAR1_BANK_EXPORT(18) RAR1_BANK_EXPORT(19) RAR1_BANK_EXPORT(20)
RAR1_BANK_EXPORT(21) RAR1_BANK_EXPORT(22) RAR1_BANK_EXPORT(23) RAR1_BANK_EXPORT(24) RAR1_BANK_EXPORT(25)
RAR1_BANK_EXPORT(26) RAR1_BANK_EXPORT(27) RAR1_BANK_EXPORT(28)

#undef RAR1_BANK_EXPORT
}
