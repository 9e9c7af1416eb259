#include "Announcer.h"

#include "AnnouncementRoute.h"
#include "ChildWindow.h"
#include "RunTimeLink.h"
#include "WideText.h"

#include <oleacc.h>
#include <oleauto.h>
#include <uiautomationcore.h>

namespace ui::win32 {

namespace {

// Values of UI Automation's headers that mingw-w64's lack.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingMostRecent = 3;
constexpr LONG kLiveSettingPolite = 1;
constexpr GUID kLiveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
// The same text says the same thing: a reader drops an older one still waiting to be spoken.
constexpr PCWSTR kActivity = L"VelmoCalc.Result";

// A polite live region waits until the reader has finished what it is saying. Where dynamic
// annotation is not implemented (wine), readers take a live region as polite anyway.
void MarkPolite(HWND liveRegion)
{
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services))))
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kLiveSettingPolite;
    services->SetHwndProp(liveRegion, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty, polite);
    services->Release();
}

} // namespace

Announcer::~Announcer()
{
    if (comStarted_)
        CoUninitialize();
}

void Announcer::Create(HWND parent)
{
    liveRegion_ = CreateChild(parent, L"STATIC", "", WS_VISIBLE | SS_NOPREFIX);
}

// At the first result, not at start: the window shows as soon as it can. The notification
// exists from Windows 10 1709 on; linked directly, the program would not start on anything older.
void Announcer::Prepare()
{
    prepared_ = true;
    automation_.reset(LoadLibraryW(L"UIAutomationCore.dll"));
    raiseNotification_ = LookUp<RaiseNotification>(automation_.get(), "UiaRaiseNotificationEvent");
    hostProviderFromHwnd_ = LookUp<HostProviderFromHwnd>(automation_.get(), "UiaHostProviderFromHwnd");
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    MarkPolite(liveRegion_);
}

void Announcer::Tell(const std::string& reading)
{
    const std::wstring text = Widen(reading);
    SetWindowTextW(liveRegion_, text.c_str()); // its name, read on the live region's event
    if (!reading.empty() && !prepared_)
        Prepare();
    switch (RouteFor(reading, raiseNotification_ && hostProviderFromHwnd_)) {
    case AnnouncementRoute::None: break;
    case AnnouncementRoute::Notification: Notify(text); break;
    case AnnouncementRoute::LiveRegion:
        NotifyWinEvent(kLiveRegionChanged, liveRegion_, OBJID_CLIENT, CHILDID_SELF);
        break;
    }
}

void Announcer::Notify(const std::wstring& text) const
{
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(hostProviderFromHwnd_(liveRegion_, &provider)))
        return;
    const BSTR said = SysAllocString(text.c_str()), activity = SysAllocString(kActivity);
    raiseNotification_(provider, kNotificationKindActionCompleted, kNotificationProcessingMostRecent, said, activity);
    SysFreeString(activity);
    SysFreeString(said);
    provider->Release();
}

} // namespace ui::win32
