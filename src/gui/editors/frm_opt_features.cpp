#include "gui/editors/frm_opt_features.h"

#include "core/base/app_state.h"
#include "gui/base/combo_helpers.h"
#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "core/model/undo_group.h"
#include "gui/base/widget_helpers.h"
#include "gui/editors/editor_controls.h"
#include "gui/editors/editor_layout.h"
#include "gui/base/number_box_filter.h"
#include "gui/editors/option_lists.h"
#include "core/editors/option_update.h"
#include "lang_text_ids.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace EditorSize;

// Design sizes in twips.
constexpr int ClientWidth = 10095;
constexpr int ClientHeight = 6855;
constexpr int FrameTop = 120;
constexpr int FrameHeight = 6015;
constexpr int Frame1Left = 120;
constexpr int Frame1Width = 4695;
constexpr int Frame3Left = 4935;
constexpr int Frame3Width = 5040;
constexpr int Frame1ControlLeft = 2520;
constexpr int Frame3ControlLeft = 2880;
constexpr int ControlWidth = 1935;
constexpr int FirstRowTop = 360;
constexpr int RowPitch = 375;
constexpr int ButtonTop = 6300;

constexpr int FirstOptionCode = 2;
constexpr int LastOptionCode = 16;
// The right frame from top to bottom, by store code.
constexpr int PublicRowOrder[] = {104, 105, 106, 108, 110, 111, 112, 113, 101, OffsetStoreCode, 109, 107};
constexpr int AmFmCode = 108;
constexpr int TxPowerCode = 109;
constexpr int RbToneCode = 110;
constexpr int DtmfCodes[] = {111, 112, 113};

bool isPublicCode(int storeCode)
{
    return storeCode > 100 && storeCode < OffsetStoreCode;
}

QString listName(int storeCode)
{
    return isPublicCode(storeCode) ? QStringLiteral("Combo2_%1").arg(storeCode - 100)
                                   : QStringLiteral("Combo1_%1").arg(storeCode);
}

QString labelName(int storeCode)
{
    return isPublicCode(storeCode) ? QStringLiteral("Label3_%1").arg(storeCode - 100)
                                   : QStringLiteral("Label1_%1").arg(storeCode);
}

// The caption text of a row's label.
int labelText(int storeCode)
{
    if (storeCode == OffsetStoreCode)
        return Txt::OffsetLabel;
    return isPublicCode(storeCode) ? Txt::ChannelRowLabel + (storeCode - 100) : Txt::OptionLabel + storeCode;
}

}  // namespace

FrmOptFeatures::FrmOptFeatures(Document& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setObjectName(QString::fromLatin1(FormName));
    buildControls();
    // Form_Load: the band's rows, the lists, the texts, then the records.
    m_help->setVisible(AppState::instance().HelpAvailable);
    applyBandRules();
    InitCombos();
    ChangShowByLanguage();
    {
        // Showing the window makes the record agree with the power list; the
        // user did not ask for it, so it is no undo step.
        NotAStep quiet(m_doc);
        ApplyPublicPowerLimit(m_doc);
    }
    ShowOptFeat();
    m_doc.addObserver(this);
    FitEditorWindow(this, {});
}

FrmOptFeatures::~FrmOptFeatures()
{
    DisconnectChildrenFrom(this);
    m_doc.removeObserver(this);
}

QComboBox* FrmOptFeatures::list(int storeCode) const
{
    const auto it = m_lists.find(storeCode);
    return it == m_lists.end() ? nullptr : it->second;
}

