// Drives the real velmo-calc.exe from outside, as a user does, through the Win32 API: real
// key presses and clicks (SendInput), the controls found by their class and their place at
// 96 DPI, the fields read with WM_GETTEXT, message boxes found by their class "#32770".
// Usage: velmo-driver <velmo-calc.exe>. Every process it starts it ends by its handle.
#include "AboutWindow.h"
#include "MainWindow.h"
#include "MemoryFieldSet.h"
#include "UserStories.h"
#include "WideText.h"

#include <commctrl.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using ui::win32::Narrow;
using ui::win32::Widen;
constexpr DWORD kPatienceMs = 10000; // no condition takes this long unless something is wrong
constexpr WORD kSettleKey = 0xE8;
// Wine's EDIT control lays out its whole line on every change: 100,000 digits take 10 s to set
// and 5 s to paste there. A paste this long is as far beyond the range as a million digits.
constexpr std::size_t kLongestPaste = 20000;

std::wstring ProgramPath;
int Passed = 0, Failed = 0;

bool WaitUntil(const std::function<bool()>& condition)
{
    for (const DWORD start = GetTickCount(); !condition(); Sleep(10)) {
        if (GetTickCount() - start > kPatienceMs)
            return false;
    }
    return true;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::string TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return Narrow(text);
}

RECT RectIn(HWND window, HWND container)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT Key(WORD key, bool up, bool extended = false)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

// One running calculator, its controls named as the description names them.
class Program {
public:
    Program()
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + ProgramPath + L"\"";
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_))
            return;
        WaitUntil([this] { return (form1 = TopLevel(L"VelmoForm1")) && IsWindowVisible(form1); });
        AttachThreadInput(GetCurrentThreadId(), process_.dwThreadId, TRUE);
        Settle();
        EnumChildWindows(form1, Collect, reinterpret_cast<LPARAM>(this));
        namespace layout = ui::main_window;
        for (const ui::Control& control : layout::kFields)
            Find(control, L"Edit");
        for (const ui::Control& control : layout::kOperatorButtons)
            Find(control, L"Button");
        Find(layout::kEquals, L"Button");
        Find(layout::kNew, L"Button");
    }
    ~Program()
    {
        AttachThreadInput(GetCurrentThreadId(), process_.dwThreadId, FALSE);
        TerminateProcess(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    HWND TopLevel(PCWSTR windowClass) const
    {
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, windowClass, nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process_.dwProcessId && IsWindowVisible(window))
                return window;
        }
        return nullptr;
    }
    // Until the program has taken every input sent so far and waits for more.
    void Settle() const;
    bool Ended() const { return WaitForSingleObject(process_.hProcess, kPatienceMs) == WAIT_OBJECT_0; }
    HWND Focus() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(process_.dwThreadId, &info);
        return info.hwndFocus;
    }
    std::string NameOf(HWND window) const
    {
        for (const auto& [name, control] : controls)
            if (control == window)
                return name;
        return "?";
    }
    // The tooltip text of a field, read through memory the program lends for it.
    std::string Tooltip(HWND field) const;
    // Answers a message box if one shows: its text, or "" when none.
    std::string AnswerMessage() const;

    HWND form1 = nullptr;
    HWND picture1 = nullptr;
    std::map<std::string, HWND> controls;
    std::vector<std::string> problems; // what did not look as described

private:
    static BOOL CALLBACK Collect(HWND child, LPARAM self)
    {
        reinterpret_cast<Program*>(self)->children_.push_back(child);
        if (ClassOf(child) == L"VelmoPictureBox")
            reinterpret_cast<Program*>(self)->picture1 = child;
        return TRUE;
    }
    // A described control is the one of its class at its place on Picture1, at 96 DPI.
    void Find(const ui::Control& control, const std::wstring& windowClass)
    {
        const RECT want{ui::ToPixels(control.rect.left), ui::ToPixels(control.rect.top),
                        ui::ToPixels(control.rect.left + control.rect.width),
                        ui::ToPixels(control.rect.top + control.rect.height)};
        for (HWND child : children_) {
            const RECT rect = RectIn(child, picture1);
            if (ClassOf(child) == windowClass && EqualRect(&rect, &want)) {
                controls[std::string(control.name)] = child;
                if (TextOf(child) != control.caption)
                    problems.push_back(std::string(control.name) + " reads " + TextOf(child));
                return;
            }
        }
        problems.push_back(std::string(control.name) + " is not where it is described");
    }

    PROCESS_INFORMATION process_{};
    std::vector<HWND> children_;
};

