#include "gui/base/ui_prompts.h"

#include "gui/base/write_check_dialog.h"

#include "core/base/app_state.h"
#include "gui/base/lang_text.h"
#include "lang_text_ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <utility>

namespace {

UiPrompts* g_installed = nullptr;

QMessageBox::Icon boxIcon(NoticeIcon icon)
{
    switch (icon) {
    case NoticeIcon::Information:
        return QMessageBox::Information;
    case NoticeIcon::Warning:
        return QMessageBox::Warning;
    case NoticeIcon::Question:
        return QMessageBox::Question;
    case NoticeIcon::Error:
        return QMessageBox::Critical;
    case NoticeIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(NoticeButtons buttons)
{
    switch (buttons) {
    case NoticeButtons::Ok:
        return QMessageBox::Ok;
    case NoticeButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case NoticeButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case NoticeButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case NoticeButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

NoticeAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return NoticeAnswer::Ok;
    case QMessageBox::Yes:
        return NoticeAnswer::Yes;
    case QMessageBox::No:
        return NoticeAnswer::No;
    case QMessageBox::Retry:
        return NoticeAnswer::Retry;
    default:
        return NoticeAnswer::Cancel;
    }
}

// The program's name in the language it speaks now: a box shown after a
// language switch carries the new title, like every other text.
QString boxTitle(const QString& title)
{
    if (!title.isEmpty())
        return title;
    const QString name = LangText(Txt::AppTitle);
    return name.isEmpty() ? QString::fromStdString(AppState::instance().AppTitle) : name;
}

// The buttons carry the program's own texts, so that a message box speaks
// the language the user chose. A language file without them keeps the
// toolkit's captions rather than showing empty buttons.
void applyButtonTexts(QMessageBox& box)
{
    for (auto [button, number] :
         {std::pair{QMessageBox::Ok, Txt::OkButton}, std::pair{QMessageBox::Cancel, Txt::CancelButton},
          std::pair{QMessageBox::Yes, Txt::YesButton}, std::pair{QMessageBox::No, Txt::NoButton},
          std::pair{QMessageBox::Retry, Txt::RetryButton}}) {
        QAbstractButton* shown = box.button(button);
        const QString text = LangText(number);
        if (shown && !text.isEmpty())
            shown->setText(text);
    }
}

}  // namespace

UiPrompts& UiPrompts::current()
{
    static DialogPrompts dialogs;
    return g_installed ? *g_installed : dialogs;
}

void UiPrompts::install(UiPrompts* prompts)
{
    g_installed = prompts;
}

void DialogPrompts::message(const QString& text, NoticeIcon icon, const QString& title)
{
    QMessageBox box(boxIcon(icon), boxTitle(title), text, QMessageBox::Ok, QApplication::activeWindow());
    applyButtonTexts(box);
    box.exec();
}

NoticeAnswer DialogPrompts::ask(const QString& text, NoticeButtons buttons, NoticeIcon icon, const QString& title)
{
    QMessageBox box(boxIcon(icon), boxTitle(title), text, boxButtons(buttons), QApplication::activeWindow());
    applyButtonTexts(box);
    // Closing the box with Escape or its close button is the cautious answer.
    if (buttons == NoticeButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}

QString DialogPrompts::openFileName(const QString& filter, const QString& preset)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), preset, filter);
}

QString DialogPrompts::saveFileName(const QString& filter, const QString& preset)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), preset, filter);
}

bool UiPrompts::writeDespiteFindings(const QStringList&)
{
    return true;
}

bool DialogPrompts::writeDespiteFindings(const QStringList& findings)
{
    WriteCheckDialog dialog(findings, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
