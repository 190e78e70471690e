#pragma once
// The commands of company data: an empty company database, the company record, the import of a
// company's own spreadsheets and their templates, and the transfer table written as a sheet.
#include "arguments.h"

struct RuntimeConfig;

int InitCompany(const RuntimeConfig& config, Arguments& arguments);
int CompanyRecord(const RuntimeConfig& config, Arguments& arguments);
// Exit status 2 when a row fails a check (nothing is written).
int ImportSheet(const RuntimeConfig& config, Arguments& arguments);
int SheetTemplate(const RuntimeConfig& config, Arguments& arguments);
int TransferTableSheet(const RuntimeConfig& config, Arguments& arguments);
