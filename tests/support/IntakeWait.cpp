#include "support/IntakeWait.h"

#include "app/MainForm.h"
#include "support/EventWait.h"
#include "tasks/IntakeQueue.h"

void WaitForIntake(TMainForm& main)
{
    const IntakeQueue& queue = IntakeQueue::of(main);
    RunEventsUntil([&queue] { return !queue.busy(); });
}
