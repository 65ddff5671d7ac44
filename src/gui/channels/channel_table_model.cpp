#include "gui/channels/channel_table_model.h"

#include "gui/base/lang_text.h"
#include "gui/channels/channel_columns.h"
#include "core/channels/channel_rules.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/freq/list_helpers.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace {

const QColor NumberColour(0, 0, 255);
const QColor HeaderColour(0, 0, 155);
const QColor EditMarkColour(255, 0, 0);
const QColor EditMarkBackground(220, 220, 220);

}  // namespace

ChannelTableModel::ChannelTableModel(Document& doc, Notifier& notifier, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc), m_notifier(notifier)
{
    rebuildRows();
    reShowHeaders();
}

void ChannelTableModel::setGroup(int group)
{
    beginResetModel();
    m_group = group;
    rebuildRows();
    endResetModel();
}

void ChannelTableModel::reShowAllGrid()
{
    setGroup(m_group);
}

void ChannelTableModel::reShowGrid(int channelNo)
{
    // A created or deleted channel moves the list entries behind it, in
    // whichever group it lies.
    rebuildRows();
    const int position = channelNo - GetGroupStart(m_group, m_doc.BandMode);
    if (position < 1 || position > rowCount())
        return;
    emit dataChanged(index(position - 1, FreqColumn), index(position - 1, ScanColumn));
}

void ChannelTableModel::reShowHeaders()
{
    m_headers.clear();
    for (int column = 0; column < ChannelColumnCount; ++column)
        m_headers << LangText(ChannelColumnOf(column).headerText);
    emit headerDataChanged(Qt::Horizontal, 0, ChannelColumnCount - 1);
}

void ChannelTableModel::rebuildRows()
{
    m_rowEntry.assign(static_cast<std::size_t>(GetGroupSize(m_group, m_doc.BandMode)), -1);
    const int start = GetGroupStart(m_group, m_doc.BandMode);
    const int count = std::clamp<int>(m_doc.ChannelCount, 0, MaxChannels);
    for (int i = 0; i < count; ++i) {
        const int position = m_doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo - start;
        if (position < 1 || position > static_cast<int>(m_rowEntry.size()))
            continue;
        // The update path changes the first entry of a channel number, so
        // the grid shows that one too.
        int& entry = m_rowEntry[static_cast<std::size_t>(position - 1)];
        if (entry < 0)
            entry = i;
    }
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rowEntry.size());
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelColumnCount;
}

const ChannelRecord* ChannelTableModel::channelAtRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    const int entry = m_rowEntry[static_cast<std::size_t>(row)];
    return entry < 0 ? nullptr : &m_doc.ChannelList[static_cast<std::size_t>(entry)];
}

QVariant ChannelTableModel::displayText(int row, int column) const
{
    if (column == NumberColumn)
        return QString::number(row + 1);
    if (column == EditColumn)
        return QStringLiteral(">>");
    const ChannelRecord* channel = channelAtRow(row);
    if (!channel)
        return QString();
    switch (column) {
    case FreqColumn:
        return QString::fromStdString(FreqCodeToShowText(channel->RxFreq, m_group, m_doc.BandMode, m_doc));
    case OffsetColumn:
        return QString::number(channel->OffSetFre);
    default:
        break;
    }
    const auto field = FieldOfColumn(column);
    const int value = field ? channel->*ChannelFieldMember(*field) : 0;
    return QString::fromStdString(ListItemText(ColumnChoices(column), value));
}

QVariant ChannelTableModel::background(int column) const
{
    if (column == EditColumn)
        return QBrush(EditMarkBackground);
    // In the CB band the frequencies follow the country plans, so the column
    // does not look like something to type into.
    if (column == FreqColumn && m_doc.BandMode == 0)
        return QGuiApplication::palette().brush(QPalette::Window);
    return {};
}

QVariant ChannelTableModel::foreground(int column) const
{
    if (column == NumberColumn)
        return QBrush(NumberColour);
    if (column == EditColumn)
        return QBrush(EditMarkColour);
    return {};
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ChannelColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return displayText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        return background(index.column());
    case Qt::ForegroundRole:
        return foreground(index.column());
    case Qt::ToolTipRole:
        return typingHint(index.column());
    case Qt::AccessibleTextRole:
        // A screen reader reads a cell with its column and row:
        // "Frequency, channel 3: 27.02500". A cell the radio's rules keep
        // from being set (shown grey or refused on typing) says so, as the
        // colour cannot be seen by everyone.
        return LangText(isLocked(index.row(), index.column()) ? Txt::CellSpokenLocked : Txt::CellSpoken)
            .arg(m_headers.value(index.column()), QString::number(index.row() + 1),
                 displayText(index.row(), index.column()).toString());
    default:
        return {};
    }
}

QString ChannelTableModel::typingHint(int column) const
{
    // A CB memory channel's frequency is chosen in the edit dialog's
    // memory-frequency dialog; the cell says how to get there.
    if (column == FreqColumn && m_doc.BandMode == 0 && IsMemGroup(m_group, m_doc.BandMode))
        return LangText(Txt::MemFreqCellHint);
    return {};
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ChannelColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return m_headers.value(section);
    case Qt::ForegroundRole:
        return QBrush(HeaderColour);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

Refusal ChannelTableModel::cellLock(int row, int column) const
{
    const auto field = FieldOfColumn(column);
    if (!field || row < 0 || row >= rowCount())
        return Refusal::NotOffered;
    // The CB band's frequencies are never typed into the grid: the country
    // channels follow their plans, and a memory channel is chosen from them
    // in the memory-frequency dialog.
    if (m_doc.BandMode == 0 && *field == ChannelField::RxFreq)
        return Refusal::CountryFrequency;
    // Only a typed frequency can fill an empty position.
    if (!channelAtRow(row) && *field != ChannelField::RxFreq)
        return Refusal::NoChannel;
    return ChannelFieldLock(m_doc, m_group, row + 1, *field);
}

bool ChannelTableModel::isLocked(int row, int column) const
{
    // Columns without a field (number, edit mark) and empty positions are no
    // settings of a channel, so they are not locked ones.
    const Refusal lock = cellLock(row, column);
    return lock != Refusal::None && lock != Refusal::NotOffered && lock != Refusal::NoChannel;
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (cellLock(index.row(), index.column()) == Refusal::None)
        f |= Qt::ItemIsEditable;
    return f;
}

void ChannelTableModel::reportCorruptFrequency(int row) const
{
    const ChannelRecord* channel = channelAtRow(row);
    if (channel && IsCorruptFreqCode(channel->RxFreq))
        ReportCorruptFreqCode(m_notifier);
}

UpdateResult ChannelTableModel::commitCell(int group, int position, int column, const QString& value)
{
    const auto field = FieldOfColumn(column);
    if (!field)
        return {};
    const UpdateResult result = ColumnChoices(column).empty()
        ? SetChannelData(m_doc, group, position, *field, value.toStdString(), m_notifier)
        : SetChannelData(m_doc, group, position, *field, value.toInt(), m_notifier);
    if (!result.stored() && group == m_group && position >= 1 && position <= rowCount())
        emit dataChanged(index(position - 1, FreqColumn), index(position - 1, ScanColumn));
    return result;
}
