#pragma once

#include <string>

// How the core speaks to the user. The desktop program answers with message
// boxes, the command-line tool on the terminal, tests with a script; the radio
// logic itself never touches a widget.
enum class NoticeIcon { None, Information, Warning, Question, Error };

enum class NoticeButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };

enum class NoticeAnswer { Ok, Cancel, Yes, No, Retry };

class Notifier {
public:
    virtual ~Notifier() = default;
    // A message with an OK button.
    virtual void message(const std::string& text, NoticeIcon icon, const std::string& title = {}) = 0;
    // A question; returns the button the user chose.
    virtual NoticeAnswer ask(const std::string& text, NoticeButtons buttons, NoticeIcon icon,
                             const std::string& title = {}) = 0;
};

// A notifier that shows nothing and declines every question (Cancel or No);
// for batch work where no one is there to answer.
class SilentNotifier : public Notifier {
public:
    void message(const std::string&, NoticeIcon, const std::string& = {}) override {}
    NoticeAnswer ask(const std::string&, NoticeButtons buttons, NoticeIcon, const std::string& = {}) override;
};
