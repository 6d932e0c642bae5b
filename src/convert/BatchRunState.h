#pragma once
// The state of a conversion run, owned by the main window.
#include <memory>
#include <utility>
#include <vector>

#include "convert/ProgressParser.h"

class BatchRun;
class QAction;
class TMainForm;

struct BatchRunState {
    int ConvertState = 0;   // 0 idle, 1 converting, 2 stop requested
    // TotalSeconds, DoneSeconds, CurrentSeconds and TaskSeconds of the run.
    ProgressState Progress;
    long long ElapsedSeconds = 0;     // timer ticks since Start
    long long RemainingSeconds = 0;   // last estimate
    // The commands a run disables, with the state each had before it.
    std::vector<std::pair<QAction*, bool>> CommandsBeforeRun;
    // Drives the run; made at the first Start and kept for the window's life.
    std::unique_ptr<BatchRun> Run;

    // Out of line: BatchRun is complete only where the run is built.
    BatchRunState();
    ~BatchRunState();

    // The state of a main window (the window keeps it private).
    static BatchRunState& Of(TMainForm& form);
};
