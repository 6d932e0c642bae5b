#pragma once
// The state of a conversion run, owned by the main window.

struct BatchRunState {
    int ConvertState = 0;   // 0 idle, 1 converting, 2 stop requested
};
