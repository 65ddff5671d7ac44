#include "gui/channels/channel_cell_delegate.h"

#include "gui/base/combo_helpers.h"
#include "gui/channels/cell_line_edit.h"
#include "gui/channels/channel_columns.h"
#include "gui/channels/channel_table_model.h"
#include "core/base/text_helpers.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>

ChannelCellDelegate::ChannelCellDelegate(ChannelTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
{
    // A closed editor (also one closed without a commit, by Escape) is no
    // longer open, though it lives until the event loop deletes it.
    connect(this, &QAbstractItemDelegate::closeEditor, this, [this](QWidget* editor) { m_cells.remove(editor); });
}

QWidget* ChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int column = index.column();
    QWidget* editor = nullptr;
    if (TypedKindOfColumn(column) != TypedKind::None)
        editor = new CellLineEdit(TypedKindOfColumn(column), parent);
    else if (!ColumnChoices(column).empty())
        editor = createListEditor(parent, column);
    if (!editor)
        return nullptr;
    m_cells.insert(editor, OpenCell{m_model.group(), index.row() + 1, column, {}, false});
    connect(editor, &QObject::destroyed, this, [this, editor] { m_cells.remove(editor); });
    return editor;
}

QWidget* ChannelCellDelegate::createListEditor(QWidget* parent, int column) const
{
    auto* combo = new QComboBox(parent);
    for (const std::string& item : ColumnChoices(column))
        combo->addItem(QString::fromStdString(item));
    // A choice in the list is the user's answer: it is stored at once.
    auto* self = const_cast<ChannelCellDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { self->commitAndClose(combo); });
    return combo;
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString cellText = index.data(Qt::EditRole).toString();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(QString::fromStdString(TrimFixed(cellText.toStdString())));
    else if (auto* combo = qobject_cast<QComboBox*>(editor))
        SelectListText(combo, cellText);
    const auto it = m_cells.find(editor);
    if (it != m_cells.end())
        it->startValue = editorValue(editor);
}

QString ChannelCellDelegate::editorValue(const QWidget* editor)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(editor))
        return line->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(editor))
        return QString::number(combo->currentIndex());
    return {};
}

void ChannelCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const
{
    const auto it = m_cells.find(editor);
    if (it == m_cells.end() || it->committed)
        return;
    it->committed = true;
    const QString value = editorValue(editor);
    if (value == it->startValue)
        return;
    // The update path may warn (a frequency outside the band); the message
    // box takes the focus from the editor, which must not commit again.
    const OpenCell cell = *it;
    m_model.commitCell(cell.group, cell.position, cell.column, value);
}

void ChannelCellDelegate::commitAndClose(QWidget* editor)
{
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QWidget* ChannelCellDelegate::openEditor() const
{
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
        if (!it->committed)
            return const_cast<QWidget*>(it.key());
    }
    return nullptr;
}

bool ChannelCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    // Once committed, an editor is only waiting to be closed: losing the
    // focus to a warning about its own value must not commit or close it
    // a second time.
    auto* editor = qobject_cast<QWidget*>(object);
    const auto it = m_cells.constFind(editor);
    if (it == m_cells.cend())
        return QStyledItemDelegate::eventFilter(object, event);
    if (it->committed && event->type() == QEvent::FocusOut)
        return false;
    // Tab leaves the editor like any other way out and moves to the next
    // cell; it does not walk on into that cell's editor.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            commitAndClose(editor);
            emit tabbedOut(key == Qt::Key_Tab);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
