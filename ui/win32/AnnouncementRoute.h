#pragma once

#include <string_view>

// Standard C++ only, so that the choice is tested on any platform.
namespace ui::win32 {

// How a result's reading reaches a screen reader: once a result, by one way only.
enum class AnnouncementRoute {
    None,         // no result: a failed "＝" is told by its message box
    Notification, // UI Automation's notification, which current readers speak (Windows 10 1709 on)
    LiveRegion,   // a live region named by the reading, for the Windows (and wine) that lack it
};

constexpr AnnouncementRoute RouteFor(std::string_view reading, bool notificationAvailable)
{
    if (reading.empty())
        return AnnouncementRoute::None;
    return notificationAvailable ? AnnouncementRoute::Notification : AnnouncementRoute::LiveRegion;
}

} // namespace ui::win32
