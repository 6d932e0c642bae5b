#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "convert/ProgressParser.h"

namespace {

struct TimeCase {
    const char* chunk;
    std::optional<double> seconds;
};

TEST(ParseProgressTime, ReadsTheFirstTimeValue)
{
    const TimeCase cases[] = {
        {"frame=  250 fps= 25 q=2.0 size=    1024kB time=12.5 bitrate= 670.0kbits/s", 12.5},
        {"frame=   10 fps=0.0 q=2.0 Lsize=      12kB time=00:00:12.50 bitrate= 110.8kbits/s", 12.5},
        {"time=01:02:03.5 ", 3723.5},
        {"time=7 ", 7},
        {"time=-00:00:00.04 bitrate", -0.04},
        // Several progress lines in one chunk: the first counts.
        {"time=00:00:01.00 bitrate=1\rframe=2 time=00:00:02.00 bitrate=1\r", 1},
        // The character after "time" is skipped whatever it is.
        {"time:3.5 ", 3.5},
    };
    for (const TimeCase& c : cases) {
        const auto seconds = ParseProgressTime(c.chunk);
        ASSERT_TRUE(seconds.has_value()) << c.chunk;
        EXPECT_DOUBLE_EQ(*seconds, *c.seconds) << c.chunk;
    }
}

TEST(ParseProgressTime, GivesNoValue)
{
    const char* const cases[] = {
        "frame=1 size=1kB time=12.5",        // no blank after the value: it may go on in the next chunk
        "size=1kB time=N/A bitrate=N/A ",   // nothing encoded yet
        "frame=1 fps=0.0 bitrate=1 ",       // no "time"
        "TIME=5 ",                          // letter case counts
        "time",  "time=", "time= ",         // ends early, or empty value
        "time=12,5 ", "time=1e3 ", "time=inf ", "time=nan ", "time=0x10 ",
        "time=1:02 ", "time=1:2:3:4 ", "time=1.5:00:00 ", "time=.:.:. ",
        // Only the first "time" is looked at, even when a later one would read.
        "creation_time   : 2020-01-01T00:00:00 time=5.0 ",
    };
    for (const char* chunk : cases)
        EXPECT_FALSE(ParseProgressTime(chunk).has_value()) << chunk;
}

std::string Progress(double seconds)
{
    return "frame=1 time=" + std::to_string(seconds) + " bitrate=1";
}

// Feeds the banner chunks that every task starts with.
void SkipBanner(ProgressState& state)
{
    for (int i = 0; i < ProgressState::SkippedChunks; ++i)
        EXPECT_FALSE(state.FeedChunk(Progress(3))) << "banner chunk " << i << " was examined";
}

TEST(ProgressState, KeepsTheLargestTimeOfATask)
{
    ProgressState state;
    state.StartRun(20);
    state.StartTask(10);
    SkipBanner(state);
    EXPECT_EQ(state.CurrentSeconds(), 0);

    const double fed[] = {5.2, 4.8, 7.0};
    const double kept[] = {5.2, 5.2, 7.0};
    const int currentBar[] = {52, 52, 70};
    const int totalBar[] = {26, 26, 35};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(state.FeedChunk(Progress(fed[i])));
        EXPECT_DOUBLE_EQ(state.CurrentSeconds(), kept[i]);
        EXPECT_EQ(state.CurrentBar(), currentBar[i]);
        EXPECT_EQ(state.TotalBar(), totalBar[i]);
    }
    // A chunk without a value is still examined: the bars are shown again.
    EXPECT_TRUE(state.FeedChunk("no progress here"));
    EXPECT_EQ(state.CurrentBar(), 70);
}

