// The model, password and radio information windows, the splash window, the
// pane's splitter and the start-up sequence.

#include "gui_test_support.h"

#include "core/app/data_file.h"
#include "gui/app/frm_about.h"
#include "gui/app/frm_main.h"
#include "gui/app/frm_model_info.h"
#include "gui/app/frm_pass_word.h"
#include "gui/app/frm_radio_info.h"
#include "gui/app/frm_splash.h"
#include "core/base/ini_file.h"
#include "core/base/lang_texts.h"
#include "gui/app/start_up.h"
#include "gui/app/tree_pane.h"
#include "gui/base/twips.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/radio_info.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cstring>

#include <clocale>

using A = NoticeAnswer;

class ModelInfoTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        InitDocument(doc, AppState::instance().initFolder());
    }
    Document doc;
    int newDocs = 0;
};

TEST_F(ModelInfoTest, ShowsModelAndBandAndOkWithoutChangeAsksNothing)
{
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    FrmModelInfo dialog(doc, [&] { ++newDocs; });
    EXPECT_EQ(dialog.windowTitle(), LangText(Txt::ModelCaption));
    EXPECT_EQ(dialog.modelCombo()->currentText(), "BRISKO7");
    EXPECT_EQ(dialog.modeCombo()->currentText(), "HF");
    EXPECT_EQ(dialog.rangeCombo()->currentText(), "25.615 - 30.105 MHz");
    EXPECT_EQ(dialog.findChild<QPushButton*>("CommandOK")->text(), LangText(Txt::OkButton));
    dialog.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(newDocs, 0);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ModelInfoTest, EnterInTheListsMovesTheFocusOnWithoutClosing)
{
    FrmModelInfo dialog(doc, [&] { ++newDocs; });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.modelCombo()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.modelCombo()->hasFocus(); }));
    QTest::keyClick(dialog.modelCombo(), Qt::Key_Return);
    EXPECT_TRUE(dialog.rangeCombo()->hasFocus());
    QTest::keyClick(dialog.rangeCombo(), Qt::Key_Return);
    EXPECT_TRUE(dialog.modeCombo()->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(ModelInfoTest, BandSwitchCancelledLeavesTheDocumentAlone)
{
    FrmModelInfo dialog(doc, [&] { ++newDocs; });
    dialog.modeCombo()->setFocus();
    QTest::keyClick(dialog.modeCombo(), Qt::Key_Down);
    QTest::keyClick(dialog.modeCombo(), Qt::Key_Down);
    EXPECT_EQ(dialog.modeCombo()->currentText(), "HAM");
    EXPECT_EQ(dialog.rangeCombo()->currentIndex(), 2);  // follows the mode
    prompts.answers = {A::Cancel};
    dialog.findChild<QPushButton*>("CommandOK")->click();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, LangText(Txt::BandModeChangeQuestion));
    EXPECT_EQ(prompts.asked[0].title, LangText(Txt::BandModeChangeTitle));
    EXPECT_EQ(prompts.asked[0].buttons, NoticeButtons::OkCancel);
    EXPECT_EQ(prompts.asked[0].icon, NoticeIcon::Warning);
    EXPECT_EQ(doc.BandMode, 0);
    EXPECT_EQ(doc.BandRangeText, "26.965 - 27.405 MHz");
    EXPECT_EQ(newDocs, 0);
}

