#pragma once

#include <QTableView>

class ChannelCellDelegate;
class ChannelTableModel;

// The channel window's grid. A double click or Enter opens the in-place
// editor of the cell when the cell may be edited (EnterGridEdit), or asks
// for the channel edit dialog in the ">>" column. An open editor commits at
// the first of Enter, a list choice, leaving it, a click elsewhere and
// scrolling; EndGridEdit commits it from outside (closing the window, the
// main window's save and transfer commands, a group switch).
class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    ChannelGridView(ChannelTableModel& model, QWidget* parent = nullptr);

    // Opens the editor of the cell (or asks for the edit dialog in ">>").
    void EnterGridEdit(const QModelIndex& index);
    // Commits an open editor and closes it.
    void EndGridEdit();
    // Closes an open editor without storing it.
    void SetEditDisable();
    bool isEditing() const;

signals:
    // The user asked for the channel edit dialog on a row (">>").
    void editDialogRequested(int row);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // No type-ahead: a digit typed on the grid is a value, never a search
    // that moves to another row.
    void keyboardSearch(const QString&) override {}

private:
    void applyColumnWidths();
    // A character typed on a cell without an open editor: a frequency cell
    // starts its editor with it, or says how it is set when it takes no
    // typing. False when the key is not for the cell.
    bool typeIntoCell(QKeyEvent* event);

    ChannelTableModel& m_model;
    ChannelCellDelegate* m_delegate = nullptr;
};
