// Drives the real velmo-calc.exe from outside, as a user does, through the Win32 API: real
// key presses and clicks (SendInput, the pointer placed with SetCursorPos), the controls found by their class and their
// place at 96 DPI, the fields read with WM_GETTEXT, message boxes found by their class "#32770". Usage: velmo-driver
// <velmo-calc.exe>. Every process it starts it ends by its handle.
#include "AboutWindow.h"
#include "Dpi.h"
#include "MainWindow.h"
#include "Probe.h"
#include "UserStories.h"
#include "WideText.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using ui::win32::Narrow;
using ui::win32::Widen;
constexpr DWORD kPatienceMs = 10000; // no condition takes this long unless something is wrong
// A key no control acts on and no keyboard has, so that wine never resets it to match the X
// server's keyboard (see Program::Settle).
constexpr WORD kSettleKey = 0xE8;
// Wine's EDIT control lays out its whole line on every change: 100,000 digits take 10 s to set
// and 5 s to paste there. A paste this long is as far beyond the range as a million digits.
constexpr std::size_t kLongestPaste = 20000;

std::wstring ProgramPath;
std::vector<std::string> Problems; // of the check under way
int Passed = 0, Failed = 0;

void Expect(const std::string& what, const std::string& actual, std::string_view wanted)
{
    if (actual != wanted)
        Problems.push_back(what + ": \"" + actual + "\", wanted \"" + std::string(wanted) + "\"");
}

void Report(const std::string& check)
{
    (Problems.empty() ? Passed : Failed) += 1;
    std::printf("%s: %s\n", Problems.empty() ? "ok" : "FAIL", check.c_str());
    for (const std::string& problem : Problems)
        std::printf("    %s\n", problem.c_str());
    Problems.clear();
}

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

// A rectangle as "192x373 at 0,0"; a window's in its container, or a described one at 96 DPI.
std::string Where(RECT r, HWND container = nullptr)
{
    MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&r), container ? 2 : 0);
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + " at " + std::to_string(r.left)
        + "," + std::to_string(r.top);
}

std::string Where(HWND window, HWND container)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return Where(rect, container);
}

std::string Where(const ui::TwipsRect& rect)
{
    return Where(ui::win32::ToPixelRect(rect, ui::kStandardDpi));
}

std::vector<ui::Control> DescribedControls()
{
    namespace layout = ui::main_window;
    std::vector<ui::Control> controls(layout::kFields.begin(), layout::kFields.end());
    controls.insert(controls.end(), layout::kOperatorButtons.begin(), layout::kOperatorButtons.end());
    controls.insert(controls.end(), {layout::kEquals, layout::kNew});
    return controls;
}

