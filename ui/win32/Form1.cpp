#include "Form1.h"

#include "ChildWindow.h"
#include "DeviceContext.h"
#include "DigitFilter.h"
#include "Dpi.h"
#include "MainWindow.h"
#include "Menus.h"
#include "Resources.h"
#include "WideText.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

namespace ui::win32 {

namespace {

namespace layout = main_window;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_LEFT;

// Long enough to read the working.
constexpr int kTooltipShowMilliseconds = 30000;
constexpr int kTooltipMaxWidth = 600;

HFONT CreateControlFont(const Font& font, UINT dpi)
{
    LOGFONTW description{};
    description.lfHeight = FontHeight(font, dpi);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = GB2312_CHARSET;
    // The description came zeroed, so the copy stays terminated.
    Widen(layout::kFontFamilies.front()).copy(description.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

// A control says it is a button when asked, as the dialog manager asks.
bool IsButton(MSG& message)
{
    return SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) & DLGC_BUTTON;
}

// Enter presses the button that has the focus, however it got there: the dialog manager
// presses only one reached by Tab.
bool PressFocusedButton(MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN || !IsButton(message))
        return false;
    SendMessageW(message.hwnd, BM_CLICK, WPARAM{}, LPARAM{});
    return true;
}

DWORD TabStop(const Control& control)
{
    return control.tabStop ? WS_TABSTOP : 0;
}

// Where a control stands among the described fields or buttons, if it is one of them.
template <std::size_t N>
std::optional<std::size_t> IndexIn(const std::array<Control, N>& controls, const Control* control)
{
    const auto found = std::ranges::find(controls, control, [](const Control& each) { return &each; });
    if (found == controls.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - controls.begin());
}

// Every field and button, in tab order.
std::vector<const Control*> InTabOrder()
{
    std::vector<const Control*> controls;
    const auto address = [](const Control& control) { return &control; };
    std::ranges::transform(layout::kFields, std::back_inserter(controls), address);
    std::ranges::transform(layout::kOperatorButtons, std::back_inserter(controls), address);
    controls.insert(controls.end(), {&layout::kEquals, &layout::kNew});
    std::ranges::stable_sort(controls, {}, [](const Control* control) { return control->tabIndex; });
    return controls;
}

// How wide a text is in a field's font, in pixels.
int TextWidth(HWND field, const std::wstring& text)
{
    DeviceContext context(field);
    context.Select(GetWindowFont(field));
    SIZE extent{};
    GetTextExtentPoint32W(context.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance)
    , fields_(t_)
    , form2_(instance)
{
}

bool Form1::Create()
{
    accelerators_ = GdiObject<HACCEL>(CreateAccelerators());
    return BaseWindow::Create(instance_, Widen(layout::kCaption).c_str(), kStyle, kExStyle, {}, nullptr,
                              CreateMenuBar());
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls();
        LayOut(WindowDpi(Window()));
        return kHandled;
    case WM_COMMAND:
        if (lParam)
            OnControl(reinterpret_cast<HWND>(lParam));
        else
            Run(CommandOf(LOWORD(wParam)));
        return kHandled;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && IsChild(Window(), GetFocus()))
            focus_ = GetFocus();
        break;
    case WM_SETFOCUS: SetFocus(focus_); return kHandled;
    // The About window goes with the process: the message loop ends here.
    case WM_DESTROY: PostQuitMessage(0); return kHandled;
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
    picture1_.Create(instance_, Window(), background_.get(), PictureBox::Kind::Background);
    for (const Control* control : InTabOrder()) {
        if (const auto field = IndexIn(layout::kFields, control))
            CreateField(*control, *field);
        else
            controls_.emplace_back(control,
                                   CreateChild(picture1_.Window(), L"BUTTON", control->caption,
                                               WS_VISIBLE | TabStop(*control) | BS_PUSHBUTTON));
    }
    // Last, so that no field takes it for its label.
    announcer_.Create(picture1_.Window());
    focus_ = t_[engine::field::kWholeA];
}

void Form1::CreateField(const Control& control, std::size_t index)
{
    // A screen reader names a field after the label just before it, shown or not.
    // The label lives as long as its parent, like every child window.
    static_cast<void>(CreateChild(picture1_.Window(), L"STATIC", control.accessibleName, SS_NOPREFIX));
    const DWORD style = WS_VISIBLE | TabStop(control) | ES_LEFT | ES_AUTOHSCROLL | (control.readOnly ? ES_READONLY : 0);
    const HWND field = CreateChild(picture1_.Window(), L"EDIT", control.caption, style, WS_EX_CLIENTEDGE);
    Edit_LimitText(field, 0); // as many digits as are typed or pasted
    DigitFilter::Install(field, static_cast<int>(index));
    t_[index] = field;
    controls_.emplace_back(&control, field);
}

// Made when a field first has a tip to show: until then no tooltip is needed.
void Form1::CreateTooltip()
{
    const INITCOMMONCONTROLSEX tooltips{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&tooltips);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Window(), nullptr, instance_,
                               nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, WPARAM{}, kTooltipMaxWidth); // and "\n" breaks lines
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTooltipShowMilliseconds);
    for (HWND field : t_) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = picture1_.Window();
        tool.uId = reinterpret_cast<UINT_PTR>(field);
        tool.lpszText = const_cast<LPWSTR>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, WPARAM{}, reinterpret_cast<LPARAM>(&tool));
    }
}

