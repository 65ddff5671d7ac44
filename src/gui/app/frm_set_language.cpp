#include "gui/app/frm_set_language.h"

#include "core/base/app_state.h"
#include "gui/base/lang_text.h"
#include "core/base/languages.h"
#include "gui/base/widget_helpers.h"
#include "lang_text_ids.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

FrmSetLanguage::FrmSetLanguage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmSetLanguage"));
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_label1, 0, 0, Qt::AlignRight);
    grid->addWidget(m_combo1, 0, 1);
    QHBoxLayout* buttons = MakeOkCancelRow(this, m_ok, m_cancel);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    EnterMovesFocus(m_combo1);
    connect(m_ok, &QPushButton::clicked, this, &FrmSetLanguage::CommandOK_Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    ChangShowByLanguage();
}

void FrmSetLanguage::ChangShowByLanguage()
{
    setWindowTitle(LangText(Txt::LanguageCaption));
    m_label1->setText(LangText(Txt::LanguageListLabel));
    m_label1->setBuddy(m_combo1);
    const AppState& state = AppState::instance();
    m_combo1->clear();
    // Every language whose file this installation has, each item holding its number.
    for (const Language& language : Languages()) {
        if (!state.languageInstalled(language.id) && language.id != state.LanguageId)
            continue;
        QString name = language.nameText ? LangText(language.nameText) : QString();
        if (name.isEmpty())
            name = QString::fromUtf8(language.ownName);
        m_combo1->addItem(name, int(language.id));
    }
    m_combo1->setCurrentIndex(std::max(0, m_combo1->findData(int(state.LanguageId))));
    SetOkCancelCaptions(this);
}

void FrmSetLanguage::CommandOK_Click()
{
    AppState& state = AppState::instance();
    const int chosen = m_combo1->currentData().toInt();
    if (chosen >= 1 && chosen != state.LanguageId) {
        state.AppliedLanguageId = state.LanguageId;
        state.setLanguage(static_cast<std::int16_t>(chosen));
    }
    state.saveLanguageChoice();
    accept();
}