void FrmOptFeatures::buildControls()
{
    SetDesignSize(this, ClientWidth, ClientHeight);
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(TwipsRect(Frame1Left, FrameTop, Frame1Width, FrameHeight));
    m_frame3 = new QGroupBox(this);
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    m_frame3->setGeometry(TwipsRect(Frame3Left, FrameTop, Frame3Width, FrameHeight));

    for (int code = FirstOptionCode; code <= LastOptionCode; ++code)
        addListRow(m_frame1, *OptionFieldByCode(code), code - FirstOptionCode);
    int row = 0;
    for (const int code : PublicRowOrder) {
        if (code != OffsetStoreCode) {
            addListRow(m_frame3, *OptionFieldByCode(code), row++);
            continue;
        }
        m_offset = new QLineEdit(m_frame3);
        m_offset->setObjectName(QStringLiteral("Text2"));
        m_offset->setMaxLength(4);
        new NumberBoxFilter(m_offset, false);
        EnterMovesFocus(m_offset);
        m_labels[OffsetStoreCode] = new QLabel(m_frame3);
        m_labels[OffsetStoreCode]->setObjectName(QStringLiteral("Label2_1"));
        placeControl(m_offset, row++);
        connect(m_offset, &QLineEdit::textEdited, this, &FrmOptFeatures::offsetEdited);
        connect(m_offset, &QLineEdit::editingFinished, this, &FrmOptFeatures::showStoredOffset);
    }

    m_useMaxSwr = new QCheckBox(m_frame3);
    m_useMaxSwr->setObjectName(QStringLiteral("Check1"));
    m_useMaxSwr->setGeometry(TwipsRect(600, FirstRowTop + row++ * RowPitch, 4200, ControlHeight));
    EnterMovesFocus(m_useMaxSwr);
    connect(m_useMaxSwr, &QCheckBox::clicked, this, [this] { SaveOptFeat(UseMaxSwrStoreCode); });

    m_maxSwr = new QLineEdit(m_frame3);
    m_maxSwr->setObjectName(QStringLiteral("Text1"));
    m_maxSwr->setText(QStringLiteral("16.0"));
    new NumberBoxFilter(m_maxSwr, true);
    EnterMovesFocus(m_maxSwr);
    m_maxSwrLabel = new QLabel(QStringLiteral("Max"), m_frame3);
    m_maxSwrLabel->setObjectName(QStringLiteral("Label4"));
    placeControl(m_maxSwr, row);
    connect(m_maxSwr, &QLineEdit::textEdited, this, [this] { m_maxSwrPending = true; });
    connect(m_maxSwr, &QLineEdit::editingFinished, this, &FrmOptFeatures::normaliseMaxSwr);

    AddCloseHelpButtons(this, ClientWidth, ButtonTop, m_close, m_help);
}

void FrmOptFeatures::addListRow(QWidget* frame, const OptionField& field, int row)
{
    auto* combo = new QComboBox(frame);
    combo->setObjectName(listName(field.storeCode));
    auto* label = new QLabel(frame);
    label->setObjectName(labelName(field.storeCode));
    m_lists[field.storeCode] = combo;
    m_labels[field.storeCode] = label;
    placeControl(combo, row);
    EnterMovesFocus(combo);
    const int code = field.storeCode;
    connect(combo, &QComboBox::activated, this, [this, code] { SaveOptFeat(code); });
}

void FrmOptFeatures::placeControl(QWidget* control, int row)
{
    const int left = control->parentWidget() == m_frame1 ? Frame1ControlLeft : Frame3ControlLeft;
    control->setGeometry(TwipsRect(left, FirstRowTop + row * RowPitch, ControlWidth, ControlHeight));
}

void FrmOptFeatures::placeLabel(QLabel* label, const QWidget* control)
{
    PlaceLabelLeftOf(label, control, LabelGap);
}

void FrmOptFeatures::applyBandRules()
{
    for (const auto& [code, combo] : m_lists) {
        const bool shown = IsOptionFieldShown(m_doc, *OptionFieldByCode(code));
        combo->setVisible(shown);
        m_labels[code]->setVisible(shown);
    }
    const bool offsetShown = IsOptionFieldShown(m_doc, *OptionFieldByCode(OffsetStoreCode));
    m_offset->setVisible(offsetShown);
    m_labels[OffsetStoreCode]->setVisible(offsetShown);
}

void FrmOptFeatures::InitCombos()
{
    for (const auto& [code, combo] : m_lists) {
        combo->clear();
        combo->addItems(OptionListItems(*OptionFieldByCode(code), m_doc));
    }
}

void FrmOptFeatures::ChangShowByLanguage()
{
    setWindowTitle(LangText(Txt::OptionsCaption));
    m_frame1->setTitle(LangText(Txt::OptionMenuFrame));
    m_frame3->setTitle(LangText(Txt::PublicChannelFrame));
    m_useMaxSwr->setText(LangText(Txt::UseMaxSwr));
    for (const auto& [code, label] : m_labels) {
        label->setText(LangText(labelText(code)));
        placeLabel(label, code == OffsetStoreCode ? static_cast<QWidget*>(m_offset) : m_lists[code]);
    }
    placeLabel(m_maxSwrLabel, m_maxSwr);
    SetCloseHelpCaptions(this);
}

