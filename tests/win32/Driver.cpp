// Drives the real velmo-calc.exe from outside, as a user does, through the Win32 API: real
// key presses and clicks (SendInput), the controls found by their class and their place at
// 96 DPI, the fields read with WM_GETTEXT, message boxes found by their class "#32770".
// Usage: velmo-driver <velmo-calc.exe>. Every process it starts it ends by its handle.
#include "AboutWindow.h"
#include "Dpi.h"
#include "Evaluate.h"
#include "FontProbe.h"
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
#include <tuple>
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
        if (probe_)
            UnhookWindowsHookEx(probe_);
        if (probeMemory_)
            CloseHandle(probeMemory_);
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
    // The font a control draws with, as it answers WM_GETFONT inside the program.
    LOGFONTW FontOf(HWND control);

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
    HHOOK probe_ = nullptr;
    HANDLE probeMemory_ = nullptr;
};

LOGFONTW Program::FontOf(HWND control)
{
    if (!probe_) {
        probeMemory_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LOGFONTW),
                                          kProbeMemory);
        std::wstring library(MAX_PATH, L'\0');
        library.resize(GetModuleFileNameW(nullptr, library.data(), MAX_PATH));
        library = library.substr(0, library.rfind(L'\\') + 1) + kProbeLibrary;
        const HMODULE module = LoadLibraryW(library.c_str());
        const auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(module, "ProbeHook")));
        probe_ = SetWindowsHookExW(WH_CALLWNDPROC, hook, module, process_.dwThreadId);
    }
    LOGFONTW font{};
    void* view = MapViewOfFile(probeMemory_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(font));
    ZeroMemory(view, sizeof(font));
    SendMessageW(control, RegisterWindowMessageW(kProbeMessage), 0, 0);
    CopyMemory(&font, view, sizeof(font));
    UnmapViewOfFile(view);
    return font;
}

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

