#include "gui/app/frm_radio_info.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/document.h"
#include "core/model/fixed_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int LabelGapTwips = 50;
constexpr int ModeLabelSlot = 15;  // the band mode's label: its text comes from the model window

QString fieldText(const std::string& field)
{
    return QString::fromLatin1(CutAndTrimFixed(field).c_str());
}

// The labels of the right-hand column keep their 50-twip gap to their own
// box; this margin keeps the widest of them from touching the box of the
// left-hand column.
constexpr int ColumnGapTwips = 240;

void keepApartFromLeftColumn(QLabel* label)
{
    label->setContentsMargins(twipsToPixels(ColumnGapTwips), 0, 0, 0);
}

void selectBand(QComboBox* combo, int band)
{
    // An erased or damaged area reports a band the radio does not have.
    combo->setCurrentIndex(band >= 0 && band <= 2 ? band : -1);
}

}  // namespace

FrmRadioInfo::FrmRadioInfo(Document& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("FrmRadioInfo"));
    buildLayout();
    m_help->setVisible(AppState::instance().HelpAvailable);
    for (int band = 0; band <= 2; ++band) {
        m_range->addItem(QString::fromStdString(GetBandRangeText(band).value_or(std::string())));
        m_mode->addItem(QString::fromStdString(BandModeName(band)));
    }
    ChangShowByLanguage();
    ShowByData();
}

QLineEdit* FrmRadioInfo::lineBox(int index)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Text1_%1").arg(index));
    box->setReadOnly(true);
    m_text1[static_cast<std::size_t>(index)] = box;
    return box;
}

void FrmRadioInfo::buildLayout()
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QStringLiteral("Label_%1").arg(Txt::SalesArea + static_cast<int>(i)));
    }
    auto label = [this](int textNumber) { return m_labels[static_cast<std::size_t>(textNumber - Txt::SalesArea)]; };
    m_model = new QComboBox(this);
    m_model->setObjectName(QStringLiteral("Combo1_0"));
    m_range = new QComboBox(this);
    m_range->setObjectName(QStringLiteral("Combo1_1"));
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("Combo3"));
    for (QComboBox* combo : {m_model, m_range, m_mode})
        combo->setEnabled(false);
    m_reason = new QPlainTextEdit(this);
    m_reason->setObjectName(QStringLiteral("Text1_4"));
    m_reason->setReadOnly(true);
    m_reason->setFixedHeight(twipsToPixels(900));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(twipsToPixels(LabelGapTwips));
    auto place = [grid](QLabel* l, QWidget* w, int row, int column) {
        if (column > 0)
            keepApartFromLeftColumn(l);
        grid->addWidget(l, row, column, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(w, row, column + 1);
        l->setBuddy(w);
    };
    auto* heading = label(Txt::FactoryHeading);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 4);
    place(label(Txt::InfoModel), m_model, 1, 0);
    place(m_labels[ModeLabelSlot], m_mode, 1, 2);
    place(label(Txt::InfoFrequencyRange), m_range, 2, 0);
    place(label(Txt::InfoVersion), lineBox(5), 2, 2);
    place(label(Txt::SerialNumber), lineBox(1), 3, 0);
    place(label(Txt::BatchNumber), lineBox(6), 3, 2);
    place(label(Txt::FactoryDate), lineBox(2), 4, 0);
    place(label(Txt::CustomerCode), lineBox(7), 4, 2);
    place(label(Txt::RepairDate), lineBox(3), 5, 0);
    place(label(Txt::SalesArea), lineBox(0), 5, 2);
    QLabel* reasonLabel = label(Txt::RepairReason);
    reasonLabel->setBuddy(m_reason);
    grid->addWidget(reasonLabel, 6, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(m_reason, 6, 1, 1, 3);
    // The version box has the window's own background: it is not data of the radio.
    m_text1[5]->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto* dealer = new QGridLayout(m_frame1);
    dealer->setHorizontalSpacing(twipsToPixels(LabelGapTwips));
    const int dealerTexts[] = {Txt::DealerCode, Txt::StockInTime, Txt::SalesTime, Txt::Handler};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = lineBox(8 + i);
        box->setParent(m_frame1);
        if (i % 2 == 1)
            keepApartFromLeftColumn(label(dealerTexts[i]));
        dealer->addWidget(label(dealerTexts[i]), i / 2, (i % 2) * 2, Qt::AlignRight | Qt::AlignVCenter);
        dealer->addWidget(box, i / 2, (i % 2) * 2 + 1);
    }

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("CommandClose"));
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("CommandHelp"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    connect(m_close, &QPushButton::clicked, this, [this] {
        // Inside the child area the sub-window frame is what closes.
        if (parentWidget())
            parentWidget()->close();
        else
            close();
    });

    // Tab follows the rows as they are read: the repair reason after the last
    // box above it, Help before Close.
    setTabOrder(m_text1[0], m_reason);
    setTabOrder(m_reason, m_text1[8]);
    setTabOrder(m_help, m_close);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(m_frame1);
    column->addLayout(buttons);
}

void FrmRadioInfo::ChangShowByLanguage()
{
    setWindowTitle(LangText(Txt::RadioInfoCaption));
    if (parentWidget())
        parentWidget()->setWindowTitle(windowTitle());
    m_frame1->setTitle(LangText(Txt::DealerFrame));
    for (int number = Txt::SalesArea; number <= Txt::Handler; ++number)
        m_labels[static_cast<std::size_t>(number - Txt::SalesArea)]->setText(LangText(number));
    m_labels[ModeLabelSlot]->setText(LangText(Txt::ModelBandModeLabel));
    m_mode->setPlaceholderText(LangText(Txt::BandUnknown));
    m_range->setPlaceholderText(LangText(Txt::BandUnknown));
    SetCloseHelpCaptions(this);
}

void FrmRadioInfo::ShowByData()
{
    const RadioInfoRecord& info = m_doc.RadioInfo;
    m_model->clear();
    m_model->addItem(QString::fromStdString(ModelDisplayName(info.InfoModel)));
    m_model->setCurrentIndex(0);
    selectBand(m_mode, info.InfoBand);
    selectBand(m_range, info.InfoBand);
    const std::string* fields[TextCount] = {&info.SalesArea,   &info.SerialNo,     &info.FactoryDate,
                                            &info.RepairDate,  &info.RepairReason, &info.VersionText,
                                            &info.BatchNo,     &info.CustomerCode, &info.DealerCode,
                                            &info.StockInTime, &info.SalesTime,    &info.Handler};
    for (int i = 0; i < TextCount; ++i) {
        if (i == 4)
            m_reason->setPlainText(fieldText(*fields[i]));
        else
            m_text1[static_cast<std::size_t>(i)]->setText(fieldText(*fields[i]));
    }
}

QString FrmRadioInfo::text1(int index) const
{
    if (index == 4)
        return m_reason->toPlainText();
    if (index < 0 || index >= TextCount || !m_text1[static_cast<std::size_t>(index)])
        return {};
    return m_text1[static_cast<std::size_t>(index)]->text();
}
