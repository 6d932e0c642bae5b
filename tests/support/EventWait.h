#pragma once
// Running the event loop until something has happened.
#include <functional>

// Processes events until done() holds; false only when a hang guard (far
// beyond anything a passing test needs) ran out first.
bool RunEventsUntil(const std::function<bool()>& done);
