#include "gui/channels/frm_mem_freq.h"

#include "gui/base/widget_helpers.h"
#include "gui/channels/cell_line_edit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void fill(QComboBox* combo, const std::vector<std::string>& items)
{
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(QString::fromStdString(item));
}

}  // namespace

Frm_Mem_Freq::Frm_Mem_Freq(const Document& doc, const QString& freqText, QWidget* parent)
    : QDialog(parent)
    , m_doc(doc)
    , m_groups(new QComboBox(this))
    , m_positions(new QComboBox(this))
    , m_freq(new CellLineEdit(TypedKind::Frequency, this))
{
    setObjectName(QStringLiteral("Frm_Mem_Freq"));
    setWindowTitle(QStringLiteral("MEM Frequency"));
    m_groups->setObjectName(QStringLiteral("Combo1_0"));
    m_positions->setObjectName(QStringLiteral("Combo1_1"));
    m_freq->setObjectName(QStringLiteral("Text1"));
    // A frequency may be typed too, through the grid's key filter; the edit
    // dialog then moves it onto the nearest country channel, as it does with
    // a chosen one.
    m_freq->setFrame(true);
    m_freq->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_freq->setMaxLength(9);
    m_freq->setText(freqText);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Band"), m_groups);
    form->addRow(QStringLiteral("Channel"), m_positions);
    form->addRow(QStringLiteral("Frequency"), m_freq);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(MakeOkCancelRow(this, m_ok, m_cancel));
    SetOkCancelCaptions(this);

    fill(m_groups, MemFreqGroupItems());
    m_choice = MemFreqInitialChoice(doc, freqText.toStdString());
    m_groups->setCurrentIndex(m_choice.groupIndex);
    fillPositions();

    connect(m_groups, &QComboBox::activated, this, &Frm_Mem_Freq::onGroupChosen);
    connect(m_positions, &QComboBox::activated, this, &Frm_Mem_Freq::onPositionChosen);
    // What the user typed is what OK hands back.
    connect(m_freq, &QLineEdit::textEdited, this, [this] { m_ok->setEnabled(true); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString Frm_Mem_Freq::chosenText() const
{
    return m_freq->text();
}

void Frm_Mem_Freq::fillPositions()
{
    fill(m_positions, MemFreqPositionItems(m_choice.groupIndex));
    m_positions->setCurrentIndex(m_choice.positionIndex);
}

void Frm_Mem_Freq::onGroupChosen()
{
    m_choice = MemFreqGroupChosen(m_groups->currentIndex(), m_choice.positionIndex);
    fillPositions();
    showChannel();
}

void Frm_Mem_Freq::onPositionChosen()
{
    m_choice.positionIndex = m_positions->currentIndex();
    showChannel();
}

void Frm_Mem_Freq::showChannel()
{
    const auto text = MemFreqChannelText(m_doc, m_choice);
    // A position without a channel keeps the previous text, but OK would
    // hand over a frequency that is not the chosen channel's.
    if (text)
        m_freq->setText(QString::fromStdString(*text));
    m_ok->setEnabled(text.has_value());
}