// The program has taken every input sent so far once it takes a key sent after them: the
// driver shares the program's keyboard state, which changes as the program takes a key.
// (WaitForInputIdle returns at once under wine.) The key is one no control acts on and no
// keyboard has, so that wine never resets it to match the X server's keyboard.
void Program::Settle() const
{
    for (const bool down : {true, false}) {
        Send({Key(kSettleKey, !down)});
        WaitUntil([down] { return (GetKeyState(kSettleKey) < 0) == down; });
    }
}

std::string Program::Tooltip(HWND field) const
{
    HWND tooltip = TopLevel(TOOLTIPS_CLASSW);
    for (HWND window = nullptr; !tooltip && (window = FindWindowExW(nullptr, window, TOOLTIPS_CLASSW, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        tooltip = owner == process_.dwProcessId ? window : nullptr;
    }
    constexpr std::size_t kChars = 4096;
    void* lent = VirtualAllocEx(process_.hProcess, nullptr, sizeof(TOOLINFOW) + kChars * sizeof(wchar_t),
                                MEM_COMMIT, PAGE_READWRITE);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = GetParent(field);
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = reinterpret_cast<LPWSTR>(static_cast<char*>(lent) + sizeof(TOOLINFOW));
    std::wstring text(kChars, L'\0');
    WriteProcessMemory(process_.hProcess, lent, &tool, sizeof(tool), nullptr);
    WriteProcessMemory(process_.hProcess, tool.lpszText, text.data(), sizeof(wchar_t), nullptr);
    SendMessageW(tooltip, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(lent));
    ReadProcessMemory(process_.hProcess, tool.lpszText, text.data(), kChars * sizeof(wchar_t), nullptr);
    VirtualFreeEx(process_.hProcess, lent, 0, MEM_RELEASE);
    return Narrow(text.c_str());
}

std::string Program::AnswerMessage() const
{
    Settle();
    const HWND box = TopLevel(L"#32770");
    if (!box)
        return "";
    std::string text = TextOf(GetDlgItem(box, 0xFFFF));
    const HWND ok = FindWindowExW(box, nullptr, L"Button", nullptr);
    if (TextOf(box) != "Velmo分数计算器" || TextOf(ok) != "确定" || FindWindowExW(box, ok, L"Button", nullptr)
        || GetDlgItem(box, 0x14))
        text += " (not a plain message box)";
    PostMessageW(ok, BM_CLICK, 0, 0);
    WaitUntil([box] { return !IsWindow(box); });
    Settle();
    return text;
}

// "Ctrl+N", "Shift+Tab", "Backspace", "F10", "Enter" (on the keypad)...
void PressKeys(const std::string& keys)
{
    static const std::map<std::string, std::pair<WORD, bool>> kNamed{
        {"Backspace", {VK_BACK, false}}, {"Return", {VK_RETURN, false}}, {"Enter", {VK_RETURN, true}},
        {"Escape", {VK_ESCAPE, false}},  {"Tab", {VK_TAB, false}},       {"Left", {VK_LEFT, true}},
        {"Right", {VK_RIGHT, true}},     {"Down", {VK_DOWN, true}},      {"Delete", {VK_DELETE, true}},
        {"Home", {VK_HOME, true}},       {"F10", {VK_F10, false}},       {"Space", {VK_SPACE, false}}};
    std::vector<WORD> modifiers;
    std::string key = keys;
    for (const auto& [prefix, modifier] : {std::pair{"Ctrl+", VK_CONTROL}, std::pair{"Shift+", VK_SHIFT}}) {
        if (key.rfind(prefix, 0) == 0) {
            modifiers.push_back(static_cast<WORD>(modifier));
            key.erase(0, std::string(prefix).size());
        }
    }
    const auto named = kNamed.find(key);
    const auto [code, extended] = named != kNamed.end() ? named->second : std::pair{WORD(key.front()), false};
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(Key(modifier, false));
    inputs.push_back(Key(code, false, extended));
    inputs.push_back(Key(code, true, extended));
    for (WORD modifier : modifiers)
        inputs.push_back(Key(modifier, true));
    Send(inputs);
}

void Type(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        for (bool up : {false, true}) {
            INPUT input{};
    input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    Send(inputs);
}

// Two clicks close together in place and time would make a double click, which a field takes
// as selecting a word; a second click moves a little to the left instead.
void ClickAt(HWND window, int x, int y)
{
    static POINT last{-100, -100};
    POINT at{x, y};
    ClientToScreen(window, &at);
    if (std::abs(at.x - last.x) <= GetSystemMetrics(SM_CXDOUBLECLK) && std::abs(at.y - last.y) <= GetSystemMetrics(SM_CYDOUBLECLK))
        at.x -= 2 * GetSystemMetrics(SM_CXDOUBLECLK);
    last = at;
    INPUT move{};
    move.mi.dx = at.x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1;
    move.mi.dy = at.y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down{}, up{};
    move.type = down.type = up.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send({move, down, up});
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

// Runs one step of a user story's script; returns the message it brought up, if any.
std::string Perform(const Program& program, const std::string& step)
{
    const std::vector<std::string> parts = Split(step, ':');
    if (parts[0] == "key") {
        PressKeys(parts[1]);
    } else if (parts[0] == "paste") {
        const std::vector<std::string> repeat = Split(parts[2], '*');
        std::wstring text = Widen(repeat[0]);
        if (repeat.size() == 2)
            text = std::wstring(std::min<std::size_t>(std::stoul(repeat[1]), kLongestPaste), text[0]);
        Paste(program.controls.at("t" + parts[1]), text);
    } else if (parts.size() == 2) {
        const HWND field = program.controls.at("t" + parts[0]);
        if (program.Focus() != field) { // a click at the right end leaves the caret after the text
            RECT box;
            GetClientRect(field, &box);
            ClickAt(field, box.right - 3, box.bottom / 2);
            program.Settle();
        }
        const std::wstring text = Widen(parts[1]);
        if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c <= 0xFF; }))
            Type(text);
        else // text beyond Latin-1 comes from an input method, one character at a time
            for (wchar_t c : text)
                PostMessageW(field, WM_IME_CHAR, c, 1);
    } else {
        PostMessageW(program.controls.at(step), BM_CLICK, 0, 0);
    }
    return program.AnswerMessage();
}

std::string Join(char separator, const std::vector<std::string>& parts)
{
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i)
        joined += (i ? std::string(1, separator) : "") + parts[i];
    return joined;
}

