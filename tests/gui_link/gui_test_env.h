#pragma once

#include "core/base/app_state.h"
#include "gui/base/ui_prompts.h"

#include "../support/temp_folder.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A program folder of its own for each test: the English texts, the setup
// file and the user's configuration folder all live in a temporary tree, so a
// test never reads or changes the files of the person running it.
class GuiLinkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string setupFileText() const;

    std::optional<TempFolder> m_temp;
    std::filesystem::path m_root;
};

// Prompts answered by the test: each question takes the next scripted answer
// (Cancel when the script has run out); every text shown is recorded.
class ScriptedPrompts : public UiPrompts {
public:
    ScriptedPrompts() { UiPrompts::install(this); }
    ~ScriptedPrompts() override { UiPrompts::install(nullptr); }

    void message(const QString& text, NoticeIcon icon, const QString& title = {}) override;
    NoticeAnswer ask(const QString& text, NoticeButtons buttons, NoticeIcon icon, const QString& title = {}) override;
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }

    // Called with each message as it is shown (a test looks at the program then).
    std::function<void(const QString&)> onMessage;

    std::deque<NoticeAnswer> answers;
    QStringList messages;
    QStringList questions;
};
