#pragma once

class QCoreApplication;

namespace ui {

// Makes Qt's own texts (context menus, standard buttons) Chinese: sets the zh_CN locale
// as default and loads Qt's zh_CN catalog where it is installed.
void InstallChineseLocale(QCoreApplication& application);

} // namespace ui
