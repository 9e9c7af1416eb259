#pragma once

#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace ui {

// Where Qt's Chinese catalog may lie: beside the program, as a deployment puts it, then Qt's own folder.
QStringList CatalogFolders();

// Loads Qt's Chinese catalog from the first of the folders that holds it.
bool LoadChineseCatalog(QTranslator& translator, const QStringList& folders);

// Chinese number formats and Qt's own texts (context menus, buttons) in Chinese.
void InstallChineseLocale(QCoreApplication& application);

} // namespace ui
