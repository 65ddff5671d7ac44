#pragma once

#include "core/channels/channel_update.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class Document;
class Notifier;
struct ChannelRecord;

// The channels of one group as the channel window's grid shows them: one row
// per position of the group (row r is position r + 1), whether or not a
// channel is stored there, and the columns of ChannelColumn. The model keeps
// no copy of the records; it remembers only which list entry sits at which
// row, and re-reads that when the document says its channels changed.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ChannelTableModel(Document& doc, Notifier& notifier, QObject* parent = nullptr);

    int group() const { return m_group; }
    // Shows another group: all rows anew.
    void setGroup(int group);
    // Re-reads every row (the channel list changed as a whole, or the texts).
    void reShowAllGrid();
    // Re-reads the row of the channel, when the shown group holds it.
    void reShowGrid(int channelNo);
    // Takes the header texts of the current language.
    void reShowHeaders();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Why the cell cannot be edited in place; Refusal::None when it can.
    Refusal cellLock(int row, int column) const;
    // A setting of a channel that the radio's rules hold fixed.
    bool isLocked(int row, int column) const;
    // The channel shown at the row; nullptr for an empty position.
    const ChannelRecord* channelAtRow(int row) const;
    // Tells the user, once per action, that the stored frequency of the row is
    // damaged (the editor shows the lower band limit instead).
    void reportCorruptFrequency(int row) const;
    // How a cell that takes no typing is set, when the user should be told
    // (a CB memory channel's frequency); empty otherwise.
    QString typingHint(int column) const;

    // Hands an editor's value to the update path for the channel at (group,
    // position): a typed text for the frequency and the offset, a list
    // position for the others. A value that was not stored leaves the row
    // showing what the record holds.
    UpdateResult commitCell(int group, int position, int column, const QString& value);

private:
    void rebuildRows();
    QVariant displayText(int row, int column) const;
    QVariant background(int column) const;
    QVariant foreground(int column) const;

    Document& m_doc;
    Notifier& m_notifier;
    int m_group = 0;
    std::vector<int> m_rowEntry;  // list index of the channel at each row; -1 for an empty position
    QStringList m_headers;        // looked up once: the language file is read on every lookup
};