void Report(const std::string& name, const std::vector<std::string>& problems)
{
    (problems.empty() ? Passed : Failed) += 1;
    std::printf("%s: %s\n", problems.empty() ? "ok" : "FAIL", name.c_str());
    for (const std::string& problem : problems)
        std::printf("    %s\n", problem.c_str());
}

void Expect(std::vector<std::string>& problems, const std::string& what, const std::string& actual,
            std::string_view wanted)
{
    if (actual != wanted)
        problems.push_back(what + ": \"" + actual + "\", wanted \"" + std::string(wanted) + "\"");
}

void ReplayStory(const support::UserStory& story)
{
    Program program;
    std::vector<std::string> messages;
    for (const std::string& step : Split(story.script, ';'))
        if (std::string message = Perform(program, step); !message.empty())
            messages.push_back(message);
    program.Settle();
    std::vector<std::string> fields;
    for (int i = 1; i <= 10; ++i)
        fields.push_back(TextOf(program.controls.at("t" + std::to_string(i))));
    std::vector<std::string> problems = program.problems;
    Expect(problems, "messages", Join('|', messages), story.messages);
    Expect(problems, "fields", Join(',', fields), story.fields);
    Expect(problems, "focus", program.NameOf(program.Focus()), story.focus);
    for (int i = 7; i <= 10; ++i) {
        const HWND field = program.controls.at("t" + std::to_string(i));
        Expect(problems, "tooltip of t" + std::to_string(i), program.Tooltip(field), story.tooltip);
        if (LOWORD(SendMessageW(field, EM_GETSEL, 0, 0)) != 0)
            problems.push_back("t" + std::to_string(i) + " does not show its leading digits");
    }
    Report(std::string(story.name), problems);
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
    for (const support::UserStory& story : support::kUserStories)
        ReplayStory(story);
    std::printf("%d passed, %d failed\n", Passed, Failed);
    return Failed == 0 ? 0 : 1;
}
