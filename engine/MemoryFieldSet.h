#pragma once

#include "FieldSet.h"

#include <array>
#include <string>
#include <vector>

namespace engine {

// Fields held in memory: lets the evaluation run without any window, and records
// every write and message in order so that callers can see what it did.
class MemoryFieldSet : public FieldSet {
public:
    static constexpr int kFieldCount = 11;

    struct Write {
        int index;
        std::string text;
        friend bool operator==(const Write&, const Write&) = default;
    };

    std::string read(int index) const override;
    void write(int index, const std::string& text) override;
    void message(const std::string& text) override;

    // Sets a field's text without recording it as a write.
    void set(int index, std::string text);
    void forgetHistory();

    const std::vector<Write>& writes() const { return writes_; }
    const std::vector<std::string>& messages() const { return messages_; }

private:
    std::array<std::string, kFieldCount> fields_;
    std::vector<Write> writes_;
    std::vector<std::string> messages_;
};

} // namespace engine
