// Click-through mode: the question before it goes on, the control square, and the way back.
#include "drive_fixture.h"
#include "user_input.h"

namespace vx::e2e {
namespace {

class ClickThroughTest : public DrivesTest {
protected:
    void SetUp() override {
        DrivesTest::SetUp();
        settings.WriteInteger(kSettingsKey, "Left", 100);
        settings.WriteInteger(kSettingsKey, "Top", 100);
    }
    static bool ClicksPassThrough(HWND window) {
        return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    }
    static HWND Square() {
        HWND square = FindWindowW(L"TCtrlForm", nullptr);
        return square && IsWindowVisible(square) ? square : nullptr;
    }
    static HWND WaitForQuestion() {
        HWND question = nullptr;
        WaitUntil([&] { return (question = FindWindowW(L"TfrmClickThruConfirm", nullptr)) && IsWindowVisible(question); },
                  5000);
        return question;
    }
    static void ChooseClickThroughFromTheMenu(HWND window) {
        Click(OnScreen(ListViewIn(window), {20, 30}), true);
        PressKey('K');
    }
    // A real click in the middle of a dialog's button.
    static void ClickButton(HWND dialog, const wchar_t* caption) {
        HWND button = FindWindowExW(dialog, nullptr, L"Button", caption);
        RECT rect{};
        GetWindowRect(button, &rect);
        Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
    static RECT WindowRect(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }
};

TEST_F(ClickThroughTest, TurnedOnWithTheQuestionOffThroughTheSquareAndOnAgainWithoutAsking) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    ChooseClickThroughFromTheMenu(window);
    HWND question = WaitForQuestion();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(ClicksPassThrough(window)) << "on while the question is asked";
    SaveWindowScreenshot(L"click-through-question", question);
    // "Always show this dialog" unticked, then OK.
    ASSERT_NE(FindWindowExW(question, nullptr, L"Button", L"Always &show this dialog"), nullptr);
    ClickButton(question, L"Always &show this dialog");
    ClickButton(question, L"OK");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question) || !IsWindowVisible(question); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return ClicksPassThrough(window); }, 3000));
    HWND square = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (square = Square()) != nullptr; }, 3000)) << "no control square: " << FindWindowW(L"TCtrlForm", nullptr);
    const RECT main = WindowRect(window);
    const RECT corner = WindowRect(square);
    EXPECT_LE(corner.right, main.right);
    EXPECT_GT(corner.right, main.right - 20) << "at the bottom-right corner";
    EXPECT_GT(corner.bottom, main.bottom - 20);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ClickThroughWarn"), 0);

    // Dragging the square moves the window with it.
    const POINT grip{(corner.left + corner.right) / 2, (corner.top + corner.bottom) / 2};
    Drag(grip, {grip.x + 60, grip.y + 40});
    EXPECT_TRUE(WaitUntil([&] { return WindowRect(window).left == main.left + 60; }, 3000))
        << WindowRect(window).left;

    // Off from the main menu (clicks pass through the window, keys still reach it): no question.
    ASSERT_TRUE(BringToFront(window));
    PressKey('V', {VK_MENU});
    PressKey('K');
    EXPECT_TRUE(WaitUntil([&] { return !ClicksPassThrough(window) && !Square(); }, 3000));

    // On again: the question stays away.
    ChooseClickThroughFromTheMenu(window);
    EXPECT_TRUE(WaitUntil([&] { return ClicksPassThrough(window) && Square(); }, 3000));
    EXPECT_EQ(FindWindowW(L"TfrmClickThruConfirm", nullptr) && IsWindowVisible(FindWindowW(L"TfrmClickThruConfirm", nullptr)),
              false);
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ClickThrough"), 1);
}

TEST_F(ClickThroughTest, ARefusalLeavesTheWindowAsItWas) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    // At the work area's right edge, where the wider window has to move in.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect = WindowRect(window);
    SetWindowPos(window, nullptr, work.right - (rect.right - rect.left), 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil([&] { return WindowRect(window).right == work.right; }, 3000));
    const RECT before = WindowRect(window);

    ChooseClickThroughFromTheMenu(window);
    HWND question = WaitForQuestion();
    ASSERT_NE(question, nullptr);
    ClickButton(question, L"Cancel");
    ASSERT_TRUE(WaitUntil([&] { return !ClicksPassThrough(window); }, 3000));
    const RECT after = WindowRect(window);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(Square(), nullptr);
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ClickThrough"), 0);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ClickThroughWarn"), -1) << "Cancel writes nothing";
}

}  // namespace
}  // namespace vx::e2e
