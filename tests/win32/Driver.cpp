// Drives the real velmo-calc.exe from outside, as a user does, through the Win32 API: real
// key presses and clicks (SendInput, the pointer placed with SetCursorPos), the controls found by their class and their
// place at the screen's DPI, the fields read with WM_GETTEXT and by a screen reader's MSAA, the windows' pixels read
// off the screen, message boxes found by their class "#32770". Every process it starts it ends by its handle.
//
// It reads the description of the windows, and of the program's code only its text conversion:
// what it expects in pixels it works out from the twips itself.
#include "AboutWindow.h"
#include "Announcer.h"
#include "DescribedControls.h"
#include "DeviceContext.h"
#include "GdiObject.h"
#include "HighContrast.h"
#include "MainWindow.h"
#include "Menus.h"
#include "Pixels.h"
#include "PlainMessage.h"
#include "Step.h"
#include "StoryOutcome.h"
#include "UserStories.h"
#include "Walk.h"
#include "WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <ranges>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using ui::win32::DeviceContext;
using ui::win32::GdiObject;
using ui::win32::kLiveRegionChanged;
using ui::win32::Narrow;
using ui::win32::Widen;
constexpr DWORD kPatienceMs = 10000; // no condition takes this long unless something is wrong
// A key no control acts on and no keyboard has, so that wine never resets it to match the X
// server's keyboard (see Program::Settle).
constexpr WORD kSettleKey = 0xE8;
// Wine's EDIT control lays out its whole line on every change: 100,000 digits take 10 s to set
// and 5 s to paste there. A paste this long is as far beyond the range as a million digits.
constexpr std::size_t kLongestPaste = 20000;

bool WaitUntil(const std::function<bool()>& condition)
{
    const DWORD start = GetTickCount();
    while (!condition() && GetTickCount() - start < kPatienceMs)
        Sleep(10);
    return condition();
}

std::string TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXT, text.size(), LPARAM(text.data()))));
    return Narrow(text);
}

// A rectangle as "192x373 at 0,0"; a window's in its container.
std::string Where(RECT r)
{
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + " at " + std::to_string(r.left)
        + "," + std::to_string(r.top);
}

std::string Where(HWND window, HWND container)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
    return Where(rect);
}

// The driver sees the screen in its real pixels, as the program does.
[[maybe_unused]] const bool kDpiAware = SetProcessDPIAware();

