#include "MemoryFieldSet.h"

#include <cstddef>
#include <utility>

namespace engine {

std::string MemoryFieldSet::read(int index) const
{
    return fields_.at(static_cast<std::size_t>(index));
}

void MemoryFieldSet::write(int index, const std::string& text)
{
    fields_.at(static_cast<std::size_t>(index)) = text;
    writes_.push_back({index, text});
}

void MemoryFieldSet::message(const std::string& text)
{
    messages_.push_back(text);
}

void MemoryFieldSet::set(int index, std::string text)
{
    fields_.at(static_cast<std::size_t>(index)) = std::move(text);
}

void MemoryFieldSet::forgetHistory()
{
    writes_.clear();
    messages_.clear();
}

} // namespace engine
