// The real message boxes: buttons, answers, icons and titles in the chosen language.

#include "gui_test_support.h"

#include "gui/app/toolkit_language.h"
#include "lang_text_ids.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

namespace {

struct SeenBox {
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMap<QMessageBox::StandardButton, QString> buttons;
};

// Once the box is up, notes what it shows and presses the given button.
void pressWhenShown(SeenBox& seen, QMessageBox::StandardButton press)
{
    QTimer::singleShot(30, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            seen.buttons.insert(box->standardButton(b), b->text());
        box->button(press)->click();
    });
}

}  // namespace

class DialogPromptsTest : public GuiTest {
protected:
    DialogPrompts real;
};

TEST_F(DialogPromptsTest, EveryButtonAndTitleSpeaksTheChosenLanguage)
{
    QStringList titles;
    for (int language : {1, 2}) {
        SCOPED_TRACE(language);
        AppState::instance().setLanguage(static_cast<std::int16_t>(language));
        ASSERT_FALSE(LangText(Txt::OkButton).isEmpty());

        SeenBox question;
        pressWhenShown(question, QMessageBox::Cancel);
        EXPECT_EQ(real.ask("Go on?", NoticeButtons::OkCancel, NoticeIcon::Warning, LangText(Txt::BandModeChangeTitle)),
                  NoticeAnswer::Cancel);
        EXPECT_EQ(question.buttons.value(QMessageBox::Ok), LangText(Txt::OkButton));
        EXPECT_EQ(question.buttons.value(QMessageBox::Cancel), LangText(Txt::CancelButton));
        EXPECT_EQ(question.title, LangText(Txt::BandModeChangeTitle));
        EXPECT_EQ(question.icon, QMessageBox::Warning);

        SeenBox unsaved;
        pressWhenShown(unsaved, QMessageBox::Cancel);
        EXPECT_EQ(real.ask(LangText(Txt::SaveChangesQuestion), NoticeButtons::YesNoCancel, NoticeIcon::Warning),
                  NoticeAnswer::Cancel);
        EXPECT_EQ(unsaved.buttons.size(), 3);
        EXPECT_EQ(unsaved.buttons.value(QMessageBox::Cancel), LangText(Txt::CancelButton));
        EXPECT_EQ(unsaved.buttons.value(QMessageBox::Yes), LangText(Txt::YesButton));
        EXPECT_EQ(unsaved.buttons.value(QMessageBox::No), LangText(Txt::NoButton));
        // The program's name as the language now in use gives it, not as it was at start-up.
        EXPECT_EQ(unsaved.title, LangText(Txt::AppTitle));
        titles << unsaved.title;

        SeenBox retry;
        pressWhenShown(retry, QMessageBox::Cancel);
        real.ask(LangText(Txt::RadioNoAnswer), NoticeButtons::RetryCancel, NoticeIcon::Question);
        EXPECT_EQ(retry.buttons.value(QMessageBox::Retry), LangText(Txt::RetryButton));

        SeenBox notice;
        pressWhenShown(notice, QMessageBox::Ok);
        real.message(LangText(Txt::DataFileAccessFailed), NoticeIcon::None);
        EXPECT_EQ(notice.buttons.keys(), QList<QMessageBox::StandardButton>({QMessageBox::Ok}));
        EXPECT_EQ(notice.buttons.value(QMessageBox::Ok), LangText(Txt::OkButton));
        EXPECT_EQ(notice.icon, QMessageBox::NoIcon);
    }
    EXPECT_NE(titles.value(0), titles.value(1));
}

TEST_F(DialogPromptsTest, AnswersFollowTheButtonPressed)
{
    SeenBox seen;
    pressWhenShown(seen, QMessageBox::Yes);
    EXPECT_EQ(real.ask("?", NoticeButtons::YesNoCancel, NoticeIcon::Question), NoticeAnswer::Yes);
    pressWhenShown(seen, QMessageBox::No);
    EXPECT_EQ(real.ask("?", NoticeButtons::YesNo, NoticeIcon::None), NoticeAnswer::No);
    pressWhenShown(seen, QMessageBox::Ok);
    EXPECT_EQ(real.ask("?", NoticeButtons::OkCancel, NoticeIcon::Question), NoticeAnswer::Ok);
    pressWhenShown(seen, QMessageBox::Retry);
    EXPECT_EQ(real.ask("?", NoticeButtons::RetryCancel, NoticeIcon::Warning), NoticeAnswer::Retry);
}

TEST(ToolkitLanguageTest, TheFileDialogsSpeakChineseWhenChineseIsChosen)
{
    testApplication();
    const QString english = QCoreApplication::translate("QFileDialog", "File &name:");
    ASSERT_TRUE(ApplyToolkitLanguage(2)) << "the toolkit's Chinese translation is not installed";
    const QString chinese = QCoreApplication::translate("QFileDialog", "File &name:");
    EXPECT_NE(chinese, english);
    EXPECT_TRUE(ApplyToolkitLanguage(1));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), english);
}

class ToolkitTranslation : public ::testing::TestWithParam<int> {};

TEST_P(ToolkitTranslation, TheFileDialogsSpeakTheChosenLanguage)
{
    testApplication();
    ASSERT_TRUE(ApplyToolkitLanguage(1));
    const QString english = QCoreApplication::translate("QFileDialog", "File &name:");
    ASSERT_TRUE(ApplyToolkitLanguage(GetParam())) << "the toolkit's translation is not installed";
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), english);
    EXPECT_TRUE(ApplyToolkitLanguage(1));
}

INSTANTIATE_TEST_SUITE_P(Languages, ToolkitTranslation, ::testing::Values(3, 4, 5, 6, 7));
