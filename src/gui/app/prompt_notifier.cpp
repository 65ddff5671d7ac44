#include "gui/app/prompt_notifier.h"

#include "gui/base/ui_prompts.h"

void PromptNotifier::message(const std::string& text, NoticeIcon icon, const std::string& title)
{
    UiPrompts::current().message(QString::fromStdString(text), icon, QString::fromStdString(title));
}

NoticeAnswer PromptNotifier::ask(const std::string& text, NoticeButtons buttons, NoticeIcon icon,
                                 const std::string& title)
{
    return UiPrompts::current().ask(QString::fromStdString(text), buttons, icon, QString::fromStdString(title));
}
