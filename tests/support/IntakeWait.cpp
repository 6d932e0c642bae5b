#include "support/IntakeWait.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "app/MainForm.h"
#include "tasks/IntakeQueue.h"

void WaitForIntake(TMainForm& main)
{
    const IntakeQueue& queue = IntakeQueue::of(main);
    while (queue.busy())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
