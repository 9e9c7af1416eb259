#include "ChineseLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

namespace {

const QLocale kChinese(QLocale::Chinese, QLocale::China);

} // namespace

QStringList CatalogFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + QStringLiteral("/translations"), programFolder,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

// "qt" rather than "qtbase": a deployment merges Qt's catalogs into qt_<language>.qm, and
// Qt's own folder holds a qt_<language>.qm that loads the parts.
bool LoadChineseCatalog(QTranslator& translator, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (translator.load(kChinese, QStringLiteral("qt"), QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

void InstallChineseLocale(QCoreApplication& application)
{
    QLocale::setDefault(kChinese);
    auto* translator = new QTranslator(&application);
    if (LoadChineseCatalog(*translator, CatalogFolders()))
        QCoreApplication::installTranslator(translator);
}

} // namespace ui