UINT ScreenDpi()
{
    const DeviceContext screen(HWND{});
    return static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

// A described rectangle, where it lies at the screen's DPI, worked out here.
RECT InPixels(const ui::TwipsRect& rect)
{
    const int dpi = static_cast<int>(ScreenDpi());
    const int left = support::Pixels(rect.left, dpi), top = support::Pixels(rect.top, dpi);
    return {left, top, left + support::Pixels(rect.width, dpi), top + support::Pixels(rect.height, dpi)};
}

const auto Described = [](const ui::TwipsRect& rect) { return Where(InPixels(rect)); };

// A length in pixels at 96 DPI, at the screen's.
int Scaled(int pixels)
{
    return MulDiv(pixels, static_cast<int>(ScreenDpi()), 96);
}

INPUT Key(WORD key, DWORD flags)
{
    INPUT input{INPUT_KEYBOARD, {}};
    input.ki = {key, 0, flags, 0, 0};
    return input;
}

// A key pressed and let go, with Ctrl or Shift held around it if one is named.
std::vector<INPUT> Press(WORD key, DWORD flags, WORD modifier)
{
    const INPUT down = Key(key, flags), up = Key(key, flags | KEYEVENTF_KEYUP);
    return modifier ? std::vector{Key(modifier, 0), down, up, Key(modifier, KEYEVENTF_KEYUP)} : std::vector{down, up};
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// One running calculator, its controls named as the description names them.
class Program {
public:
    Program()
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        // The program as the build names it on the host, under wine's drive for the host's root.
        std::wstring commandLine = L"\"Z:" + Widen(VELMO_CALC_EXE) + L"\"";
        std::replace(commandLine.begin(), commandLine.end(), L'/', L'\\');
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_))
            throw std::runtime_error("velmo-calc.exe did not start");
        // Input goes to the foreground window, which the new window becomes a moment after it shows.
        if (!WaitUntil([this] { return (form1 = Window(L"VelmoForm1")) && GetForegroundWindow() == form1; })) {
            end();
            throw std::runtime_error(form1 ? "the main window never came to the front" : "no main window showed");
        }
        AttachThreadInput(GetCurrentThreadId(), process_.dwThreadId, TRUE);
        Settle();
        picture1 = FindWindowExW(form1, nullptr, L"VelmoPictureBox", nullptr);
        for (const ui::Control& control : support::DescribedControls()) {
            const PCWSTR kind = control.name.front() == 't' ? L"Edit" : L"Button";
            for (HWND child = nullptr; (child = FindWindowExW(picture1, child, kind, nullptr));)
                if (Where(child, picture1) == Described(control.rect))
                    controls[std::string(control.name)] = child;
        }
    }
    ~Program()
    {
        AttachThreadInput(GetCurrentThreadId(), process_.dwThreadId, FALSE);
        end();
    }

    // The program's top-level window of a class, if it is shown (or, if `shown` is false, made).
    HWND Window(PCWSTR windowClass, bool shown = true) const
    {
        HWND window = nullptr;
        DWORD owner = 0;
        while ((window = FindWindowExW(nullptr, window, windowClass, nullptr))
               && !(GetWindowThreadProcessId(window, &owner) && owner == process_.dwProcessId
                    && (IsWindowVisible(window) || !shown))) { }
        return window;
    }
    HWND Control(const std::string& name) const { return controls.count(name) ? controls.at(name) : nullptr; }
    std::string Focus() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(process_.dwThreadId, &info);
        for (const auto& [name, control] : controls)
            if (control == info.hwndFocus)
                return name;
        return "?";
    }

    // Returns once the program has taken every input sent so far: it takes a key sent after
    // them, and the driver shares its keyboard state, which changes as it takes a key.
    // (WaitForInputIdle returns at once under wine.)
    void Settle() const
    {
        for (const bool down : {true, false}) {
            Send({Key(kSettleKey, down ? 0 : KEYEVENTF_KEYUP)});
            WaitUntil([down] { return (GetKeyState(kSettleKey) < 0) == down; });
        }
    }

    // Answers a message box if one shows: its text, or "" when none.
    std::string AnswerMessage() const
    {
        Settle();
        const HWND box = Window(L"#32770");
        if (!box)
            return "";
        std::vector<std::string> buttons;
        for (HWND button = nullptr; (button = FindWindowExW(box, button, L"Button", nullptr));)
            buttons.push_back(TextOf(button));
        const std::string text = support::PlainMessage(TextOf(GetDlgItem(box, 0xFFFF)), TextOf(box), buttons,
                                                       GetDlgItem(box, 0x14)); // 0x14: a message box's icon
        PostMessageW(FindWindowExW(box, nullptr, L"Button", nullptr), BM_CLICK, 0, 0);
        WaitUntil([box] { return !IsWindow(box); });
        Settle();
        return text;
    }

    // The program's exit code once it has ended by itself, or STILL_ACTIVE.
    DWORD ExitCode() const
    {
        WaitForSingleObject(process_.hProcess, kPatienceMs);
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    HWND form1 = nullptr;
    HWND picture1 = nullptr;
    std::map<std::string, HWND> controls;

private:
    void end() const
    {
        TerminateProcess(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    PROCESS_INFORMATION process_{};
};

// "Ctrl+N", "Alt+F4", "Backspace", "Enter" (on the keypad)...
void PressKey(const Program& program, std::string key)
{
    // clang-format off
    static const std::map<std::string, WORD> kNamed{{"Backspace", VK_BACK}, {"Return", VK_RETURN}, {"Enter", VK_RETURN},
        {"Escape", VK_ESCAPE}, {"Tab", VK_TAB}, {"Left", VK_LEFT}, {"Delete", VK_DELETE}, {"Home", VK_HOME}, {"End", VK_END},
        {"F10", VK_F10}, {"F4", VK_F4}, {"Right", VK_RIGHT}, {"Down", VK_DOWN}};
    // clang-format on
    const WORD modifier = key.rfind("Ctrl+", 0) == 0 ? VK_CONTROL
        : key.rfind("Alt+", 0) == 0                  ? VK_MENU
        : key.rfind("Shift+", 0) == 0                ? VK_SHIFT
                                                     : 0;
    key.erase(0, modifier ? key.find('+') + 1 : 0);
    const WORD code = kNamed.count(key) ? kNamed.at(key) : WORD(key.front());
    // The keypad's Enter, the arrows and the editing keys are extended keys.
    const DWORD flags = key == "Enter" || (code >= VK_PRIOR && code <= VK_DELETE) ? KEYEVENTF_EXTENDEDKEY : 0;
    Send(Press(code, flags, modifier));
    program.Settle();
}

// Two clicks close together in place and time would make a double click, which a field takes
// as selecting a word; a point near the last one moves a little to the left instead, unless a
// double click is meant.
void PointAt(const Program& program, HWND window, int x, int y, bool apart = true)
{
    static POINT last{};
    POINT at{x, y};
    ClientToScreen(window, &at);
    const int nearby = GetSystemMetrics(SM_CXDOUBLECLK);
    if (apart && std::abs(at.x - last.x) <= nearby && std::abs(at.y - last.y) <= nearby)
        at.x -= 2 * nearby;
    last = at;
    // The pointer moves through the X server, which may report an earlier place late: it is
    // where it was sent only once the program has seen it there.
    SetCursorPos(at.x, at.y);
    program.Settle();
    WaitUntil([at] {
        POINT now;
        return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
    });
}

void ClickAt(const Program& program, HWND window, int x, int y, int clicks = 1)
{
    PointAt(program, window, x, y, clicks == 1);
    INPUT down{INPUT_MOUSE, {}}, up{INPUT_MOUSE, {}};
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN, up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    std::vector<INPUT> inputs;
    for (int i = 0; i < clicks; ++i)
        inputs.insert(inputs.end(), {down, up});
    Send(inputs);
    program.Settle();
}

// Latin-1 text is typed on the keyboard, each character as the key (and Shift) that makes it;
// other text, or any when asked, comes from an input method, one character at a time.
void Type(HWND field, const std::wstring& text, bool inputMethod)
{
    const bool latin1 = std::all_of(text.begin(), text.end(), [](wchar_t c) { return c <= 0xFF; });
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        if (!latin1 || inputMethod) {
            PostMessageW(field, WM_IME_CHAR, c, 1);
            continue;
        }
        const SHORT key = VkKeyScanW(c);
        const std::vector<INPUT> press = Press(LOBYTE(key), 0, (key & 0x100) ? VK_SHIFT : 0);
        inputs.insert(inputs.end(), press.begin(), press.end());
    }
    Send(inputs);
}

void Paste(HWND field, const std::wstring& text)
{
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(field, WM_PASTE, 0, 0);
}

// A menu item chosen by the keyboard: F10, Right to its menu, Down to the item (Down opens the
// menu on its first item and passes over separators), Enter.
void ChooseMenuItem(const Program& program, std::string_view name)
{
    const auto& menus = ui::main_window::kMenus;
    for (std::size_t menu = 0; menu < menus.size(); ++menu) {
        std::size_t downs = 0;
        for (const ui::MenuItem& item : menus[menu].items) {
            downs += item.isSeparator() ? 0 : 1;
            if (item.name != name)
                continue;
            std::vector<std::string> keys{"F10"};
            keys.insert(keys.end(), menu, "Right");
            keys.insert(keys.end(), downs, "Down");
            keys.emplace_back("Enter");
            for (const std::string& key : keys)
                PressKey(program, key);
        }
    }
}

// A click on a part of the About window, by its name: its background beside the title line,
// its picture or a label, in the middle.
void ClickAbout(const Program& program, std::string_view name)
{
    const HWND about = program.Window(L"VelmoForm2");
    if (name == "Form2")
        return ClickAt(program, about, Scaled(12), Scaled(4));
    HWND part = FindWindowExW(about, nullptr, L"VelmoPictureBox", nullptr);
    for (const ui::Label& label : ui::about_window::kLabels)
        if (label.name == name)
            part = FindWindowExW(about, nullptr, L"Static", Widen(label.text).c_str());
    RECT box;
    GetClientRect(part, &box);
    ClickAt(program, part, box.right / 2, box.bottom / 2);
}

// One step of a user story's script (UserStories.h); returns the message it brought up, if any.
std::string Perform(const Program& program, const std::string& text)
{
    using Kind = support::Step::Kind;
    const support::Step step = support::Step::Parse(text);
    const std::string field = "t" + std::to_string(step.field);
    if (step.kind == Kind::Menu) {
        ChooseMenuItem(program, step.text);
    } else if (step.kind == Kind::About) {
        ClickAbout(program, step.text);
    } else if (step.kind == Kind::Key) {
        PressKey(program, step.text);
    } else if (step.kind == Kind::Select) { // a double-click on the field's first character
        RECT box;
        GetClientRect(program.Control(field), &box);
        ClickAt(program, program.Control(field), 3, box.bottom / 2, 2);
    } else if (step.kind == Kind::Paste) {
        Paste(program.Control(field), Widen(step.text.substr(0, kLongestPaste)));
    } else if (step.kind == Kind::Type) {
        RECT box;
        GetClientRect(program.Control(field), &box);
        if (program.Focus() != field) // a click at the right end leaves the caret after the text
            ClickAt(program, program.Control(field), box.right - 3, box.bottom / 2);
        WaitUntil([&] { return program.Focus() == field; });
        Type(program.Control(field), Widen(step.text), step.inputMethod);
    } else {
        PostMessageW(program.Control(step.text), BM_CLICK, 0, 0);
    }
    return program.AnswerMessage();
}

// What the program announces to screen readers through its live region: the name a reader reads
// on each EVENT_OBJECT_LIVEREGIONCHANGED, seen from this process as a reader sees it.
class Announcements {
public:
    Announcements()
        : hook_(SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, Heard, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS))
    {
        CoInitialize(nullptr);
        heard_.clear();
    }
    ~Announcements()
    {
        UnhookWinEvent(hook_);
        CoUninitialize();
    }
    Announcements(const Announcements&) = delete;
    Announcements& operator=(const Announcements&) = delete;

    // What was announced since the last call. Once the program answers a message, whatever it
    // announced before is on its way here, and comes in as this thread takes its messages.
    std::vector<std::string> Take(HWND window) const
    {
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, nullptr);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        return std::exchange(heard_, {});
    }

