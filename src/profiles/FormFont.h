#pragma once
// The dialogs' controls are placed in pixels for an 11-pixel font. Where the
// desktop's font is still wider, a caption must not be cut short: the
// controls give way as little as they can.
class QAbstractButton;
class QLabel;
class QWidget;

void UseFormFont(QWidget* form);
// A check box or radio button grows to the right until its caption fits, at
// most up to rightEdge (in its parent), never shrinking.
void GrowToCaption(QAbstractButton* button, int rightEdge);
// A box placed right of its label gives up room on its left, keeping its right edge.
void KeepClearOf(QWidget* box, const QLabel* label);