TEST_F(ModelInfoTest, ConfirmedBandSwitchBuildsANewDocumentForTheBand)
{
    frmMain w(doc);
    FrmModelInfo dialog(doc, [&] {
        ++newDocs;
        w.LoadNewDoc();
    });
    dialog.modeCombo()->setFocus();
    QTest::keyClick(dialog.modeCombo(), Qt::Key_Down);
    prompts.answers = {A::Ok};
    dialog.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(newDocs, 1);
    EXPECT_EQ(doc.BandMode, 1);
    EXPECT_EQ(doc.BandRangeText, "25.615 - 30.105 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 25.615);
    EXPECT_EQ(doc.RadioInfo.InfoBand, 1);
    // The new document lies in the new band: channel 1 at its middle.
    EXPECT_TRUE(waitUntil([&] { return doc.ChannelList[0].RxFreq == "02786000"; }));
    EXPECT_EQ(doc.Record.Model.Band, 1);
    EXPECT_TRUE(w.windowTitle().contains(":HF:25.615 - 30.105 MHz]"));
}

using PasswordTest = GuiTest;

TEST_F(PasswordTest, MaskedAndFourCharactersAtMost)
{
    AppState::instance().ProgPassword = "12";
    AppState::instance().PasswordEntered = true;
    FrmPassWord dialog;
    EXPECT_FALSE(AppState::instance().PasswordEntered);  // cleared on every load
    auto* text = dialog.findChild<QLineEdit*>("Text1");
    EXPECT_EQ(text->echoMode(), QLineEdit::Password);
    EXPECT_EQ(text->text(), "12");
    EXPECT_EQ(dialog.windowTitle(), LangText(Txt::PasswordCaption));
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), LangText(Txt::PasswordLabel));
    text->clear();
    QTest::keyClicks(text, "abcdef");
    EXPECT_EQ(text->text(), "abcd");
    dialog.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(AppState::instance().ProgPassword, "abcd");
    EXPECT_TRUE(AppState::instance().PasswordEntered);
}

