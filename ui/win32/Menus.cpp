#include "Menus.h"

#include "MainWindow.h"
#include "WideText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ui::win32 {

namespace {

// Above every identifier the dialog manager sends.
constexpr int kFirstCommandId = 1300;

UINT_PTR CommandId(Command command)
{
    return static_cast<UINT_PTR>(kFirstCommandId) + static_cast<UINT_PTR>(command);
}

std::wstring MenuText(const MenuItem& item)
{
    std::wstring text = Widen(item.caption);
    if (item.ctrlShortcut != '\0')
        text += L"\tCtrl+" + std::wstring(1, static_cast<wchar_t>(item.ctrlShortcut));
    return text;
}

} // namespace

HMENU CreateMenuBar()
{
    const HMENU bar = CreateMenu();
    for (const Menu& menu : main_window::kMenus) {
        const HMENU popup = CreatePopupMenu();
        for (const MenuItem& item : menu.items)
            AppendMenuW(popup, item.isSeparator() ? MF_SEPARATOR : MF_STRING, CommandId(item.command),
                        MenuText(item).c_str());
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(menu.caption).c_str());
    }
    return bar;
}

HACCEL CreateAccelerators()
{
    std::vector<ACCEL> table;
    for (const Menu& menu : main_window::kMenus) {
        for (const MenuItem& item : menu.items) {
            if (item.ctrlShortcut != '\0')
                table.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(item.ctrlShortcut),
                                 static_cast<WORD>(CommandId(item.command))});
        }
    }
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

Command CommandOf(int id)
{
    const auto idOf = [](const MenuItem& item) { return CommandId(item.command); };
    for (const Menu& menu : main_window::kMenus) {
        const auto found = std::ranges::find(menu.items, static_cast<UINT_PTR>(id), idOf);
        if (found != menu.items.end())
            return found->command;
    }
    return Command::None;
}

} // namespace ui::win32