private:
    static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
    {
        IAccessible* accessible = nullptr;
        VARIANT item{};
        BSTR name = nullptr;
        if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &accessible, &item))) {
            accessible->get_accName(item, &name);
            accessible->Release();
        }
        heard_.push_back(name ? Narrow(name) : "(no name)");
        SysFreeString(name);
    }

    static inline std::vector<std::string> heard_;
    HWINEVENTHOOK hook_;
};

// The program driven is the one built for the driver's own kind of Windows: a 32-bit run that
// drove the 64-bit program would prove nothing.
TEST(Program, IsBuiltForTheDriversWindows)
{
    std::ifstream image("Z:" VELMO_CALC_EXE, std::ios::binary);
    IMAGE_DOS_HEADER dos{};
    image.read(reinterpret_cast<char*>(&dos), sizeof(dos));
    image.seekg(dos.e_lfanew + static_cast<LONG>(sizeof(DWORD))); // past the signature "PE\0\0"
    IMAGE_FILE_HEADER header{};
    image.read(reinterpret_cast<char*>(&header), sizeof(header));
    ASSERT_TRUE(image) << VELMO_CALC_EXE;
    const WORD machine = sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386;
    EXPECT_EQ(header.Machine, machine);
    std::printf("velmo-calc.exe for %s Windows\n", header.Machine == IMAGE_FILE_MACHINE_I386 ? "32-bit" : "64-bit");
}

