#include "tasks/TaskRecord.h"

#include "app/PathText.h"
#include "app/TimeText.h"

namespace {

template <typename Record, typename Field>
Field* FieldOf(Record& record, int part)
{
    switch (part) {
    case PartLength: return &record.Length;
    case PartSize: return &record.Size;
    case PartStatus: return &record.Status;
    case PartOutputName: return &record.OutputName;
    case PartOutputExt: return &record.OutputExt;
    case PartSourceStart: return &record.SourceStart;
    case PartSourceEnd: return &record.SourceEnd;
    case PartDuration: return &record.Duration;
    case PartStartTime: return &record.StartTime;
    case PartEndTime: return &record.EndTime;
    default: return nullptr;
    }
}

double* SecondsOf(ltvItemData& record, int part)
{
    switch (part) {
    case PartLength: return &record.LengthSec;
    case PartSourceStart: return &record.SourceStartSec;
    case PartSourceEnd: return &record.SourceEndSec;
    case PartDuration: return &record.DurationSec;
    case PartStartTime: return &record.StartSec;
    case PartEndTime: return &record.EndSec;
    default: return nullptr;
    }
}

} // namespace

std::string* SubItemField(ltvItemData& record, int part)
{
    return FieldOf<ltvItemData, std::string>(record, part);
}

const std::string* SubItemField(const ltvItemData& record, int part)
{
    return FieldOf<const ltvItemData, const std::string>(record, part);
}

void RecomputeSeconds(ltvItemData& record, int part)
{
    if (double* seconds = SecondsOf(record, part))
        *seconds = ParseTimeText(*SubItemField(record, part));
}

void RecomputeAllSeconds(ltvItemData& record)
{
    for (int part = 0; part < SubItemCount; ++part)
        RecomputeSeconds(record, part);
}

ltvItemData NewTaskRecord(const std::string& inputFile, const std::string& probeLength,
                          const std::string& probeSize, const std::string& outputExtension)
{
    const std::string untrimmedStart = "00:00:00.0";
    ltvItemData record;
    record.InputFile = inputFile;
    record.Length = probeLength;
    record.Size = probeSize;
    record.Status = "OK";
    record.OutputName = RemoveExtension(ExtractFileName(inputFile));
    record.OutputExt = outputExtension;
    record.SourceStart = untrimmedStart;
    record.SourceEnd = probeLength;
    record.Duration = probeLength;
    record.StartTime = untrimmedStart;
    record.EndTime = probeLength;
    RecomputeAllSeconds(record);
    return record;
}
