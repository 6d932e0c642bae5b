#pragma once
class QApplication;

// Applies the program's built-in skin (a style sheet compiled into the program)
// to every window and the standard dialogs.
void ApplySkin(QApplication& application);
