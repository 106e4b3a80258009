#pragma once
// Fonts of windows and controls, created for a DPI.
#include <windows.h>

#include <string>

namespace vx {

struct FontTraits {
    static HFONT Invalid() { return nullptr; }
    static void Close(HFONT font) { DeleteObject(font); }
};

class UniqueFont {
public:
    UniqueFont() = default;
    explicit UniqueFont(HFONT font) : font_(font) {}
    ~UniqueFont() { reset(); }
    UniqueFont(const UniqueFont&) = delete;
    UniqueFont& operator=(const UniqueFont&) = delete;
    UniqueFont(UniqueFont&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
    UniqueFont& operator=(UniqueFont&& other) noexcept {
        if (this != &other) {
            reset();
            font_ = other.font_;
            other.font_ = nullptr;
        }
        return *this;
    }
    HFONT get() const { return font_; }
    void reset(HFONT font = nullptr) {
        if (font_) DeleteObject(font_);
        font_ = font;
    }

private:
    HFONT font_ = nullptr;
};

// A font of `points` at `dpi`, in the given character set.
UniqueFont CreatePointFont(const std::string& face, int points, int charset, UINT dpi);

}  // namespace vx
