#pragma once
// The commands of the command-line host. Each returns the exit status: 0 success, 1 a usage or
// data error, 2 an export that was refused.
#include "arguments.h"

struct RuntimeConfig;

int InitDemo(const RuntimeConfig& config, Arguments& arguments);
int ListBanks(const RuntimeConfig& config, Arguments& arguments);
int BankParameters(const RuntimeConfig& config, Arguments& arguments);
int Transfer(const RuntimeConfig& config, Arguments& arguments);
int TransferList(const RuntimeConfig& config, Arguments& arguments);
int Describe(const RuntimeConfig& config, Arguments& arguments);
// Exit status 2 when the file fails a check of its bank's layout.
int Verify(const RuntimeConfig& config, Arguments& arguments);
int LayOutPages(const RuntimeConfig& config, Arguments& arguments);

constexpr int ExitOk = 0, ExitError = 1, ExitRefused = 2;