// How long a tooltip takes to show in this run: with forty digits pasted, too wide for t(1), its
// number shows whole in its tooltip once the pointer rests there. The pointer then rests on the background.
DWORD TooltipDelay(const Program& program)
{
    Perform(program, "paste:1:9*40");
    const DWORD start = GetTickCount();
    PointAt(program, program.Control("t1"), 20, 10);
    HWND tooltip = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (tooltip = program.Window(TOOLTIPS_CLASSW)); }));
    const DWORD delay = GetTickCount() - start;
    EXPECT_EQ(TextOf(tooltip), TextOf(program.Control("t1")));
    PointAt(program, program.picture1, Scaled(4), Scaled(365));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(tooltip); }));
    return delay;
}

// What pointing at t(10) shows. A tooltip made for an earlier explanation is given three times
// as long to show as one took in this run: it must show no longer.
std::string TooltipOverResult(const Program& program, bool expected)
{
    if (!expected && !program.Window(TOOLTIPS_CLASSW, false))
        return "";
    const DWORD delay = expected ? 0 : TooltipDelay(program);
    PointAt(program, program.Control("t10"), 20, 10);
    HWND tooltip = nullptr;
    if (expected)
        WaitUntil([&] { return (tooltip = program.Window(TOOLTIPS_CLASSW)); });
    else
        Sleep(3 * delay), tooltip = program.Window(TOOLTIPS_CLASSW);
    return tooltip ? TextOf(tooltip) : "";
}

class Story : public testing::TestWithParam<std::size_t> { };

TEST_P(Story, ShowsWhatItSays)
{
    const support::UserStory& story = support::kUserStories.at(GetParam());
    SCOPED_TRACE(std::string(story.name));
    const Announcements announcements;
    Program program;
    support::StoryOutcome seen;
    std::string heard;
    for (const std::string& step : support::Split(story.script, ';')) {
        const bool evaluates
            = step == "dy" || ((step == "key:Return" || step == "key:Enter") && program.Focus() == "dy");
        const std::string message = Perform(program, step);
        seen.messages += message.empty() ? "" : (seen.messages.empty() ? "" : "|") + message;
        // One announcement for each result, none for anything else: a message speaks for itself.
        const std::vector<std::string> announced = announcements.Take(program.form1);
        EXPECT_EQ(announced.size(), evaluates && message.empty() ? 1u : 0u) << step;
        heard = announced.empty() ? heard : announced.back();
    }
    if (!story.reading.empty()) // a reading once announced stays in the reader's ear
        seen.reading = heard;
    for (int i = 1; i <= 10; ++i)
        seen.fields += (i == 1 ? "" : ",") + TextOf(program.Control("t" + std::to_string(i)));
    seen.focus = program.Focus();
    for (int i = 7; i <= 10; ++i) // the leading digits show
        EXPECT_EQ(SendMessageW(program.Control("t" + std::to_string(i)), EM_GETSEL, 0, 0), 0) << "t" << i;
    // Pointing at t(10) shows its tooltip, in lines and for long enough to read.
    seen.tooltip = TooltipOverResult(program, !story.tooltip.empty());
    EXPECT_EQ(seen.differences(story), "");
    if (const HWND tooltip = program.Window(TOOLTIPS_CLASSW); tooltip && !story.tooltip.empty()) {
        RECT box;
        GetClientRect(tooltip, &box);
        const auto lines = std::ranges::count(story.tooltip, '\n') + 1;
        EXPECT_GE(box.bottom, lines * Scaled(12)) << Where(box);
        EXPECT_LE(box.right, 600) << Where(box); // a long line wraps
        EXPECT_GE(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 30000);
    }
}

INSTANTIATE_TEST_SUITE_P(UserStories, Story, testing::Range<std::size_t>(0, support::kUserStories.size()));

// What the walk sees of the program: the fields, the focus, the About windows it made.
void Observe(const Program& program, support::Observed& seen)
{
    for (std::size_t i = 0; i < seen.fields.size(); ++i)
        seen.fields[i] = TextOf(program.Control("t" + std::to_string(i)));
    seen.focus = program.Focus();
    DWORD process = 0, owner = 0;
    GetWindowThreadProcessId(program.form1, &process);
    seen.aboutWindows = 0;
    for (HWND about = nullptr; (about = FindWindowExW(nullptr, about, L"VelmoForm2", nullptr));)
        if (GetWindowThreadProcessId(about, &owner) && owner == process)
            ++seen.aboutWindows, seen.aboutShown = IsWindowVisible(about);
}

