#pragma once

#include <windows.h>

namespace ui::win32 {

// Lets only the digits 0-9 be typed into one EDIT control, by subclassing it: every other
// character is dropped, Backspace, Enter, Esc and the Ctrl+C, Ctrl+V and Ctrl+X characters
// included, and so is every non-digit an input method commits. Keys that type no character
// (arrows, Delete) and the context menu still edit; what a paste brings in is checked by the
// evaluation.
class DigitFilter {
public:
    static void Install(HWND field, int index);

    // The rule for every field: the index plays no part.
    static bool FilterKey(int index, wchar_t character);

private:
    static LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                      DWORD_PTR);
};

} // namespace ui::win32
