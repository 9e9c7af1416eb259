#include "Form1.h"

#include "DigitFilter.h"
#include "Dpi.h"
#include "MainWindow.h"
#include "Resources.h"
#include "WideText.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace ui::win32 {

namespace {

namespace layout = main_window;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Control and command identifiers: each field, each operator button, "＝", "新运算", each command.
constexpr int kFirstFieldId = 1000;
constexpr int kFirstOperatorId = 1100;
constexpr int kEqualsId = 1200;
constexpr int kNewId = 1201;
constexpr int kFirstCommandId = 1300;

constexpr int CommandId(Command command)
{
    return kFirstCommandId + static_cast<int>(command);
}

// Long enough to read the working.
constexpr int kTooltipShowMilliseconds = 30000;
constexpr int kTooltipMaxWidth = 600;

std::wstring MenuText(const MenuItem& item)
{
    std::wstring text = Widen(item.caption);
    if (item.ctrlShortcut != '\0')
        text += L"\tCtrl+" + std::wstring(1, static_cast<wchar_t>(item.ctrlShortcut));
    return text;
}

HMENU CreateMenuBar()
{
    const HMENU bar = CreateMenu();
    for (const Menu& menu : layout::kMenus) {
        const HMENU popup = CreatePopupMenu();
        for (const MenuItem& item : menu.items) {
            if (item.isSeparator())
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            else
                AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(CommandId(item.command)), MenuText(item).c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(menu.caption).c_str());
    }
    return bar;
}

HACCEL CreateAccelerators()
{
    std::vector<ACCEL> table;
    for (const Menu& menu : layout::kMenus) {
        for (const MenuItem& item : menu.items) {
            if (item.ctrlShortcut != '\0')
                table.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(item.ctrlShortcut),
                                 static_cast<WORD>(CommandId(item.command))});
        }
    }
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

