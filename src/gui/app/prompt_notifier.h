#pragma once

#include "core/base/notifier.h"

// The desktop program's answer to the core's messages and questions: they go
// to the installed UiPrompts, which shows them as modal message boxes.
class PromptNotifier : public Notifier {
public:
    void message(const std::string& text, NoticeIcon icon, const std::string& title = {}) override;
    NoticeAnswer ask(const std::string& text, NoticeButtons buttons, NoticeIcon icon,
                     const std::string& title = {}) override;
};
