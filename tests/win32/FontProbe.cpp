// Loaded into the calculator as a window-procedure hook, so that the driver can read a
// control's font: a font handle means nothing in another process under wine, which does not
// even pass WM_GETFONT between processes. The driver sends kProbeMessage to a control; the hook
// asks the control for its font with WM_GETFONT there and writes the font's LOGFONTW into the
// shared memory the driver made.
#include "FontProbe.h"

#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == RegisterWindowMessageW(kProbeMessage)) {
        const HANDLE shared = OpenFileMappingW(FILE_MAP_WRITE, FALSE, kProbeMemory);
        void* view = shared ? MapViewOfFile(shared, FILE_MAP_WRITE, 0, 0, sizeof(LOGFONTW)) : nullptr;
        if (view) {
            const auto font = reinterpret_cast<HFONT>(SendMessageW(call->hwnd, WM_GETFONT, 0, 0));
            LOGFONTW description{};
            GetObjectW(font, sizeof(description), &description);
            CopyMemory(view, &description, sizeof(description));
            UnmapViewOfFile(view);
        }
        if (shared)
            CloseHandle(shared);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