// Places the window, the picture and every control, and sizes the fonts, at a DPI.
void Form1::LayOut(UINT dpi)
{
    RECT frame = ToPixelRect(layout::kClientArea, dpi);
    AdjustWindowRectEx(&frame, kStyle, TRUE, kExStyle);
    const RECT work = WorkArea(Window());
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(Window(), nullptr, (work.left + work.right - width) / 2, (work.top + work.bottom - height) / 2, width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);

    std::vector<RECT> bars(layout::kFractionBars.size());
    std::transform(layout::kFractionBars.begin(), layout::kFractionBars.end(), bars.begin(),
                   [dpi](const TwipsLine& bar) { return ToPixelBar(bar, dpi); });
    picture1_.LayOut(ToPixelRect(layout::kPicture, dpi), dpi, std::move(bars));
    const RECT liveRegion = ToPixelRect(layout::kLiveRegion, dpi);
    MoveWindow(announcer_.LiveRegion(), liveRegion.left, liveRegion.top, liveRegion.right - liveRegion.left,
               liveRegion.bottom - liveRegion.top, FALSE);
    SetIcons(dpi);

    // The fonts in use go only once every control has its new one.
    const std::vector<std::pair<Font, GdiObject<HFONT>>> previousFonts = std::exchange(fonts_, {});
    for (const auto& [control, window] : controls_) {
        const RECT rect = ToPixelRect(control->rect, dpi);
        MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        SetWindowFont(window, FontFor(control->font, dpi), TRUE);
    }
}

// The window's icons at the sizes the DPI asks for; the ones they replace go once the window has them.
void Form1::SetIcons(UINT dpi)
{
    for (const auto& [which, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
        const int size = SystemMetric(metric, dpi);
        GdiObject<HICON> icon(static_cast<HICON>(
            LoadImageW(instance_, MAKEINTRESOURCEW(VELMO_ICON), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        SendMessageW(Window(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon.get()));
        icons_[which] = std::move(icon);
    }
}

// Controls of one size and weight share one font.
HFONT Form1::FontFor(const Font& font, UINT dpi)
{
    auto found = std::ranges::find(fonts_, font, &std::pair<Font, GdiObject<HFONT>>::first);
    if (found == fonts_.end())
        found = fonts_.emplace(fonts_.end(), font, GdiObject<HFONT>(CreateControlFont(font, dpi)));
    return found->second.get();
}

// A button pressed, or a field's text or focus changed.
void Form1::OnControl(HWND window)
{
    const auto found = std::ranges::find(controls_, window, &std::pair<const Control*, HWND>::second);
    if (found == controls_.end())
        return;
    const Control* control = found->first;
    if (control == &layout::kEquals)
        Evaluate();
    else if (control == &layout::kNew)
        ClearFields();
    else if (const auto button = IndexIn(layout::kOperatorButtons, control))
        calculator_.chooseOperation(engine::kOperations[*button]);
    else if (const auto field = IndexIn(layout::kFields, control))
        ShowWholeText(*field);
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

// Over the result fields, and to a screen reader once the fields show it.
void Form1::ShowExplanation()
{
    for (int i = engine::field::kWholeR; i <= engine::field::kDecimal; ++i)
        ShowWholeText(static_cast<std::size_t>(i));
    announcer_.Tell(calculator_.reading());
}

void Form1::ShowWholeText(std::size_t index)
{
    const HWND field = t_[index];
    if (!field)
        return;
    const std::string text = WindowText(field);
    RECT box{};
    GetWindowRect(field, &box);
    const bool cut = Calculator::IsCut(TextWidth(field, Widen(text)), box.right - box.left);

    std::wstring tooltip = Widen(calculator_.fieldTooltip(static_cast<int>(index), text, cut));
    if (!tooltip_ && tooltip.empty())
        return;
    if (!tooltip_)
        CreateTooltip();
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = picture1_.Window();
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = tooltip.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, WPARAM{}, reinterpret_cast<LPARAM>(&tool));
}

bool Form1::TranslateKeys(MSG& message)
{
    if (GetAncestor(message.hwnd, GA_ROOT) != Window())
        return false;
    // Tab and Shift+Tab through the tab order, a field reached so with its text selected, are the
    // dialog manager's.
    return TranslateAcceleratorW(Window(), accelerators_.get(), &message) || PressFocusedButton(message)
        || IsDialogMessageW(Window(), &message);
}

} // namespace ui::win32
