#pragma once
// A small tip window with an information icon, a bold title and a text, shown
// near a widget. Each window owns at most one; showing a tip again reuses it.
// It hides itself after a few seconds or at the next mouse press.
#include <QFrame>
#include <QTimer>

class QLabel;

class BalloonTip : public QFrame {
    Q_OBJECT
public:
    static constexpr int ShowMilliseconds = 5000;

    // Shows the tip of target's window at the pointer when it rests on target,
    // otherwise under target's middle.
    static BalloonTip* showFor(QWidget* target, const QString& title, const QString& text);
    // The tip already made for target's window, or nullptr.
    static BalloonTip* existingFor(const QWidget* target);

    QString title() const;
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    explicit BalloonTip(QWidget* window);
    void popUp(const QPoint& anchor, const QString& title, const QString& text);

    QLabel* title_;
    QLabel* text_;
    QTimer hideTimer_;
    // The press that made the tip must not close it again.
    bool armed_ = false;
};
