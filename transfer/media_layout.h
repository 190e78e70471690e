#pragma once
// A bank's media file: its header records, the detail records written for every employee row, and
// its trailer records, in the order they are written.
#include "transfer/media_record.h"

#include <vector>

struct MediaLayout {
    std::vector<MediaRecord> header;
    std::vector<MediaRecord> detail;
    std::vector<MediaRecord> trailer;
    // The column every employee row must fill (the name, or the account holder's title): an employee
    // row left empty there is refused, never passed over as if it were a subtotal or total row.
    QString nameColumn = QStringLiteral("YG_NAME");
    // For banks that pass over only rows with an account and no name: an employee row whose name and
    // this column are both empty is written, not refused.
    QString nameNeededWith;
};
