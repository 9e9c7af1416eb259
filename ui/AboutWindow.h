#pragma once

#include "Product.h"
#include "WindowDescription.h"

#include <array>
#include <string_view>

// The About window, Form2: a picture on the right and lines of text on the left, in the
// platform's default font. A click anywhere in it hides it, except on the contact line and
// the note below it, so that reading them never closes the window.
namespace ui::about_window {

inline constexpr std::string_view kCaption = "关于";
inline constexpr TwipsRect kClientArea{0, 0, 4665, 3660};
inline constexpr TwipsRect kPicture{2640, 0, 2055, 3855};
inline constexpr std::string_view kPictureName = "Picture1";

inline constexpr std::array<Label, 6> kLabels{{
    {"Label3", product::kAboutLine, {240, 120, 2175, 255}},
    {"Label1",
     "    感谢您使用“分数计算器”您对“分数计算器”有何意见或建议，请与作者联系。祝您学习愉快！",
     {120, 480, 2415, 1695},
     true,
     true,
     Paper::WindowBackground},
    {"Label2", "制作：Velmo 工作室", {240, 2280, 2175, 255}},
    {"Label4", "邮箱：velmo@example.com", {0, 2520, 2535, 255}},
    {"Label6", "即时通讯：velmo2026", {360, 2760, 1935, 255}, false},
    {"Label5", "更多小程序请访问：\nwww.example.com/velmo", {0, 3050, 2535, 615}, false},
}};

} // namespace ui::about_window
