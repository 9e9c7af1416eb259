// Prints what the real-X check finds the windows by, "name=text" a line, from the description:
// the windows' captions, the menus and their items, each field's accessible name.
#include "AboutWindow.h"
#include "DescribedControls.h"
#include "MainWindow.h"

#include <iostream>

int main()
{
    std::cout << "Form1=" << ui::main_window::kCaption << "\nForm2=" << ui::about_window::kCaption << "\n";
    for (const ui::Menu& menu : ui::main_window::kMenus) {
        std::cout << menu.name << "=" << menu.caption << "\n";
        for (const ui::MenuItem& item : menu.items)
            std::cout << item.name << "=" << item.caption << "\n";
    }
    for (const ui::Control& control : support::DescribedControls())
        std::cout << control.name << "=" << control.accessibleName << "\n";
}
