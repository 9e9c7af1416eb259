#include "WindowFieldSet.h"

#include "Product.h"
#include "WideText.h"

namespace ui::win32 {

WindowFieldSet::WindowFieldSet(const std::array<HWND, engine::field::kCount>& fields)
    : fields_(fields)
{
}

HWND WindowFieldSet::field(int index) const
{
    return fields_.at(static_cast<std::size_t>(index));
}

std::string WindowFieldSet::read(int index) const
{
    return WindowText(field(index));
}

// Replacing the text also empties the field's undo buffer and puts the caret at the start,
// which shows the leading digits of a number wider than the field.
void WindowFieldSet::write(int index, const std::string& text)
{
    SetWindowTextW(field(index), Widen(text).c_str());
}

void WindowFieldSet::message(const std::string& text)
{
    MessageBoxW(GetAncestor(field(engine::field::kWholeA), GA_ROOT), Widen(text).c_str(), Widen(product::kName).c_str(),
                MB_OK);
}

} // namespace ui::win32
