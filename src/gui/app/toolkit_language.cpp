#include "app/toolkit_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool ApplyToolkitLanguage(int languageId)
{
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (languageId != 2)
        return true;
    if (!translator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}