// Random actions, the window compared with the model after each (Walk.h). The pending operation
// shows only at the next "＝"; activation after the About window hides comes through the X
// server, a moment later.
TEST(Walk, AgreesWithTheModel)
{
    support::Walk walk(600, 32);
    Program program;
    EXPECT_EQ(walk.replay([&](const std::string& step) { return Perform(program, step); },
                          [&](support::Observed& seen) { Observe(program, seen); }, WaitUntil),
              "");
}

// How far a pixel on the screen is from a colour, in the channel furthest off.
int Distance(COLORREF a, COLORREF b)
{
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

// A picture in memory, drawn on or copied off the screen.
class Canvas {
public:
    Canvas(int width, int height)
        : size_{0, 0, width, height}
        , bitmap_(CreateCompatibleBitmap(DeviceContext(HWND{}).get(), width, height))
    {
        dc_.Select(bitmap_.get());
    }
    // What the screen shows in a rectangle of a window's client area, or of the screen for none.
    Canvas(HWND window, RECT area)
        : Canvas(area.right - area.left, area.bottom - area.top)
    {
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
        BitBlt(dc(), 0, 0, size_.right, size_.bottom, DeviceContext(HWND{}).get(), area.left, area.top, SRCCOPY);
    }
    HDC dc() const { return dc_.get(); }
    RECT size() const { return size_; }
    COLORREF operator()(int x, int y) const { return GetPixel(dc(), x, y); }

private:
    RECT size_;
    GdiObject<HBITMAP> bitmap_;
    DeviceContext dc_{DeviceContext(HWND{}).get()};
};

// The box around the pixels of a canvas, `inset` in from its edges, whose colour passes a test;
// empty where none does.
template <typename Test> RECT InkBox(const Canvas& canvas, Test test, int inset = 0)
{
    RECT box{canvas.size().right, canvas.size().bottom, 0, 0};
    for (int y = inset; y < canvas.size().bottom - inset; ++y)
        for (int x = inset; x < canvas.size().right - inset; ++x)
            if (test(canvas(x, y)))
                box = {std::min(box.left, LONG{x}), std::min(box.top, LONG{y}), std::max(box.right, LONG{x} + 1),
                       std::max(box.bottom, LONG{y} + 1)};
    return box;
}

// Whether any pixel of a canvas is within a small distance of a colour.
bool Shows(const Canvas& canvas, COLORREF colour)
{
    return InkBox(canvas, [colour](COLORREF pixel) { return Distance(pixel, colour) <= 8; }).right > 0;
}

// Where a picture's pixels, at 96 DPI from its top-left corner, show other than on the screen
// that `window` is on, where the bitmap is smoothed to the size it has at the screen's DPI, by
// more than `tolerance` in a channel. Each point lies where no control covers the picture.
std::string PixelsOff(HWND window, const char* bitmapFile, int tolerance, std::initializer_list<POINT> points)
{
    const GdiObject<HBITMAP> bitmap(
        static_cast<HBITMAP>(LoadImageA(nullptr, bitmapFile, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    BITMAP size{};
    GetObjectW(bitmap.get(), sizeof(size), &size);
    const Canvas scaled(Scaled(size.bmWidth), Scaled(size.bmHeight));
    DeviceContext source(scaled.dc());
    source.Select(bitmap.get());
    SetStretchBltMode(scaled.dc(), HALFTONE);
    StretchBlt(scaled.dc(), 0, 0, Scaled(size.bmWidth), Scaled(size.bmHeight), source.get(), 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
    RECT client;
    GetClientRect(window, &client);
    const Canvas shown(window, client);
    std::string off;
    for (const POINT point : points) {
        const POINT at{Scaled(point.x), Scaled(point.y)};
        if (Distance(shown(at.x, at.y), scaled(at.x, at.y)) > tolerance)
            off += std::to_string(point.x) + "," + std::to_string(point.y) + " ";
    }
    return off;
}

// The box of the window-text colour in a rectangle of a window, as "2x1 at 0,3".
std::string DarkIn(HWND window, RECT area)
{
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    return Where(InkBox(Canvas(window, area), [text](COLORREF pixel) { return pixel == text; }));
}

// The size of the box around whatever stands out from a canvas's background, `inset` pixels in
// from its edges: "15x16".
std::string InkSize(const Canvas& canvas, int inset)
{
    const COLORREF paper = canvas(inset, inset);
    const RECT box = InkBox(
        canvas, [paper](COLORREF pixel) { return Distance(pixel, paper) > 96; }, inset);
    return std::to_string(box.right - box.left) + "x" + std::to_string(box.bottom - box.top);
}

// A button's caption shows in a font when it covers the box the same text covers drawn in it:
// the sizes of both boxes.
std::pair<std::string, std::string> InkBoxes(HWND control, LOGFONTW font, int inset)
{
    RECT client;
    GetClientRect(control, &client);
    const Canvas shown(control, client), drawn(client.right, client.bottom);
    FillRect(drawn.dc(), &client, GdiObject<HBRUSH>(CreateSolidBrush(shown(inset, inset))).get());
    const GdiObject<HFONT> created(CreateFontIndirectW(&font));
    const HGDIOBJ previous = SelectObject(drawn.dc(), created.get());
    SetBkMode(drawn.dc(), TRANSPARENT);
    SetTextColor(drawn.dc(), GetSysColor(COLOR_BTNTEXT));
    DrawTextW(drawn.dc(), Widen(TextOf(control)).c_str(), -1, &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(drawn.dc(), previous);
    return {InkSize(shown, inset), InkSize(drawn, inset)};
}

// The button may paint after the picture beside it.
void ExpectFont(HWND control, LOGFONTW font, int inset)
{
    std::pair<std::string, std::string> boxes;
    EXPECT_TRUE(WaitUntil([&] {
        boxes = InkBoxes(control, font, inset);
        return boxes.first == boxes.second;
    })) << TextOf(control)
        << ": shown " << boxes.first << ", drawn " << boxes.second;
}

// Whether a window's caption shows an icon's colour, from a quarter of the way into the icon,
// where the window's small icon is drawn.
bool ShowsIcon(HWND window, const char* iconFile)
{
    const int size = GetSystemMetrics(SM_CXSMICON);
    const GdiObject<HICON> icon(
        static_cast<HICON>(LoadImageA(nullptr, iconFile, IMAGE_ICON, size, size, LR_LOADFROMFILE)));
    const Canvas drawn(size, size);
    DrawIconEx(drawn.dc(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
    RECT frame;
    GetWindowRect(window, &frame);
    return Shows(Canvas(nullptr, {frame.left, frame.top, frame.left + 2 * size, frame.top + 2 * size}),
                 drawn(size / 4, size / 4));
}

// A described font at the screen's DPI.
LOGFONTW FontAsDescribed(const ui::Font& font)
{
    LOGFONTW description{};
    description.lfHeight = -std::lround(font.points * ScreenDpi() / 72.0);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = GB2312_CHARSET;
    Widen(ui::main_window::kFontFamilies.front()).copy(description.lfFaceName, LF_FACESIZE - 1);
    return description;
}

// What a screen reader names a control, through MSAA from this process.
std::string AccessibleName(HWND control)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
        return "(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const std::string text = SUCCEEDED(accessible->get_accName(self, &name)) && name ? Narrow(name) : "";
    SysFreeString(name);
    accessible->Release();
    return text;
}

// A control as described: its caption, whether Tab stops at it, how a field takes text, and no
// button a default one.
void ExpectControl(const Program& program, const ui::Control& control)
{
    const HWND window = program.Control(std::string(control.name));
    ASSERT_TRUE(window) << control.name << " not found at " << Described(control.rect);
    EXPECT_EQ(TextOf(window), control.caption) << control.name;
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    EXPECT_EQ((style & WS_TABSTOP) != 0, control.tabStop) << control.name;
    if (control.name.front() != 't') {
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON)) << control.name;
        return;
    }
    EXPECT_EQ(style & (ES_CENTER | ES_RIGHT | ES_READONLY), static_cast<DWORD>(control.readOnly ? ES_READONLY : 0))
        << control.name;
    EXPECT_GE(SendMessageW(window, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << control.name; // a million digits fit
}

// A fraction bar in the window-text colour, about a pixel thick per 96 DPI, from the row the
// bar's twips fall on down, its ends included.
void ExpectBar(HWND picture1)
{
    using support::Pixels;
    const ui::TwipsLine bar = ui::main_window::kFractionBars[1];
    const int dpi = static_cast<int>(ScreenDpi()), thickness = std::max(1, Scaled(1));
    const int top = Pixels(bar.y1, dpi), left = Pixels(bar.x1, dpi), right = Pixels(bar.x2, dpi);
    const int middle = Pixels((bar.x1 + bar.x2) / 2, dpi);
    EXPECT_EQ(DarkIn(picture1, {middle, top - 3, middle + 1, top + 3 + thickness}),
              "1x" + std::to_string(thickness) + " at 0,3");
    EXPECT_EQ(DarkIn(picture1, {left - 2, top, right + 3, top + 1}), std::to_string(right - left + 1) + "x1 at 2,0");
}

// Points of the background, at 96 DPI, where no control covers it.
const std::initializer_list<POINT> kBackgroundPoints{{0, 0},     {4, 365},  {100, 362}, {188, 365},
                                                     {188, 200}, {188, 20}, {191, 372}};

// Tab walks the controls in their z-order, which is the described tab order, and a screen
// reader reads each field by its role and each button by its caption.
void ExpectTabOrderAndNames(const Program& program)
{
    CoInitialize(nullptr);
    for (const ui::Control& control : support::DescribedControls()) {
        const std::string_view name = control.name.front() == 't' ? control.accessibleName : control.caption;
        EXPECT_EQ(AccessibleName(program.Control(std::string(control.name))), name) << control.name;
    }
    CoUninitialize();
    std::vector<std::string> walked; // from t(1) until Tab comes back to it
    HWND at = program.Control("t1");
    do {
        const auto named = std::ranges::find(program.controls, at, &std::pair<const std::string, HWND>::second);
        walked.push_back(named == program.controls.end() ? "?" : named->first);
    } while ((at = GetNextDlgTabItem(program.form1, at, FALSE)) != program.Control("t1")
             && walked.size() <= program.controls.size());
    EXPECT_EQ(walked, support::TabOrder());
}

// The window, centred in the work area, its picture and every control as described, at the
// screen's DPI: the picture drawn scaled to fill its box, each bar as thick as the DPI asks.
TEST(MainWindow, IsAsDescribed)
{
    namespace layout = ui::main_window;
    if (const char* expected = std::getenv("VELMO_EXPECTED_DPI")) {
        ASSERT_EQ(ScreenDpi(), static_cast<UINT>(std::atoi(expected)));
    }
    Program program;
    RECT client, frame, work;
    GetClientRect(program.form1, &client);
    GetWindowRect(program.form1, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(TextOf(program.form1), layout::kCaption);
    EXPECT_EQ(Where(client), Described(layout::kClientArea));
    EXPECT_LE(std::abs(frame.left + frame.right - work.left - work.right), 1) << Where(frame);
    EXPECT_LE(std::abs(frame.top + frame.bottom - work.top - work.bottom), 1) << Where(frame);
    EXPECT_TRUE(WaitUntil([&] { return ShowsIcon(program.form1, VELMO_ASSETS_DIR "/velmo.ico"); }));
    EXPECT_EQ(Where(program.picture1, program.form1), Described(layout::kPicture));
    for (const ui::Control& control : support::DescribedControls())
        ExpectControl(program, control);
    ExpectTabOrderAndNames(program);
    std::string off;
    EXPECT_TRUE(WaitUntil([&] {
        return (off = PixelsOff(program.picture1, VELMO_ASSETS_DIR "/background.bmp", 4, kBackgroundPoints)).empty();
    })) << "the background differs at "
        << off;
    for (const auto& [name, font] :
         {std::pair{"js1", layout::kOperatorFont}, {"dy", layout::kEquals.font}, {"new", layout::kNew.font}})
        ExpectFont(program.Control(name), FontAsDescribed(font), 3);
    ExpectBar(program.picture1);
}

// Opens the About window by the keyboard alone, and waits until it is in front.
HWND OpenAbout(const Program& program)
{
    ChooseMenuItem(program, "about");
    HWND about = nullptr;
    return WaitUntil([&] { return (about = program.Window(L"VelmoForm2")) && GetForegroundWindow() == about; })
        ? about
        : nullptr;
}

// "关于" by the keyboard alone opens the About window beside the main window, as described.
TEST(AboutWindow, OpensBesideTheMainWindow)
{
    namespace layout = ui::about_window;
    Program program;
    const HWND about = OpenAbout(program);
    ASSERT_TRUE(about);
    RECT client, frame, main, work;
    GetClientRect(about, &client);
    EXPECT_EQ(Where(client), Described(layout::kClientArea));
    const HWND picture = FindWindowExW(about, nullptr, L"VelmoPictureBox", nullptr);
    EXPECT_EQ(Where(picture, about), Described(layout::kPicture));
    GetWindowRect(about, &frame);
    GetWindowRect(program.form1, &main);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // The screen has room on the main window's right.
    EXPECT_EQ(
        Where(frame),
        Where(RECT{main.right, main.top, main.right + frame.right - frame.left, main.top + frame.bottom - frame.top}));
    EXPECT_LE(frame.bottom, work.bottom);
    std::string off;
    EXPECT_TRUE(WaitUntil([&] {
        // Points on both sides of the bar's and a square's edges: the screen's smoothing and
        // the driver's differ there by up to 53, one without smoothing or a pixel off by more.
        return (off = PixelsOff(picture, VELMO_ASSETS_DIR "/about.bmp", 56,
                                {{4, 4},
                                 {130, 240},
                                 {70, 128},
                                 {37, 125},
                                 {38, 125},
                                 {70, 69},
                                 {70, 70},
                                 {70, 119},
                                 {70, 120},
                                 {70, 130}}))
            .empty();
    })) << "the picture differs at "
        << off;
    const auto labelControl = [about](const ui::Label& label) {
        return FindWindowExW(about, nullptr, L"Static", Widen(label.text).c_str());
    };
    // Each label in place, in its text colour on the window colour, which the test session's
    // scheme tells apart; the note's also behind its first line's leading spaces.
    for (const ui::Label& label : layout::kLabels) {
        EXPECT_EQ(Where(labelControl(label), about), Described(label.rect)) << label.name;
        GetClientRect(labelControl(label), &client);
        const COLORREF text
            = GetSysColor(label.paper == ui::Paper::WindowBackground ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
        // The last labels may not have painted yet when the picture has.
        EXPECT_TRUE(WaitUntil([&] { return Shows(Canvas(labelControl(label), client), text); })) << label.name;
        const Canvas shown(labelControl(label), client);
        EXPECT_EQ(shown(client.right - 2, client.bottom - 2), GetSysColor(COLOR_WINDOW)) << label.name;
        EXPECT_TRUE(label.text.front() != ' ' || shown(2, 2) == GetSysColor(COLOR_WINDOW)) << label.name;
    }
    // Chosen again while it lies behind the main window, "关于" brings that one window to the
    // front; hidden by a click (the walk clicks every part), it gives the focus back.
    RECT field;
    GetClientRect(program.Control("t7"), &field);
    ClickAt(program, program.Control("t7"), field.right / 2, field.bottom / 2);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == program.form1; }));
    EXPECT_EQ(OpenAbout(program), about);
    EXPECT_EQ(FindWindowExW(nullptr, about, L"VelmoForm2", nullptr), nullptr);
    ClickAt(program, labelControl(layout::kLabels[0]), 4, 4);
    EXPECT_TRUE(WaitUntil([&] { return program.Focus() == "t7"; })) << program.Focus();
}

// The system colours of a scheme for as long as it lives; the ones before it come back after.
class ColourScheme {
public:
    static constexpr std::array<int, 4> kElements{COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNTEXT, COLOR_BTNFACE};
    explicit ColourScheme(const std::array<COLORREF, kElements.size()>& colours)
    {
        std::ranges::transform(kElements, before_.begin(), GetSysColor);
        SetSysColors(kElements.size(), kElements.data(), colours.data());
    }
    ~ColourScheme() { SetSysColors(kElements.size(), kElements.data(), before_.data()); }
    ColourScheme(const ColourScheme&) = delete;
    ColourScheme& operator=(const ColourScheme&) = delete;

private:
    std::array<COLORREF, kElements.size()> before_{};
};

// High contrast switched on for as long as it lives, as the test builds take it (wine cannot
// switch it on), and told to every window as Windows tells them.
class HighContrast {
public:
    HighContrast()
        : atom_(GlobalAddAtomW(ui::win32::kHighContrastTestAtom))
    {
        Broadcast();
    }
    ~HighContrast()
    {
        GlobalDeleteAtom(atom_);
        Broadcast();
    }
    HighContrast(const HighContrast&) = delete;
    HighContrast& operator=(const HighContrast&) = delete;

private:
    static void Broadcast()
    {
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG, kPatienceMs,
                            nullptr);
    }
    ATOM atom_;
};

// Whether the background's points show a colour.
bool BackgroundIn(HWND picture1, COLORREF colour)
{
    RECT client;
    GetClientRect(picture1, &client);
    const Canvas shown(picture1, client);
    return std::ranges::all_of(kBackgroundPoints,
                               [&](POINT at) { return shown(Scaled(at.x), Scaled(at.y)) == colour; });
}

// High contrast switched on and off while the program runs, under a black and yellow scheme: the
// background gives way to the window colour, and the bars, the fields and the About labels are in
// the scheme's colours.
TEST(MainWindow, FollowsHighContrast)
{
    constexpr std::array<COLORREF, 4> kScheme{RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 255, 255), RGB(0, 0, 128)};
    const ColourScheme scheme(kScheme);
    Program program;
    const HWND about = OpenAbout(program);
    ASSERT_TRUE(about);
    EXPECT_TRUE(WaitUntil([&] { return !BackgroundIn(program.picture1, kScheme[0]); })) << "no background";
    std::optional<HighContrast> highContrast(std::in_place);
    EXPECT_TRUE(WaitUntil([&] { return BackgroundIn(program.picture1, kScheme[0]); }))
        << "a background in high contrast";
    ExpectBar(program.picture1);
    // A field that takes typing on the window colour, a read-only one on the button face's.
    for (const auto& [field, paper] : {std::pair{"t1", kScheme[0]}, {"t7", kScheme[3]}})
        EXPECT_EQ(Canvas(program.Control(field), {2, 2, 3, 3})(0, 0), paper) << field;
    for (const ui::Label& label : ui::about_window::kLabels) {
        const HWND control = FindWindowExW(about, nullptr, L"Static", Widen(label.text).c_str());
        RECT client;
        GetClientRect(control, &client);
        EXPECT_TRUE(WaitUntil([&] { return Shows(Canvas(control, client), kScheme[1]); })) << label.name;
        EXPECT_FALSE(Shows(Canvas(control, client), kScheme[2])) << label.name;
    }
    highContrast.reset();
    EXPECT_TRUE(WaitUntil([&] { return !BackgroundIn(program.picture1, kScheme[0]); })) << "the background back";
}

// "退出" ends the program, and so does closing the main window with the About window open.
TEST(MainWindow, EndsByExitOrClose)
{
    for (const bool byExit : {true, false}) {
        Program program;
        if (byExit) {
            ChooseMenuItem(program, "exit");
        } else {
            ChooseMenuItem(program, "about");
            ClickAt(program, program.form1, 4, 365);
            PressKey(program, "Alt+F4");
        }
        EXPECT_EQ(program.ExitCode(), 0u) << (byExit ? "退出" : "closed");
    }
}

// The menus show each item's shortcut; the keyboard's way through them is a user story's.
TEST(Menus, ShowTheirShortcuts)
{
    const HMENU bar = ui::win32::CreateMenuBar();
    std::string shown;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        for (int j = 0; j < GetMenuItemCount(GetSubMenu(bar, i)); ++j) {
            wchar_t text[64] = {};
            GetMenuStringW(GetSubMenu(bar, i), static_cast<UINT>(j), text, 64, MF_BYPOSITION);
            shown += Narrow(text) + "|";
        }
    }
    DestroyMenu(bar);
    EXPECT_EQ(shown, "新运算\tCtrl+N||退出|关于|");
}

} // namespace
