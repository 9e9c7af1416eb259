#pragma once

#include <string>

namespace engine {

// The eleven text fields t(0)..t(10) of the main window, and its message box.
class FieldSet {
public:
    virtual ~FieldSet() = default;
    virtual std::string read(int index) const = 0; // UTF-8 text of t(index)
    virtual void write(int index, const std::string& text) = 0;
    virtual void message(const std::string& text) = 0; // modal; returns when closed
};

} // namespace engine
