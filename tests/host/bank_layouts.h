#pragma once
// The layout each bank's export dialog writes its media file by, for tests that hold a file against
// the layout tables of any bank.
#include "transfer/media_layout.h"

// Bank `bank`'s layout; the post office's by `choice`: 1 the deposit file, 2 the account data file.
const MediaLayout& BankLayout(int bank, int choice = 1);
