#include "AnnouncementRoute.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using ui::win32::AnnouncementRoute;

// A screen reader hears each result once, by the one way the platform has, and nothing without one.
TEST(Announcement, OnceForEachResultByTheWayThePlatformHas)
{
    struct Row {
        std::string_view reading;
        bool notificationAvailable;
        AnnouncementRoute route;
    };
    for (const Row& row :
         {Row{"", false, AnnouncementRoute::None}, Row{"", true, AnnouncementRoute::None},
          Row{"2", false, AnnouncementRoute::LiveRegion}, Row{"2", true, AnnouncementRoute::Notification}})
        EXPECT_EQ(ui::win32::RouteFor(row.reading, row.notificationAvailable), row.route)
            << "\"" << row.reading << "\", notification " << row.notificationAvailable;
}

} // namespace
