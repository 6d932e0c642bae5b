#include "tasks/IntakeQueue.h"

#include <QEvent>
#include <QTreeWidget>

#include "app/MainForm.h"

namespace {

// How often a queue held up by a running batch looks again.
constexpr int BatchRecheckMs = 100;

}  // namespace

IntakeQueue& IntakeQueue::of(TMainForm& main)
{
    if (auto* queue = main.findChild<IntakeQueue*>(QString(), Qt::FindDirectChildrenOnly))
        return *queue;
    return *new IntakeQueue(main);
}

IntakeQueue::IntakeQueue(TMainForm& main)
    : QObject(&main), main_(main)
{
    turn_.setSingleShot(true);
    connect(&turn_, &QTimer::timeout, this, &IntakeQueue::step);
    main.installEventFilter(this);
}

void IntakeQueue::enqueue(const QStringList& paths)
{
    pending_.insert(pending_.end(), paths.begin(), paths.end());
    schedule();
}

void IntakeQueue::cancel()
{
    pending_.clear();
    turn_.stop();
}

bool IntakeQueue::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &main_ && event->type() == QEvent::Close)
        cancel();
    return QObject::eventFilter(watched, event);
}

bool IntakeQueue::mayAdd() const
{
    // A batch walks the rows with the list disabled; no probe runs meanwhile.
    return main_.ltvTask->isEnabledTo(&main_);
}

void IntakeQueue::schedule()
{
    if (pending_.empty() || turn_.isActive())
        return;
    turn_.start(mayAdd() ? 0 : BatchRecheckMs);
}

void IntakeQueue::step()
{
    if (pending_.empty())
        return;
    if (!mayAdd()) {
        schedule();
        return;
    }
    const QString path = pending_.front();
    pending_.pop_front();
    main_.AddTask(path);
    if (!pending_.empty()) {
        schedule();
        return;
    }
    main_.EnableCommandsWhenRows();
    emit drained();
}
