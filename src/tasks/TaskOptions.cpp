#include "tasks/TaskOptions.h"

#include "app/PathText.h"
#include "app/TimeText.h"

namespace {

constexpr double Unreadable = -1;

struct CheckedTimes {
    double Start;
    double End;
};

CheckedTimes CheckTimes(const ltvItemData& task, double start, double end)
{
    if (start == Unreadable)
        start = task.StartSec;
    if (end == Unreadable)
        end = task.EndSec;
    // The start stays inside the input and before the end...
    if (start < 0 || start >= end || start >= task.SourceEndSec)
        start = task.StartSec;
    // ...and the end after the start; past the input's end is allowed.
    if (end <= 0 || end <= start || end <= task.SourceStartSec)
        end = task.EndSec;
    return {start, end};
}

} // namespace

StoredTaskOptions TaskOptionsToStore(const ltvItemData& task, const TypedTaskOptions& typed)
{
    StoredTaskOptions stored;
    stored.OutputName = RemoveExtension(typed.NewFilename);
    stored.OutputExt = ExtractFileExt(typed.NewFilename);

    const CheckedTimes times =
        CheckTimes(task, ParseTimeText(typed.StartTime), ParseTimeText(typed.EndTime));
    const bool startKnown = times.Start >= 0;
    const bool endKnown = times.End >= 0;
    stored.StartTime = startKnown ? FormatTimeText(times.Start) : task.StartTime;
    stored.EndTime = endKnown ? FormatTimeText(times.End) : task.EndTime;
    stored.Duration = startKnown && endKnown ? FormatTimeText(times.End - times.Start) : task.Duration;
    return stored;
}
