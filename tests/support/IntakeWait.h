#pragma once
// Waiting for the inputs a folder scan, a drop or the command line queued.
class TMainForm;

// Runs the event loop until every queued input of the main window has been
// added (or the queue was dropped by closing the window).
void WaitForIntake(TMainForm& main);
