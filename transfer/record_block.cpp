#include "transfer/record_block.h"

void RecordBlock::Write(const MediaRecord& record, const RecordContext& context, const RecordOwner& who)
{
    record.RenderInto(out_.bytes, context, who, out_.findings, &room_);
    out_.bytes.append("\r\n", 2);
}
