#pragma once
// Small makers for the fixed-place controls of the program's windows.
#include <QPoint>
#include <QRect>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;
class QWidget;

// A panel at a fixed place.
QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry);
// A white strip that the skin leaves alone.
QFrame* makeStrip(QWidget* parent, const char* name, const QRect& geometry);
// A background or decoration picture.
QLabel* makePicture(QWidget* parent, const char* name, const QRect& geometry);
// A label that sizes itself to its text.
QLabel* makeLabel(QWidget* parent, const char* name, const char* text, const QPoint& position);
// A flat button; a picture-only button gets its hint as tool tip and accessible name.
QToolButton* makeFlatButton(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                            const char* hint = nullptr);
QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const QRect& geometry);
QProgressBar* makeProgressBar(QWidget* parent, const char* name, const QRect& geometry);
// The caption without its '&' marker, as a screen reader should say it.
QString accessibleCaption(const QString& caption);