std::string SizeOf(const RECT& rect)
{
    return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// The window, its picture and every control as described, each control in its font.
void CheckMainWindow()
{
    namespace layout = ui::main_window;
    Program program;
    std::vector<std::string> problems = program.problems;
    Expect(problems, "caption", TextOf(program.form1), layout::kCaption);
    RECT client;
    GetClientRect(program.form1, &client);
    Expect(problems, "client area", SizeOf(client), SizeOf(ui::win32::ToPixelRect(layout::kClientArea, 96)));
    Expect(problems, "Picture1", SizeOf(RectIn(program.picture1, program.form1)),
           SizeOf(ui::win32::ToPixelRect(layout::kPicture, 96)));
    Expect(problems, "focus at the start", program.NameOf(program.Focus()), "t1");
    std::vector<ui::Control> controls(layout::kFields.begin(), layout::kFields.end());
    controls.insert(controls.end(), layout::kOperatorButtons.begin(), layout::kOperatorButtons.end());
    controls.insert(controls.end(), {layout::kEquals, layout::kNew});
    for (const ui::Control& control : controls) {
        const LOGFONTW font = program.FontOf(program.controls[std::string(control.name)]);
        const std::string shown = Narrow(font.lfFaceName) + " " + std::to_string(font.lfHeight) + " "
            + std::to_string(font.lfWeight) + " " + std::to_string(font.lfCharSet);
        const std::string described = "宋体 " + std::to_string(ui::win32::FontHeight(control.font, 96)) + " "
            + (control.font.bold ? "700 " : "400 ") + std::to_string(GB2312_CHARSET);
        Expect(problems, "font of " + std::string(control.name), shown, described);
    }
    Report("the main window as described", problems);
}

// Each of a few hundred random calculations, typed in and worked out by the program, against the
// engine worked out apart on fields held in memory: the program's fields, or its one message.
void CompareWithTheEngine()
{
    Program program;
    std::mt19937 random(7122026);
    const auto operand = [&random] {
        const int length = std::uniform_int_distribution<int>(0, 5)(random);
        std::string digits;
        for (int i = 0; i < length; ++i)
            digits += static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
        return digits;
    };
    std::vector<std::string> problems;
    for (int round = 0; round < 300 && problems.empty(); ++round) {
        support::MemoryFieldSet reference; // holding what the program holds, an earlier result included
        for (int i = 7; i <= 10; ++i)
            reference.set(i, TextOf(program.controls.at("t" + std::to_string(i))));
        std::string operands;
        for (int i = 1; i <= 6; ++i) {
            const std::string text = operand();
            reference.set(i, text);
            SendMessageW(program.controls.at("t" + std::to_string(i)), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(Widen(text).c_str()));
            operands += text + " ";
        }
        const std::size_t button = std::uniform_int_distribution<std::size_t>(0, 3)(random);
        SendMessageW(program.controls.at("js" + std::to_string(button + 1)), BM_CLICK, 0, 0);
        engine::CalcState state;
        state.OpCode = static_cast<std::int16_t>(button + 1);
        engine::Evaluate(state, reference);
        PostMessageW(program.controls.at("dy"), BM_CLICK, 0, 0);
        const std::string message = program.AnswerMessage();
        Expect(problems, operands + "js" + std::to_string(button + 1) + ": message", message,
               reference.messages.empty() ? "" : reference.messages.front());
        for (int i = 1; i <= 10; ++i)
            Expect(problems, operands + "t" + std::to_string(i), TextOf(program.controls.at("t" + std::to_string(i))),
                   reference.read(i));
    }
    Report("300 random calculations as the engine works them out", problems);
}

void Keys(const Program& program, const std::string& keys)
{
    for (const std::string& key : Split(keys, ' ')) {
        PressKeys(key);
        program.Settle();
    }
}

// The About window, centred too, may cover any part of the main window a click could reach.
void MainWindowToFront(const Program& program)
{
    SetForegroundWindow(program.form1);
    WaitUntil([&program] { return GetForegroundWindow() == program.form1; });
    program.Settle();
}

void OpenAbout(const Program& program)
{
    MainWindowToFront(program);
    Keys(program, "F10 Right Down Return");
}

// The menus by the keyboard alone: 新运算 clears, 关于 shows the About window, 退出 ends.
void UseTheMenus()
{
    Program program;
    std::vector<std::string> problems;
    Perform(program, "1:5");
    Keys(program, "F10 Down Return");
    Expect(problems, "t1 after 功能 > 新运算", TextOf(program.controls.at("t1")), "");
    OpenAbout(program);
    if (!program.TopLevel(L"VelmoForm2"))
        problems.push_back("帮助 > 关于 shows no About window");
    MainWindowToFront(program);
    Keys(program, "F10 Down Down Return");
    if (!program.Ended())
        problems.push_back("功能 > 退出 leaves the program running");
    Report("the menus by the keyboard", problems);
}

// The About window as described; a click hides it, except on Label5 and Label6.
void ClickTheAboutWindow()
{
    namespace layout = ui::about_window;
    Program program;
    std::vector<std::string> problems;
    std::vector<std::tuple<std::string, ui::TwipsRect, bool>> parts{{"the window", {0, 0, 60, 60}, true},
                                                                    {"Picture1", layout::kPicture, true}};
    for (const ui::Label& label : layout::kLabels)
        parts.emplace_back(label.name, label.rect, label.clickHides);
    for (const auto& [name, rect, hides] : parts) {
        OpenAbout(program);
        const HWND about = program.TopLevel(L"VelmoForm2");
        RECT client;
        GetClientRect(about, &client);
        Expect(problems, "About window", SizeOf(client), SizeOf(ui::win32::ToPixelRect(layout::kClientArea, 96)));
        const RECT at = ui::win32::ToPixelRect(rect, 96);
        const HWND part = ChildWindowFromPointEx(about, {(at.left + at.right) / 2, (at.top + at.bottom) / 2}, CWP_ALL);
        const auto label = std::find_if(layout::kLabels.begin(), layout::kLabels.end(),
                                        [&name](const ui::Label& l) { return l.name == name; });
        if (label != layout::kLabels.end()) {
            const RECT shown = RectIn(part, about);
            Expect(problems, name + " text", TextOf(part), label->text);
            Expect(problems, name + " place", SizeOf(shown) + "@" + std::to_string(shown.left) + "," + std::to_string(shown.top),
                   SizeOf(at) + "@" + std::to_string(at.left) + "," + std::to_string(at.top));
        }
        ClickAt(about, (at.left + at.right) / 2, (at.top + at.bottom) / 2);
        program.Settle();
        if ((IsWindowVisible(about) == FALSE) != hides)
            problems.push_back("a click on " + name + (hides ? " leaves the window open" : " hides the window"));
    }
    Report("clicks in the About window", problems);
}

// The About window has no owner; left open, it would keep the program running.
void CloseWithTheAboutWindowOpen()
{
    Program program;
    OpenAbout(program);
    PostMessageW(program.form1, WM_CLOSE, 0, 0);
    Report("closing the main window ends the program, the About window open",
           program.Ended() ? std::vector<std::string>{} : std::vector<std::string>{"the program is still running"});
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
    CompareWithTheEngine();
    UseTheMenus();
    ClickTheAboutWindow();
    CloseWithTheAboutWindowOpen();
    std::printf("%d passed, %d failed\n", Passed, Failed);
    return Failed == 0 ? 0 : 1;
}
