#include "gui_test_env.h"

#include "../support/file_bytes.h"
#include "../support/test_application.h"
#include "core/base/version_list.h"

#include <cstdlib>

namespace {

// One application object for the whole test program.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_app = &testApplication();
        // A test that closes the main window must not end the event loops of the next step.
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { delete m_app; }

private:
    QApplication* m_app = nullptr;
};

const auto* const g_env = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void GuiLinkTest::SetUp()
{
    m_temp.emplace("gui_link", false);
    m_root = m_temp->root();
    const auto program = m_root / "V100";
    std::filesystem::create_directories(program / "language");
    std::filesystem::create_directories(m_root / "language");
    std::filesystem::create_directories(m_root / "user");
    std::filesystem::copy_file(std::filesystem::path(BRISKO7_SOURCE_DIR) / "data/language/english.ini",
                               program / "language/english.ini");
    ::setenv("XDG_CONFIG_HOME", (m_root / "user").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (m_root / "user").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (m_root / "user").c_str(), 1);

    AppState& state = AppState::instance();
    state = AppState{};
    state.setProgramFolder(program.string());
    state.setLanguage(1);
    state.ComPort = 1;
    // No version list installed: this version handles its own data only.
    VersionList::instance().load(state.versionListPath());
}

void GuiLinkTest::TearDown()
{
    m_temp.reset();
}

std::string GuiLinkTest::setupFileText() const
{
    return readText(AppState::instance().setupFilePath());
}

void ScriptedPrompts::message(const QString& text, NoticeIcon, const QString&)
{
    messages << text;
    if (onMessage)
        onMessage(text);
}

NoticeAnswer ScriptedPrompts::ask(const QString& text, NoticeButtons, NoticeIcon, const QString&)
{
    questions << text;
    if (answers.empty())
        return NoticeAnswer::Cancel;
    const NoticeAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}
