#pragma once
// Records rendered apart from the media file (a block of them on either core, or the header and
// trailer), for the file's writer to take in its turn.
#include "transfer/media_record.h"

// Records, each followed by CR LF, and what their rendering found.
struct RenderedRecords {
    QByteArray bytes;
    ExportFindings findings;
};

// Renders into `out`, in `room` (one for each thread that renders).
class RecordBlock {
public:
    RecordBlock(RenderedRecords& out, RenderRoom& room)
        : out_(out)
        , room_(room)
    {
    }
    // Renders one record, then CR LF.
    void Write(const MediaRecord& record, const RecordContext& context, const RecordOwner& who);
    ExportFindings& findings() { return out_.findings; }

private:
    RenderedRecords& out_;
    RenderRoom& room_;
};
