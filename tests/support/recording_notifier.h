#pragma once

#include "core/base/notifier.h"

#include <string>
#include <vector>

// Records every message so a test can see each warning the core shows.
class RecordingNotifier : public Notifier {
public:
    struct Shown {
        std::string text;
        NoticeIcon icon;
    };

    void message(const std::string& text, NoticeIcon icon, const std::string& = {}) override
    {
        shown.push_back({text, icon});
    }
    NoticeAnswer ask(const std::string& text, NoticeButtons, NoticeIcon icon, const std::string& = {}) override
    {
        shown.push_back({text, icon});
        return NoticeAnswer::Cancel;
    }

    std::vector<Shown> shown;
};
