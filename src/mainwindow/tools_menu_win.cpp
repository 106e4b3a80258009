#include "mainwindow/tools_menu_win.h"

#include <shellapi.h>

#include "app/log.h"
#include "core/utf.h"
#include "mainwindow/tools_menu.h"
#include "platform/win/files_win.h"
#include "platform/win/version_win.h"

namespace vx {

namespace {

std::string Folder(UINT (*read)(LPWSTR, UINT)) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = read(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? Narrow(folder) : std::string();
}

UINT SystemFolder(LPWSTR buffer, UINT size) {
    return GetSystemDirectoryW(buffer, size);
}
UINT WindowsFolder(LPWSTR buffer, UINT size) {
    return GetWindowsDirectoryW(buffer, size);
}

// The file's first small icon on the menu's colour; none for a file that does not exist.
UniqueBitmap MenuImageOf(const std::string& file) {
    if (file.empty() || !FileExists(Widen(file))) return {};
    HICON small = nullptr;
    if (ExtractIconExW(Widen(file).c_str(), 0, nullptr, &small, 1) == 0 || !small) return {};
    UniqueIcon icon(small);
    const int size = GetSystemMetrics(SM_CXSMICON);
    HDC screen = GetDC(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, size, size));
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap.get());
    RECT all{0, 0, size, size};
    FillRect(memory, &all, GetSysColorBrush(COLOR_MENU));
    DrawIconEx(memory, 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

std::string ToolsMenu::DefaultTools() {
    LogLine("GetToolsList");
    const WindowsVersion version = RealWindowsVersion();
    const std::string tools = GetToolsList(
        {version.ntFamily, version.major, Folder(SystemFolder), Folder(WindowsFolder)},
        [](const std::string& path) { return FileExists(Widen(path)); },
        [](const std::string& path) { LogLine(path); });
    LogLine("/GetToolsList");
    return tools;
}

void ToolsMenu::Recreate(HMENU submenu, const std::string& toolsString) {
    LogLine("RecreateMenu");
    submenu_ = submenu;
    if (!submenu) return;
    while (GetMenuItemCount(submenu) > 0) DeleteMenu(submenu, 0, MF_BYPOSITION);
    items_.clear();
    for (const auto& record : ParseToolsString(toolsString)) {
        if (items_.size() >= kMaxItems) break;
        Item item;
        item.passDisk = record.passDisk;
        item.image = MenuImageOf(record.IconSource());
        std::wstring caption = Widen(record.name);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_ID | (item.image ? MIIM_BITMAP : 0);
        info.wID = kFirstId + static_cast<UINT>(items_.size());
        info.dwTypeData = caption.data();
        info.hbmpItem = item.image.get();
        InsertMenuItemW(submenu, 0, TRUE, &info);
        items_.push_back(std::move(item));
    }
    LogLine("/RecreateMenu");
}

bool ToolsMenu::Start(UINT id, HWND owner, const std::string& toolsString, const std::string& pointedDisk) const {
    if (!Owns(id) || !submenu_) return false;
    wchar_t caption[512] = {};
    GetMenuStringW(submenu_, id, caption, 512, MF_BYCOMMAND);
    const auto tool = ToolForCaption(toolsString, Narrow(caption));
    if (!tool) return false;
    // Rows of the list cannot be selected: the disk is the one under the mouse.
    const std::wstring argument = Widen(ToolArgument(tool->path, {}, pointedDisk));
    const bool passDisk = items_[id - kFirstId].passDisk;
    ShellExecuteW(owner, L"open", Widen(tool->path).c_str(), passDisk ? argument.c_str() : nullptr, nullptr,
                  SW_SHOW);
    return true;
}

}  // namespace vx
