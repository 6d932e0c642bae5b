#include <gtest/gtest.h>

#include <string>

#include "tasks/TaskOptions.h"

namespace {

// A task of 100 seconds as adding it leaves it.
ltvItemData HundredSeconds()
{
    return NewTaskRecord("/videos/clip.avi", "00:01:40", "320x240", ".mp4");
}

ltvItemData WithTimes(ltvItemData task, const std::string& start, const std::string& end)
{
    task.StartTime = start;
    task.EndTime = end;
    RecomputeAllSeconds(task);
    return task;
}

struct TimeCase {
    const char* typedStart;
    const char* typedEnd;
    const char* start;      // stored StartTime, EndTime and Duration
    const char* end;
    const char* duration;
};

void ExpectTimes(const ltvItemData& task, const TimeCase& c)
{
    const StoredTaskOptions stored = TaskOptionsToStore(task, {"clip.mp4", c.typedStart, c.typedEnd});
    EXPECT_EQ(stored.StartTime, c.start) << "start '" << c.typedStart << "' end '" << c.typedEnd << "'";
    EXPECT_EQ(stored.EndTime, c.end) << "start '" << c.typedStart << "' end '" << c.typedEnd << "'";
    EXPECT_EQ(stored.Duration, c.duration) << "start '" << c.typedStart << "' end '" << c.typedEnd << "'";
}

TEST(TaskOptionRules, TypedTimesAreCheckedAgainstTheTasksBounds)
{
    const TimeCase cases[] = {
        {"0:0:30", "0:1:10", "00:00:30", "00:01:10", "00:00:40"},
        {"00:00:00.0", "00:01:40", "00:00:00", "00:01:40", "00:01:40"},   // untouched, written anew
        {"0:0:10.5", "0:1:20", "00:00:10.5", "00:01:20", "00:01:09.5"},
        {" 0:0:10", "0:1:40", "00:00:10", "00:01:40", "00:01:30"},        // a blank before the hours reads
        // The start stays inside the input and before the end.
        {"0:2:00", "0:1:40", "00:00:00", "00:01:40", "00:01:40"},         // past the input's end
        {"0:1:40", "0:3:00", "00:00:00", "00:03:00", "00:03:00"},         // at the input's end
        {"0:0:50", "0:0:50", "00:00:00", "00:00:50", "00:00:50"},         // equal to the end
        {"0:0:40", "0:0:20", "00:00:00", "00:00:20", "00:00:20"},         // after the end
        {"0:0:-5", "0:1:40", "00:00:00", "00:01:40", "00:01:40"},         // negative
        // Unreadable texts keep the task's value.
        {"1:30", "0:1:40", "00:00:00", "00:01:40", "00:01:40"},
        {"abc", "xyz", "00:00:00", "00:01:40", "00:01:40"},
        {"0:0:.5", "0:1:40", "00:00:00", "00:01:40", "00:01:40"},
        {"0:0:5,5", "0:0:10 ", "00:00:00", "00:01:40", "00:01:40"},
        {"", "", "00:00:00", "00:01:40", "00:01:40"},
        // The end is bounded only below. The start is checked against the
        // typed end before the end's own check refuses it.
        {"0:0:0", "0:3:00", "00:00:00", "00:03:00", "00:03:00"},
        {"0:0:10", "0:0:0", "00:00:00", "00:01:40", "00:01:40"},
        {"0:0:10", "0:-2:0", "00:00:00", "00:01:40", "00:01:40"},
        {"0:0:10", "0:0:0.5", "00:00:00", "00:00:00.5", "00:00:00.5"},
    };
    for (const TimeCase& c : cases)
        ExpectTimes(HundredSeconds(), c);
}

// The checks compare with the task's current times, not with its first ones.
TEST(TaskOptionRules, RefusedTimesFallBackToTheCurrentOnes)
{
    const ltvItemData trimmed = WithTimes(HundredSeconds(), "00:01:00", "00:01:30");
    const TimeCase cases[] = {
        // Start equal to the end keeps the start of 60, and the end of 50 then falls before it.
        {"0:0:50", "0:0:50", "00:01:00", "00:01:30", "00:00:30"},
        {"bad", "0:1:10", "00:01:00", "00:01:10", "00:00:10"},
        {"0:0:20", "bad", "00:00:20", "00:01:30", "00:01:10"},
        {"0:0:20", "0:0:10", "00:01:00", "00:01:30", "00:00:30"},
    };
    for (const TimeCase& c : cases)
        ExpectTimes(trimmed, c);
}

// A probe that found no length leaves texts that don't read; they are kept
// rather than written as a zero time, until a readable end is typed.
TEST(TaskOptionRules, UnknownLengthIsNotTurnedIntoZero)
{
    const ltvItemData unknown = NewTaskRecord("/videos/clip.avi", "", "", ".mp4");
    const TimeCase cases[] = {
        {"00:00:00.0", "", "00:00:00", "", ""},
        {"0:0:10", "", "00:00:00", "", ""},          // no start can be checked against the input's end
        {"00:00:00.0", "0:0:30", "00:00:00", "00:00:30", "00:00:30"},
    };
    for (const TimeCase& c : cases)
        ExpectTimes(unknown, c);
}

TEST(TaskOptionRules, NewFilenameSplitsAtItsLastDot)
{
    const struct {
        const char* typed;
        const char* name;
        const char* ext;
    } cases[] = {
        {"clip.avi", "clip", ".avi"},
        {"clip", "clip", ""},
        {"my.clip.mp4", "my.clip", ".mp4"},
        {"clip.", "clip", "."},
        {".mp4", "", ".mp4"},
        {"my clip .mp4", "my clip ", ".mp4"},
        {"", "", ""},
        {"a.b/c", "a.b/c", ""},     // a dot before a separator is no extension
        {"x.y:z", "x.y:z", ""},
    };
    for (const auto& c : cases) {
        const StoredTaskOptions stored = TaskOptionsToStore(HundredSeconds(), {c.typed, "", ""});
        EXPECT_EQ(stored.OutputName, c.name) << c.typed;
        EXPECT_EQ(stored.OutputExt, c.ext) << c.typed;
    }
}

} // namespace
