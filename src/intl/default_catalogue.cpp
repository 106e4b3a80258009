// The built-in English catalogue: the texts of the composed messages, by entry number.
// Every language file's [Strings] section follows this order.
#include "intl/default_catalogue.h"

namespace vx {

namespace {

constexpr const char* kDefaultEntries[kCatalogueSize] = {
    /*   0 */ "Bytes",
    /*   1 */ "Kilobytes",
    /*   2 */ "Megabytes",
    /*   3 */ "Gigabytes",
    /*   4 */ "Percent",
    /*   5 */ "Program settings",
    /*   6 */ "Please specify the main program behavior",
    /*   7 */ "Colors",
    /*   8 */ "Please specify percent bar colors",
    /*   9 */ "Tools",
    /*  10 */ "You can add or remove tools",
    /*  11 */ "Step:",
    /*  12 */ "&Finish",
    /*  13 */ "Operation cancelled.",
    /*  14 */
    "You can change the scan options by using the Back button or close this dialog by using the Finish "
    "button.",
    /*  15 */ "Operation completed.",
    /*  16 */
    "The results have been saved. You can view them now or later. You can find the last scan results in the "
    "main program window by right-clicking the context menu, Tools submenu, bottom item.",
    /*  17 */ "&Next >",
    /*  18 */ "Do you want to cancel the scan?",
    /*  19 */ "Scan disk to free more space",
    /*  20 */ "Completed:",
    /*  21 */ "Total:",
    /*  22 */ "file(s),",
    /*  23 */ "&Largest files",
    /*  24 */ "&Oldest files",
    /*  25 */ "&Temporary files",
    /*  26 */ "Selected:",
    /*  27 */ "Please enter search substring of file mask",
    /*  28 */ "Do you really want to move selected files to Recycle Bin?",
    /*  29 */ "Please note that some of these files might be used by other applications.",
    /*  30 */ "Do you really want to move selected file to Recycle Bin?",
    /*  31 */ "Please note that this file might be used by other applications.",
    /*  32 */ "(bytes)",
    /*  33 */ "(Kb)",
    /*  34 */ "(Mb)",
    /*  35 */ "(Gb)",
    /*  36 */ "Capacity",
    /*  37 */ "Used",
    /*  38 */ "Free",
    /*  39 */ "Available",
    /*  40 */ "% Used",
    /*  41 */ "Name",
    /*  42 */ "Category",
    /*  43 */ "Disks",
    /*  44 */ "Please specify disk-related options",
    /*  45 */ "Removable drives",
    /*  46 */ "Fixed drives",
    /*  47 */ "Network drives",
    /*  48 */ "Sticker view",
    /*  49 */ "Please specify sticker view options",
    /*  50 */ "-",
    /*  51 */ "-",
    /*  52 */ "-",
    /*  53 */ "-",
    /*  54 */ "-",
    /*  55 */ "-",
    /*  56 */ "-",
    /*  57 */ "-",
    /*  58 */ "-",
    /*  59 */ "-",
    /*  60 */ "-",
    /*  61 */ "Disk Defragmenter",
    /*  62 */ "Do you want to restore default tools set?",
    /*  63 */ "Comparing: ",
    /*  64 */ "Loading database...",
    /*  65 */ "Size changed",
    /*  66 */ "New files",
    /*  67 */ "Deleted files",
    /*  68 */ "Files with changed size",
    /*  69 */ "No image",
    /*  70 */ "No changes found.",
    /*  71 */
    "Please check the box below to store the current search results as the base image for scanned disk(s).",
    /*  72 */ "-",
    /*  73 */ "Saving new database...",
    /*  74 */ "Storing results...",
    /*  75 */
    "Results have been saved. You can view them now or later. You can find the last scan results in the main "
    "program window right-click context menu, Tools | View results submenu.",
    /*  76 */ "No file duplicates found.",
    /*  77 */ "Duplicates",
    /*  78 */ "Modified",
    /*  79 */ "Unknown",
    /*  80 */ "Files with duplicates",
    /*  81 */ "Drive name",
    /*  82 */ "Volume label",
    /*  83 */ "Serial number",
    /*  84 */ "File system",
    /*  85 */ "Bytes per sector",
    /*  86 */ "Sectors per cluster",
    /*  87 */ "Press ESC to cancel",
    /*  88 */ "You cannot select disks",
    /*  89 */ "together because they both are mapped to",
    /*  90 */ "and",
    /*  91 */ "You cannot select disk",
    /*  92 */ "because it is mapped to",
    /*  93 */ "Vantorix Tutorial",
    /*  94 */ "Disk Management",
    /*  95 */
    "If you uncheck this box, Vantorix includes system files and folders in its reports, which makes it "
    "possible to delete such files using View report results dialog. Please uncheck this box only if you are "
    "an advanced user and know and understand the probable consequences. Do you want to uncheck this box?",
    /*  96 */ "Clean Manager",
    /*  97 */ "Scan Disk",
    /*  98 */
    "Cannot register hotkey combination. Please use Vantorix Options dialog, General tab to define the new "
    "unique combination. The old one is:",
    /*  99 */ "-",
    /* 100 */ "Sound",
    /* 101 */ "Message box",
    /* 102 */ "E-mail",
    /* 103 */ "WinPopup & NET SEND",
    /* 104 */ "-",
    /* 105 */ "NT events log",
    /* 106 */ "Execute application",
    /* 107 */ "-",
    /* 108 */ "-",
    /* 109 */ "-",
    /* 110 */ "Free space",
    /* 111 */ "Used space",
    /* 112 */ "-",
    /* 113 */ "LESS than",
    /* 114 */ "MORE than",
    /* 115 */ "-",
    /* 116 */ "*.WAV file name",
    /* 117 */ "Recipient's e-mail address",
    /* 118 */ "Recipient's network name",
    /* 119 */ "-",
    /* 120 */ "Name of file to open",
    /* 121 */
    "Please enter your SMTP server settings at Options dialog, Notifications tab, Advanced button in order "
    "e-mail notification work",
    /* 122 */ "Min &value:",
    /* 123 */ "M&ax value:",
    /* 124 */ "&Value:",
    /* 125 */ "Please enter the correct",
    /* 126 */ "Select &file:",
    /* 127 */ "Sorry, you can not use this notification type on Windows 9x/ME",
    /* 128 */ "Additional text:",
    /* 129 */ "Message &caption:",
    /* 130 */ "&E-mail address:",
    /* 131 */ "User &name:",
    /* 132 */ "IC&Q user number:",
    /* 133 */ "This condition is already achieved now. Do you want to enable this notification anyway?",
    /* 134 */ "When '%1' on disk %2 is %3 %4",
    /* 135 */ "'%1' on disk %2 is %3 which is %4 %5",
    /* 136 */ "Do you want to remove selected item?",
    /* 137 */ "Do you want to reset Vantorix settings?",
    /* 138 */ "Reset Vantorix settings",
    /* 139 */ "Calculating MD5 hash",
    /* 140 */ "because they refer to the same physical disk drive. ",
    /* 141 */ "Cannot open file",
    /* 142 */ "Creating file list...",
    /* 143 */ "Canceling operation...",
    /* 144 */ "Hide Vantorix",
    /* 145 */ "Show Vantorix",
    /* 146 */ "Vantorix: Easy monitoring over all your disks",
    /* 147 */ "-",
    /* 148 */ "RAM drives",
    /* 149 */
    "Vantorix is running on your system.||You cannot continue with install while Vantorix is running.||||Do "
    "you want to close Vantorix?",
    /* 150 */ "-",
    /* 151 */ "This message box appeared because SMTP server settings are not set properly.",
    /* 152 */
    "To adjust SMTP server settings please open the Options dialog, Notifications page, button 'Advanced'",
    /* 153 */ "Disk label",
    /* 154 */ "Close Vantorix before running",
    /* 155 */ "Example: 0123456789",
    /* 156 */
    "To turn off the click-through mode, please uncheck the \"Click-through mode\" item from Vantorix's "
    "system tray icon pop-up menu.",
    /* 157 */
    "You can use the small square in the bottom right corner of a Vantorix window to move the window or to "
    "call a pop-up menu.",
    /* 158 */ "Do you want to turn on the Vantorix window click-through mode?",
    /* 159 */ "Scanning disk. Please wait...",
    /* 160 */ "(Files)",
    /* 161 */ "(Other folders)",
    /* 162 */ "(Other folder and files)",
    /* 163 */ "Audio",
    /* 164 */ "Video",
    /* 165 */ "Images",
    /* 166 */ "Archives",
    /* 167 */ "System",
    /* 168 */ "Documents",
    /* 169 */ "Temporary",
    /* 170 */ "Other",
    /* 171 */ "Please select network folder or type its UNC path (for example: \\\\SERVER\\SHARED)",
    /* 172 */ "This network path is in the list already",
    /* 173 */ "Test email notification",
    /* 174 */ "Please enter address to send test email:",
    /* 175 */ "Message to test SMTP server settings.",
    /* 176 */ "Test message sent successfuly. Please check the mail box.",
    /* 177 */
    "To add command buttons, drag and drop commands onto a toolbar. To remove command buttons, drag them off "
    "a Toolbar. Right-click on a button for more options.",
    /* 178 */ "Terabytes",
    /* 179 */ "(Tb)",
    /* 180 */ "Are you sure you want to reset all Vantorix settings?",
    /* 181 */ "Vantorix is running in the system tray.",
};

}  // namespace

std::string_view DefaultCatalogueEntry(int index) {
    if (index < 0 || index >= kCatalogueSize) return {};
    return kDefaultEntries[index];
}

const std::string& DefaultCatalogueText() {
    static const std::string text = [] {
        std::string joined;
        for (int i = 0; i < kCatalogueSize; ++i) {
            if (i > 0) joined += "\r\n";
            joined += kDefaultEntries[i];
        }
        return joined;
    }();
    return text;
}

}  // namespace vx
