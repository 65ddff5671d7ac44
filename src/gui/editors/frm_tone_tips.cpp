#include "gui/editors/frm_tone_tips.h"

#include "core/base/app_state.h"
#include "gui/base/combo_helpers.h"
#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "gui/editors/editor_controls.h"
#include "gui/editors/editor_layout.h"
#include "gui/editors/tone_sound.h"
#include "gui/editors/tone_tip_picture.h"
#include "lang_text_ids.h"
#include "core/sound/tone_sequence.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace {

using namespace EditorSize;

// Design sizes in twips.
constexpr int ClientWidth = 9000;
constexpr int ClientHeight = 6780;
constexpr int TabTop = 120;
constexpr int TabHeight = 375;
constexpr int HeaderTop = 660;
constexpr int LoopListLeft = 1920;
constexpr int IntervalListLeft = 6120;
constexpr int HeaderListWidth = 1300;
constexpr int HeadsTop = 1110;
constexpr int FirstRowTop = 1380;
constexpr int RowPitch = 375;
constexpr int RowsPerColumn = 7;
constexpr int ColumnLeft[] = {1200, 5400};
constexpr int FreqWidth = 1500;
constexpr int LengthGap = 120;
constexpr int LengthWidth = 1300;
constexpr int PictureTop = 4140;
constexpr int PictureHeight = 1860;
constexpr int ButtonTop = 6180;
constexpr int StatusLeft = 2760;

constexpr int LoopCountItems = 10;  // "off", then 1 .. 10
constexpr int ByteValues = 256;     // 0 .. 255, shown in tens

QStringList tens(int from, int to)
{
    QStringList items;
    for (int v = from; v <= to; ++v)
        items << QString::number(v * 10);
    return items;
}

// Whether the widget is the window or lies inside it (its list pop-ups included).
bool isInside(const QWidget* window, const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget == window)
            return true;
    }
    return false;
}

}  // namespace

FrmToneTips::FrmToneTips(Document& doc, QWidget* parent) : QWidget(parent), m_doc(doc), m_sound(new ToneSound(this))
{
    setObjectName(QString::fromLatin1(FormName));
    buildControls();
    // Form_Load: help, the shown tip, texts, lists, then the tip's values.
    m_help->setVisible(AppState::instance().HelpAvailable);
    m_curToneTip = m_tabs->currentIndex() + 1;
    ChangShowByLanguage();
    InitCombos();
    ShowToneTip();
    FitEditorWindow(this, {m_play, m_stop, m_soundStatus});
    connect(m_tabs, &QTabBar::currentChanged, this, &FrmToneTips::tabChanged);
    connect(m_sound, &ToneSound::finished, this, &FrmToneTips::playbackEnded);
    connect(qApp, &QApplication::focusChanged, this, &FrmToneTips::focusChanged);
    m_doc.addObserver(this);
}

FrmToneTips::~FrmToneTips()
{
    DisconnectChildrenFrom(this);
    disconnect(qApp, nullptr, this, nullptr);
    m_doc.removeObserver(this);
    m_sound->release();
}

bool FrmToneTips::isPlaying() const
{
    return m_sound->playing();
}

