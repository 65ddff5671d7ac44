#include "gui/channels/channel_edit_commands.h"

#include "gui/base/lang_text.h"
#include "core/base/notifier.h"
#include "core/model/undo_group.h"
#include "core/channels/channel_clip.h"
#include "gui/channels/channel_grid_view.h"
#include "core/channels/channel_paste.h"
#include "core/channels/channel_rearrange.h"
#include "gui/channels/channel_table_model.h"
#include "gui/channels/channel_table_text.h"
#include "gui/channels/frm_comm_ch_info.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>

#include <algorithm>

const char* const ChannelEditCommands::MimeType = "application/x-brisko7-channels";

namespace {

using Id = ChannelEditCommands::Id;

bool changesThePlan(Id id)
{
    return id == Id::Cut || id == Id::Insert || id == Id::Delete || id == Id::MoveUp || id == Id::MoveDown;
}

// "Move 2 channels", "Delete 1 channel": the name of a command's undo step,
// with the number in agreement.
std::string stepName(int verbText, int channels)
{
    const QString count = channels == 1 ? LangText(Txt::UndoStepOneChannel)
                                        : LangText(Txt::UndoStepChannels).arg(channels);
    return LangText(verbText).arg(count).toStdString();
}

}  // namespace

QKeySequence ChannelCommandKey(Id id)
{
    switch (id) {
    case Id::Cut:
        return QKeySequence(QKeySequence::Cut);
    case Id::Copy:
        return QKeySequence(QKeySequence::Copy);
    case Id::Paste:
        return QKeySequence(QKeySequence::Paste);
    case Id::Insert:
        return QKeySequence(Qt::Key_Insert);
    case Id::Delete:
        return QKeySequence(Qt::Key_Delete);
    case Id::MoveUp:
        return QKeySequence(Qt::CTRL | Qt::Key_Up);
    case Id::MoveDown:
        return QKeySequence(Qt::CTRL | Qt::Key_Down);
    case Id::EditChannel:
        break;
    }
    return {};
}

ChannelEditCommands::ChannelEditCommands(frmCommChInfo& window, Document& doc, Notifier& notifier)
    : QObject(&window), m_window(window), m_doc(doc), m_notifier(notifier)
{
    setObjectName(QStringLiteral("channelEditCommands"));
    // A run of rows is what the commands work on.
    m_window.grid()->setSelectionMode(QAbstractItemView::ContiguousSelection);
    connect(m_window.model(), &QAbstractItemModel::modelReset, this, &ChannelEditCommands::enabledChanged);
    installKeys();
}

void ChannelEditCommands::installKeys()
{
    for (int i = 0; i < IdCount; ++i) {
        const auto id = static_cast<Id>(i);
        const QKeySequence key = ChannelCommandKey(id);
        if (key.isEmpty())
            continue;
        // Only while the grid itself has the focus: an open in-place editor
        // keeps its own keys.
        auto* shortcut = new QShortcut(key, m_window.grid(), nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, id] { run(id); });
    }
}

bool ChannelEditCommands::isEnabled(Id id) const
{
    return !changesThePlan(id) || CanRearrangeChannels(m_doc, m_window.shownGroup());
}

void ChannelEditCommands::run(Id id)
{
    if (!isEnabled(id))
        return;
    m_window.EndGridEdit();
    switch (id) {
    case Id::Cut:
        copy();
        remove(Txt::UndoStepCut);
        break;
    case Id::Copy:
        copy();
        break;
    case Id::Paste:
        paste();
        break;
    case Id::Insert:
        insert();
        break;
    case Id::Delete:
        remove(Txt::UndoStepDelete);
        break;
    case Id::MoveUp:
        move(-1);
        break;
    case Id::MoveDown:
        move(1);
        break;
    case Id::EditChannel:
        m_window.editButton()->click();
        break;
    }
}

ChannelEditCommands::Rows ChannelEditCommands::selectedRows() const
{
    const QModelIndexList selected = m_window.grid()->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {std::max(m_window.grid()->currentIndex().row(), 0) + 1, 1};
    const auto [low, high] = std::minmax_element(selected.begin(), selected.end(),
                                                 [](const auto& a, const auto& b) { return a.row() < b.row(); });
    return {low->row() + 1, high->row() - low->row() + 1};
}

