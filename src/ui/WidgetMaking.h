#pragma once
// Small makers for the fixed-place controls of the program's windows.
#include <QColor>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <functional>

class QFrame;
class QProgressBar;
class QPushButton;
class QToolButton;
class QWidget;

// A label that opens something when clicked: hand cursor, reachable with Tab
// and activated with Space, Enter or Return too.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> activate, QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> activate_;
};

// A panel at a fixed place.
QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry);
// A white strip that the skin leaves alone.
QFrame* makeStrip(QWidget* parent, const char* name, const QRect& geometry);
// A background or decoration picture.
QLabel* makePicture(QWidget* parent, const char* name, const QRect& geometry);
// A label that sizes itself to its text.
QLabel* makeLabel(QWidget* parent, const char* name, const char* text, const QPoint& position);
// A link label in `colour`, underlined or not, sized to its text.
QLabel* makeLinkLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour,
                      bool underlined, std::function<void()> activate);
// A flat button; a picture-only button gets its hint as tool tip and accessible name.
QToolButton* makeFlatButton(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                            const char* hint = nullptr);
QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const QRect& geometry);
QProgressBar* makeProgressBar(QWidget* parent, const char* name, const QRect& geometry);
// Gives a label its own text colour (the skin sets no colour for labels).
void setTextColour(QLabel* label, const QColor& colour);
// The caption without its '&' marker, as a screen reader should say it.
QString accessibleCaption(const QString& caption);
