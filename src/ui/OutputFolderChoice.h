#pragma once
// The folder picker behind both output-folder buttons (main window, settings).
class Platform;
class QLineEdit;
class QWidget;

// Puts the chosen folder, ending with one separator, into box; a cancelled
// picker leaves it as it was.
void ChooseOutputFolder(Platform& platform, QWidget* owner, QLineEdit& box);
