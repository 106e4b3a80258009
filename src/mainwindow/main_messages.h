#pragma once
// Private messages of the main window (class "TMainForm"). Other processes use 1048 and 1055,
// so the numbers are fixed.
#include <cstdint>

namespace vx {

inline constexpr uint32_t kWmUser = 0x0400;

inline constexpr uint32_t UM_REFRESH = kWmUser + 1;                   // 1025
inline constexpr uint32_t UM_SHOW_SEARCH_RESULTS = kWmUser + 5;       // 1029
inline constexpr uint32_t UM_REMOTE_MEASURED = kWmUser + 13;          // 1037
inline constexpr uint32_t UM_UPDATE_ROW = kWmUser + 14;               // 1038
inline constexpr uint32_t UM_SHOW_CHANGES_RESULTS = kWmUser + 15;     // 1039
inline constexpr uint32_t UM_SHOW_TIP = kWmUser + 16;                 // 1040
inline constexpr uint32_t UM_SHOW_DUPLICATES_RESULTS = kWmUser + 17;  // 1041
inline constexpr uint32_t UM_END_DRAG = kWmUser + 18;                 // 1042
inline constexpr uint32_t UM_FREE_SPLASH = kWmUser + 19;              // 1043
inline constexpr uint32_t UM_INVALIDATE = kWmUser + 20;               // 1044
inline constexpr uint32_t UM_EXEC_NOTIFICATION = kWmUser + 21;        // 1045
inline constexpr uint32_t UM_WRITE_EVENT_LOG = kWmUser + 22;          // 1046
inline constexpr uint32_t UM_CHECK_CONDITIONS = kWmUser + 23;         // 1047
inline constexpr uint32_t UM_CLOSE_INSTANCE = kWmUser + 24;           // 1048
inline constexpr uint32_t UM_PIES_PAINTED = kWmUser + 27;             // 1051, ignored
inline constexpr uint32_t UM_COLUMNS_RESIZED = kWmUser + 28;          // 1052
inline constexpr uint32_t UM_TOGGLE_TRAY = kWmUser + 29;              // 1053
inline constexpr uint32_t UM_RECREATE_WINDOW = kWmUser + 30;          // 1054
inline constexpr uint32_t UM_ACTIVATE_INSTANCE = kWmUser + 31;        // 1055
inline constexpr uint32_t UM_RESTART = kWmUser + 32;                  // 1056
inline constexpr uint32_t UM_APPLY_TOPMOST = kWmUser + 33;            // 1057

// Internal to the window: work that must run after the message that asked for it has returned.
inline constexpr uint32_t UM_DESTROY_NOW = kWmUser + 200;
inline constexpr uint32_t UM_RECREATE_NOW = kWmUser + 201;

inline constexpr const char* kMainWindowClass = "TMainForm";
inline constexpr const char* kMainWindowCaption = "Vantorix";

}  // namespace vx
