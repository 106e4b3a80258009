#pragma once
// Lets a test's own windows handle what was posted to them.
#include <windows.h>

namespace vx::e2e {

inline void PumpMessages(int rounds = 20) {
    MSG message;
    for (int i = 0; i < rounds; ++i) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(5);
    }
}

}  // namespace vx::e2e
