#pragma once

#include "core/model/document.h"
#include "core/model/fixed_text.h"

#include <vector>

// DTMF settings that every list shows (none at its first item); code slots 3
// ("123") and 5 ("A*#") hold codes, the others none; the first two channel
// entries and the public channel send slot 3 at the beginning of a
// transmission and as the call code and slot 5 at its end.
inline void ReferToDtmfSlots3And5(Document& doc)
{
    DtmfSettings& d = doc.Record.Dtmf;
    d = DtmfSettings();
    d.DtmfRate = 5;
    d.FirstDigitDelay = 3;
    d.StarHashTone = 5;
    d.DKeySetting = 16;
    d.DtmfDisplay = 1;
    for (const auto& [slot, digits] : {std::pair{3, "123"}, std::pair{5, "A*#"}}) {
        doc.Record.Dtmf.Codes[slot - 1].Length = 3;
        doc.Record.Dtmf.Codes[slot - 1].Digits = PadFixed(digits, 16);
    }
    for (ChannelRecord* c : {&doc.ChannelList[0], &doc.ChannelList[1], &doc.Record.PublicChannel}) {
        c->DTMF_BOT = 3;
        c->DTMF_EOT = 5;
        c->DTMF_Call = 3;
    }
}

// BOT, EOT and call references of the first two channel entries and the public channel.
inline std::vector<int> DtmfReferences(const Document& doc)
{
    std::vector<int> refs;
    for (const ChannelRecord* c : {&doc.ChannelList[0], &doc.ChannelList[1], &doc.Record.PublicChannel})
        refs.insert(refs.end(), {c->DTMF_BOT, c->DTMF_EOT, c->DTMF_Call});
    return refs;
}
