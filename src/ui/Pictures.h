#pragma once
// The program's own pictures, drawn in code so they need no files: the
// backgrounds of the main window's regions, the About box picture, the
// placeholder illustration and the Start/Stop button images. One colour
// scheme runs through all of them (see LookColours).
#include <QColor>
#include <QPixmap>
#include <QSize>
#include <array>

// The colours the pictures and the skin share.
struct LookColours {
    static QColor darkTop() { return {47, 66, 87}; }       // dark strips, upper edge
    static QColor darkBottom() { return {30, 43, 58}; }    // dark strips, lower edge
    static QColor darkLine() { return {70, 95, 122}; }     // separators on dark strips
    static QColor light() { return {241, 245, 250}; }      // light backgrounds
    static QColor lightLine() { return {205, 216, 229}; }  // frames on light backgrounds
    static QColor accent() { return {91, 172, 242}; }      // section titles, highlights
    static QColor accentDeep() { return {33, 113, 196}; }  // accent for text and marks
    static QColor onDark() { return {235, 235, 235}; }     // text on the dark strips
    static QColor ink() { return {32, 44, 58}; }           // text on light backgrounds
};

// Task side (Image1): a light panel with a soft frame around the list.
QPixmap TaskSidePicture(QSize size);
// The dark strips: the bottom toolbar (Image7), the settings and progress
// strips (Image4, Image8), the panel behind Start/Stop (Image3) and the
// "Profile" title strip (Image6).
QPixmap DarkStripPicture(QSize size);
// The small toolbar under the list (imgSmalltoolBar).
QPixmap SmallToolbarPicture(QSize size);
// The preview pane (Image5): a dark player frame around the video area.
QPixmap PreviewPicture(QSize size);
// The small display behind the preview time (Image2).
QPixmap TimeDisplayPicture(QSize size);
// The placeholder over the empty list (imgBkg) and its illustration (imgAvatar).
QPixmap PlaceholderPicture(QSize size);
QPixmap AvatarPicture(QSize size);
// The About box background.
QPixmap AboutPicture(QSize size);

// Normal, hover, pressed; 133 x 65 each.
std::array<QPixmap, 3> StartButtonPictures();
std::array<QPixmap, 3> StopButtonPictures();
