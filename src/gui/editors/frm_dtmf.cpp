#include "gui/editors/frm_dtmf.h"

#include "core/base/app_state.h"
#include "gui/base/combo_helpers.h"
#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "gui/editors/editor_controls.h"
#include "gui/editors/editor_layout.h"
#include "gui/editors/frm_dtmf_code_box.h"
#include "lang_text_ids.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QTabWidget>

namespace {

using namespace EditorSize;

// Design sizes in twips.
constexpr int ClientWidth = 6495;
constexpr int ClientHeight = 5280;
constexpr int TabTop = 120;
constexpr int TabWidth = 6255;
constexpr int TabHeight = 4455;
constexpr int ListLeft = 3240;
constexpr int ListWidth = 1935;
constexpr int FirstRowTop = 480;
constexpr int ListPitch = 480;
constexpr int CheckLeft = 1200;
constexpr int CheckWidth = 3975;
constexpr int CodeColumnLeft[] = {480, 3360};
constexpr int CodeWidth = 2535;
constexpr int CodeTop = 360;
constexpr int CodePitch = 450;
constexpr int CodesPerColumn = 8;
constexpr int CodeLabelGap = 20;
constexpr int ButtonTop = 4740;

constexpr int EncodeTab = 0;
constexpr int DecodeTab = 1;
constexpr int CodeTab = 2;
constexpr int ListCount = 5;  // the settings before the display switch

const DtmfSetting& settingOfList(int list)
{
    return DtmfSettingTable()[static_cast<std::size_t>(list)];
}

// The item texts of a list: the time each stored value stands for, or for
// the D key "off" followed by the seconds 1 .. 16.
QStringList listItems(const DtmfSetting& setting)
{
    QStringList items;
    for (const int value : setting.choices) {
        if (setting.msPerUnit > 0)
            items << QString::number(value * setting.msPerUnit);
        else
            items << (value == 0 ? LangText(Txt::DKeyOff) : QStringLiteral("%1s").arg(value));
    }
    return items;
}

}  // namespace

FrmDTMF::FrmDTMF(Document& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setObjectName(QString::fromLatin1(FormName));
    buildControls();
    // Form_Load: the hidden decode tab, the lists, the texts, the records.
    m_tabs->setTabVisible(DecodeTab, false);
    InitCombos();
    ChangShowByLanguage();
    ShowDTMF();
    FitEditorWindow(this, {});
}

FrmDTMF::~FrmDTMF()
{
    DisconnectChildrenFrom(this);
}

void FrmDTMF::buildControls()
{
    SetDesignSize(this, ClientWidth, ClientHeight);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(TwipsRect(Margin, TabTop, TabWidth, TabHeight));
    EnterMovesFocus(m_tabs->tabBar());
    for (int tab = EncodeTab; tab <= CodeTab; ++tab)
        m_tabs->addTab(new QWidget, QString());
    buildEncodeTab(m_tabs->widget(EncodeTab));
    buildCodeTab(m_tabs->widget(CodeTab));

    QPushButton* close = nullptr;
    QPushButton* help = nullptr;
    AddCloseHelpButtons(this, ClientWidth, ButtonTop, close, help);
    help->setVisible(AppState::instance().HelpAvailable);
}

void FrmDTMF::buildEncodeTab(QWidget* page)
{
    for (int i = 0; i < ListCount; ++i) {
        auto* combo = new QComboBox(page);
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        combo->setGeometry(TwipsRect(ListLeft, FirstRowTop + i * ListPitch, ListWidth, ControlHeight));
        EnterMovesFocus(combo);
        connect(combo, &QComboBox::activated, this, [this, i](int position) { settingPicked(i, position); });
        m_lists.push_back(combo);
        auto* label = new QLabel(page);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        m_listLabels.push_back(label);
    }
    m_display = new QCheckBox(page);
    m_display->setObjectName(QStringLiteral("Check1"));
    m_display->setGeometry(TwipsRect(CheckLeft, FirstRowTop + ListCount * ListPitch, CheckWidth, ControlHeight));
    EnterMovesFocus(m_display);
    connect(m_display, &QCheckBox::clicked, this,
            [this](bool checked) { SetDtmfSetting(m_doc, DtmfSettingTable()[ListCount], checked ? 1 : 0); });
}