void FrmOptFeatures::ShowOptFeat()
{
    for (const auto& [code, combo] : m_lists) {
        const OptionField& field = *OptionFieldByCode(code);
        const int value = OptionFieldValue(m_doc, field);
        if (field.conversion == OptionConversion::ItemNumber && field.record == OptionRecord::Options)
            SelectListText(combo, QString::number(value));
        else
            SelectListIndex(combo, value);
    }
    ShowRBOpt();
    showDtmfLists();
    showStoredOffset();
    m_useMaxSwr->setChecked(m_doc.Record.OptFeat.UseMaxSwr == 1);
    m_maxSwr->setText(QString::fromStdString(MaxSwrTextOfTenths(m_doc.Record.OptFeat.MaxSwr)));
    m_maxSwrPending = false;
}

void FrmOptFeatures::ShowRBOpt()
{
    QComboBox* combo = m_lists[RbToneCode];
    combo->clear();
    combo->addItems(OptionListItems(*OptionFieldByCode(RbToneCode), m_doc));
    SelectListText(combo, ToneTipItemText(m_doc.Record.PublicChannel.RBTone));
}

void FrmOptFeatures::showDtmfLists()
{
    for (const int code : DtmfCodes) {
        QComboBox* combo = m_lists[code];
        FillDtmfCodeCombo(combo, m_doc.Record.Dtmf);
        SelectListText(combo, QString::number(OptionFieldValue(m_doc, *OptionFieldByCode(code))));
    }
}

void FrmOptFeatures::FillPowerList()
{
    QComboBox* combo = m_lists[TxPowerCode];
    combo->clear();
    combo->addItems(OptionListItems(*OptionFieldByCode(TxPowerCode), m_doc));
    SelectListIndex(combo, m_doc.Record.PublicChannel.Tx_Power);
}

void FrmOptFeatures::SaveOptFeat(int storeCode)
{
    const OptionField& field = *OptionFieldByCode(storeCode);
    if (storeCode == UseMaxSwrStoreCode) {
        storeValue(storeCode, m_useMaxSwr->isChecked() ? "1" : "0");
        return;
    }
    const QComboBox* combo = m_lists[storeCode];
    if (field.conversion == OptionConversion::ListPosition) {
        if (combo->currentIndex() < 0)
            return;  // no selection: the field stays as it is
        storeValue(storeCode, std::to_string(combo->currentIndex()));
    } else {
        storeValue(storeCode, std::to_string(ComboNumberOrDefault(combo, field.fallback)));
    }
    if (storeCode == AmFmCode)
        FillPowerList();
}

void FrmOptFeatures::storeValue(int storeCode, const std::string& value)
{
    m_storing = true;
    SetOptionField(m_doc, *OptionFieldByCode(storeCode), value);
    m_storing = false;
}

void FrmOptFeatures::offsetEdited()
{
    // The stored offset follows the typing; the box shows the normalised
    // value when the user leaves it.
    m_offsetPending = true;
    storeValue(OffsetStoreCode, m_offset->text().toStdString());
}

void FrmOptFeatures::showStoredOffset()
{
    m_offset->setText(QString::number(m_doc.Record.PublicChannel.OffSetFre));
    m_offsetPending = false;
}

void FrmOptFeatures::normaliseMaxSwr()
{
    const std::string shown = MaxSwrShownText(m_maxSwr->text().toStdString());
    m_maxSwr->setText(QString::fromStdString(shown));
    m_maxSwrPending = false;
    storeValue(MaxSwrStoreCode, std::to_string(MaxSwrTenths(shown)));
}

void FrmOptFeatures::commitPendingEdits()
{
    if (m_offsetPending)
        showStoredOffset();
    if (m_maxSwrPending)
        normaliseMaxSwr();
}

void FrmOptFeatures::closeEvent(QCloseEvent* event)
{
    commitPendingEdits();
    QWidget::closeEvent(event);
}

void FrmOptFeatures::documentChanged(const DocumentChange& change)
{
    if (m_storing)
        return;
    // Another window changed the tone tips, the DTMF codes or the references
    // to them: the lists offer what is defined now.
    if (change.touches(DocumentChange::Scope::ToneTips) || change.touches(DocumentChange::Scope::PublicChannel))
        ShowRBOpt();
    if (change.touches(DocumentChange::Scope::Dtmf) || change.touches(DocumentChange::Scope::PublicChannel))
        showDtmfLists();
}
