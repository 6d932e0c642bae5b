#pragma once
// A picture button with three states: 0 normal, 1 hover, 2 pressed. The state
// lives in `tag` like the old image buttons; only the transitions of the main
// window's table change it.
#include <QLabel>
#include <QPixmap>
#include <array>

class ImageButton : public QLabel {
    Q_OBJECT

public:
    ImageButton(const std::array<QPixmap, 3>& pictures, QWidget* parent = nullptr);

    int tag() const { return tag_; }
    // Shows picture `state` and remembers it.
    void showState(int state);
    // Back to the normal picture when visible and not normal.
    void restoreNormal();

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QPixmap, 3> pictures_;
    int tag_ = 0;
};
