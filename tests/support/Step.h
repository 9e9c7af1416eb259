#pragma once

#include <string>
#include <string_view>
#include <vector>

// One step of a user story's script (UserStories.h), parsed once for every window driver.
namespace support {

inline std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts(1);
    for (const char c : text)
        c == separator ? void(parts.emplace_back()) : parts.back().push_back(c);
    return parts;
}

struct Step {
    enum class Kind { Type, Paste, Key, Menu, About, Click, Select };
    Kind kind = Kind::Click;
    bool inputMethod = false;
    int field = 0;    // the field typed or pasted into, or whose text a double-click selects
    std::string text; // typed or pasted ("9*5" already spelled out), a key, a menu item, a part, a button

    // "N:text", "ime:N:text", "paste:N:text", "select:N", "key:K", "menu:item", "about:part", or a button's name.
    static Step Parse(std::string_view step)
    {
        std::vector<std::string> parts = Split(step, ':');
        Step parsed;
        parsed.inputMethod = parts.front() == "ime";
        if (parsed.inputMethod)
            parts.erase(parts.begin());
        const std::string& head = parts.front();
        if (parts.size() == 1)
            parsed.text = head;
        else if (head == "key" || head == "menu" || head == "about") {
            parsed.kind = head == "key" ? Kind::Key : head == "menu" ? Kind::Menu : Kind::About;
            parsed.text = parts[1];
        } else if (head == "select") {
            parsed.kind = Kind::Select;
            parsed.field = std::stoi(parts[1]);
        } else if (head == "paste") {
            parsed.kind = Kind::Paste;
            parsed.field = std::stoi(parts[1]);
            const std::vector<std::string> repeat = Split(parts[2], '*');
            parsed.text = repeat.size() == 2 ? std::string(std::stoul(repeat[1]), repeat[0].front()) : parts[2];
        } else {
            parsed.kind = Kind::Type;
            parsed.field = std::stoi(head);
            parsed.text = parts[1];
        }
        return parsed;
    }
};

} // namespace support
