#include "core/model/channel_fields.h"
#include "core/model/image_layout.h"
#include "core/model/record_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace L = ImageLayout;

// Which field claims each bit of an area; a bit claimed twice is a layout
// slip that would make two fields overwrite each other on the air.
class BitOwners {
public:
    explicit BitOwners(std::size_t areaSize) : m_size(areaSize) {}

    void claim(const std::string& field, const ImagePlace& place)
    {
        switch (place.kind) {
        case ImagePlace::Kind::None:
            return;
        case ImagePlace::Kind::Byte:
        case ImagePlace::Kind::LowBit:
            claimBits(field, place.address, 0, 8);
            return;
        case ImagePlace::Kind::Bits:
        case ImagePlace::Kind::Flag:
            claimBits(field, place.address, place.firstBit, place.bitCount);
            return;
        case ImagePlace::Kind::Le16:
            claimBits(field, place.address, 0, 8);
            claimBits(field, place.address + 1, 0, 8);
            return;
        case ImagePlace::Kind::Tone:
            claimBits(field, place.address, 0, 8);
            claimBits(field, place.address + 1, 0, 8);
            claimBits(field, L::Slot::Flags, place.firstBit, place.bitCount);
            return;
        }
    }
    template <typename Record, std::size_t N>
    void claimAll(const std::string& prefix, const std::array<IntField<Record>, N>& fields)
    {
        for (const auto& f : fields)
            claim(prefix + f.name, f.place);
    }
    template <typename Record, std::size_t N>
    void claimAll(const std::string& prefix, const std::array<ArrayField<Record>, N>& fields)
    {
        for (const auto& f : fields) {
            for (std::size_t i = 0; i < f.count; ++i)
                claim(prefix + f.name + "[" + std::to_string(i) + "]", f.at(i));
        }
    }

    const std::set<std::string>& problems() const { return m_problems; }
    std::size_t bitsClaimed() const { return m_owner.size(); }

private:
    void claimBits(const std::string& field, std::size_t address, unsigned first, unsigned count)
    {
        if (address >= m_size || first + count > 8)
            m_problems.insert(field + " lies outside its area");
        for (unsigned b = first; b < first + count; ++b) {
            const auto [it, fresh] = m_owner.emplace(std::make_pair(address, b), field);
            if (!fresh && it->second != field)
                m_problems.insert(field + " shares a bit with " + it->second);
        }
    }

    std::size_t m_size;
    std::map<std::pair<std::size_t, unsigned>, std::string> m_owner;
    std::set<std::string> m_problems;
};

TEST(RecordFields, TheFieldsOfAChannelSlotNeitherOverlapNorLeaveTheSlot)
{
    BitOwners slot(L::SlotSize);
    slot.claim("frequency", {ImagePlace::Kind::Byte, L::Slot::FreqLow, 0, 8});
    slot.claim("frequency", {ImagePlace::Kind::Byte, L::Slot::FreqMid, 0, 8});
    slot.claim("frequency", {ImagePlace::Kind::Byte, L::Slot::FreqHigh, 0, 8});
    slot.claimAll("", ChannelSlotFields());
    EXPECT_TRUE(slot.problems().empty()) << *slot.problems().begin();
}

TEST(RecordFields, TheSettingsOfTheWholeImageNeitherOverlapNorLeaveIt)
{
    BitOwners image(RadioImageSize);
    image.claimAll("OptFeatRecord.", OptFeatScalarFields());
    image.claimAll("OptFeatRecord.", OptFeatGroupFields());
    image.claimAll("DtmfSettings.", DtmfSettingFields());
    image.claimAll("KeySettings.", KeySettingFields());
    image.claimAll("KeySettings.", KeyCodeFields());
    for (int tip = 1; tip <= 8; ++tip) {
        for (const auto& f : ToneTipFields())
            image.claim("tip" + std::to_string(tip) + f.name,
                        {f.place.kind, L::toneTipAddress(tip) + f.place.address, 0, 8});
        for (const auto& f : ToneTipToneFields()) {
            for (std::size_t j = 0; j < f.count; ++j)
                image.claim("tip" + std::to_string(tip) + f.name + std::to_string(j),
                            {f.place.kind, L::toneTipAddress(tip) + f.at(j).address, 0, 8});
        }
    }
    EXPECT_TRUE(image.problems().empty()) << *image.problems().begin();
}

TEST(RecordFields, ATipsFieldsStayWithinTheTip)
{
    BitOwners tip(L::ToneTipSize);
    tip.claimAll("", ToneTipFields());
    tip.claimAll("", ToneTipToneFields());
    EXPECT_TRUE(tip.problems().empty()) << *tip.problems().begin();
    EXPECT_EQ(tip.bitsClaimed(), 8u * L::ToneTipSize);
}

// Each description must be whole: the table is looked up by position, the
// clamps divide by the step, and a value an editor offers must fit the image.
TEST(ChannelFields, EveryDescriptionIsConsistent)
{
    std::set<std::string> names, columns;
    std::vector<std::int16_t ChannelRecord::*> members;
    for (int n = FirstChannelField; n <= LastChannelField; ++n) {
        const ChannelFieldInfo& f = ChannelFieldOf(static_cast<ChannelField>(n));
        SCOPED_TRACE(f.name);
        EXPECT_EQ(static_cast<int>(f.field), n);
        EXPECT_TRUE(names.insert(f.name).second);
        EXPECT_TRUE(f.member == nullptr ? f.input == ChannelInput::Frequency
                                        : std::find(members.begin(), members.end(), f.member) == members.end());
        members.push_back(f.member);
        EXPECT_TRUE(f.csvColumn == nullptr ? f.csv == CsvForm::None : columns.insert(f.csvColumn).second);
        EXPECT_NE(f.label, 0);
        if (f.input == ChannelInput::Frequency || f.input == ChannelInput::Tone)
            continue;
        EXPECT_TRUE(f.stored.contains(f.values.min) && f.stored.contains(f.values.max));
        if (f.input == ChannelInput::List)
            EXPECT_EQ(ChannelListItems(f.field).size(), static_cast<std::size_t>(f.values.max - f.values.min + 1));
        else
            EXPECT_TRUE(f.step >= 1 && f.values.contains(f.fallback));
    }
}

}  // namespace
