#pragma once
// A picture button with three states: 0 normal, 1 hover, 2 pressed. The state
// lives in `tag` like the old image buttons; only the transitions of the main
// window's table change it (hover on a move while normal, pressed on a press,
// hover again on the release). Leaving the button keeps its picture until the
// window calls restoreNormal(). Keyboard users reach it with Tab and click it
// with Space, Enter or Return.
#include <QAbstractButton>
#include <QPixmap>
#include <array>

class ImageButton : public QAbstractButton {
    Q_OBJECT

public:
    ImageButton(const std::array<QPixmap, 3>& pictures, QWidget* parent = nullptr);

    int tag() const { return tag_; }
    // Shows picture `state` and remembers it.
    void showState(int state);
    // Back to the normal picture when visible and not normal.
    void restoreNormal();
    // The picture of the current state.
    const QPixmap& shownPicture() const;
    // How many times a picture was put up since creation (tests see redraws).
    int pictureChanges() const { return pictureChanges_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QPixmap, 3> pictures_;
    int tag_ = 0;
    int pictureChanges_ = 0;
};
