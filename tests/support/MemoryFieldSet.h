#pragma once

#include "FieldSet.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace support {

// Fields held in memory: the evaluation runs without any window, and every write and
// message is recorded in order.
class MemoryFieldSet : public engine::FieldSet {
public:
    std::string read(int index) const override { return fields_.at(static_cast<std::size_t>(index)); }
    void write(int index, const std::string& text) override
    {
        set(index, text);
        writes.emplace_back(index, text);
    }
    void message(const std::string& text) override { messages.push_back(text); }
    // Sets a field's text without recording it.
    void set(int index, const std::string& text) { fields_.at(static_cast<std::size_t>(index)) = text; }

    std::vector<std::pair<int, std::string>> writes;
    std::vector<std::string> messages;

private:
    std::array<std::string, 11> fields_;
};

} // namespace support