TEST_F(PasswordTest, TypingReplacesTheStoredPasswordShownAsStars)
{
    // A user who typed a wrong password and tries again types the right one
    // straight over it: the whole box is selected when the dialog opens.
    const struct {
        const char* stored;
        const char* typed;
        const char* shown;
    } cases[] = {{"1111", "2468", "****"}, {"12", "9", "**"}, {"", "34", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        AppState::instance().ProgPassword = c.stored;
        FrmPassWord dialog;
        auto* text = dialog.findChild<QLineEdit*>("Text1");
        EXPECT_EQ(text->displayText(), c.shown);
        QTest::keyClicks(text, c.typed);
        EXPECT_EQ(text->displayText(), QString(static_cast<qsizetype>(std::strlen(c.typed)), u'*'));
        dialog.findChild<QPushButton*>("CommandOK")->click();
        EXPECT_EQ(AppState::instance().ProgPassword, c.typed);
    }
}

TEST_F(PasswordTest, TrailingSpacesAreDroppedAndCancelKeepsThePassword)
{
    {
        FrmPassWord dialog;
        auto* text = dialog.findChild<QLineEdit*>("Text1");
        text->clear();
        QTest::keyClicks(text, "ab  ");
        dialog.findChild<QPushButton*>("CommandOK")->click();
        EXPECT_EQ(AppState::instance().ProgPassword, "ab");
    }
    FrmPassWord dialog;
    auto* text = dialog.findChild<QLineEdit*>("Text1");
    QTest::keyClicks(text, "9");
    dialog.findChild<QPushButton*>("CommandCancel")->click();
    EXPECT_EQ(AppState::instance().ProgPassword, "ab");
    EXPECT_FALSE(AppState::instance().PasswordEntered);
    // OK without typing keeps the password and confirms it.
    FrmPassWord untouched;
    EXPECT_EQ(untouched.findChild<QLineEdit*>("Text1")->text(), "ab");
    untouched.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(AppState::instance().ProgPassword, "ab");
    EXPECT_TRUE(AppState::instance().PasswordEntered);
    // Closing the window is a Cancel.
    FrmPassWord closed;
    QTest::keyClicks(closed.findChild<QLineEdit*>("Text1"), "7");
    closed.show();
    closed.close();
    EXPECT_EQ(AppState::instance().ProgPassword, "ab");
    EXPECT_FALSE(AppState::instance().PasswordEntered);
}

using RadioInfoTest = GuiTest;

TEST_F(RadioInfoTest, ShowsTheDefaultsOfADocumentNeverReadFromARadio)
{
    Document doc;
    InitDocument(doc, AppState::instance().initFolder());
    FrmRadioInfo info(doc);
    EXPECT_EQ(info.windowTitle(), LangText(Txt::RadioInfoCaption));
    EXPECT_EQ(info.text1(5), "V1.00");
    EXPECT_EQ(info.text1(7), "001A");
    EXPECT_TRUE(info.text1(6).endsWith("-1-E-1"));
    EXPECT_EQ(info.modelCombo()->currentText(), "BRISKO7");
    EXPECT_EQ(info.modeCombo()->currentText(), "CB");
    EXPECT_EQ(info.rangeCombo()->currentText(), "26.965 - 27.405 MHz");
    EXPECT_FALSE(info.findChild<QPushButton*>("CommandHelp")->isVisibleTo(&info));
    EXPECT_EQ(info.findChild<QPushButton*>("CommandClose")->text(), LangText(Txt::CloseButton));
}

TEST_F(RadioInfoTest, LabelsStandBesideTheirOwnBoxAndApartFromTheOtherColumn)
{
    Document doc;
    InitDocument(doc, AppState::instance().initFolder());
    for (int language : {1, 2}) {
        SCOPED_TRACE(language);
        AppState::instance().setLanguage(static_cast<std::int16_t>(language));
        FrmRadioInfo info(doc);
        info.show();
        QTest::qWait(20);
        auto widget = [&](const QString& name) {
            QWidget* found = info.findChild<QWidget*>(name);
            EXPECT_NE(found, nullptr) << name.toStdString();
            return found;
        };
        // Each label's right edge lies 50 twips left of its box.
        const std::pair<const char*, const char*> own[] = {{"Label_21007", "Text1_1"}, {"Label_21003", "Text1_6"},
                                                           {"Label_21004", "Text1_7"}, {"Label_21002", "Text1_0"},
                                                           {"Label_21013", "Text1_8"}, {"Label_21014", "Text1_9"}};
        for (auto [labelName, boxName] : own) {
            QWidget* label = widget(labelName);
            QWidget* box = widget(boxName);
            ASSERT_TRUE(label && box);
            const int gap = box->mapTo(&info, QPoint(0, 0)).x() - label->mapTo(&info, QPoint(label->width(), 0)).x();
            EXPECT_NEAR(gap, twipsToPixels(50), 1) << labelName;
        }
        // A right-hand label's text keeps clear of the box to its left.
        const std::pair<const char*, const char*> neighbours[] = {{"Text1_1", "Label_21003"},
                                                                  {"Text1_2", "Label_21004"},
                                                                  {"Text1_3", "Label_21002"},
                                                                  {"Text1_8", "Label_21014"},
                                                                  {"Text1_10", "Label_21016"}};
        for (auto [boxName, labelName] : neighbours) {
            auto* label = qobject_cast<QLabel*>(widget(labelName));
            QWidget* box = widget(boxName);
            ASSERT_TRUE(label && box);
            const int textLeft = label->mapTo(&info, QPoint(label->width(), 0)).x()
                - label->fontMetrics().horizontalAdvance(label->text());
            const int boxRight = box->mapTo(&info, QPoint(box->width(), 0)).x();
            EXPECT_GE(textLeft - boxRight, twipsToPixels(200)) << labelName;
        }
    }
}

TEST_F(RadioInfoTest, UnknownBandAndDecodedFieldsShowWithoutEndingTheProgram)
{
    Document doc;
    InitDocument(doc, AppState::instance().initFolder());
    RadioInfoBlock block;
    for (std::size_t i = 0; i < block.size(); ++i)
        block.setByte(i, 0xFF);
    const std::string serial = "SN-4711";
    for (std::size_t i = 0; i < serial.size(); ++i)
        block.setByte(0x30 + i, static_cast<std::uint8_t>(serial[i]));
    DecodeRadioInfoBlock(block, doc.RadioInfo);
    ASSERT_GT(doc.RadioInfo.InfoBand, 2);
    FrmRadioInfo info(doc);
    EXPECT_EQ(info.modeCombo()->currentIndex(), -1);
    EXPECT_EQ(info.modeCombo()->placeholderText(), LangText(Txt::BandUnknown));
    EXPECT_EQ(info.rangeCombo()->currentIndex(), -1);
    EXPECT_EQ(info.text1(1), "SN-4711");
    // ShowByData refreshes an open window from the record.
    doc.RadioInfo.InfoBand = 2;
    doc.RadioInfo.SerialNo = "XY";
    info.ShowByData();
    EXPECT_EQ(info.modeCombo()->currentText(), "HAM");
    EXPECT_EQ(info.text1(1), "XY");
}

using SplashTest = GuiTest;

TEST_F(SplashTest, ClickHandsOverOnceAndStopsTheTimer)
{
    int loads = 0;
    const QString picture = QString::fromStdString(BRISKO7_SOURCE_DIR "/data/StartE.jpg");
    frmSplash splash(picture, [&] { ++loads; });
    splash.show();
    auto* logo = splash.findChild<QLabel*>("picLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_FALSE(logo->pixmap().isNull());
    EXPECT_TRUE(splash.timer()->isActive());
    EXPECT_EQ(splash.timer()->interval(), 2000);
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(splash.timer()->isActive());
    EXPECT_FALSE(splash.isVisible());
    splash.handOver();
    EXPECT_EQ(loads, 1);
}

TEST_F(SplashTest, TimerHandsOverWhenNobodyClicks)
{
    int loads = 0;
    frmSplash splash(qpath("V100/missing.jpg"), [&] { ++loads; });
    splash.timer()->setInterval(30);
    splash.timer()->start();
    EXPECT_TRUE(waitUntil([&] { return loads == 1; }));
    EXPECT_TRUE(splash.handedOver());
}

TEST_F(SplashTest, MissingPictureShowsTheProgramNameBeforeTheTitleIsSet)
{
    // At start-up the splash exists before the application title is set.
    AppState::instance().AppTitle.clear();
    frmSplash splash(qpath("V100/missing.jpg"), [] {});
    auto* logo = splash.findChild<QLabel*>("picLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(logo->pixmap().isNull());
    ASSERT_FALSE(LangText(Txt::AppTitle).isEmpty());
    EXPECT_EQ(logo->text(), LangText(Txt::AppTitle));
}

using SplitterTest = GuiTest;

TEST_F(SplitterTest, PaneWidthLimits)
{
    EXPECT_FALSE(TreePane::paneWidthAccepted(299, 10000));
    EXPECT_TRUE(TreePane::paneWidthAccepted(300, 10000));
    EXPECT_TRUE(TreePane::paneWidthAccepted(10000, 10000));
    EXPECT_FALSE(TreePane::paneWidthAccepted(10001, 10000));

    Document doc;
    frmMain w(doc);
    w.resize(800, 600);
    w.show();
    QTest::qWait(20);
    TreePane* pane = w.treePane();
    const int start = pane->paneWidthTwips();
    QWidget* handle = pane->findChild<QWidget*>("CommandMove");
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->cursor().shape(), Qt::SizeHorCursor);
    // Dragging 30 pixels to the right widens the pane by as much.
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 50), handle->mapToGlobal(QPointF(30, 50)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 50));
    EXPECT_EQ(pane->paneWidthTwips(), start + pixelsToTwips(30));
    // Without the button held, moving does nothing.
    QApplication::sendEvent(handle, &move);
    EXPECT_EQ(pane->paneWidthTwips(), start + pixelsToTwips(30));

    // Narrower than 300 twips or wider than the window: refused.
    const int width = pane->findChild<QWidget*>("Picture1")->width();
    const int minPixels = twipsToPixels(300);
    EXPECT_FALSE(pane->dragBy(minPixels - width - 1, 800));
    EXPECT_TRUE(pane->dragBy(minPixels - width, 800));
    EXPECT_GE(pane->paneWidthTwips(), 300);
    EXPECT_FALSE(pane->dragBy(801, 800));
}

