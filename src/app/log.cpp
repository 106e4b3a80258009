#include "app/log.h"

#include <cstdio>

namespace vx {

namespace {
LogSink& Sink() {
    static LogSink sink;
    return sink;
}
}  // namespace

bool IsLogSwitch(std::string_view firstArgument) {
    return firstArgument == "/L";
}

void InstallLog(LogSink sink) {
    Sink() = std::move(sink);
}

bool LogEnabled() {
    return static_cast<bool>(Sink().append);
}

void LogLine(std::string_view text) {
    const LogSink& sink = Sink();
    if (!sink.append) return;
    try {
        sink.append(FormatLogLine(sink.now ? sink.now() : ClockTime{}, text));
    } catch (...) {
        // The trace must never disturb the program.
    }
}

std::string FormatLogLine(const ClockTime& time, std::string_view text) {
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d ", time.hour % 100, time.minute % 100,
                  time.second % 100);
    std::string line(stamp);
    line += text;
    line += "\r\n";
    return line;
}

}  // namespace vx
