#include "mainwindow/drive_tray_icons_win.h"

#include <algorithm>

#include "core/utf.h"
#include "mainwindow/bar_drawing_win.h"
#include "mainwindow/percent_bar.h"
#include "ui/font_win.h"

namespace vx {

namespace {

constexpr int kIconSize = 16;

int TextWidth(HDC dc, const std::string& text) {
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

void Text(HDC dc, int x, int y, const std::string& text) {
    const std::wstring wide = Widen(text);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

// The 16 x 16 picture: the name on top, the figure below, on the drive's bar colour.
UniqueIcon DrawIcon(const DriveRecord& drive, int mode, const Options& options, const NumberFormat& format) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    UniqueBitmap colour(CreateCompatibleBitmap(screen, kIconSize, kIconSize));
    UniqueBitmap mask(CreateBitmap(kIconSize, kIconSize, 1, 1, nullptr));
    HGDIOBJ previousBitmap = SelectObject(dc, colour.get());
    HBRUSH background = CreateSolidBrush(ResolveColour(BarColorFor(drive, options)));
    RECT all{0, 0, kIconSize, kIconSize};
    FillRect(dc, &all, background);
    DeleteObject(background);
    UniqueFont font = CreatePointFont("Small Fonts", 6, DEFAULT_CHARSET, 96);
    HGDIOBJ previousFont = SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(options.BarTextColor));
    Text(dc, 8 - TextWidth(dc, drive.Name) / 2, -1, drive.Name);
    const std::string value = TrayValueText(drive, mode, options.ShowUsedPercents, format,
                                            [dc](const std::string& text) { return TextWidth(dc, text) <= kIconSize; });
    Text(dc, std::max(0, (kIconSize - TextWidth(dc, value)) / 2), 7, value);
    SelectObject(dc, previousFont);
    // An all-black mask: every pixel of the picture shows.
    SelectObject(dc, mask.get());
    PatBlt(dc, 0, 0, kIconSize, kIconSize, BLACKNESS);
    SelectObject(dc, previousBitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.get();
    info.hbmMask = mask.get();
    return UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace

void DriveTrayIcons::Create(HWND window, UINT callbackMessage, std::vector<std::string>& entries,
                            const std::vector<DriveRecord>& drives) {
    icons_.clear();
    std::vector<std::string> kept;
    for (const auto& entry : entries) {
        const auto disk = ParseTrayDisk(entry);
        if (!disk) continue;
        const bool present = std::any_of(drives.begin(), drives.end(),
                                         [&](const DriveRecord& drive) { return drive.Name == disk->name; });
        if (!present) continue;
        kept.push_back(entry);
        Icon icon;
        icon.disk = *disk;
        icon.tray = std::make_unique<TrayIcon>(window, kFirstId + static_cast<UINT>(icons_.size()), callbackMessage);
        icons_.push_back(std::move(icon));
    }
    entries = kept;
}

void DriveTrayIcons::Update(const DriveRecord& drive, const std::string& displayName, const Options& options,
                            const NumberFormat& format) {
    for (auto& icon : icons_) {
        if (icon.disk.name != drive.Name) continue;
        UniqueIcon image = DrawIcon(drive, icon.disk.mode, options, format);
        icon.tray->Show(image.get(), TrayTooltip(displayName, drive, options, format));
        icon.image = std::move(image);  // the shell keeps its own copy; ours goes with the next
    }
}

std::string DriveTrayIcons::SwitchMode(UINT id) {
    if (!Owns(id)) return {};
    Icon& icon = icons_[id - kFirstId];
    icon.disk.mode = icon.disk.mode == 0 ? 1 : 0;
    return icon.disk.name;
}

std::vector<std::string> DriveTrayIcons::Entries() const {
    std::vector<std::string> entries;
    for (const auto& icon : icons_) entries.push_back(TrayDiskEntry(icon.disk));
    std::sort(entries.begin(), entries.end());
    return entries;
}

}  // namespace vx
