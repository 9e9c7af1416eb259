#include "DigitFilter.h"

#include "BaseWindow.h"

#include <commctrl.h>
#include <imm.h>

namespace ui::win32 {

void DigitFilter::Install(HWND field, int index)
{
    // The subclass is known by the field's index.
    SetWindowSubclass(field, FieldProc, static_cast<UINT_PTR>(index), {});
}

bool DigitFilter::FilterKey(int, wchar_t character)
{
    return character >= L'0' && character <= L'9';
}

LRESULT CALLBACK DigitFilter::FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                        DWORD_PTR)
{
    const int fieldIndex = static_cast<int>(index);
    switch (message) {
    case WM_CHAR:
        if (!FilterKey(fieldIndex, static_cast<wchar_t>(wParam)))
            return kHandled;
        break;
    // The field would take an input method's result string whole; the default handling hands
    // it over one WM_IME_CHAR at a time instead, and each is typed only if it is a digit.
    case WM_IME_COMPOSITION:
        if (lParam & GCS_RESULTSTR)
            return DefWindowProcW(field, message, wParam, lParam);
        break;
    case WM_IME_CHAR:
        return FilterKey(fieldIndex, static_cast<wchar_t>(wParam)) ? DefSubclassProc(field, WM_CHAR, wParam, lParam)
                                                                   : kHandled;
    case WM_NCDESTROY: RemoveWindowSubclass(field, FieldProc, index); break;
    default: break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

} // namespace ui::win32
