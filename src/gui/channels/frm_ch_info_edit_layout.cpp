// Building, placing and captioning the controls of the channel edit dialog,
// and applying a computed form to them.
#include "gui/channels/frm_ch_info_edit.h"

#include "core/base/app_state.h"
#include "gui/base/lang_text.h"
#include "gui/base/scroll_page.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "gui/channels/group_chooser.h"
#include "gui/base/number_box_filter.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Design sizes in twips.
constexpr int ClientWidth = 5040;
constexpr int Margin = 120;
constexpr int ControlLeft = 2520;       // the lists above the frame, in the window
constexpr int FrameControlLeft = 2400;  // the controls inside the frame
constexpr int ControlWidth = 1815;
constexpr int MemFreqWidth = 1560;  // the "MEM" group's frequency box leaves room for ">"
constexpr int ControlHeight = 315;
constexpr int GroupTop = 120;
constexpr int PositionTop = 540;
constexpr int FrameTop = 960;
constexpr int FirstRowTop = 300;
constexpr int RowPitch = 360;
constexpr int LabelGap = 100;  // a label's right edge stands this far left of its control
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;

// The window's height, the frame's and the buttons' top by band: "CB" has
// four rows fewer (shift, offset, power and the never shown 5 kHz shift).
struct BandLayout {
    int windowHeight;
    int frameHeight;
    int buttonTop;
};
constexpr BandLayout CbLayout{7645, 5535, 6620};
constexpr BandLayout BankLayout{8725, 6615, 7700};

// The frame from top to bottom: rows by number, the frequency and the offset.
constexpr int FreqSlot = -1;
constexpr int OffsetSlot = -2;
constexpr int FrameOrder[] = {FreqSlot, 3, 2, 14, 15, 0, 4, 5, 6, 8, 10, 11, 12, 13, 1, OffsetSlot, 9, 7};

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QLabel* addLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

// The label's right edge stands the gap left of its control, centred on it.
void placeLabel(QLabel* label, const QWidget* control)
{
    label->adjustSize();
    const QRect c = control->geometry();
    label->move(c.left() - label->width() - twipsToPixels(LabelGap), c.top() + (c.height() - label->height()) / 2);
}

// Editable boxes and lists have the window colour of an editable list;
// locked ones the grey of the window itself.
QColor backgroundOf(bool editable, const QWidget* window)
{
    return window->palette().color(editable ? QPalette::Base : QPalette::Window);
}

void setBackground(QWidget* control, bool editable, const QWidget* window)
{
    QPalette palette = control->palette();
    const QColor colour = backgroundOf(editable, window);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    control->setPalette(palette);
}

}  // namespace

QComboBox* FrmCHInfoEdit::addList(QWidget* parent, const QString& name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    EnterMovesFocus(combo);
    return combo;
}

void FrmCHInfoEdit::buildControls()
{
    setFocusPolicy(Qt::ClickFocus);  // a click on the background leaves the boxes
    m_chooser = new GroupChooser(this);
    m_chooser->setGeometry(twipsRect(Margin, GroupTop, ClientWidth - 2 * Margin, ControlHeight + 60));
    m_chooser->alignLabel(twipsToPixels(ControlLeft - Margin), twipsToPixels(LabelGap));
    m_positionLabel = addLabel(this, QStringLiteral("Label1"));
    m_positions = addList(this, QStringLiteral("Combo1"));
    m_positions->setGeometry(twipsRect(ControlLeft, PositionTop, ControlWidth, ControlHeight));

    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFocusPolicy(Qt::ClickFocus);
    m_freqLabel = addLabel(m_frame, QStringLiteral("Label2_0"));
    m_freq = new QLineEdit(m_frame);
    m_freq->setObjectName(QStringLiteral("Text1"));
    m_freq->setMaxLength(9);
    new NumberBoxFilter(m_freq, true, true);
    EnterMovesFocus(m_freq);
    m_memButton = new QPushButton(QStringLiteral(">"), m_frame);
    m_memButton->setObjectName(QStringLiteral("Command1"));
    m_offsetLabel = addLabel(m_frame, QStringLiteral("Label2_1"));
    m_offset = new QLineEdit(m_frame);
    m_offset->setObjectName(QStringLiteral("Text2"));
    m_offset->setMaxLength(4);
    new NumberBoxFilter(m_offset, false);
    EnterMovesFocus(m_offset);
    for (int row = 0; row < ChannelEditRowCount; ++row) {
        m_rows[static_cast<std::size_t>(row)] = addList(m_frame, QStringLiteral("Combo2_%1").arg(row));
        m_rowLabels[static_cast<std::size_t>(row)] = addLabel(m_frame, QStringLiteral("Label3_%1").arg(row));
    }

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("CommandClose"));
    m_close->setMinimumSize(twipsToPixels(ButtonWidth), twipsToPixels(ButtonHeight));
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("CommandHelp"));
    m_help->setMinimumSize(twipsToPixels(ButtonWidth), twipsToPixels(ButtonHeight));
    m_help->setVisible(AppState::instance().HelpAvailable);
}

