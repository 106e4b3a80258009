#pragma once
// The diagnostic trace: one time-stamped line per event, written only when the program was
// started with "/L" as its first argument. Logging never fails loudly and never changes behaviour.
#include <functional>
#include <string>
#include <string_view>

namespace vx {

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct LogSink {
    std::function<ClockTime()> now;
    // Receives one whole line, CR LF included; must write it in one piece.
    std::function<void(std::string_view line)> append;
};

// "/L" exactly, as the first argument; "/l" or a later "/L" do not count.
bool IsLogSwitch(std::string_view firstArgument);

// Installed once at start-up, before any other thread runs; an empty sink turns logging off.
void InstallLog(LogSink sink);
bool LogEnabled();
void LogLine(std::string_view text);

// "hh:nn:ss " + text + CR LF.
std::string FormatLogLine(const ClockTime& time, std::string_view text);

}  // namespace vx
