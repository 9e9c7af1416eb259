#pragma once

#include <windows.h>

namespace ui::win32 {

// A function of a system library that older Windows (or wine) may lack, looked up at run time:
// null where it is missing, so that the program still starts there.
template <typename Function> Function LookUp(HMODULE library, const char* name)
{
    const FARPROC found = library ? GetProcAddress(library, name) : nullptr;
    // Through the generic function type, which every function pointer converts from without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace ui::win32
