// The helpers every window shares: combo-box list rules, child windows, text
// boxes and check boxes.

#include "gui_test_support.h"

#include "gui/base/combo_helpers.h"
#include "gui/base/widget_helpers.h"
#include "lang_text_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

using WidgetHelpersTest = GuiTest;

TEST_F(WidgetHelpersTest, ComboListRules)
{
    QComboBox combo;
    EXPECT_EQ(ListItemText(&combo, 0), "");
    SelectListText(&combo, "x");
    EXPECT_EQ(combo.currentIndex(), -1);
    combo.addItems({"Off", "Low", "High"});
    EXPECT_EQ(ListItemText(&combo, 5), "Off");
    EXPECT_EQ(ListItemText(&combo, -1), "Off");
    EXPECT_EQ(ListItemText(&combo, 2), "High");
    EXPECT_EQ(MatchListText(&combo, "Low"), "Low");
    EXPECT_EQ(MatchListText(&combo, "Medium"), "Off");
    SelectListText(&combo, "High");
    EXPECT_EQ(combo.currentIndex(), 2);
    SelectListIndex(&combo, 9);
    EXPECT_EQ(combo.currentIndex(), 0);
    std::int16_t value = 7;
    ComboIndexIfSelected(&combo, value);
    EXPECT_EQ(value, 0);
    combo.setCurrentIndex(-1);
    value = 7;
    ComboIndexIfSelected(&combo, value);
    EXPECT_EQ(value, 7);

    QComboBox numbers;
    numbers.addItems({"5", "10", "abc"});
    EXPECT_EQ(ComboNumberOrDefault(&numbers, 3), 5);
    numbers.setCurrentIndex(1);
    EXPECT_EQ(ComboNumberOrDefault(&numbers, 3), 10);
    numbers.setCurrentIndex(2);
    EXPECT_EQ(ComboNumberOrDefault(&numbers, 3), 3);
}

TEST_F(WidgetHelpersTest, DtmfAndGroupLists)
{
    DtmfSettings dtmf;
    dtmf.Codes[2].Length = 3;
    dtmf.Codes[15].Length = 1;
    QComboBox codes;
    codes.addItem("stale");
    FillDtmfCodeCombo(&codes, dtmf);
    ASSERT_EQ(codes.count(), 3);
    EXPECT_EQ(codes.itemText(0), LangText(Txt::DtmfCodeNone));
    EXPECT_EQ(codes.itemText(1), "3");
    EXPECT_EQ(codes.itemText(2), "16");

    QWidget host;
    auto* group = new QComboBox(&host);
    auto* country = new QComboBox(&host);
    auto* second = new QComboBox(&host);
    host.show();
    FillGroupCombo(group, country, second, 0);
    EXPECT_FALSE(group->isVisible());
    EXPECT_TRUE(country->isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(group->itemText(0), "EU");
    EXPECT_EQ(group->itemText(group->count() - 1), "MEM");
    FillGroupCombo(group, country, second, 2, "MEM");
    EXPECT_TRUE(group->isVisible());
    EXPECT_FALSE(country->isVisible());
    EXPECT_EQ(group->itemText(0), "A");
    EXPECT_EQ(group->findText("MEM"), -1);
    EXPECT_NE(group->findText("VFO"), -1);
}

TEST_F(WidgetHelpersTest, ChildWindowsOpenOnceAndCloseByName)
{
    QMdiArea area;
    area.resize(600, 400);
    area.show();
    int built = 0;
    auto make = [&] {
        ++built;
        return new QWidget;
    };
    QMdiSubWindow* first = ShowChildForm(&area, "Page", make);
    QMdiSubWindow* again = ShowChildForm(&area, "Page", make);
    EXPECT_EQ(first, again);
    EXPECT_EQ(built, 1);
    ShowChildForm(&area, "Other", make);
    UnloadFormsNamed(&area, "Page");
    EXPECT_EQ(FindChildForm(&area, "Page"), nullptr);  // even before it is deleted
    EXPECT_NE(FindChildForm(&area, "Other"), nullptr);
    // Opening it right after the close builds a new window.
    ShowChildForm(&area, "Page", make);
    EXPECT_EQ(built, 3);
    EXPECT_NE(FindChildForm(&area, "Page"), nullptr);
}

TEST_F(WidgetHelpersTest, TextBoxStateAndCheckValue)
{
    QLineEdit box;
    SetTextBoxState(&box, "27.185", Qt::yellow, false);
    EXPECT_FALSE(box.isEnabled());
    EXPECT_EQ(box.text(), "27.185");
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(Qt::yellow));

    QCheckBox check;
    std::int16_t value = 1;
    SetCheckValue(&check, value);
    EXPECT_TRUE(check.isChecked());
    value = 5;
    SetCheckValue(&check, value);
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(check.isChecked());
}