void FrmToneTips::buildControls()
{
    SetDesignSize(this, ClientWidth, ClientHeight);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setGeometry(TwipsRect(Margin, TabTop, ClientWidth - 2 * Margin, TabHeight));
    m_tabs->setExpanding(false);
    for (int t = 1; t <= ToneTipCount; ++t)
        m_tabs->addTab(QString());

    m_loopCount = headerList(QStringLiteral("1"), LoopListLeft, m_loopLabel, ToneTipField::LoopCount);
    m_interval = headerList(QStringLiteral("2"), IntervalListLeft, m_intervalLabel, ToneTipField::Interval);
    EnterMovesFocus(m_loopCount);
    EnterMovesFocus(m_interval);

    for (int column = 0; column < 2; ++column) {
        m_freqHeads[column] = new QLabel(this);
        m_freqHeads[column]->setObjectName(QStringLiteral("Label3_%1").arg(column));
        m_freqHeads[column]->move(twipsToPixels(ColumnLeft[column]), twipsToPixels(HeadsTop));
        m_lengthHeads[column] = new QLabel(this);
        m_lengthHeads[column]->setObjectName(QStringLiteral("Label4_%1").arg(column));
        m_lengthHeads[column]->move(twipsToPixels(ColumnLeft[column] + FreqWidth + LengthGap), twipsToPixels(HeadsTop));
    }
    for (int tone = 1; tone <= ToneTipTones; ++tone)
        buildToneRow(tone);

    m_picture = new ToneTipPicture(this);
    m_picture->setObjectName(QStringLiteral("Picture1_0"));
    m_picture->setGeometry(TwipsRect(Margin, PictureTop, ClientWidth - 2 * Margin, PictureHeight));

    m_play = new QPushButton(this);
    m_play->setObjectName(QStringLiteral("Command1_0"));
    m_play->setGeometry(TwipsRect(Margin, ButtonTop, ButtonWidth, ButtonHeight));
    connect(m_play, &QPushButton::clicked, this, &FrmToneTips::play);
    m_stop = new QPushButton(this);
    m_stop->setObjectName(QStringLiteral("Command2_0"));
    m_stop->setGeometry(TwipsRect(Margin + ButtonWidth + Margin, ButtonTop, ButtonWidth, ButtonHeight));
    connect(m_stop, &QPushButton::clicked, this, &FrmToneTips::StopPlay);
    m_soundStatus = new QLabel(this);
    m_soundStatus->setObjectName(QStringLiteral("SoundStatus"));
    m_soundStatus->setWordWrap(true);
    m_soundStatus->setGeometry(
        TwipsRect(StatusLeft, ButtonTop - 60, ClientWidth - StatusLeft - 2 * ButtonWidth - 360, ButtonHeight + 120));
    m_soundStatus->hide();

    AddCloseHelpButtons(this, ClientWidth, ButtonTop, m_close, m_help);
}

// The loop-count or pause list ("Combo<n>_0") with its label ("Label<n>_0").
QComboBox* FrmToneTips::headerList(const QString& n, int left, QLabel*& label, ToneTipField field)
{
    auto* list = new QComboBox(this);
    list->setObjectName(QStringLiteral("Combo%1_0").arg(n));
    list->setGeometry(TwipsRect(left, HeaderTop, HeaderListWidth, ControlHeight));
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1_0").arg(n));
    connect(list, &QComboBox::activated, this, [this, field](int item) { store(field, 1, item); });
    return list;
}

// Tones 1 .. 7 stand in the left column, 8 .. 14 in the right one.
void FrmToneTips::buildToneRow(int tone)
{
    const auto k = static_cast<std::size_t>(tone - 1);
    const int column = (tone - 1) / RowsPerColumn;
    const int top = FirstRowTop + ((tone - 1) % RowsPerColumn) * RowPitch;
    m_freq[k] = new QComboBox(this);
    m_freq[k]->setObjectName(QStringLiteral("Combo3_%1").arg(tone - 1));
    m_freq[k]->setGeometry(TwipsRect(ColumnLeft[column], top, FreqWidth, ControlHeight));
    m_length[k] = new QComboBox(this);
    m_length[k]->setObjectName(QStringLiteral("Combo4_%1").arg(tone - 1));
    m_length[k]->setGeometry(TwipsRect(ColumnLeft[column] + FreqWidth + LengthGap, top, LengthWidth, ControlHeight));
    m_toneLabels[k] = new QLabel(this);
    m_toneLabels[k]->setObjectName(QStringLiteral("Label5_%1").arg(tone - 1));
    EnterMovesFocus(m_freq[k]);
    EnterMovesFocus(m_length[k]);
    connect(m_freq[k], &QComboBox::activated, this,
            [this, tone](int item) { store(ToneTipField::Frequency, tone, ToneFrequencyOfItem(item)); });
    connect(m_length[k], &QComboBox::activated, this,
            [this, tone](int item) { store(ToneTipField::Length, tone, item); });
}

