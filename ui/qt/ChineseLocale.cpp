#include "ChineseLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

namespace {

const QLocale kChinese(QLocale::Chinese, QLocale::China);

} // namespace

// "qt" rather than "qtbase": Qt's folder holds a qt_<language>.qm that loads the parts.
void InstallChineseLocale(QCoreApplication& application)
{
    QLocale::setDefault(kChinese);
    auto* translator = new QTranslator(&application);
    if (translator->load(kChinese, QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace ui