HFONT CreateControlFont(const Font& font, UINT dpi)
{
    LOGFONTW description{};
    description.lfHeight = FontHeight(font, dpi);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = GB2312_CHARSET;
    const std::wstring face = Widen(layout::kFontFamilies.front());
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

bool IsButton(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring_view(name) == L"Button";
}

bool IsFieldId(int id)
{
    return id >= kFirstFieldId && id < kFirstFieldId + engine::field::kCount;
}

// Every field and button with its identifier, in tab order.
std::vector<std::pair<const Control*, int>> InTabOrder()
{
    std::vector<std::pair<const Control*, int>> controls;
    for (std::size_t i = 0; i < layout::kFields.size(); ++i)
        controls.emplace_back(&layout::kFields[i], kFirstFieldId + static_cast<int>(i));
    for (std::size_t i = 0; i < layout::kOperatorButtons.size(); ++i)
        controls.emplace_back(&layout::kOperatorButtons[i], kFirstOperatorId + static_cast<int>(i));
    controls.emplace_back(&layout::kEquals, kEqualsId);
    controls.emplace_back(&layout::kNew, kNewId);
    std::stable_sort(controls.begin(), controls.end(),
                     [](const auto& a, const auto& b) { return a.first->tabIndex < b.first->tabIndex; });
    return controls;
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance)
    , fields_(t_)
    , form2_(instance)
{
}

Form1::~Form1()
{
    if (accelerators_)
        DestroyAcceleratorTable(accelerators_);
}

bool Form1::Create()
{
    accelerators_ = CreateAccelerators();
    return BaseWindow::Create(instance_, Widen(layout::kCaption).c_str(), kStyle, 0, {}, nullptr, CreateMenuBar());
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls();
        LayOut(WindowDpi(Window()));
        return 0;
    case WM_DPICHANGED: {
        LayOut(HIWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(Window(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && IsChild(Window(), GetFocus()))
            focus_ = GetFocus();
        break;
    case WM_SETFOCUS: SetFocus(focus_); return 0;
    case WM_DESTROY:
        // The About window has no owner: left open, it would keep the program running.
        form2_.Destroy();
        PostQuitMessage(0);
        return 0;
    default: break;
    }
    return DefWindowProcW(Window(), message, wParam, lParam);
}

// Created in tab order: the dialog manager's Tab, a screen reader's object navigation and its
// labels all follow the order the controls were created in.
void Form1::CreateControls()
{
    background_ = GdiObject<HBITMAP>(static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(VELMO_BACKGROUND), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    picture1_.Create(instance_, Window(), background_.get());
    for (const auto& [control, id] : InTabOrder()) {
        if (IsFieldId(id))
            CreateField(*control, id - kFirstFieldId);
        else
            CreateControl(*control, L"BUTTON", BS_PUSHBUTTON, 0, id);
    }
    focus_ = t_[engine::field::kWholeA];
}

void Form1::CreateField(const Control& control, int index)
{
    // A screen reader names a field after the label just before it, shown or not.
    // The label lives as long as its parent, like every child window.
    static_cast<void>(CreateWindowExW(0, L"STATIC", Widen(control.accessibleName).c_str(), WS_CHILD | SS_NOPREFIX, 0, 0,
                                      0, 0, picture1_.Window(), nullptr, instance_, nullptr));
    const DWORD style = ES_LEFT | ES_AUTOHSCROLL | (control.readOnly ? ES_READONLY : 0);
    const HWND field = CreateControl(control, L"EDIT", style, WS_EX_CLIENTEDGE, kFirstFieldId + index);
    SendMessageW(field, EM_SETLIMITTEXT, 0, 0); // as many digits as are typed or pasted
    DigitFilter::Install(field, index);
    t_[static_cast<std::size_t>(index)] = field;
}

HWND Form1::CreateControl(const Control& control, PCWSTR windowClass, DWORD style, DWORD exStyle, int id)
{
    const DWORD tabStop = control.tabStop ? WS_TABSTOP : 0;
    const HWND window = CreateWindowExW(exStyle, windowClass, Widen(control.caption).c_str(),
                                        WS_CHILD | WS_VISIBLE | tabStop | style, 0, 0, 0, 0, picture1_.Window(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    controls_.emplace_back(&control, window);
    return window;
}

// Made when a field first has a tip to show: until then no tooltip is needed.
void Form1::CreateTooltip()
{
    const INITCOMMONCONTROLSEX tooltips{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&tooltips);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Window(), nullptr, instance_,
                               nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kTooltipMaxWidth); // and "\n" breaks lines
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTooltipShowMilliseconds);
    for (HWND field : t_) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = picture1_.Window();
        tool.uId = reinterpret_cast<UINT_PTR>(field);
        tool.lpszText = const_cast<LPWSTR>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Places the window, the picture and every control, and sizes the fonts, at a DPI.
void Form1::LayOut(UINT dpi)
{
    RECT frame = ToPixelRect(layout::kClientArea, dpi);
    AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(Window(), nullptr, (work.left + work.right - width) / 2, (work.top + work.bottom - height) / 2, width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);

    std::vector<RECT> bars(layout::kFractionBars.size());
    std::transform(layout::kFractionBars.begin(), layout::kFractionBars.end(), bars.begin(),
                   [dpi](const TwipsLine& bar) { return ToPixelBar(bar, dpi); });
    picture1_.LayOut(ToPixelRect(layout::kPicture, dpi), dpi, std::move(bars));
    SetIcons(dpi);

    // The fonts in use go only once every control has its new one.
    std::vector<std::pair<Font, GdiObject<HFONT>>> previousFonts = std::move(fonts_);
    fonts_.clear();
    for (const auto& [control, window] : controls_) {
        const RECT rect = ToPixelRect(control->rect, dpi);
        MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control->font, dpi)), TRUE);
    }
    previousFonts.clear();
}

// The window's icons at the sizes the DPI asks for; the ones they replace go once the window has them.
void Form1::SetIcons(UINT dpi)
{
    for (const auto& [which, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
        const int size = SystemMetric(metric, dpi);
        GdiObject<HICON> icon(
            static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(VELMO_ICON), IMAGE_ICON, size, size, 0)));
        SendMessageW(Window(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon.get()));
        icons_[which] = std::move(icon);
    }
}

// Controls of one size and weight share one font.
HFONT Form1::FontFor(const Font& font, UINT dpi)
{
    const auto same
        = [&font](const auto& entry) { return entry.first.points == font.points && entry.first.bold == font.bold; };
    auto found = std::find_if(fonts_.begin(), fonts_.end(), same);
    if (found == fonts_.end())
        found = fonts_.emplace(fonts_.end(), font, GdiObject<HFONT>(CreateControlFont(font, dpi)));
    return found->second.get();
}

void Form1::OnCommand(int id, int notification)
{
    if (id >= kFirstFieldId && id < kFirstFieldId + engine::field::kCount) {
        if (notification == EN_CHANGE)
            ShowWholeText(id - kFirstFieldId);
    } else if (id >= kFirstOperatorId && id < kFirstOperatorId + static_cast<int>(engine::kOperations.size())) {
        calculator_.chooseOperation(engine::kOperations[static_cast<std::size_t>(id - kFirstOperatorId)]);
    } else if (id == kEqualsId) {
        Evaluate();
    } else if (id == kNewId) {
        ClearFields();
    } else if (id >= kFirstCommandId) {
        Run(static_cast<Command>(id - kFirstCommandId));
    }
}

void Form1::Run(Command command)
{
    switch (command) {
    case Command::None: break;
    case Command::NewCalculation: ClearFields(); break;
    // "退出" ends the program at once: the message loop ends, and no window is closed first.
    case Command::Exit: PostQuitMessage(0); break;
    case Command::About: form2_.Show(Window(), FieldsOnScreen()); break;
    }
}

// The box around t(1)..t(10), in screen pixels.
RECT Form1::FieldsOnScreen() const
{
    RECT fields{}, field;
    for (int i = engine::field::kWholeA; i <= engine::field::kDecimal; ++i) {
        GetWindowRect(t_[static_cast<std::size_t>(i)], &field);
        UnionRect(&fields, &fields, &field);
    }
    return fields;
}

void Form1::Evaluate()
{
    calculator_.evaluate(fields_);
    ShowExplanation();
}

void Form1::ClearFields()
{
    calculator_.clear(fields_);
    ShowExplanation();
    SetFocus(t_[engine::field::kWholeA]);
}

void Form1::ShowExplanation()
{
    for (int i = engine::field::kWholeR; i <= engine::field::kDecimal; ++i)
        ShowWholeText(i);
}

void Form1::ShowWholeText(int index)
{
    const HWND field = t_[static_cast<std::size_t>(index)];
    if (!field)
        return;
    const std::string text = WindowText(field);
    const std::wstring wide = Widen(text);
    const HDC context = GetDC(field);
    const HGDIOBJ previous = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(context, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(context, previous);
    ReleaseDC(field, context);
    RECT box;
    GetWindowRect(field, &box);
    const bool cut = Calculator::IsCut(extent.cx, box.right - box.left);

    std::wstring tooltip = Widen(calculator_.fieldTooltip(index, text, cut));
    if (!tooltip_ && tooltip.empty())
        return;
    if (!tooltip_)
        CreateTooltip();
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = picture1_.Window();
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = tooltip.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool Form1::TranslateKeys(MSG& message)
{
    if (message.hwnd != Window() && !IsChild(Window(), message.hwnd))
        return false;
    if (TranslateAcceleratorW(Window(), accelerators_, &message))
        return true;
    const bool modified = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0;
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && !modified && IsButton(message.hwnd)) {
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    // Tab and Shift+Tab through the tab order, a field reached so with its text selected.
    return IsDialogMessageW(Window(), &message);
}

} // namespace ui::win32
