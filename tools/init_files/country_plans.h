#pragma once

#include <vector>

class Document;

// The CB channel plans of the country modes, as public regulations give them.
// Frequencies are in units of 10 Hz, the unit of a frequency code.

// One country mode's channels: channel number = the group's start + position.
struct CountryPlan {
    int group = 0;                 // the country mode's group in the CB band
    std::vector<int> frequencies;  // position 1, 2, ... in 10 Hz units
};

// The plans of every country mode that has one, in group order.
std::vector<CountryPlan> CountryPlans();

// Puts the plans into a CB document: each plan channel replaces the channel of
// its number or is added with the defaults of a channel created by typing a
// frequency; channels the plans do not name stay. The list ends in
// channel-number order.
void AddCountryPlans(Document& doc);