void FrmDTMF::buildCodeTab(QWidget* page)
{
    for (int slot = 1; slot <= DtmfSlotCount; ++slot) {
        const int column = (slot - 1) / CodesPerColumn;
        const int row = (slot - 1) % CodesPerColumn;
        auto* box = new QLineEdit(page);
        box->setObjectName(QStringLiteral("Text2_%1").arg(slot - 1));
        box->setGeometry(TwipsRect(CodeColumnLeft[column], CodeTop + row * CodePitch, CodeWidth, ControlHeight));
        MakeDtmfCodeBox(box);
        EnterMovesFocus(box);
        connect(box, &QLineEdit::textEdited, this, [this, slot](const QString& text) { codeEdited(slot, text); });
        connect(box, &QLineEdit::editingFinished, this, &FrmDTMF::commitPendingEdits);
        m_codes.push_back(box);
        auto* label = new QLabel(page);
        label->setObjectName(QStringLiteral("Label4_%1").arg(slot - 1));
        m_codeLabels.push_back(label);
    }
}

void FrmDTMF::InitCombos()
{
    for (int i = 0; i < ListCount; ++i) {
        m_lists[static_cast<std::size_t>(i)]->clear();
        m_lists[static_cast<std::size_t>(i)]->addItems(listItems(settingOfList(i)));
    }
}

void FrmDTMF::ChangShowByLanguage()
{
    setWindowTitle(LangText(Txt::DtmfCaption));
    m_tabs->setAccessibleName(windowTitle());
    m_tabs->setTabText(EncodeTab, LangText(Txt::DtmfTabEncode));
    m_tabs->setTabText(DecodeTab, LangText(Txt::DtmfTabDecode));
    m_tabs->setTabText(CodeTab, LangText(Txt::DtmfTabAutoDial));
    for (int i = 0; i < ListCount; ++i) {
        QLabel* label = m_listLabels[static_cast<std::size_t>(i)];
        label->setText(LangText(Txt::DtmfRate + i));
        PlaceLabelLeftOf(label, m_lists[static_cast<std::size_t>(i)], LabelGap);
        label->setBuddy(m_lists[static_cast<std::size_t>(i)]);
    }
    m_display->setText(LangText(Txt::DtmfDisplay));
    for (std::size_t j = 0; j < m_codeLabels.size(); ++j) {
        m_codeLabels[j]->setText(QString::number(j + 1));
        PlaceLabelLeftOf(m_codeLabels[j], m_codes[j], CodeLabelGap);
        // The number alone would say little: "Auto dial 3".
        NameControl(m_codes[j],
                    m_tabs->tabText(CodeTab).remove(QLatin1Char('&')) + QLatin1Char(' ') + QString::number(j + 1));
    }
    SetCloseHelpCaptions(this);
}

void FrmDTMF::ShowDTMF()
{
    NormaliseShownDtmf(m_doc);
    for (int i = 0; i < ListCount; ++i)
        SelectListIndex(m_lists[static_cast<std::size_t>(i)], DtmfSettingPosition(m_doc, settingOfList(i)));
    m_display->setChecked(m_doc.Record.Dtmf.DtmfDisplay == 1);
    for (std::size_t s = 0; s < m_codes.size(); ++s)
        m_codes[s]->setText(QString::fromLatin1(DtmfCodeShownText(m_doc.Record.Dtmf.Codes[s])));
}

void FrmDTMF::settingPicked(int list, int position)
{
    const DtmfSetting& setting = settingOfList(list);
    if (position >= 0 && position < static_cast<int>(setting.choices.size()))
        SetDtmfSetting(m_doc, setting, setting.choices[static_cast<std::size_t>(position)]);
}

void FrmDTMF::codeEdited(int slot, const QString& text)
{
    m_edits.edit(m_doc, slot, text.toLatin1().toStdString());
}

void FrmDTMF::commitPendingEdits()
{
    m_edits.commit(m_doc);
}

void FrmDTMF::closeEvent(QCloseEvent* event)
{
    commitPendingEdits();
    QWidget::closeEvent(event);
}
