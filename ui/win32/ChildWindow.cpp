#include "ChildWindow.h"

#include "WideText.h"

namespace ui::win32 {

HWND CreateChild(HWND parent, PCWSTR windowClass, std::string_view text, DWORD style, DWORD exStyle)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    return CreateWindowExW(exStyle, windowClass, Widen(text).c_str(), WS_CHILD | style, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, instance, nullptr);
}

} // namespace ui::win32