TEST_F(SplitterTest, DraggingToTheRightEdgeNeverGrowsTheWindow)
{
    Document doc;
    frmMain w(doc);
    w.resize(800, 600);
    w.show();
    QTest::qWait(20);
    QWidget* centre = w.centralWidget();
    QWidget* picture = w.treePane()->findChild<QWidget*>("Picture1");
    QWidget* handle = w.treePane()->findChild<QWidget*>("CommandMove");
    const int innerWidth = centre->width();
    // A drag that would leave no room for the child area is refused...
    EXPECT_FALSE(w.treePane()->dragBy(innerWidth - picture->width(), innerWidth));
    // ...and a user who keeps dragging right, step by step, only widens the
    // pane as far as the window allows.
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 50));
    for (int step = 0; step < 20; ++step) {
        QMouseEvent move(QEvent::MouseMove, QPointF(60, 50), handle->mapToGlobal(QPointF(60, 50)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::qWait(5);
    }
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(2, 50));
    QTest::qWait(20);
    EXPECT_EQ(w.width(), 800);
    EXPECT_EQ(centre->width(), innerWidth);
    EXPECT_GT(picture->width(), innerWidth / 2);
    EXPECT_GT(w.mdiArea()->width(), 0);
    EXPECT_LE(picture->width() + handle->width() + w.mdiArea()->width(), innerWidth);
}

