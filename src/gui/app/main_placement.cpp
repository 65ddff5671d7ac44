#include "gui/app/main_placement.h"

#include <QSettings>

namespace {

int readTwips(const QSettings& settings, const char* key, int fallback)
{
    bool ok = false;
    const int value = settings.value(QString::fromLatin1(key)).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

QString groupOf(const QString& appTitle)
{
    // A "/" would open a further level of the store; the title is one section.
    QString title = appTitle;
    title.replace(QLatin1Char('/'), QLatin1Char('_'));
    return title + QStringLiteral("/Settings");
}

}  // namespace

MainPlacement LoadMainPlacement(const QString& appTitle)
{
    QSettings settings(QString::fromLatin1(SettingsOrganisation), QString::fromLatin1(SettingsApplication));
    settings.beginGroup(groupOf(appTitle));
    const MainPlacement defaults;
    MainPlacement p;
    p.left = readTwips(settings, "MainLeft", defaults.left);
    p.top = readTwips(settings, "MainTop", defaults.top);
    p.width = readTwips(settings, "MainWidth", defaults.width);
    p.height = readTwips(settings, "MainHeight", defaults.height);
    if (p.width < MinSizeTwips || p.height < MinSizeTwips) {
        p.width = defaults.width;
        p.height = defaults.height;
    }
    return p;
}

void StoreMainPlacement(const QString& appTitle, const MainPlacement& p)
{
    QSettings settings(QString::fromLatin1(SettingsOrganisation), QString::fromLatin1(SettingsApplication));
    settings.beginGroup(groupOf(appTitle));
    settings.setValue(QStringLiteral("MainLeft"), QString::number(p.left));
    settings.setValue(QStringLiteral("MainTop"), QString::number(p.top));
    settings.setValue(QStringLiteral("MainWidth"), QString::number(p.width));
    settings.setValue(QStringLiteral("MainHeight"), QString::number(p.height));
}

bool HasStoredMainPlacement(const QString& appTitle)
{
    QSettings settings(QString::fromLatin1(SettingsOrganisation), QString::fromLatin1(SettingsApplication));
    settings.beginGroup(groupOf(appTitle));
    return settings.contains(QStringLiteral("MainWidth")) && settings.contains(QStringLiteral("MainHeight"));
}
