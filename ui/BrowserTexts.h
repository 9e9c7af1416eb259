#pragma once

#include <string_view>

// What only the browser version says: the page shows it from the first paint, before the engine
// has arrived, or in place of the engine where the browser cannot run it.
namespace ui::browser {

// Shown in the window while "＝" or "新运算" waits for the engine.
inline constexpr std::string_view kLoading = "正在加载…";
// Shown in the window, in place of the calculator, where this browser cannot run it.
inline constexpr std::string_view kCannotRun = "此浏览器无法运行分数计算器。";
inline constexpr std::string_view kWhatToTry
    = "请换用较新的 Chrome、Edge、Firefox 或 Safari 浏览器，或在 Windows 电脑上下载安装 Windows 版。";
// Offered when a newer version of the site has been kept and is ready.
inline constexpr std::string_view kUpdateReady = "有新版本，点此更新";

} // namespace ui::browser
