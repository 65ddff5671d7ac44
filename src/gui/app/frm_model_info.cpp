#include "gui/app/frm_model_info.h"

#include "core/app/data_file.h"
#include "gui/base/lang_text.h"
#include "gui/base/ui_prompts.h"
#include "gui/base/widget_helpers.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

FrmModelInfo::FrmModelInfo(Document& doc, std::function<void()> loadNewDoc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_loadNewDoc(std::move(loadNewDoc))
{
    setObjectName(QStringLiteral("FrmModelInfo"));
    auto* grid = new QGridLayout(this);
    QComboBox** combos[] = {&m_combo1, &m_combo2, &m_combo3};
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        *combos[i] = new QComboBox(this);
        (*combos[i])->setObjectName(QStringLiteral("Combo%1").arg(i + 1));
        (*combos[i])->setMinimumWidth(180);
        grid->addWidget(m_labels[i], i, 0, Qt::AlignRight);
        grid->addWidget(*combos[i], i, 1);
        m_labels[i]->setBuddy(*combos[i]);
    }
    QHBoxLayout* buttons = MakeOkCancelRow(this, m_ok, m_cancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // Fill the lists and select the document's model and band; choices made
    // while filling are not the user's.
    m_loading = true;
    ChangShowByLanguage();
    m_combo1->addItem(QStringLiteral("BRISKO7"));
    const int model = m_combo1->findText(QString::fromStdString(ModelDisplayName(m_doc.ModelName)));
    m_combo1->setCurrentIndex(model);
    for (int band = 0; band <= 2; ++band) {
        m_combo2->addItem(QString::fromStdString(GetBandRangeText(band).value_or(std::string())));
        m_combo3->addItem(QString::fromStdString(BandModeName(band)));
    }
    m_combo3->setCurrentIndex(m_doc.BandMode >= 0 && m_doc.BandMode <= 2 ? m_doc.BandMode : -1);
    m_combo2->setCurrentIndex(m_combo3->currentIndex());
    m_loading = false;

    EnterMovesFocus(m_combo1);
    EnterMovesFocus(m_combo2);
    connect(m_combo3, &QComboBox::activated, this, &FrmModelInfo::Combo3_Click);
    connect(m_ok, &QPushButton::clicked, this, &FrmModelInfo::CommandOK_Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmModelInfo::ChangShowByLanguage()
{
    setWindowTitle(LangText(Txt::ModelCaption));
    for (int i = 0; i < 3; ++i)
        m_labels[i]->setText(LangText(Txt::ModelDialogLabel + i));
    SetOkCancelCaptions(this);
}

void FrmModelInfo::Combo3_Click(int index)
{
    if (!m_loading)
        m_combo2->setCurrentIndex(index);
}

void FrmModelInfo::CommandOK_Click()
{
    const int band = m_combo2->currentIndex();
    if (band >= 0 && band != m_doc.BandMode) {
        const NoticeAnswer answer = UiPrompts::current().ask(LangText(Txt::BandModeChangeQuestion),
                                                             NoticeButtons::OkCancel, NoticeIcon::Warning,
                                                             LangText(Txt::BandModeChangeTitle));
        if (answer == NoticeAnswer::Ok && ApplyBandMode(m_doc, band)) {
            m_doc.Record.Model.Band = m_doc.BandMode;
            m_doc.RadioInfo.InfoBand = m_doc.BandMode;
            accept();
            if (m_loadNewDoc)
                m_loadNewDoc();
            return;
        }
    }
    accept();
}
