#pragma once

#include "core/link/transfer_engine.h"
#include "virtual_radio/virtual_radio.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A host for the transfer engine with a fake clock: requests go straight to a
// virtual radio (or nowhere), its answers come back as receive events, and
// the timers fire in order of their deadlines without any real waiting.
class FakeHost : public TransferHost {
public:
    struct Question {
        LinkQuestion question;
        std::string text;
        long atMs;
        NoticeButtons buttons = NoticeButtons::Ok;
        NoticeIcon icon = NoticeIcon::None;
    };

    TransferEngine* engine = nullptr;
    VirtualRadio* radio = nullptr;  // nullptr: nothing on the line
    LinkError openError;
    bool portOpen = false;
    int opens = 0;
    long nowMs = 0;
    std::map<LinkTimer, long> timers;  // running timers and their deadlines
    std::deque<Bytes> inbox;           // bytes on their way to the engine
    std::vector<Bytes> sent;
    std::vector<long> sentAtMs;
    std::vector<std::size_t> sentThresholds;  // the receive threshold each request was sent with
    std::vector<std::string> messages;
    std::vector<NoticeIcon> messageIcons;
    std::vector<Question> questions;
    std::deque<NoticeAnswer> answers;  // empty: Cancel
    std::deque<std::optional<std::string>> passwords;
    int passwordDialogs = 0;
    std::vector<int> progress;
    std::vector<std::size_t> progressAfterRequests;  // requests sent when each value was shown
    bool progressShown = false;
    std::vector<TransferOutcome> ended;
    int readsCompleted = 0;
    std::vector<std::string> startedVersions;
    bool startSucceeds = true;
    std::size_t threshold = 0;
    // Called inside `ask`, as a nested event loop of a modal dialog would.
    std::function<void()> duringQuestion;
    // Called inside `showMessage`, as the nested event loop of a message box would.
    std::function<void()> duringMessage;

    LinkError openPort() override
    {
        ++opens;
        portOpen = openError.ok();
        return openError;
    }
    void closePort() override { portOpen = false; }
    bool portIsOpen() const override { return portOpen; }
    void flushPort() override { inbox.clear(); }
    void setReceiveThreshold(std::size_t bytes) override { threshold = bytes; }
    void sendBytes(const Bytes& bytes) override
    {
        sent.push_back(bytes);
        sentAtMs.push_back(nowMs);
        sentThresholds.push_back(threshold);
        if (!portOpen || !radio)
            return;
        Bytes reply = radio->receive(bytes);
        if (!reply.empty())
            inbox.push_back(std::move(reply));
    }
    void startTimer(LinkTimer timer, int ms) override { timers[timer] = nowMs + ms; }
    void stopTimer(LinkTimer timer) override { timers.erase(timer); }
    void showMessage(const std::string& text, NoticeIcon icon) override
    {
        messages.push_back(text);
        messageIcons.push_back(icon);
        if (duringMessage)
            std::exchange(duringMessage, nullptr)();
    }
    NoticeAnswer ask(LinkQuestion question, const std::string& text, NoticeButtons buttons, NoticeIcon icon) override
    {
        questions.push_back({question, text, nowMs, buttons, icon});
        if (duringQuestion)
            std::exchange(duringQuestion, nullptr)();
        if (answers.empty())
            return NoticeAnswer::Cancel;
        const NoticeAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> askPassword() override
    {
        ++passwordDialogs;
        if (passwords.empty())
            return std::nullopt;
        auto p = passwords.front();
        passwords.pop_front();
        return p;
    }
    bool startOtherVersion(const std::string& version) override
    {
        startedVersions.push_back(version);
        return startSucceeds;
    }
    void showProgress(TransferKind) override { progressShown = true; }
    void setProgress(int percent) override
    {
        progress.push_back(percent);
        progressAfterRequests.push_back(sent.size());
    }
    void hideProgress() override { progressShown = false; }
    void transferEnded(const TransferOutcome& outcome) override { ended.push_back(outcome); }
    void readCompleted() override { ++readsCompleted; }

    // Delivers bytes and fires timers until nothing is left to happen.
    // With `holdBack`, that timer is left running instead of fired.
    void run(int maxSteps = 100000, std::optional<LinkTimer> holdBack = std::nullopt)
    {
        for (int i = 0; i < maxSteps; ++i) {
            if (!inbox.empty()) {
                Bytes b = std::move(inbox.front());
                inbox.pop_front();
                engine->bytesReceived(b);
                continue;
            }
            auto next = timers.end();
            for (auto it = timers.begin(); it != timers.end(); ++it)
                if ((!holdBack || it->first != *holdBack) && (next == timers.end() || it->second < next->second))
                    next = it;
            if (next == timers.end())
                return;
            const LinkTimer t = next->first;
            nowMs = next->second;
            timers.erase(next);
            engine->timerExpired(t);
        }
    }

    // Requests sent that start with the given text.
    int countSent(const std::string& prefix) const
    {
        int n = 0;
        for (const Bytes& b : sent)
            if (b.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), b.begin()))
                ++n;
        return n;
    }
    int countWriteFrames() const
    {
        int n = 0;
        for (const Bytes& b : sent)
            if (b.size() == 22 && b[0] == 'W')
                ++n;
        return n;
    }
    int countQuestions(LinkQuestion q) const
    {
        int n = 0;
        for (const auto& x : questions)
            n += x.question == q ? 1 : 0;
        return n;
    }
};
