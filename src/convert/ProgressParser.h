#pragma once
// Progress of a conversion from the encoder's text: the "time" value of a
// chunk, the two bar positions it gives, and the remaining-time estimate.
#include <optional>
#include <string_view>

// The seconds after the first "time" of a chunk: the text from five
// characters after the start of "time" up to the next blank, read as seconds
// ("12.5") or as hours:minutes:seconds ("00:00:12.50"), '.' as the decimal
// point whatever the locale. No blank after it, "N/A" or any other text:
// no value.
std::optional<double> ParseProgressTime(std::string_view chunk);

// The bars of a batch run. The run calls StartRun once, then per task
// StartTask, FeedChunk for each chunk read and CompleteTask; the window shows
// CurrentBar() and TotalBar() (0..100) and "N%" labels from them.
class ProgressState {
public:
    // The first chunks of a task are the encoder's banner, never progress.
    static constexpr int SkippedChunks = 2;

    void StartRun(double totalSeconds);
    void StartTask(double taskSeconds);
    // Adds the finished task's seconds to the done part of the batch.
    void CompleteTask();
    // Between tasks the current bar starts again from 0.
    void ResetCurrentBar() { currentBar_ = 0; }

    // Examines one chunk; true when the chunk was examined, so the window
    // should show the bars again (they may be unchanged).
    bool FeedChunk(std::string_view chunk);

    int CurrentBar() const { return currentBar_; }
    int TotalBar() const { return totalBar_; }
    double CurrentSeconds() const { return currentSeconds_; }
    double DoneSeconds() const { return doneSeconds_; }
    double TotalSeconds() const { return totalSeconds_; }

private:
    double totalSeconds_ = 0;
    double doneSeconds_ = 0;
    double taskSeconds_ = 0;
    double currentSeconds_ = 0;
    int chunkCount_ = 0;
    int currentBar_ = 0;
    int totalBar_ = 0;
};

// Bar position for part of whole, x 100 rounded half to even, held at 100.
// No value when whole is 0 (the bar stays as it is) or when the position
// falls below 0 or above 65535 (a bar refuses it).
std::optional<int> BarPosition(double part, double whole);

// Seconds left when totalPercent (the total bar, 0..100) has taken
// elapsedSeconds: elapsed / (p / 100) - elapsed, rounded half to even.
// No value while the bar is at 0: the previous estimate stays.
std::optional<long long> RemainingSeconds(long long elapsedSeconds, int totalPercent);
