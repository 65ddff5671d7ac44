#pragma once

#include <QString>

// Where the main window stands on the screen, kept in the user's settings
// store between runs: section named by the application title, sub-section
// "Settings", keys "MainLeft", "MainTop", "MainWidth", "MainHeight", each in
// twips written as decimal text.
struct MainPlacement {
    int left = 1000;
    int top = 1000;
    int width = 12500;
    int height = 9500;

    bool operator==(const MainPlacement&) const = default;
};

// The organisation and application names of the settings store.
inline constexpr const char* SettingsOrganisation = "brisko7";
inline constexpr const char* SettingsApplication = "brisko7";

// The stored placement; a key that is missing or not a number gives its
// default, and a width or height below MinSizeTwips gives the default size.
MainPlacement LoadMainPlacement(const QString& appTitle);
void StoreMainPlacement(const QString& appTitle, const MainPlacement& placement);
// True once a placement was stored (the program ran and closed before).
bool HasStoredMainPlacement(const QString& appTitle);

inline constexpr int MinSizeTwips = 1500;
