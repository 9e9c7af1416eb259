#pragma once

#include "FieldSet.h"
#include "Problem.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace support {

// Fields held in memory: lets the evaluation run without any window, and records
// every write and message in order so that a test can see what it did.
class MemoryFieldSet : public engine::FieldSet {
public:
    struct Write {
        int index;
        std::string text;
    };

    std::string read(int index) const override { return fields_.at(static_cast<std::size_t>(index)); }
    void write(int index, const std::string& text) override
    {
        set(index, text);
        writes_.push_back({index, text});
    }
    void message(const std::string& text) override { messages_.push_back(text); }

    // Sets a field's text without recording it as a write.
    void set(int index, const std::string& text) { fields_.at(static_cast<std::size_t>(index)) = text; }

    void forgetHistory()
    {
        writes_.clear();
        messages_.clear();
    }

    const std::vector<Write>& writes() const { return writes_; }
    const std::vector<std::string>& messages() const { return messages_; }
    // True when exactly one message was shown, and it was the problem's.
    bool showedOnly(engine::Problem problem) const
    {
        return messages_.size() == 1 && messages_.front() == engine::ProblemText(problem);
    }

private:
    std::array<std::string, 11> fields_;
    std::vector<Write> writes_;
    std::vector<std::string> messages_;
};

} // namespace support
