#include "core/base/notifier.h"

NoticeAnswer SilentNotifier::ask(const std::string&, NoticeButtons buttons, NoticeIcon, const std::string&)
{
    switch (buttons) {
    case NoticeButtons::YesNo:
        return NoticeAnswer::No;
    case NoticeButtons::Ok:
        return NoticeAnswer::Ok;
    default:
        return NoticeAnswer::Cancel;
    }
}
