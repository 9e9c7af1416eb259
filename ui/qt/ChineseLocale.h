#pragma once

class QCoreApplication;

namespace ui {

// Chinese number formats and Qt's own texts (context menus, buttons) in Chinese.
void InstallChineseLocale(QCoreApplication& application);

} // namespace ui
