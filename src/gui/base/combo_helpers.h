#pragma once

#include "core/model/records.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QComboBox;

// The list rules of the data core applied to combo boxes: every editor reads
// and sets its lists through these, so an out-of-range index or an unknown
// text behaves the same everywhere.

std::vector<std::string> ComboItems(const QComboBox* combo);

// The item at index; item 0 for an index outside the list; "" for an empty list.
QString ListItemText(const QComboBox* combo, int index);
// The first item equal to text; item 0 when none is; "" for an empty list.
QString MatchListText(const QComboBox* combo, const QString& text);
// Selects what MatchListText finds; no selection for an empty list.
void SelectListText(QComboBox* combo, const QString& text);
// Selects what ListItemText finds; no selection for an empty list.
void SelectListIndex(QComboBox* combo, int index);
// value = the selected index when an item is selected; otherwise unchanged.
void ComboIndexIfSelected(const QComboBox* combo, std::int16_t& value);
// The selected item as a number when one is selected and numeric; else the default.
std::int16_t ComboNumberOrDefault(const QComboBox* combo, std::int16_t defaultValue);

// The DTMF code list: "off" (text 14013), then the slots that hold a code.
void FillDtmfCodeCombo(QComboBox* combo, const DtmfSettings& dtmf);

// Fills the group box with the band's group names (leaving out the excluded
// one) and shows the selector the band uses: the country box in the CB band,
// the group box in the others. The second country box is hidden.
void FillGroupCombo(QComboBox* groupBox, QComboBox* countryBox, QComboBox* secondCountryBox, int bandMode,
                    const QString& excludedName = {});
