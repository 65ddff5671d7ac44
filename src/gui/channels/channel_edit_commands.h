#pragma once

#include "core/channels/channel_clip.h"

#include <QKeySequence>
#include <QObject>

#include <optional>

class Document;
class frmCommChInfo;
class Notifier;
class QAction;

// The channel window's editing commands on the selected rows of its grid:
// cut, copy, paste, insert, delete, move up and down, and the channel edit
// dialog. The main window's channel menu and toolbar buttons run them on the
// active channel window; the usual keys run them while the grid has the
// focus and no in-place editor is open. What a paste or a delete could not
// do as asked is told once, in one message, after it.
class ChannelEditCommands : public QObject {
    Q_OBJECT
public:
    enum class Id { Cut, Copy, Paste, Insert, Delete, MoveUp, MoveDown, EditChannel };
    static constexpr int IdCount = 8;

    ChannelEditCommands(frmCommChInfo& window, Document& doc, Notifier& notifier);

    // Runs a command on the window's selection; nothing when it is disabled.
    void run(Id id);
    // Insert, delete, move and cut are off in a country group of the CB band.
    bool isEnabled(Id id) const;

    // The MIME type of the program's own channel clipboard.
    static const char* const MimeType;

signals:
    // What isEnabled says may have changed (another group shown).
    void enabledChanged();

private:
    struct Rows {
        int first = 1;  // one-based position
        int count = 1;
    };
    Rows selectedRows() const;
    void selectRows(Rows rows);
    void copy();
    // The channels the clipboard holds: the program's own copy, or the
    // table Copy writes as text. Nothing when it holds neither.
    std::optional<ChannelClip> clipboardChannels() const;
    void paste();
    // Deletes the selected rows as one undo step named by the text.
    void remove(int stepText);
    void insert();
    void move(int direction);
    void installKeys();

    frmCommChInfo& m_window;
    Document& m_doc;
    Notifier& m_notifier;
};

// The key of a command ("Ctrl+X", "Ins", ...), shown in the menu and active
// on the grid only.
QKeySequence ChannelCommandKey(ChannelEditCommands::Id id);
