#include "gui/channels/channel_grid_view.h"

#include "gui/base/twips.h"
#include "gui/channels/channel_cell_delegate.h"
#include "gui/channels/channel_columns.h"
#include "gui/channels/channel_table_model.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int HeaderHeightTwips = 500;
constexpr int RowHeightTwips = 330;

}  // namespace

ChannelGridView::ChannelGridView(ChannelTableModel& model, QWidget* parent)
    : QTableView(parent), m_model(model), m_delegate(new ChannelCellDelegate(model, this))
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setModel(&m_model);
    setItemDelegate(m_delegate);
    setEditTriggers(QAbstractItemView::DoubleClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    // Rows as high as a line of text and a list box laid over it need.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 8, twipsToPixels(RowHeightTwips)));
    horizontalHeader()->setFixedHeight(twipsToPixels(HeaderHeightTwips));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    applyColumnWidths();

    // An editor does not close on scrolling by itself, and a click on the
    // header does not take the focus from it; both end the edit here.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGridView::EndGridEdit);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGridView::EndGridEdit);
    connect(horizontalHeader(), &QHeaderView::sectionPressed, this, &ChannelGridView::EndGridEdit);
    connect(m_delegate, &ChannelCellDelegate::tabbedOut, this, [this](bool forward) {
        const QModelIndex next = moveCursor(forward ? MoveNext : MovePrevious, Qt::NoModifier);
        if (next.isValid())
            setCurrentIndex(next);
        setFocus();
    });
}

void ChannelGridView::applyColumnWidths()
{
    for (int column = 0; column < ChannelColumnCount; ++column) {
        const int width = ChannelColumnOf(column).widthTwips;
        setColumnHidden(column, width == 0);
        if (width > 0)
            setColumnWidth(column, twipsToPixels(width));
    }
}

bool ChannelGridView::isEditing() const
{
    return m_delegate->openEditor() != nullptr;
}

void ChannelGridView::EnterGridEdit(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    edit(index, QAbstractItemView::AllEditTriggers, nullptr);
}

bool ChannelGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool userAsked = trigger == QAbstractItemView::DoubleClicked || trigger == QAbstractItemView::AllEditTriggers;
    if (userAsked && index.isValid() && index.column() == EditColumn) {
        EndGridEdit();
        emit editDialogRequested(index.row());
        return false;
    }
    if (userAsked && index.column() == FreqColumn && (m_model.flags(index) & Qt::ItemIsEditable))
        m_model.reportCorruptFrequency(index.row());
    return QTableView::edit(index, trigger, event);
}

void ChannelGridView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState && event->modifiers() == Qt::NoModifier) {
        EnterGridEdit(currentIndex());
        event->accept();
        return;
    }
    if (state() != QAbstractItemView::EditingState && typeIntoCell(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool ChannelGridView::typeIntoCell(QKeyEvent* event)
{
    const QModelIndex index = currentIndex();
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!index.isValid() || index.column() != FreqColumn || text.size() != 1 || command || !text.front().isPrint())
        return false;
    if (!(m_model.flags(index) & Qt::ItemIsEditable)) {
        const QString hint = m_model.typingHint(index.column());
        if (hint.isEmpty())
            return false;
        QToolTip::showText(viewport()->mapToGlobal(visualRect(index).bottomLeft()), hint, this);
        return true;
    }
    // A number starts the editor on the cell with its text selected, so
    // that the typed character replaces it; the editor's own filter decides
    // how the character is taken.
    const QChar c = text.front();
    if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char(','))
        return false;
    EnterGridEdit(index);
    auto* line = qobject_cast<QLineEdit*>(m_delegate->openEditor());
    if (!line)
        return false;
    line->selectAll();
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), text);
    QCoreApplication::sendEvent(line, &copy);
    return true;
}

void ChannelGridView::EndGridEdit()
{
    QWidget* editor = m_delegate->openEditor();
    if (!editor || !indexWidget(currentIndex()))
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ChannelGridView::SetEditDisable()
{
    if (QWidget* editor = m_delegate->openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}
