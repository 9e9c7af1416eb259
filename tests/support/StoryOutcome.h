#pragma once

#include "UserStories.h"

#include <optional>
#include <string>

namespace support {

// What a window driver saw at the end of a user story, in the story's own terms.
struct StoryOutcome {
    std::string messages;
    std::string fields;
    std::string focus;
    std::string tooltip;                // t(10)'s, or "" where none shows
    std::optional<std::string> reading; // what a screen reader is given, where the driver can hear it

    // Each way the outcome differs from the story, one line each; "" when it agrees.
    std::string differences(const UserStory& story) const
    {
        // The reading comes with the working, the tooltip's second line.
        const std::string_view working = story.tooltip.substr(story.tooltip.find('\n') + 1);
        const std::string read = story.reading.empty() ? "" : std::string(story.reading) + "；" + std::string(working);
        std::string text;
        for (const auto& [what, seen, told] :
             {std::tuple<std::string_view, std::string, std::string>{"messages", messages, std::string(story.messages)},
              {"fields", fields, std::string(story.fields)},
              {"focus", focus, std::string(story.focus)},
              {"tooltip", tooltip, std::string(story.tooltip)},
              {"reading", reading.value_or(read), read}})
            if (seen != told)
                text += std::string(what) + ": \"" + seen + "\", not \"" + told + "\"\n";
        return text;
    }
};

} // namespace support