TEST(ProgressState, CarriesDoneTasksIntoTheTotal)
{
    ProgressState state;
    state.StartRun(30);
    state.StartTask(10);
    SkipBanner(state);
    state.FeedChunk(Progress(10));
    state.CompleteTask();
    state.ResetCurrentBar();
    EXPECT_EQ(state.CurrentBar(), 0);
    EXPECT_EQ(state.TotalBar(), 33);

    state.StartTask(20);
    SkipBanner(state);
    EXPECT_EQ(state.CurrentSeconds(), 0);
    state.FeedChunk(Progress(5));
    EXPECT_EQ(state.CurrentBar(), 25);
    EXPECT_EQ(state.TotalBar(), 50);
    EXPECT_DOUBLE_EQ(state.DoneSeconds(), 10);
}

struct BarCase {
    double part;
    double whole;
    std::optional<int> position;
};

TEST(BarPosition, RoundsHoldsAndRefuses)
{
    const BarCase cases[] = {
        {1, 8, 12},  {3, 8, 38},             // a half goes to the even neighbour
        {1.5, 1, 100}, {655.35, 1, 100},     // past the end is held at 100
        {655.36, 1, std::nullopt},           // beyond what a bar takes: refused
        {1e300, 1, std::nullopt},
        {-0.004, 1, 0}, {-0.01, 1, std::nullopt},
        {5, 0, std::nullopt},                // nothing to measure against
    };
    for (const BarCase& c : cases)
        EXPECT_EQ(BarPosition(c.part, c.whole), c.position) << c.part << " of " << c.whole;
}

// A first task of 10 s run to 7 s in a batch of 20 s: bars at 70 and 35, so
// a bar that is left alone afterwards shows.
ProgressState AfterFirstTask()
{
    ProgressState state;
    state.StartRun(20);
    state.StartTask(10);
    SkipBanner(state);
    state.FeedChunk(Progress(7));
    state.CompleteTask();
    return state;
}

TEST(ProgressState, LeavesOrRefusesBars)
{
    ProgressState zeroTask = AfterFirstTask();
    zeroTask.StartTask(0);
    SkipBanner(zeroTask);
    zeroTask.FeedChunk(Progress(5));
    EXPECT_EQ(zeroTask.CurrentBar(), 70) << "a task of 0 seconds leaves its bar";
    EXPECT_EQ(zeroTask.TotalBar(), 75);

    // An unreadable length (-1): the current position comes out below 0 and is
    // refused, and the total bar stands still with it.
    ProgressState unreadable = AfterFirstTask();
    unreadable.StartTask(-1);
    SkipBanner(unreadable);
    unreadable.FeedChunk(Progress(5));
    EXPECT_EQ(unreadable.CurrentBar(), 70);
    EXPECT_EQ(unreadable.TotalBar(), 35);

    ProgressState emptyBatch;
    emptyBatch.StartRun(0);
    emptyBatch.StartTask(10);
    SkipBanner(emptyBatch);
    emptyBatch.FeedChunk(Progress(5));
    EXPECT_EQ(emptyBatch.CurrentBar(), 50);
    EXPECT_EQ(emptyBatch.TotalBar(), 0);
}

TEST(ProgressState, StartRunForgetsTheLastRun)
{
    ProgressState state = AfterFirstTask();
    state.StartRun(50);
    EXPECT_EQ(state.CurrentBar(), 0);
    EXPECT_EQ(state.TotalBar(), 0);
    EXPECT_EQ(state.DoneSeconds(), 0);
    EXPECT_EQ(state.TotalSeconds(), 50);
}

struct RemainingCase {
    long long elapsed;
    int percent;
    std::optional<long long> remaining;
};

TEST(RemainingSeconds, EstimatesFromTheTotalBar)
{
    const RemainingCase cases[] = {
        {30, 25, 90},   // shown as 00:01:30
        {10, 100, 0},
        {1, 3, 32},
        {1, 40, 2}, {3, 40, 4},  // halves go to the even neighbour
        {10, 0, std::nullopt},   // the bar at 0: the last estimate stays
    };
    for (const RemainingCase& c : cases)
        EXPECT_EQ(RemainingSeconds(c.elapsed, c.percent), c.remaining) << c.elapsed << " s at " << c.percent << "%";
}

}  // namespace