void FrmCHInfoEdit::applyBandLayout()
{
    m_bandMode = m_doc.BandMode;
    const BandLayout& layout = m_bandMode == 0 ? CbLayout : BankLayout;
    // The design's window height holds the buttons below the frame; they
    // stand in their own row under the page now.
    m_page->setMinimumSize(twipsToPixels(ClientWidth), twipsToPixels(FrameTop + layout.frameHeight + Margin));
    m_frame->setGeometry(twipsRect(Margin, FrameTop, ClientWidth - 2 * Margin, layout.frameHeight));
    if (parentWidget()) {
        parentWidget()->adjustSize();
        FitIntoChildArea(parentWidget());
    }
    placeFrameControls();
}

void FrmCHInfoEdit::placeFrameControls()
{
    // Rows the band lacks take no place; the VFO's hidden Scan row keeps its own.
    int slot = 0;
    for (const int item : FrameOrder) {
        const bool inBand = item == FreqSlot
            || (item == OffsetSlot ? IsOffsetInBand(m_bandMode) : IsChannelEditRowInBand(item, m_bandMode));
        QWidget* control = item == FreqSlot ? static_cast<QWidget*>(m_freq)
            : item == OffsetSlot            ? static_cast<QWidget*>(m_offset)
                                            : m_rows[static_cast<std::size_t>(item)];
        QLabel* label = item == FreqSlot ? m_freqLabel
            : item == OffsetSlot         ? m_offsetLabel
                                         : m_rowLabels[static_cast<std::size_t>(item)];
        control->setVisible(inBand);
        label->setVisible(inBand);
        if (!inBand)
            continue;
        control->setGeometry(twipsRect(FrameControlLeft, FirstRowTop + slot++ * RowPitch, ControlWidth, ControlHeight));
    }
    const QRect freq = m_freq->geometry();
    m_memButton->setGeometry(twipsRect(FrameControlLeft + MemFreqWidth, pixelsToTwips(freq.top()),
                                       ControlWidth - MemFreqWidth, ControlHeight));
}

void FrmCHInfoEdit::ChangShowByLanguage()
{
    setWindowTitle(LangText(Txt::ChannelEditCaption));
    // A click on the background takes the focus there (it leaves the boxes);
    // a screen reader then names the window rather than an empty panel.
    for (QWidget* background : {static_cast<QWidget*>(this), m_page, static_cast<QWidget*>(m_frame)}) {
        if (background)
            background->setAccessibleName(windowTitle());
    }
    m_chooser->setLabelText(LangText(Txt::GroupListLabel));
    m_positionLabel->setText(LangText(Txt::ChannelPositionLabel));
    m_freqLabel->setText(LangText(ChannelFieldOf(ChannelField::RxFreq).label));
    m_offsetLabel->setText(LangText(ChannelFieldOf(ChannelField::OffSetFre).label));
    for (int row = 0; row < ChannelEditRowCount; ++row)
        m_rowLabels[static_cast<std::size_t>(row)]->setText(
            LangText(ChannelFieldOf(ChannelEditRows()[static_cast<std::size_t>(row)].field).label));
    SetCloseHelpCaptions(this);
    placeLabels();
}

void FrmCHInfoEdit::placeLabels()
{
    placeLabel(m_positionLabel, m_positions);
    placeLabel(m_freqLabel, m_freq);
    placeLabel(m_offsetLabel, m_offset);
    for (int row = 0; row < ChannelEditRowCount; ++row)
        placeLabel(m_rowLabels[static_cast<std::size_t>(row)], m_rows[static_cast<std::size_t>(row)]);
}

void FrmCHInfoEdit::applyForm(const ChannelEditForm& form)
{
    m_freq->resize(twipsToPixels(form.narrowFreq ? MemFreqWidth : ControlWidth), m_freq->height());
    m_memButton->setVisible(form.memButtonShown);
    // A box still being typed in keeps its text until it is stored.
    const QString freqText = m_freqPending ? m_freq->text() : QString::fromStdString(form.freqText);
    // An empty position's box has the normal colour in every band (it waits
    // for a frequency); only a CB channel's own frequency, which follows the
    // country plan, is grey.
    SetTextBoxState(m_freq, freqText, backgroundOf(form.freqEnabled || !form.exists, this), form.freqEnabled);
    if (form.offsetShown) {
        const QString offsetText = m_offsetPending ? m_offset->text() : QString::fromStdString(form.offsetText);
        SetTextBoxState(m_offset, offsetText, backgroundOf(form.offsetEnabled, this), form.offsetEnabled);
    }
    for (int row = 0; row < ChannelEditRowCount; ++row)
        applyRow(row, form.rows[static_cast<std::size_t>(row)]);
}

void FrmCHInfoEdit::applyRow(int row, const ChannelEditRowState& state)
{
    QComboBox* combo = m_rows[static_cast<std::size_t>(row)];
    const bool inBand = IsChannelEditRowInBand(row, m_bandMode);
    combo->setVisible(inBand && state.shown);
    m_rowLabels[static_cast<std::size_t>(row)]->setVisible(inBand && state.shown);
    combo->clear();
    for (const std::string& item : state.items)
        combo->addItem(QString::fromStdString(item));
    combo->setCurrentIndex(state.selected);
    combo->setEnabled(state.enabled);
    setBackground(combo, state.enabled, this);
}
