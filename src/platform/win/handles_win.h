#pragma once
// Move-only owners of Win32 handles.
#include <windows.h>

#include <utility>

namespace vx {

template <typename Handle, typename Traits>
class UniqueWin {
public:
    UniqueWin() = default;
    explicit UniqueWin(Handle handle) : handle_(handle) {}
    ~UniqueWin() { reset(); }
    UniqueWin(const UniqueWin&) = delete;
    UniqueWin& operator=(const UniqueWin&) = delete;
    UniqueWin(UniqueWin&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueWin& operator=(UniqueWin&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    Handle release() { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }
    // For APIs that return the handle through an out parameter.
    Handle* put() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};

struct BitmapTraits {
    static HBITMAP Invalid() { return nullptr; }
    static void Close(HBITMAP h) { DeleteObject(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};

using UniqueHandle = UniqueWin<HANDLE, KernelHandleTraits>;
using UniqueBitmap = UniqueWin<HBITMAP, BitmapTraits>;
using UniqueIcon = UniqueWin<HICON, IconTraits>;
using UniqueFile = UniqueWin<HANDLE, FileHandleTraits>;
using UniqueHKey = UniqueWin<HKEY, RegKeyTraits>;
using UniqueHwnd = UniqueWin<HWND, WindowTraits>;

}  // namespace vx
