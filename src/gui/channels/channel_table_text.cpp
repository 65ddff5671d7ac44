#include "gui/channels/channel_table_text.h"

#include "gui/base/lang_text.h"
#include "core/channels/channel_clip.h"
#include "gui/channels/channel_columns.h"
#include "core/freq/freq_code.h"
#include "core/freq/list_helpers.h"
#include "core/model/tone_table.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QStringList>

namespace {

constexpr int ListColumns[] = {PublicColumn, TsqColumn, ScanColumn};

// A row label of the edit dialog without its colon.
QString label(int textNumber)
{
    QString text = LangText(textNumber).trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

QStringList headerRow()
{
    QStringList cells{LangText(ChannelColumnOf(NumberColumn).headerText),
                      LangText(ChannelColumnOf(FreqColumn).headerText)};
    for (int column : ListColumns)
        cells << LangText(ChannelColumnOf(column).headerText);
    cells << label(ChannelFieldOf(ChannelField::RDCT).label) << label(ChannelFieldOf(ChannelField::TDCT).label);
    return cells;
}

QStringList channelRow(const Document& doc, int group, int position, const ChannelRecord& c)
{
    QStringList cells{QString::number(position),
                      QString::fromStdString(FreqCodeToShowText(c.RxFreq, group, doc.BandMode, doc))};
    for (int column : ListColumns) {
        const int value = c.*ChannelFieldMember(*FieldOfColumn(column));
        cells << QString::fromStdString(ListItemText(ColumnChoices(column), value));
    }
    cells << QString::fromStdString(ToneListText(c.RDCT)) << QString::fromStdString(ToneListText(c.TDCT));
    return cells;
}

}  // namespace

QString ChannelTableText(const Document& doc, int group, int firstPosition, const ChannelClip& clip)
{
    QString text = headerRow().join(QLatin1Char('\t')) + QLatin1Char('\n');
    int position = firstPosition;
    for (const auto& row : clip.rows) {
        const QStringList cells = row ? channelRow(doc, group, position, *row) : QStringList{QString::number(position)};
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        ++position;
    }
    return text;
}
