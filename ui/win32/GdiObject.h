#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ui::win32 {

// Owns one GDI object (a font, a bitmap, a pen), an icon or an accelerator table, and deletes
// it when it goes.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle)
        : handle_(handle)
    {
    }

    Handle get() const { return handle_.get(); }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    struct Delete {
        void operator()(Handle handle) const
        {
            if constexpr (std::is_same_v<Handle, HICON>)
                DestroyIcon(handle);
            else if constexpr (std::is_same_v<Handle, HACCEL>)
                DestroyAcceleratorTable(handle);
            else
                DeleteObject(handle);
        }
    };
    std::unique_ptr<std::remove_pointer_t<Handle>, Delete> handle_;
};

} // namespace ui::win32