using StartUpTest = GuiTest;

TEST_F(StartUpTest, ChineseLocaleOnAFreshSetupFileStartsInChinese)
{
    IniFile::write(path("language/mysetup.ini"), "language", "IsFirstRun", "1");
    Document doc;
    StartUpBeforeSplash(doc, StartUpInput{path("V100"), "zh_CN"});
    AppState& state = AppState::instance();
    EXPECT_EQ(state.ConfigRoot, m_root.string());
    EXPECT_EQ(state.LanguageId, 2);
    EXPECT_EQ(state.AppliedLanguageId, 2);
    EXPECT_EQ(IniFile::read(path("language/mysetup.ini"), "language", "IsFirstRun"), "0");
    EXPECT_EQ(IniFile::read(path("language/mysetup.ini"), "language", "CurrentLanguage"), "2");
    EXPECT_EQ(SplashPicturePath(), path("V100/StartC.jpg"));
    EXPECT_FALSE(state.IsNt60);
    EXPECT_FALSE(doc.InitRequest);
    EXPECT_EQ(doc.ChannelCount, 9);  // the built-in CB document: no VFO channel
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    StartUpAfterSplash();
    EXPECT_EQ(state.AppTitle, GetLangText(Txt::AppTitle));
    EXPECT_EQ(state.SettingsRecord, (std::array<std::uint8_t, 4>{0, 0, 0, 1}));
}

