#include "gui/base/write_check_dialog.h"

#include "gui/base/lang_text.h"
#include "gui/base/ui_prompts.h"
#include "gui/base/widget_helpers.h"
#include "core/app/write_check.h"
#include "lang_text_ids.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

WriteCheckDialog::WriteCheckDialog(const QStringList& findings, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WriteCheckDialog"));
    setWindowTitle(LangText(Txt::CheckTitle));
    auto* intro = new QLabel(LangText(Txt::CheckIntro), this);
    intro->setWordWrap(true);
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("FindingList"));
    list->setAccessibleName(LangText(Txt::CheckTitle));
    list->addItems(findings);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* write = buttons->addButton(LangText(Txt::WriteAnywayButton), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("WriteAnyway"));
    QPushButton* cancel = buttons->addButton(LangText(Txt::CancelButton), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    // Cancel is what Enter and Escape choose: writing is the step to think about.
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(560, 320);
    m_announcement = LangText(Txt::CheckIntro) + QLatin1Char(' ')
        + LangText(Txt::CheckFindingCount).arg(findings.size());
}

void WriteCheckDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The findings appeared without being asked for: they are announced.
    Announce(this, m_announcement);
}

bool WriteCheckDialog::confirmWrite(const Document& doc)
{
    const auto findings = CheckDocument(doc);
    if (findings.empty())
        return true;
    QStringList texts;
    for (const CheckFinding& f : findings)
        texts << QString::fromStdString(CheckFindingText(f));
    return UiPrompts::current().writeDespiteFindings(texts);
}
