#include "gui/app/toolkit_language.h"

#include "core/base/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool ApplyToolkitLanguage(int languageId)
{
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    const Language* language = FindLanguage(languageId);
    if (!language || *language->toolkitTranslation == '\0')
        return true;
    if (!translator.load(QString::fromLatin1(language->toolkitTranslation),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}