INPUT Key(WORD key, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
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
        std::wstring commandLine = L"\"" + ProgramPath + L"\"";
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
        // Input goes to the foreground window, which the new window becomes a moment after it shows.
        WaitUntil([this] { return (form1 = Window(L"VelmoForm1")) && GetForegroundWindow() == form1; });
        AttachThreadInput(GetCurrentThreadId(), process_.dwThreadId, TRUE);
        Settle();
        picture1 = FindWindowExW(form1, nullptr, L"VelmoPictureBox", nullptr);
        for (const ui::Control& control : DescribedControls()) {
            const PCWSTR kind = control.name.front() == 't' ? L"Edit" : L"Button";
            for (HWND child = nullptr; (child = FindWindowExW(picture1, child, kind, nullptr));)
                if (Where(child, picture1) == Where(control.rect))
                    controls[std::string(control.name)] = child;
        }
    }
    ~Program()
    {
        UnhookWindowsHookEx(probe_);
        AttachThreadInput(GetCurrentThreadId(), process_.dwThreadId, FALSE);
        TerminateProcess(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    // The program's visible top-level window of a class.
    HWND Window(PCWSTR windowClass) const
    {
        HWND window = nullptr;
        DWORD owner = 0;
        while ((window = FindWindowExW(nullptr, window, windowClass, nullptr))
               && !(GetWindowThreadProcessId(window, &owner) && owner == process_.dwProcessId
                    && IsWindowVisible(window))) { }
        return window;
    }
    HWND Control(const std::string& name) const { return controls.count(name) ? controls.at(name) : nullptr; }
    bool Ended() const { return WaitForSingleObject(process_.hProcess, kPatienceMs) == WAIT_OBJECT_0; }
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
        std::string text = TextOf(GetDlgItem(box, 0xFFFF));
        const HWND ok = FindWindowExW(box, nullptr, L"Button", nullptr);
        if (TextOf(box) != "Velmo分数计算器" || TextOf(ok) != "确定" || FindWindowExW(box, ok, L"Button", nullptr)
            || GetDlgItem(box, 0x14)) // 0x14: a message box's icon
            text += " (not a plain message box)";
        PostMessageW(ok, BM_CLICK, 0, 0);
        WaitUntil([box] { return !IsWindow(box); });
        Settle();
        return text;
    }

    // A control's font ("face height weight charset") and, after a tab, its tooltip, as the
    // probe reads them inside the program.
    std::string Probe(HWND control)
    {
        static const HANDLE memory = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                        kProbeChars * sizeof(wchar_t), kProbeMemory);
        if (!probe_) {
            std::wstring library(MAX_PATH, L'\0');
            library.resize(GetModuleFileNameW(nullptr, library.data(), MAX_PATH));
            const HMODULE module = LoadLibraryW((library.substr(0, library.rfind(L'\\') + 1) + kProbeLibrary).c_str());
            const auto hook = reinterpret_cast<void (*)()>(GetProcAddress(module, "ProbeHook"));
            probe_ = SetWindowsHookExW(WH_CALLWNDPROC, reinterpret_cast<HOOKPROC>(hook), module, process_.dwThreadId);
        }
        auto* shown = static_cast<wchar_t*>(MapViewOfFile(memory, FILE_MAP_ALL_ACCESS, 0, 0, 0));
        shown[0] = L'\0';
        SendMessageW(control, RegisterWindowMessageW(kProbeMessage), 0, 0);
        const std::string text = Narrow(shown);
        UnmapViewOfFile(shown);
        return text;
    }

    HWND form1 = nullptr;
    HWND picture1 = nullptr;
    std::map<std::string, HWND> controls;

private:
    PROCESS_INFORMATION process_{};
    HHOOK probe_ = nullptr;
};

// "Ctrl+N", "Backspace", "F10", "Enter" (on the keypad)...
void PressKey(const Program& program, std::string key)
{
    // clang-format off
    static const std::map<std::string, WORD> kNamed{{"Backspace", VK_BACK}, {"Return", VK_RETURN}, {"Enter", VK_RETURN},
        {"Escape", VK_ESCAPE}, {"Tab", VK_TAB}, {"F10", VK_F10}, {"Left", VK_LEFT}, {"Right", VK_RIGHT},
        {"Down", VK_DOWN}, {"Delete", VK_DELETE}, {"Home", VK_HOME}};
    // clang-format on
    const bool ctrl = key.rfind("Ctrl+", 0) == 0;
    key.erase(0, ctrl ? 5 : 0);
    const WORD code = kNamed.count(key) ? kNamed.at(key) : WORD(key.front());
    // The keypad's Enter, the arrows and the editing keys are extended keys.
    const DWORD flags = key == "Enter" || (code >= VK_PRIOR && code <= VK_DELETE) ? KEYEVENTF_EXTENDEDKEY : 0;
    std::vector<INPUT> inputs{Key(code, flags), Key(code, flags | KEYEVENTF_KEYUP)};
    if (ctrl) {
        inputs.insert(inputs.begin(), Key(VK_CONTROL, 0));
        inputs.push_back(Key(VK_CONTROL, KEYEVENTF_KEYUP));
    }
    Send(inputs);
    program.Settle();
}

