#pragma once
// The media probe: the encoder run with the input alone, its text parsed for
// the duration and the picture size.
#include "convert/ProbeParser.h"

#include <string>

constexpr int ProbeTimeoutMs = 30000;

// Empty texts when the encoder cannot be started or does not end within
// timeoutMs (it is then ended); a probe never reports an earlier probe's
// results.
ProbeResult ProbeMedia(const std::string& encoderPath, const std::string& inputPath,
                       int timeoutMs = ProbeTimeoutMs);
