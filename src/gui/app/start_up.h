#pragma once

#include <string>

class Document;

// The program's start-up before any window exists, in two halves around the
// creation of the splash window:
//  - StartUpBeforeSplash: version list, language from the system locale, the
//    document's model and band defaults, the platform flags, the setup file
//    (port, first run, saved language) and the first new document;
//  - StartUpAfterSplash: the application title (text 12000) and the settings
//    record.
// Numbers are read and written with "." whatever the user's locale: the
// program uses the C locale for all number text, so the user's own setting
// is never touched.
struct StartUpInput {
    std::string programFolder;  // the folder of the running executable
    std::string localeName;     // the system locale, such as "zh_CN" or "de_DE"
};

void StartUpBeforeSplash(Document& doc, const StartUpInput& input);
void StartUpAfterSplash();

// The picture the splash window shows for the current language.
std::string SplashPicturePath();

// Makes every number conversion of this process use "." (C locale for
// LC_NUMERIC and Qt's default locale).
void UseCNumberLocale();
