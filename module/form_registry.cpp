#include "module/form_registry.h"

#include <array>
#include <optional>

namespace {
std::array<std::optional<FormClass>, LastBank + 1>& registry()
{
    static std::array<std::optional<FormClass>, LastBank + 1> forms;
    return forms;
}
}

void RegisterBankForm(int bank, const FormClass& formClass)
{
    if (bank >= FirstBank && bank <= LastBank)
        registry()[bank] = formClass;
}

const FormClass* BankForm(int bank)
{
    if (bank < FirstBank || bank > LastBank || !registry()[bank])
        return nullptr;
    return &*registry()[bank];
}
