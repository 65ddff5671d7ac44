#pragma once

#include "core/model/field_range.h"
#include "core/model/image_place.h"
#include "core/model/records.h"

#include <array>
#include <cstddef>
#include <cstdint>

// One declarative table per record: each entry names a field, its member, its
// valid range and its place in the radio's memory. The image codec, the open
// check, the data files, show, diff, the document comparison and the virtual
// radio all read these tables; the addresses themselves are named in
// image_layout.h and written down nowhere else.

// A 16-bit field.
template <typename Record>
struct IntField {
    const char* name;
    std::int16_t Record::*member;
    FieldRange range;
    ImagePlace place;
};

// A run of values of one kind (the work channel of each group, the key
// codes), element i kept at place.element(i, step).
template <typename Record>
struct ArrayField {
    const char* name;
    std::size_t count;
    int (*get)(const Record&, std::size_t);
    void (*set)(Record&, std::size_t, int);
    FieldRange range;
    ImagePlace place;  // of element 0
    std::size_t step;  // bytes between elements; 0: consecutive bits

    ImagePlace at(std::size_t i) const { return place.element(i, step); }
};

// ChannelRecord fields OffSetFre .. TSQ, in record (and data-file) order,
// placed within a channel slot, as channel_fields.h describes them. RDCT and
// TDCT are tone codes: their range is checked with IsEncodableToneCode.
const std::array<IntField<ChannelRecord>, 16>& ChannelSlotFields();

// The frequency code (RxFreq) within a channel slot: of its eight digits the
// radio keeps the six from the second on, as BCD pairs with the lowest pair
// first; the first digit (hundreds of MHz) and the last (10 Hz) read back as 0.
const DigitPlace& ChannelFreqPlace();

// The digits of a DTMF code within its slot, one per byte: "#" is kept as E
// and "*" as F; the first byte above 0x0F ends the code.
const DigitPlace& DtmfDigitsPlace();

// The present and scan flags of a channel number, placed from address 0. The
// VFO channel has neither (notInImage()): it always counts as present and
// is never scanned.
struct ChannelFlagPlaces {
    ImagePlace present;
    ImagePlace scan;
};
ChannelFlagPlaces ChannelFlags(int channelNo);

// OptFeatRecord scalars in record order: GridGroup, UseMemChannel, UseVfo,
// Value1B, then Beep .. MaxSwr.
const std::array<IntField<OptFeatRecord>, 21>& OptFeatScalarFields();
// The per-group tables of OptFeatRecord: GroupValid, WorkChannel, then the
// two columns of EmergencyChannel and of GroupMode.
const std::array<ArrayField<OptFeatRecord>, 6>& OptFeatGroupFields();

// The six DTMF settings in record order.
const std::array<IntField<DtmfSettings>, 6>& DtmfSettingFields();

const std::array<IntField<KeySettings>, 1>& KeySettingFields();
const std::array<ArrayField<KeySettings>, 1>& KeyCodeFields();

// A tone tip's header values and its tones, placed within the tip.
const std::array<IntField<ToneTip>, 2>& ToneTipFields();
const std::array<ArrayField<ToneTip>, 2>& ToneTipToneFields();

// Reads or writes every field of a table at the record's area (base).
template <typename Record, std::size_t N>
void ReadFields(const RadioImage& image, std::size_t base, const std::array<IntField<Record>, N>& fields,
                Record& record)
{
    for (const auto& f : fields) {
        if (f.place.kind != ImagePlace::Kind::None)
            record.*f.member = static_cast<std::int16_t>(ReadPlace(image, base, f.place, f.range));
    }
}

template <typename Record, std::size_t N>
void WriteFields(RadioImage& image, std::size_t base, const std::array<IntField<Record>, N>& fields,
                 const Record& record)
{
    for (const auto& f : fields)
        WritePlace(image, base, f.place, record.*f.member, f.range);
}

template <typename Record, std::size_t N>
void ReadFields(const RadioImage& image, std::size_t base, const std::array<ArrayField<Record>, N>& fields,
                Record& record)
{
    for (const auto& f : fields) {
        for (std::size_t i = 0; i < f.count; ++i)
            f.set(record, i, ReadPlace(image, base, f.at(i), f.range));
    }
}

template <typename Record, std::size_t N>
void WriteFields(RadioImage& image, std::size_t base, const std::array<ArrayField<Record>, N>& fields,
                 const Record& record)
{
    for (const auto& f : fields) {
        for (std::size_t i = 0; i < f.count; ++i)
            WritePlace(image, base, f.at(i), f.get(record, i), f.range);
    }
}

// Clears the bytes whose bits the table's fields share, so that the bits no
// field names are written as 0.
template <typename Record, std::size_t N>
void ClearBitBytes(RadioImage& image, std::size_t base, const std::array<IntField<Record>, N>& fields)
{
    for (const auto& f : fields) {
        if (f.place.sharesItsByte())
            image.setByte(base + f.place.address, 0);
    }
}

template <typename Record, std::size_t N>
void ClearBitBytes(RadioImage& image, std::size_t base, const std::array<ArrayField<Record>, N>& fields)
{
    for (const auto& f : fields) {
        for (std::size_t i = 0; i < f.count && f.place.sharesItsByte(); ++i)
            image.setByte(base + f.at(i).address, 0);
    }
}
