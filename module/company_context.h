#pragma once
// Taking over the host's company context: the runtime's display globals, the language,
// the company database connection and the cached tables.
#include <cstdint>

// Display conversion type from the company's text code and the language id:
// 1 when the text code is 0 and the language traditional, 2 when the text code is 1 and the
// language simplified, 0 otherwise.
std::uint8_t DisplayConversionType(int textCode, int languageId);

void ApplyCompanyContext(const std::uint8_t* record);
void CloseCompanyDatabase();