void FrmToneTips::ChangShowByLanguage()
{
    setWindowTitle(LangText(Txt::ToneTipsCaption));
    for (int t = 0; t < ToneTipCount; ++t)
        m_tabs->setTabText(t, LangText(Txt::ToneTipTab) + QLatin1Char(' ') + QString::number(t + 1));
    m_loopLabel->setText(LangText(Txt::ToneLoopCount));
    PlaceLabelLeftOf(m_loopLabel, m_loopCount, LabelGap);
    m_intervalLabel->setText(LangText(Txt::ToneInterval));
    PlaceLabelLeftOf(m_intervalLabel, m_interval, LabelGap);
    for (int column = 0; column < 2; ++column) {
        m_freqHeads[column]->setText(LangText(Txt::ToneFrequencyHead));
        m_freqHeads[column]->adjustSize();
        m_lengthHeads[column]->setText(LangText(Txt::ToneLengthHead));
        m_lengthHeads[column]->adjustSize();
    }
    for (std::size_t k = 0; k < m_toneLabels.size(); ++k) {
        m_toneLabels[k]->setText(LangText(Txt::Tone1 + static_cast<int>(k)));
        PlaceLabelLeftOf(m_toneLabels[k], m_freq[k], LabelGap);
        // Each tone's two lists are read with the tone and the column head.
        const QString tone = m_toneLabels[k]->text();
        NameControl(m_freq[k], tone + QStringLiteral(", ") + LangText(Txt::ToneFrequencyHead));
        NameControl(m_length[k], tone + QStringLiteral(", ") + LangText(Txt::ToneLengthHead));
    }
    m_play->setText(LangText(Txt::TonePlay));
    m_stop->setText(LangText(Txt::ToneStop));
    m_soundStatus->setText(LangText(Txt::NoSoundDevice));
    SetCloseHelpCaptions(this);
}

void FrmToneTips::InitCombos()
{
    m_loopCount->clear();
    m_loopCount->addItem(LangText(Txt::LoopOff));
    for (int n = 1; n <= LoopCountItems; ++n)
        m_loopCount->addItem(QString::number(n));
    const QStringList byteTens = tens(0, ByteValues - 1);
    m_interval->clear();
    m_interval->addItems(byteTens);
    const QStringList frequencies = QStringList{LangText(Txt::ToneRest)}
        + tens(LowestToneFrequency, HighestToneFrequency);
    for (std::size_t k = 0; k < m_freq.size(); ++k) {
        m_freq[k]->clear();
        m_freq[k]->addItems(frequencies);
        m_length[k]->clear();
        m_length[k]->addItems(byteTens);
    }
}

const ToneTip& FrmToneTips::shownTip() const
{
    return m_doc.Record.Tips[static_cast<std::size_t>(m_curToneTip - 1)];
}

void FrmToneTips::ShowToneTip()
{
    m_storing = true;
    m_edits.show(m_doc, m_curToneTip);
    m_storing = false;
    const ToneTip& tip = shownTip();
    SelectListIndex(m_loopCount, ToneTipListItem(ToneTipField::LoopCount, tip.LoopCount));
    SelectListIndex(m_interval, ToneTipListItem(ToneTipField::Interval, tip.Interval));
    for (int tone = 1; tone <= ToneTipTones; ++tone) {
        const auto k = static_cast<std::size_t>(tone - 1);
        SelectListIndex(m_freq[k], ToneTipListItem(ToneTipField::Frequency, tip.Tones[k].Freq));
        SelectListIndex(m_length[k], ToneTipListItem(ToneTipField::Length, tip.Tones[k].Length));
    }
    m_picture->setTip(&tip);
}

void FrmToneTips::tabChanged(int index)
{
    if (index < 0 || index + 1 == m_curToneTip)
        return;
    m_curToneTip = index + 1;
    ShowToneTip();
}

void FrmToneTips::store(ToneTipField field, int tone, int value)
{
    m_storing = true;
    m_edits.edit(m_doc, m_curToneTip, field, tone, value);
    m_storing = false;
    m_picture->update();
}

void FrmToneTips::play()
{
    if (!ToneTipPlays(shownTip()))
        return;
    // The tones are read from the tip shown when each is due.
    if (!m_sound->play([this]() -> const ToneTip& { return shownTip(); }))
        return;
    m_play->setEnabled(false);
    m_soundStatus->setVisible(m_sound->silent());
}

void FrmToneTips::StopPlay()
{
    m_sound->stop();
}

void FrmToneTips::playbackEnded()
{
    m_play->setEnabled(true);
}

void FrmToneTips::commitPendingEdits()
{
    m_edits.commit(m_doc);
}

void FrmToneTips::focusChanged(QWidget* old, QWidget* now)
{
    if (isInside(this, old) && !isInside(this, now))
        commitPendingEdits();
}

void FrmToneTips::closeEvent(QCloseEvent* event)
{
    m_sound->release();
    m_play->setEnabled(true);
    commitPendingEdits();
    QWidget::closeEvent(event);
}

void FrmToneTips::documentChanged(const DocumentChange& change)
{
    // Another window (or a replaced document) changed the tips: show them as they are now.
    if (!m_storing && change.touches(DocumentChange::Scope::ToneTips))
        ShowToneTip();
}
