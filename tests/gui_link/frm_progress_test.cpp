#include "gui_test_env.h"

#include "core/base/lang_texts.h"
#include "lang_text_ids.h"
#include "gui/link/frm_progress.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using FrmProgressTest = GuiLinkTest;

TEST_F(FrmProgressTest, CaptionAndLabelFollowTheTransferKind)
{
    FrmProgress reading(1);
    EXPECT_EQ(reading.windowTitle().toStdString(), GetLangText(Txt::ProgressReading));
    EXPECT_EQ(reading.findChild<QLabel*>("Label1")->text().toStdString(), GetLangText(Txt::ProgressLabel));
    FrmProgress writing(2);
    EXPECT_EQ(writing.windowTitle().toStdString(), GetLangText(Txt::ProgressWriting));
    EXPECT_NE(reading.windowTitle(), writing.windowTitle());
    EXPECT_TRUE(reading.isModal());
}

TEST_F(FrmProgressTest, StartsAtZeroAndShowsEachPercentage)
{
    ScriptedPrompts prompts;
    FrmProgress progress(1);
    EXPECT_EQ(progress.progressValue(), 0);
    EXPECT_EQ(progress.percentText(), QStringLiteral("0%"));
    for (int p : {1, 37, 99, 100}) {
        progress.SetProgressValue(p);
        EXPECT_EQ(progress.progressValue(), p);
        EXPECT_EQ(progress.percentText(), QString::number(p) + "%");
        EXPECT_EQ(progress.findChild<QProgressBar*>("ProgressBar1")->value(), p);
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FrmProgressTest, AValueOutsideTheBarIsReportedAndChangesNothing)
{
    ScriptedPrompts prompts;
    FrmProgress progress(2);
    progress.SetProgressValue(40);
    progress.SetProgressValue(101);
    progress.SetProgressValue(-1);
    EXPECT_EQ(progress.progressValue(), 40);
    EXPECT_EQ(progress.percentText(), QStringLiteral("40%"));
    EXPECT_EQ(prompts.messages, QStringList({"SetProgressValueError", "SetProgressValueError"}));
}

TEST_F(FrmProgressTest, CancelEscapeAndTheCloseBoxAskTheTransferToStopAndOnlyTheTransferClosesIt)
{
    FrmProgress progress(1);
    progress.show();
    QTest::qWait(20);
    QSignalSpy asked(&progress, &FrmProgress::cancelRequested);
    EXPECT_EQ(progress.cancelButton()->text().toStdString(), GetLangText(Txt::CancelButton));

    progress.cancelButton()->click();
    QTest::keyClick(&progress, Qt::Key_Escape);
    progress.close();
    EXPECT_EQ(asked.count(), 3);
    EXPECT_TRUE(progress.isVisible());

    progress.unload();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(asked.count(), 3);
}

TEST_F(FrmProgressTest, WidgetsSpanTheWindowAfterAResize)
{
    FrmProgress progress(1);
    progress.resize(600, 200);
    progress.show();
    auto* bar = progress.findChild<QProgressBar*>("ProgressBar1");
    EXPECT_GT(bar->width(), 400);
    EXPECT_LT(bar->geometry().right(), progress.width());
    progress.resize(800, 200);
    EXPECT_GT(bar->width(), 600);
    progress.unload();
}
