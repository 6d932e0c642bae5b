#pragma once
// Checks a profile file against the rules that the INI reading makes
// necessary, so a faulty profile is found before a user meets it.
#include <string>
#include <vector>

// Human-readable faults of the profile file; empty when it is sound. Looks at
// the raw lines too, where the reader would silently hide a fault (a key shadowed
// by a longer one, a second entry of a key, a "[" inside a value).
std::vector<std::string> ProfileConstraintViolations(const std::string& file);
