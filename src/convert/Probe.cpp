#include "convert/Probe.h"

#include "convert/CommandLine.h"
#include "convert/EncoderRun.h"

ProbeResult ProbeMedia(const std::string& encoderPath, const std::string& inputPath, int timeoutMs)
{
    const ProbeRunResult run = EncoderRun::runToEnd(QString::fromStdString(encoderPath),
                                                    EncoderRun::toArguments(ProbeArgs(inputPath).Args),
                                                    timeoutMs);
    if (!run.Started || run.TimedOut)
        return {};
    return ParseProbeText(run.Text.toStdString(), inputPath);
}
