#pragma once
// Where rendered records go: straight into the media file's writer, or into a block of records
// rendered apart (on another core) that the writer takes in its turn.
#include "transfer/media_record.h"

class RecordSink {
public:
    virtual ~RecordSink() = default;
    // Renders one record, then CR LF.
    virtual void Write(const MediaRecord& record, const RecordContext& context, const RecordOwner& who) = 0;
    virtual ExportFindings& findings() = 0;
};

// Records rendered apart from the file, each followed by CR LF, and what their rendering found.
struct RenderedRecords {
    QByteArray bytes;
    ExportFindings findings;
};

// Renders into `out`, with the steady fields kept in `steady` (one cache for each thread that renders).
class RecordBlock : public RecordSink {
public:
    RecordBlock(RenderedRecords& out, SteadyFields& steady)
        : out_(out)
        , steady_(steady)
    {
    }
    void Write(const MediaRecord& record, const RecordContext& context, const RecordOwner& who) override;
    ExportFindings& findings() override { return out_.findings; }

private:
    RenderedRecords& out_;
    SteadyFields& steady_;
};