void ChannelEditCommands::selectRows(Rows rows)
{
    ChannelGridView* grid = m_window.grid();
    const int column = std::max(grid->currentIndex().column(), 0);
    const QModelIndex first = m_window.model()->index(rows.first - 1, column);
    grid->setCurrentIndex(first);
    grid->selectionModel()->select(QItemSelection(first, m_window.model()->index(rows.first + rows.count - 2, column)),
                                   QItemSelectionModel::ClearAndSelect);
}

void ChannelEditCommands::copy()
{
    const Rows rows = selectedRows();
    const int group = m_window.shownGroup();
    const ChannelClip clip = CopyChannels(m_doc, group, rows.first, rows.count);
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(MimeType), QByteArray::fromStdString(ClipToText(clip)));
    mime->setText(ChannelTableText(m_doc, group, rows.first, clip));
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::optional<ChannelClip> ChannelEditCommands::clipboardChannels() const
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return std::nullopt;
    std::optional<ChannelClip> clip;
    if (mime->hasFormat(QString::fromLatin1(MimeType)))
        clip = ClipFromText(mime->data(QString::fromLatin1(MimeType)).toStdString());
    // The table Copy writes as text, also back from a spreadsheet.
    else if (mime->hasText())
        clip = ClipFromTable(m_doc, m_window.shownGroup(), selectedRows().first, mime->text().toStdString());
    if (!clip || clip->rows.empty())
        return std::nullopt;
    return clip;
}

void ChannelEditCommands::paste()
{
    const std::optional<ChannelClip> clip = clipboardChannels();
    if (!clip) {
        m_notifier.message(LangText(Txt::PasteNothing).toStdString(), NoticeIcon::Information);
        return;
    }
    PasteSummary summary;
    {
        UndoGroup step(m_doc, stepName(Txt::UndoStepPaste, static_cast<int>(clip->rows.size())));
        summary = PasteChannels(m_doc, m_window.shownGroup(), selectedRows().first, *clip);
    }
    QStringList lines;
    for (auto [count, text] :
         {std::pair{summary.didNotFit, Txt::SummaryDidNotFit},
          std::pair{summary.changedByRule, Txt::SummaryChangedByRule},
          std::pair{summary.noChannel, Txt::SummaryNoChannel}, std::pair{summary.kept, Txt::SummaryKept}}) {
        if (count > 0)
            lines << LangText(text).arg(count);
    }
    if (!lines.isEmpty())
        m_notifier.message(lines.join(QLatin1Char('\n')).toStdString(), NoticeIcon::Information);
}

void ChannelEditCommands::remove(int stepText)
{
    const Rows rows = selectedRows();
    DeleteSummary summary;
    {
        UndoGroup step(m_doc, stepName(stepText, rows.count));
        summary = DeleteChannels(m_doc, m_window.shownGroup(), rows.first, rows.count);
    }
    if (summary.kept > 0)
        m_notifier.message(LangText(Txt::SummaryKept).arg(summary.kept).toStdString(), NoticeIcon::Information);
}

void ChannelEditCommands::insert()
{
    const Rows rows = selectedRows();
    RearrangeOutcome outcome;
    {
        UndoGroup step(m_doc, LangText(Txt::UndoStepInsert).toStdString());
        outcome = InsertChannelAt(m_doc, m_window.shownGroup(), rows.first);
    }
    if (outcome == RearrangeOutcome::LastPositionFull)
        m_notifier.message(LangText(Txt::InsertLastFull).toStdString(), NoticeIcon::Warning);
}

void ChannelEditCommands::move(int direction)
{
    const Rows rows = selectedRows();
    RearrangeOutcome outcome;
    {
        UndoGroup step(m_doc, stepName(Txt::UndoStepMove, rows.count));
        outcome = MoveChannels(m_doc, m_window.shownGroup(), rows.first, rows.count, direction);
    }
    if (outcome == RearrangeOutcome::Done)
        selectRows({rows.first + direction, rows.count});
}