TEST_F(StartUpTest, SavedEnglishChoiceWinsOverTheLocale)
{
    IniFile::write(path("language/mysetup.ini"), "language", "IsFirstRun", "0");
    IniFile::write(path("language/mysetup.ini"), "language", "CurrentLanguage", "1");
    IniFile::write(path("language/mysetup.ini"), "language", "comPort", "4");
    std::ofstream(path("V100/Setting.ini"), std::ios::binary) << std::string("\x01\x02\x03\x04", 4);
    Document doc;
    StartUpBeforeSplash(doc, StartUpInput{path("V100"), "zh_CN"});
    StartUpAfterSplash();
    AppState& state = AppState::instance();
    EXPECT_EQ(state.LanguageId, 1);
    EXPECT_EQ(state.ComPort, 4);
    EXPECT_EQ(SplashPicturePath(), path("V100/StartE.jpg"));
    EXPECT_EQ(state.SettingsRecord, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
}

struct FirstStartCase {
    const char* locale;
    int languageId;
    const char* file;
    const char* splash;
};

class FirstStartTest : public GuiTest, public ::testing::WithParamInterface<FirstStartCase> {};

// The first start of a fresh installation speaks the system's language, says
// so in the setup file and shows that language's title and splash picture.
TEST_P(FirstStartTest, ChoosesTheLanguageOfTheSystemLocale)
{
    const FirstStartCase& c = GetParam();
    IniFile::write(path("language/mysetup.ini"), "language", "IsFirstRun", "1");
    IniFile::write(path("language/mysetup.ini"), "language", "CurrentLanguage", "1");
    Document doc;
    StartUpBeforeSplash(doc, StartUpInput{path("V100"), c.locale});
    StartUpAfterSplash();
    AppState& state = AppState::instance();
    EXPECT_EQ(state.LanguageId, c.languageId);
    EXPECT_EQ(state.AppliedLanguageId, c.languageId);
    EXPECT_EQ(IniFile::read(path("language/mysetup.ini"), "language", "CurrentLanguage"), std::to_string(c.languageId));
    EXPECT_EQ(state.languageFilePath(), path(std::string("V100/language/") + c.file));
    EXPECT_EQ(state.AppTitle, LangTexts::lookup(path(std::string("V100/language/") + c.file), Txt::AppTitle));
    EXPECT_FALSE(state.AppTitle.empty());
    EXPECT_EQ(SplashPicturePath(), path(std::string("V100/") + c.splash));
}

INSTANTIATE_TEST_SUITE_P(Locales, FirstStartTest,
                         ::testing::Values(FirstStartCase{"de_DE", 3, "german.ini", "StartE.jpg"},
                                           FirstStartCase{"pl_PL", 4, "polish.ini", "StartE.jpg"},
                                           FirstStartCase{"it_IT", 5, "italian.ini", "StartE.jpg"},
                                           FirstStartCase{"fr_FR", 6, "french.ini", "StartE.jpg"},
                                           FirstStartCase{"es_ES", 7, "spanish.ini", "StartE.jpg"},
                                           FirstStartCase{"zh_CN", 2, "chinese.ini", "StartC.jpg"},
                                           FirstStartCase{"en_GB", 1, "english.ini", "StartE.jpg"},
                                           FirstStartCase{"pt_PT", 1, "english.ini", "StartE.jpg"}),
                         [](const auto& info) { return std::string(info.param.locale); });

using AboutTest = GuiTest;

TEST_F(AboutTest, ShowsItsTextsAndClosesWithOk)
{
    frmAbout about;
    about.show();
    EXPECT_EQ(about.windowTitle(), LangText(Txt::AboutCaption));
    const std::pair<const char*, int> labels[] = {{"lblTitle", Txt::AboutTitle},
                                                  {"lblVersion", Txt::AboutVersion},
                                                  {"lblDescription", Txt::AboutDescription},
                                                  {"lblDisclaimer", Txt::AboutDisclaimer}};
    for (auto [name, number] : labels)
        EXPECT_EQ(about.findChild<QLabel*>(name)->text(), LangText(number)) << name;
    auto* ok = about.findChild<QPushButton*>("cmdOK");
    EXPECT_EQ(ok->text(), LangText(Txt::AboutOk));
    ok->click();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutTest, MenuEntryOpensTheModalBox)
{
    Document doc;
    frmMain w(doc);
    w.show();
    QString shown;
    QTimer::singleShot(50, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = modal->objectName();
            modal->close();
        }
    });
    w.findChild<QAction*>("mnuHelpAbout")->trigger();
    EXPECT_EQ(shown, "frmAbout");
}
