#pragma once
class QApplication;
class QIcon;
class QString;

// Applies the program's built-in skin (a style sheet compiled into the program)
// to every window and the standard dialogs, and the program's icon to every
// window. Widgets with the property unskinned="true" keep their own look.
void ApplySkin(QApplication& application);
// The skin's style sheet text.
QString SkinStyleSheet();
// The program's icon (the same drawing as the desktop entry's).
QIcon ProgramIcon();
