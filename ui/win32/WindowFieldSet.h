#pragma once

#include "Evaluate.h"
#include "FieldSet.h"

#include <windows.h>

#include <array>

namespace ui::win32 {

// The evaluation's view of the main window: its eleven EDIT controls, and a modal message
// box over the window that holds them. Refers to the window's own array of fields, filled
// in as they are created.
class WindowFieldSet : public engine::FieldSet {
public:
    explicit WindowFieldSet(const std::array<HWND, engine::field::kCount>& fields);

    std::string read(int index) const override;
    void write(int index, const std::string& text) override;
    void message(const std::string& text) override;

private:
    HWND field(int index) const;

    const std::array<HWND, engine::field::kCount>& fields_;
};

} // namespace ui::win32
