#pragma once

#include "core/base/notifier.h"

#include <QString>
#include <QStringList>

class QWidget;

// Everything the windows ask the user through standard dialogs: message boxes
// and the open/save file dialogs. The program installs the real one; tests
// install a scripted one so that a command can run without a person there.
class UiPrompts {
public:
    virtual ~UiPrompts() = default;

    virtual void message(const QString& text, NoticeIcon icon, const QString& title = {}) = 0;
    virtual NoticeAnswer ask(const QString& text, NoticeButtons buttons, NoticeIcon icon,
                             const QString& title = {}) = 0;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString openFileName(const QString& filter, const QString& preset) = 0;
    virtual QString saveFileName(const QString& filter, const QString& preset) = 0;
    // Before a write to the radio: the points of the document that may make
    // the radio misbehave; true to write anyway. Prompts that do not show
    // them let the write go on (it still asks its own confirmation).
    virtual bool writeDespiteFindings(const QStringList& findings);

    // The prompts in use; the message-box implementation until another is installed.
    static UiPrompts& current();
    // Installs prompts (nullptr restores the message boxes). The caller keeps ownership.
    static void install(UiPrompts* prompts);
};

// The real prompts: modal message boxes and the desktop's file dialogs.
class DialogPrompts : public UiPrompts {
public:
    void message(const QString& text, NoticeIcon icon, const QString& title = {}) override;
    NoticeAnswer ask(const QString& text, NoticeButtons buttons, NoticeIcon icon, const QString& title = {}) override;
    QString openFileName(const QString& filter, const QString& preset) override;
    QString saveFileName(const QString& filter, const QString& preset) override;
    bool writeDespiteFindings(const QStringList& findings) override;
};
