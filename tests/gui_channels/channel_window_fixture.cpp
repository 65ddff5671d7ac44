#include "channel_window_fixture.h"

#include "core/app/data_file.h"
#include "core/channels/channel_update.h"
#include "core/model/band_range.h"
#include "core/freq/channel_groups.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>

void FocusTakingPrompts::message(const QString& text, NoticeIcon icon, const QString& title)
{
    ScriptedPrompts::message(text, icon, title);
    QWidget* before = QApplication::activeWindow();
    QWidget box;
    box.show();
    box.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    if (before) {
        before->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(before));
    }
}

void ChannelWindowTest::SetUp()
{
    GuiTest::SetUp();
    UiPrompts::install(&boxes);
}

void ChannelWindowTest::TearDown()
{
    window.reset();
    docSignals.reset();
    GuiTest::TearDown();
}

void ChannelWindowTest::newDocument(int band)
{
    ASSERT_TRUE(ApplyBandMode(doc, band));
    InitDocument(doc, path("V100/Init"));
}

void ChannelWindowTest::addChannels(int group, int first, int last, int offsetKhz)
{
    const int start = GetGroupStart(group, doc.BandMode);
    for (int p = first; p <= last; ++p) {
        const double mhz = doc.FreqMin + 0.01 * (p - 1) + 0.001 * offsetKhz;
        AddChannel(doc, start + p, QString::number(mhz, 'f', 5).toStdString());
    }
}

frmCommChInfo& ChannelWindowTest::openWindow()
{
    docSignals = std::make_unique<DocumentSignals>(doc);
    window = std::make_unique<frmCommChInfo>(doc, *docSignals, notifier);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
}

QString ChannelWindowTest::cellText(int row, int column) const
{
    return window->model()->index(row, column).data().toString();
}

const ChannelRecord* ChannelWindowTest::channel(int channelNo) const
{
    const int i = FindChannelIndex(doc, channelNo);
    return i < 0 ? nullptr : &doc.ChannelList[static_cast<std::size_t>(i)];
}

void ChannelWindowTest::doubleClickCell(int row, int column)
{
    const QModelIndex index = window->model()->index(row, column);
    grid().scrollTo(index);
    doubleClick(grid().viewport(), grid().visualRect(index).center());
}

void doubleClick(QWidget* widget, QPoint at)
{
    // What the window system delivers for a double click: press, release,
    // double click, release.
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void ChannelWindowTest::enterOnCell(int row, int column)
{
    const QModelIndex index = window->model()->index(row, column);
    grid().setFocus();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().visualRect(index).center());
    QTest::keyClick(&grid(), Qt::Key_Return);
}

void ChannelWindowTest::typeIntoEditor(const QString& text)
{
    QLineEdit* editor = lineEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, text);
}

QLineEdit* ChannelWindowTest::lineEditor() const
{
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

QComboBox* ChannelWindowTest::listEditor() const
{
    auto* box = qobject_cast<QComboBox*>(QApplication::focusWidget());
    return box && box->parentWidget() == grid().viewport() ? box : nullptr;
}

void ChannelWindowTest::pick(QComboBox* box, const QString& item)
{
    const int row = box->findText(item, Qt::MatchExactly);
    ASSERT_GE(row, 0) << item.toStdString();
    box->setFocus();
    box->showPopup();
    // A grid's list editor goes away once it has stored the choice.
    QPointer<QAbstractItemView> list = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    // Down to the item in the open list, then Enter.
    int at = list->currentIndex().isValid() ? list->currentIndex().row() : -1;
    for (; at < row; ++at)
        QTest::keyClick(list, Qt::Key_Down);
    for (; at > row; --at)
        QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_TRUE(!list || !list->window()->isVisible());
}

void ChannelWindowTest::chooseGroup(const QString& name)
{
    GroupChooser& chooser = *window->chooser();
    if (!chooser.groupBox()->isHidden()) {
        pick(chooser.groupBox(), name);
        return;
    }
    const bool inU = name == "U" || name == "UK";
    pick(chooser.countryBox(), inU ? QStringLiteral("U") : name);
    if (inU)
        pick(chooser.subCountryBox(), name);
}

void ChannelWindowTest::clickOutsideGrid()
{
    GroupChooser& chooser = *window->chooser();
    QComboBox* box = chooser.groupBox()->isHidden() ? chooser.countryBox() : chooser.groupBox();
    QTest::mouseClick(box, Qt::LeftButton);
    box->hidePopup();
}

int ChannelWindowTest::shown(int textNumber) const
{
    int n = 0;
    for (const QString& text : boxes.texts())
        n += text == LangText(textNumber) ? 1 : 0;
    return n;
}
