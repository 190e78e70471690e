#pragma once
// A bank's media file: its header records, the detail records written for every employee row, and
// its trailer records, in the order they are written.
#include "transfer/media_record.h"

#include <vector>

struct MediaLayout {
    std::vector<MediaRecord> header;
    std::vector<MediaRecord> detail;
    std::vector<MediaRecord> trailer;
    // Rows whose value in this column is empty (subtotal and total rows) produce no detail record.
    QString keyColumn = QStringLiteral("YG_NAME");
};
