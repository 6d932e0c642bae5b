#pragma once
// The inputs waiting to become tasks. A folder scan, a drop or the command
// line queues its paths here; one path is added per turn of the event loop,
// so the window answers clicks, drops and closing between two probes without
// a nested event loop, and every add runs whole before anything else can
// touch the list. While a batch runs (the list is disabled) the queue waits;
// closing the main window drops what is still waiting.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>

#include "convert/Probe.h"

class TMainForm;

class IntakeQueue : public QObject {
    Q_OBJECT
public:
    // The main window's queue, made on first use as a child of the window.
    static IntakeQueue& of(TMainForm& main);

    // Adds the paths after those already waiting, each with AddTask.
    void enqueue(const QStringList& paths);
    // Forgets what is still waiting.
    void cancel();
    bool busy() const { return !pending_.empty(); }

    // How long one probe may take before its encoder is ended.
    int probeTimeoutMs() const { return probeTimeoutMs_; }
    void setProbeTimeoutMs(int milliseconds) { probeTimeoutMs_ = milliseconds; }

signals:
    // The last waiting path has been added.
    void drained();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit IntakeQueue(TMainForm& main);
    void step();
    void schedule();
    bool mayAdd() const;

    TMainForm& main_;
    std::deque<QString> pending_;
    QTimer turn_;
    int probeTimeoutMs_ = ProbeTimeoutMs;
};
