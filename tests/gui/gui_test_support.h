#pragma once

#include "core/base/app_state.h"
#include "gui/base/lang_text.h"
#include "gui/base/ui_prompts.h"
#include "core/base/version_list.h"
#include "core/model/document.h"

#include "../support/shipped_languages.h"
#include "../support/temp_folder.h"
#include "../support/test_application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTest>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

// Answers the message boxes and file dialogs from a script and records what
// was asked. A question the script did not expect fails the test.
class ScriptedPrompts : public UiPrompts {
public:
    struct Asked {
        QString text;
        NoticeButtons buttons;
        NoticeIcon icon;
        QString title;
        bool question;
    };

    std::deque<NoticeAnswer> answers;
    std::deque<QString> fileNames;  // for the open and save dialogs; "" = cancelled
    std::deque<bool> writeAnyway;   // answers of the check before a write
    QStringList findingsShown;
    std::vector<Asked> asked;
    int openDialogs = 0;
    int saveDialogs = 0;
    QString lastFilter;
    QString lastPreset;

    void message(const QString& text, NoticeIcon icon, const QString& title = {}) override
    {
        asked.push_back({text, NoticeButtons::Ok, icon, title, false});
    }
    NoticeAnswer ask(const QString& text, NoticeButtons buttons, NoticeIcon icon, const QString& title = {}) override
    {
        asked.push_back({text, buttons, icon, title, true});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return NoticeAnswer::Cancel;
        }
        const NoticeAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString openFileName(const QString& filter, const QString& preset) override
    {
        ++openDialogs;
        return nextFile(filter, preset);
    }
    QString saveFileName(const QString& filter, const QString& preset) override
    {
        ++saveDialogs;
        return nextFile(filter, preset);
    }

    bool writeDespiteFindings(const QStringList& findings) override
    {
        findingsShown = findings;
        if (writeAnyway.empty()) {
            ADD_FAILURE() << "unexpected check before a write: " << findings.join(QLatin1Char('\n')).toStdString();
            return false;
        }
        const bool answer = writeAnyway.front();
        writeAnyway.pop_front();
        return answer;
    }

    std::vector<QString> texts() const
    {
        std::vector<QString> out;
        for (const auto& a : asked)
            out.push_back(a.text);
        return out;
    }

private:
    QString nextFile(const QString& filter, const QString& preset)
    {
        lastFilter = filter;
        lastPreset = preset;
        if (fileNames.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return {};
        }
        const QString f = fileNames.front();
        fileNames.pop_front();
        return f;
    }
};

// A fresh installation tree in a temporary folder (configuration root with
// the program folder V100 and the real language files), its own settings
// store, and scripted prompts.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testApplication();
        std::filesystem::create_directories(m_root / "V100" / "language");
        std::filesystem::create_directories(m_root / "V100" / "Init");
        std::filesystem::create_directories(m_root / "language");
        InstallShippedLanguages(m_root / "V100");
        ::setenv("XDG_CONFIG_HOME", (m_root / "userconfig").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (m_root / "userdata").c_str(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((m_root / "settings").string()));

        AppState& state = AppState::instance();
        state = AppState();
        state.setProgramFolder((m_root / "V100").string());
        state.setLanguage(1);
        state.AppliedLanguageId = 1;
        state.AppTitle = "BRISKO7 Test";
        VersionList::instance().load(state.versionListPath());
        UiPrompts::install(&prompts);
    }
    void TearDown() override { UiPrompts::install(nullptr); }

    std::string path(const std::string& relative) const { return m_temp.path(relative); }
    QString qpath(const std::string& relative) const { return QString::fromStdString(path(relative)); }

    // Waits (running the event loop) until the condition holds or the time is up.
    static bool waitUntil(const std::function<bool()>& condition, int ms = 2000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > ms)
                return false;
            QTest::qWait(10);
        }
        return true;
    }

    static std::uintmax_t fileSize(const std::string& p)
    {
        std::error_code ec;
        const auto n = std::filesystem::file_size(p, ec);
        return ec ? 0 : n;
    }

    ScriptedPrompts prompts;
    TempFolder m_temp{"gui"};
    const std::filesystem::path& m_root = m_temp.root();
};
