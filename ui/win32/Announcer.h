#pragma once

#include <windows.h>
#include <wtypes.h>

#include <memory>
#include <string>
#include <type_traits>

struct IRawElementProviderSimple;

namespace ui::win32 {

// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers for Windows 7 leave out; raised there, it
// reaches readers that know it like any other event.
inline constexpr DWORD kLiveRegionChanged = 0x8019;

// Tells a screen reader each new result, which it would not read from a field that lacks the
// focus: by UI Automation's notification where Windows has it, else by a live region, a label
// whose name is the whole reading.
class Announcer {
public:
    Announcer() = default;
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // The live region among `parent`'s children, shown for the accessibility tree wherever it lies.
    void Create(HWND parent);
    HWND LiveRegion() const { return liveRegion_; }
    // The reading of the result just shown, or "" when there is none.
    void Tell(const std::string& reading);

private:
    using RaiseNotification
        = HRESULT(WINAPI*)(IRawElementProviderSimple*, int kind, int processing, BSTR text, BSTR activity);
    using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    struct FreeLibraryDeleter {
        void operator()(HMODULE library) const { FreeLibrary(library); }
    };

    void Prepare();
    void Notify(const std::wstring& text) const;

    std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeLibraryDeleter> automation_;
    RaiseNotification raiseNotification_ = nullptr;
    HostProviderFromHwnd hostProviderFromHwnd_ = nullptr;
    bool prepared_ = false;
    bool comStarted_ = false;
    HWND liveRegion_ = nullptr;
};

} // namespace ui::win32
