#pragma once

#include <QHash>
#include <QStyledItemDelegate>

class ChannelTableModel;

// The in-place editors of the channel grid: a key-filtered line edit for the
// frequency and the offset, a drop-down list for Public, DUP, TSQ and Scan.
// Each editor remembers the group and position it was opened on, so that a
// value committed after the window switched to another group still lands on
// the channel that was being edited. An editor commits at most once, and
// commits nothing when its value was not changed.
class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ChannelCellDelegate(ChannelTableModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The open editor, if any.
    QWidget* openEditor() const;

signals:
    // Tab (forward) or Shift+Tab left an editor after committing it; the
    // grid moves on to the next cell without opening its editor.
    void tabbedOut(bool forward);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // Where an editor was opened and what it showed then.
    struct OpenCell {
        int group = 0;
        int position = 0;
        int column = 0;
        QString startValue;
        bool committed = false;
    };

    QWidget* createListEditor(QWidget* parent, int column) const;
    void commitAndClose(QWidget* editor);
    static QString editorValue(const QWidget* editor);

    ChannelTableModel& m_model;
    mutable QHash<const QWidget*, OpenCell> m_cells;
};
