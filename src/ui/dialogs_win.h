#pragma once
// Message boxes, the input box and the system's common dialogs, with UTF-8 texts.
#include <windows.h>

#include <optional>
#include <string>

namespace vx {

// The caption is "Vantorix" unless one is given.
int ShowMessage(HWND owner, const std::string& text, UINT flags, const std::string& caption = "Vantorix");

// A small modal form with a prompt, an edit box, OK and Cancel; empty when cancelled.
std::optional<std::string> InputBox(HWND owner, const std::string& caption, const std::string& prompt,
                                    const std::string& initial);

std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial);

struct FontChoice {
    std::string face;
    int points = 8;
    int charset = 1;
    COLORREF colour = 0;
    int style = 0;  // 1 bold, 2 italic, 4 underline, 8 strike-out
};
std::optional<FontChoice> ChooseFontDialog(HWND owner, const FontChoice& initial);

// `filter` in the form "Sounds (*.wav)|*.wav|All files|*.*".
std::optional<std::string> OpenFileDialog(HWND owner, const std::string& title, const std::string& filter,
                                          const std::string& initialFile);

// The chosen folder with a trailing backslash.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title);

// "A|*.a|B|*.b" as the double-NUL-terminated list the system expects.
std::wstring SystemFilterText(const std::string& filter);

}  // namespace vx