// Two clicks close together in place and time would make a double click, which a field takes
// as selecting a word; a click near the last one moves a little to the left instead.
void ClickAt(const Program& program, HWND window, int x, int y)
{
    static POINT last{};
    POINT at{x, y};
    ClientToScreen(window, &at);
    const int nearby = GetSystemMetrics(SM_CXDOUBLECLK);
    if (std::abs(at.x - last.x) <= nearby && std::abs(at.y - last.y) <= nearby)
        at.x -= 2 * nearby;
    last = at;
    // The pointer moves through the X server, which may report an earlier place late: the
    // button goes down only once the pointer is where it was sent and the program has seen it.
    SetCursorPos(at.x, at.y);
    program.Settle();
    WaitUntil([at] {
        POINT now;
        return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
    });
    INPUT button[2]{};
    button[0].type = button[1].type = INPUT_MOUSE;
    button[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    button[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send({button[0], button[1]});
    program.Settle();
}

void ClickCentre(const Program& program, HWND window, const RECT& r)
{
    ClickAt(program, window, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Latin-1 text is typed on the keyboard, each character as the key (and Shift) that makes it;
// other text comes from an input method, one character at a time.
void Type(HWND field, const std::wstring& text)
{
    const bool latin1 = std::all_of(text.begin(), text.end(), [](wchar_t c) { return c <= 0xFF; });
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        if (!latin1) {
            PostMessageW(field, WM_IME_CHAR, c, 1);
            continue;
        }
        const SHORT key = VkKeyScanW(c);
        const bool shift = (key >> 8) & 1;
        if (shift)
            inputs.push_back(Key(VK_SHIFT, 0));
        inputs.push_back(Key(LOBYTE(key), 0));
        inputs.push_back(Key(LOBYTE(key), KEYEVENTF_KEYUP));
        if (shift)
            inputs.push_back(Key(VK_SHIFT, KEYEVENTF_KEYUP));
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

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0, end = 0; start <= text.size(); start = end + 1) {
        end = std::min(text.find(separator, start), text.size());
        parts.emplace_back(text.substr(start, end - start));
    }
    return parts;
}

// One step of a user story's script (UserStories.h); returns the message it brought up, if any.
std::string Perform(const Program& program, const std::string& step)
{
    const std::vector<std::string> parts = Split(step, ':');
    if (parts[0] == "key") {
        PressKey(program, parts[1]);
    } else if (parts[0] == "paste") {
        const std::vector<std::string> repeat = Split(parts[2], '*');
        const std::size_t length = repeat.size() == 1 ? 0 : std::min<std::size_t>(std::stoul(repeat[1]), kLongestPaste);
        const std::wstring text = Widen(repeat[0]);
        Paste(program.Control("t" + parts[1]), length ? std::wstring(length, text[0]) : text);
    } else if (parts.size() == 2) {
        const HWND field = program.Control("t" + parts[0]);
        RECT box;
        GetClientRect(field, &box);
        if (program.Focus() != "t" + parts[0]) // a click at the right end leaves the caret after the text
            ClickAt(program, field, box.right - 3, box.bottom / 2);
        WaitUntil([&] { return program.Focus() == "t" + parts[0]; });
        Type(field, Widen(parts[1]));
    } else {
        PostMessageW(program.Control(step), BM_CLICK, 0, 0);
    }
    return program.AnswerMessage();
}

void ReplayStory(const support::UserStory& story)
{
    Program program;
    std::string messages, fields;
    for (const std::string& step : Split(story.script, ';'))
        if (const std::string message = Perform(program, step); !message.empty())
            messages += (messages.empty() ? "" : "|") + message;
    for (int i = 1; i <= 10; ++i)
        fields += (i == 1 ? "" : ",") + TextOf(program.Control("t" + std::to_string(i)));
    Expect("messages", messages, story.messages);
    Expect("fields", fields, story.fields);
    Expect("focus", program.Focus(), story.focus);
    for (int i = 7; i <= 10; ++i) {
        const HWND field = program.Control("t" + std::to_string(i));
        Expect("tooltip of t" + std::to_string(i), Split(program.Probe(field), '\t').back(), story.tooltip);
        Expect("caret in t" + std::to_string(i), std::to_string(LOWORD(SendMessageW(field, EM_GETSEL, 0, 0))), "0");
    }
    Report(std::string(story.name));
}

// The window, its picture and every control as described, each control in its font.
void CheckMainWindow()
{
    namespace layout = ui::main_window;
    Program program;
    RECT client;
    GetClientRect(program.form1, &client);
    Expect("caption", TextOf(program.form1), layout::kCaption);
    Expect("client area", Where(client), Where(layout::kClientArea));
    Expect("Picture1", Where(program.picture1, program.form1), Where(layout::kPicture));
    Expect("focus at the start", program.Focus(), "t1");
    for (const ui::Control& control : DescribedControls()) {
        const std::string name(control.name);
        const HWND window = program.Control(name);
        Expect(name + " found at " + Where(control.rect), window ? "yes" : "no", "yes");
        Expect(name + " caption", window ? TextOf(window) : "", control.caption);
        Expect(name + " font", window ? Split(program.Probe(window), '\t').front() : "",
               "宋体 " + std::to_string(ui::win32::FontHeight(control.font, ui::kStandardDpi))
                   + (control.font.bold ? " 700 " : " 400 ") + std::to_string(GB2312_CHARSET));
    }
    Report("the main window as described");
}

// The menus by the keyboard alone: F10, then arrows to the item, then Enter. The main window
// comes to the front first: the About window, centred too, may cover any part a click reaches.
void ChooseFromMenu(const Program& program, const char* keys)
{
    SetForegroundWindow(program.form1);
    WaitUntil([&program] { return GetForegroundWindow() == program.form1; });
    for (const std::string& key : Split(std::string("F10 ") + keys + " Return", ' '))
        PressKey(program, key);
}

// 帮助 > 关于; returns the About window once it is in front, where the program puts it.
HWND OpenAbout(const Program& program)
{
    ChooseFromMenu(program, "Right Down");
    HWND about = nullptr;
    WaitUntil([&] { return (about = program.Window(L"VelmoForm2")) && GetForegroundWindow() == about; });
    return about;
}

// 关于 is chosen in ClickTheAboutWindow.
void UseTheMenus()
{
    Program program;
    Perform(program, "1:5");
    ChooseFromMenu(program, "Down");
    Expect("t1 after 功能 > 新运算", TextOf(program.Control("t1")), "");
    ChooseFromMenu(program, "Down Down");
    Expect("功能 > 退出", program.Ended() ? "ended" : "running", "ended");
    Report("the menus by the keyboard");
}

// A click hides the About window, except on Label5 and Label6; closing the main window then
// ends the program, the About window open.
void ClickTheAboutWindow()
{
    namespace layout = ui::about_window;
    Program program;
    const ui::Label picture{"Picture1", "", layout::kPicture};
    for (const ui::Label& part : {layout::kLabels[0], picture, layout::kLabels[5]}) { // Label3, Picture1, Label5
        const HWND about = OpenAbout(program);
        ClickCentre(program, about, ui::win32::ToPixelRect(part.rect, ui::kStandardDpi));
        Expect("a click on " + std::string(part.name), IsWindowVisible(about) ? "open" : "hidden",
               part.clickHides ? "hidden" : "open");
    }
    PostMessageW(program.form1, WM_CLOSE, 0, 0);
    Expect("closing the main window", program.Ended() ? "ended" : "running", "ended");
    Report("the About window's clicks, and closing");
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmo-driver <velmo-calc.exe>\n");
        return 2;
    }
    ProgramPath = argv[1];
    if (ProgramPath.front() == L'/') // a path on the host, as CTest passes it
        ProgramPath = L"Z:" + ProgramPath;
    std::replace(ProgramPath.begin(), ProgramPath.end(), L'/', L'\\');
    CheckMainWindow();
    for (const support::UserStory& story : support::kUserStories)
        ReplayStory(story);
    UseTheMenus();
    ClickTheAboutWindow();
    std::printf("%d passed, %d failed\n", Passed, Failed);
    return Failed == 0 ? 0 : 1;
}
