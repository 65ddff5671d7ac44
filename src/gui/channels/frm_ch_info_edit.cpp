#include "gui/channels/frm_ch_info_edit.h"

#include "gui/base/document_signals.h"
#include "core/base/lang_texts.h"
#include "core/base/notifier.h"
#include "gui/base/scroll_page.h"
#include "core/model/undo_group.h"
#include "gui/base/widget_helpers.h"
#include "core/channels/channel_update.h"
#include "gui/channels/frm_mem_freq.h"
#include "gui/channels/group_chooser.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/base/numeric_text.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

constexpr int ToneTipRow = 10;
constexpr int DtmfRows[] = {11, 12, 13};

}  // namespace

FrmCHInfoEdit::FrmCHInfoEdit(Document& doc, DocumentSignals& docSignals, Notifier& notifier, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_notifier(notifier), m_docSignals(&docSignals)
{
    setObjectName(QString::fromLatin1(FormName));
    buildControls();
    // The controls scroll on a page when the window is smaller than its
    // design; Close and Help stay in view below it, and Escape closes.
    m_page = PutOnScrollPage(this, {}, {m_close, m_help});
    m_page->setFocusPolicy(Qt::ClickFocus);  // a click on the background leaves the boxes
    CloseOnEscape(this);
    applyBandLayout();
    m_chooser->fillForBand(m_doc.BandMode);
    ChangShowByLanguage();
    ChangShowCHs(m_group);
    SetGridEditData();

    connect(&docSignals, &DocumentSignals::changed, this, &FrmCHInfoEdit::onDocumentChanged);
    connect(m_chooser, &GroupChooser::groupChosen, this, &FrmCHInfoEdit::onGroupChosen);
    connect(m_positions, &QComboBox::activated, this, &FrmCHInfoEdit::onPositionChosen);
    for (int row = 0; row < ChannelEditRowCount; ++row)
        connect(rowList(row), &QComboBox::activated, this, [this, row] { onRowChosen(row); });
    connect(m_freq, &QLineEdit::textEdited, this, [this] { m_freqPending = true; });
    connect(m_freq, &QLineEdit::editingFinished, this, &FrmCHInfoEdit::commitFrequency);
    connect(m_offset, &QLineEdit::textEdited, this, [this] { m_offsetPending = true; });
    connect(m_offset, &QLineEdit::editingFinished, this, &FrmCHInfoEdit::commitOffset);
    connect(m_memButton, &QPushButton::clicked, this, &FrmCHInfoEdit::onMemFreqClicked);
    connect(m_close, &QPushButton::clicked, this, [this] {
        // Inside the main window the frame closes with its contents.
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
    });
}

FrmCHInfoEdit::~FrmCHInfoEdit()
{
    // A typed value is stored while the window is whole; after that nothing
    // reaches its handlers any more.
    commitPendingEdits();
    DisconnectChildrenFrom(this);
    if (m_docSignals)
        disconnect(m_docSignals, nullptr, this, nullptr);
}

void FrmCHInfoEdit::showChannel(int group, int position)
{
    if (position < 1 || position > GetGroupSize(group, m_doc.BandMode))
        return;
    commitPendingEdits();
    if (group != m_group)
        ChangShowCHs(group);
    m_group = group;
    m_position = position;
    SetGridEditData();
    reportDamagedFrequency();
}

void FrmCHInfoEdit::reportDamagedFrequency()
{
    // A damaged stored code shows as the band's lower limit; the user hears
    // of it once when the dialog comes to that channel, as the grid tells it
    // when its cell is edited, not on every refresh.
    const int channelNo = GetGroupStart(m_group, m_doc.BandMode) + m_position;
    if (channelNo == m_reportedChannel)
        return;
    m_reportedChannel = 0;
    const int index = FindChannelIndex(m_doc, channelNo);
    if (index < 0 || !IsCorruptFreqCode(m_doc.ChannelList[static_cast<std::size_t>(index)].RxFreq))
        return;
    m_reportedChannel = channelNo;
    ReportCorruptFreqCode(m_notifier);
}

void FrmCHInfoEdit::followShownGroup()
{
    // The channel window went to another group: this dialog follows it, on
    // the same position when the group has it, else on the first.
    const int group = m_doc.Record.OptFeat.GridGroup;
    if (group == m_group || GetGroupSize(group, m_doc.BandMode) <= 0)
        return;
    commitPendingEdits();
    ChangShowCHs(group);
    m_group = group;
    if (m_position > GetGroupSize(group, m_doc.BandMode))
        m_position = 1;
    SetGridEditData();
    reportDamagedFrequency();
}

void FrmCHInfoEdit::ChangShowCHs(int group)
{
    m_positions->clear();
    const int size = GetGroupSize(group, m_doc.BandMode);
    for (int p = 1; p <= size; ++p)
        m_positions->addItem(QString::number(p));
}

void FrmCHInfoEdit::SetGridEditData()
{
    const bool wasUpdating = m_updating;
    m_updating = true;
    // An FM-only position shows FM, and the record says so too; showing it
    // is no undo step of its own.
    {
        NotAStep quiet(m_doc);
        ApplyFixedFm(m_doc, m_group, m_position, m_notifier);
    }
    m_chooser->showGroup(m_group);
    m_positions->setCurrentIndex(m_position - 1);
    applyForm(ShowChannelEditForm(m_doc, m_group, m_position));
    m_updating = wasUpdating;
}

void FrmCHInfoEdit::ShowRB()
{
    const ChannelEditForm form = ShowChannelEditForm(m_doc, m_group, m_position);
    m_updating = true;
    applyRow(ToneTipRow, form.rows[ToneTipRow]);
    m_updating = false;
}

void FrmCHInfoEdit::showDtmfLists(const ChannelEditForm& form)
{
    m_updating = true;
    for (const int row : DtmfRows)
        applyRow(row, form.rows[static_cast<std::size_t>(row)]);
    m_updating = false;
}

void FrmCHInfoEdit::commitPendingEdits()
{
    commitFrequency();
    commitOffset();
}

void FrmCHInfoEdit::onGroupChosen(int group)
{
    if (m_updating || group == m_group)
        return;
    commitPendingEdits();
    ChangShowCHs(group);
    m_group = group;
    m_position = 1;
    SetGridEditData();
    reportDamagedFrequency();
    emit groupShown(group);
}

void FrmCHInfoEdit::onPositionChosen()
{
    if (m_updating || m_positions->currentIndex() < 0)
        return;
    commitPendingEdits();
    m_position = m_positions->currentIndex() + 1;
    SetGridEditData();
    reportDamagedFrequency();
}

void FrmCHInfoEdit::onRowChosen(int row)
{
    if (m_updating)
        return;
    const QComboBox* combo = rowList(row);
    if (combo->currentIndex() < 0)
        return;
    const ChannelEditRowInfo& info = ChannelEditRows()[static_cast<std::size_t>(row)];
    const UpdateResult result = info.handsItemText
        ? SetChannelData(m_doc, m_group, m_position, info.field, combo->currentText().toStdString(), m_notifier)
        : SetChannelData(m_doc, m_group, m_position, info.field, combo->currentIndex(), m_notifier);
    // A stored change comes back through the document's notification; an
    // unchanged or refused one shows what the record holds.
    if (!result.stored())
        SetGridEditData();
}

void FrmCHInfoEdit::commitFrequency()
{
    if (!m_freqPending)
        return;
    // Cleared first: a warning box takes the focus, and the box must not
    // store the same text a second time on losing it.
    m_freqPending = false;
    const UpdateResult result = SetChannelData(m_doc, m_group, m_position, ChannelField::RxFreq,
                                               m_freq->text().toStdString(), m_notifier);
    if (result.refusal == Refusal::NoCountryChannel)
        m_notifier.message(GetLangText(Txt::NoCountryChannel), NoticeIcon::Warning);
    if (!result.stored())
        SetGridEditData();
}

void FrmCHInfoEdit::commitOffset()
{
    if (!m_offsetPending)
        return;
    m_offsetPending = false;
    // Only digits reach the box; an empty box puts the stored offset back.
    const std::string text = m_offset->text().toStdString();
    const UpdateResult result = IsNumericText(text)
        ? SetChannelData(m_doc, m_group, m_position, ChannelField::OffSetFre, text, m_notifier)
        : UpdateResult{};
    if (!result.stored())
        SetGridEditData();
}

void FrmCHInfoEdit::onMemFreqClicked()
{
    if (m_doc.BandMode != 0 || !IsMemGroup(m_group, m_doc.BandMode))
        return;
    QString chosen;
    {
        Frm_Mem_Freq dialog(m_doc, m_freq->text(), this);
        // Cancel leaves the memory channel as it is.
        if (dialog.exec() != QDialog::Accepted)
            return;
        chosen = dialog.chosenText();
    }
    m_freq->setText(chosen);
    m_freqPending = true;
    commitFrequency();
}

void FrmCHInfoEdit::onDocumentChanged(const DocumentChange& change)
{
    if (m_updating)
        return;
    using Scope = DocumentChange::Scope;
    switch (change.scope) {
    case Scope::Everything:
        reloadForDocument();
        break;
    case Scope::Channel:
        if (change.channelNo == GetGroupStart(m_group, m_doc.BandMode) + m_position)
            SetGridEditData();
        break;
    case Scope::Channels:
        SetGridEditData();
        break;
    case Scope::ToneTips:
        ShowRB();
        break;
    case Scope::Dtmf:
        showDtmfLists(ShowChannelEditForm(m_doc, m_group, m_position));
        break;
    case Scope::ShownGroup:
        followShownGroup();
        break;
    default:
        break;
    }
}

void FrmCHInfoEdit::reloadForDocument()
{
    // Another document, perhaps of another band: what was typed belonged to
    // the old one.
    m_freqPending = false;
    m_offsetPending = false;
    m_reportedChannel = 0;
    if (m_doc.BandMode != m_bandMode) {
        applyBandLayout();
        placeLabels();
    }
    m_chooser->fillForBand(m_doc.BandMode);
    if (GetGroupSize(m_group, m_doc.BandMode) <= 0)
        m_group = 0;
    if (m_position > GetGroupSize(m_group, m_doc.BandMode))
        m_position = 1;
    ChangShowCHs(m_group);
    SetGridEditData();
}

void FrmCHInfoEdit::closeEvent(QCloseEvent* event)
{
    commitPendingEdits();
    QWidget::closeEvent(event);
}
