#pragma once
// The program's own pictures, drawn in code so they scale cleanly and need no files.
#include <QPixmap>
#include <array>

// Normal, hover, pressed; 133 x 65 each.
std::array<QPixmap, 3> StartButtonPictures();
std::array<QPixmap, 3> StopButtonPictures();
