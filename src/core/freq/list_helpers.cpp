#include "core/freq/list_helpers.h"

#include "core/base/lang_texts.h"
#include "core/base/numeric_text.h"
#include "lang_text_ids.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int DtmfOffTextNumber = Txt::DtmfCodeNone;

int indexOf(const std::vector<std::string>& items, std::string_view text)
{
    const auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

ListSelection selectionOf(const std::vector<std::string>& items, const std::string& text)
{
    if (text.empty() && items.empty())
        return {};
    return {indexOf(items, text), text};
}

}  // namespace

std::string ListItemText(const std::vector<std::string>& items, int index)
{
    if (items.empty())
        return {};
    if (index < 0 || index >= static_cast<int>(items.size()))
        return items.front();
    return items[static_cast<std::size_t>(index)];
}

std::string MatchListText(const std::vector<std::string>& items, std::string_view text)
{
    if (items.empty())
        return {};
    const int at = indexOf(items, text);
    return at < 0 ? items.front() : items[static_cast<std::size_t>(at)];
}

ListSelection SelectListText(const std::vector<std::string>& items, std::string_view text)
{
    return selectionOf(items, MatchListText(items, text));
}

ListSelection SelectListIndex(const std::vector<std::string>& items, int index)
{
    return selectionOf(items, ListItemText(items, index));
}

void ComboIndexIfSelected(int selectedIndex, std::int16_t& value)
{
    if (selectedIndex >= 0)
        value = static_cast<std::int16_t>(std::min<int>(selectedIndex, std::numeric_limits<std::int16_t>::max()));
}

std::int16_t ComboNumberOrDefault(int selectedIndex, std::string_view selectedText, std::int16_t defaultValue)
{
    if (selectedIndex < 0)
        return defaultValue;
    const auto value = NumericTextToInteger(selectedText);
    if (!value)
        return defaultValue;
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(*value, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}

std::vector<std::string> DtmfCodeComboItems(const DtmfSettings& dtmf)
{
    std::vector<std::string> items{GetLangText(DtmfOffTextNumber)};
    for (std::size_t s = 0; s < dtmf.Codes.size(); ++s) {
        if (dtmf.Codes[s].Length > 0)
            items.push_back(std::to_string(s + 1));
    }
    return items;
}
