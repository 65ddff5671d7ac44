#include "tone_tips_fixture.h"

#include "core/sound/tone_player.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

class FakeClock : public ToneClock {
public:
    std::int64_t nowMicros() const override { return ms * 1000; }
    std::int64_t ms = 0;
};

struct Heard {
    ToneStep step;
    std::int64_t startMs;
    bool operator==(const Heard&) const = default;
};

void PrintTo(const Heard& h, std::ostream* os)
{
    *os << "{kind " << static_cast<int>(h.step.kind) << ", " << h.step.frequencyHz << " Hz, " << h.step.durationMs
        << " ms, pass " << h.step.pass << ", tone " << h.step.tone << ", at " << h.startMs << " ms}";
}

// A playback of tips shown one at a time, as the window shows them: the
// player reads the tip at `shown` whenever a tone is due.
class TonePlayback : public ::testing::Test {
protected:
    TonePlayback()
    {
        player.setFinishedHandler([this] {
            ++finishedCount;
            finishedAtMs = clock.ms;
        });
    }

    bool start()
    {
        return player.start([this]() -> const ToneTip& { return tips[shown]; });
    }

    // Lets time pass in steps of 1 ms up to untilMs, noting each step as it begins.
    void runUntil(std::int64_t untilMs)
    {
        for (; clock.ms <= untilMs; ++clock.ms)
            note(player.update());
    }
    void note(const ToneStep* step)
    {
        if (step && (heard.empty() || player.stepStartMicros() / 1000 != heard.back().startMs))
            heard.push_back({*step, player.stepStartMicros() / 1000});
    }

    FakeClock clock;
    TonePlayer player{clock};
    std::array<ToneTip, 8> tips{};
    int shown = 0;
    std::vector<Heard> heard;
    int finishedCount = 0;
    std::int64_t finishedAtMs = -1;
};

TEST_F(TonePlayback, PlaysToneRestAndPauseForEachPass)
{
    tips[0] = WorkedTip();
    ASSERT_TRUE(start());
    note(player.current());
    runUntil(1000);
    const std::vector<Heard> expected{
        {Tone(400, 100, 1, 1), 0},   {Rest(50, 1, 2), 100}, {Pause(200, 1), 150},
        {Tone(400, 100, 2, 1), 350}, {Rest(50, 2, 2), 450}, {Pause(200, 2), 500},
    };
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(finishedAtMs, 700);
    EXPECT_FALSE(player.playing());
}

TEST_F(TonePlayback, TipsThatWouldNotPlayDoNotStart)
{
    const ToneTip silent[] = {
        MakeTip({{40, 10}}, 0, 20),          // no loop
        MakeTip({{40, 0}, {60, 0}}, 3, 20),  // no tone with a length
        MakeTip({}, 10, 255),
    };
    for (const ToneTip& tip : silent) {
        tips[0] = tip;
        EXPECT_FALSE(ToneTipPlays(tip));
        EXPECT_FALSE(start());
        EXPECT_FALSE(player.playing());
        EXPECT_EQ(player.update(), nullptr);
    }
    EXPECT_EQ(finishedCount, 0);
}

TEST_F(TonePlayback, LowFrequenciesRestAndZeroLengthsAreLeftOut)
{
    tips[0] = MakeTip({{5, 1}, {4, 1}, {0, 1}, {250, 0}, {255, 2}}, 1, 0);
    ASSERT_TRUE(start());
    note(player.current());
    runUntil(100);
    const std::vector<Heard> expected{
        {Tone(50, 10, 1, 1), 0}, {Rest(10, 1, 2), 10}, {Rest(10, 1, 3), 20}, {Tone(2550, 20, 1, 5), 30}};
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(finishedAtMs, 50) << "no pause of 0 ms is waited";
}

TEST_F(TonePlayback, ALoopCountFromARadioPlaysAtMostTenPasses)
{
    tips[0] = MakeTip({{40, 1}}, 200, 1);
    ASSERT_TRUE(start());
    note(player.current());
    runUntil(10000);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().step, Pause(10, MaxTonePasses));
    EXPECT_EQ(heard.size(), 2u * MaxTonePasses);
    EXPECT_EQ(finishedAtMs, 20 * MaxTonePasses);
}

TEST_F(TonePlayback, StopEndsPlaybackAtOnceWhateverIsSounding)
{
    // Ten passes of a 2.55 s tone and a 2.55 s pause: almost a minute.
    tips[0] = MakeTip({{255, 255}}, 10, 255);
    for (const std::int64_t stopAtMs : {1000, 4000, 30000}) {
        clock.ms = 0;
        finishedCount = 0;
        ASSERT_TRUE(start());
        runUntil(stopAtMs);
        player.stop();
        EXPECT_FALSE(player.playing()) << stopAtMs;
        EXPECT_EQ(finishedCount, 1) << stopAtMs;
        EXPECT_EQ(finishedAtMs, stopAtMs + 1) << stopAtMs;
        runUntil(stopAtMs + 6000);
        EXPECT_EQ(player.update(), nullptr);
        EXPECT_EQ(finishedCount, 1) << "a stopped playback ends once";
    }
}

TEST_F(TonePlayback, AChangeOfTheShownTipTakesEffectAtTheNextTone)
{
    tips[0] = MakeTip({{40, 10}, {50, 10}, {60, 10}}, 1, 10);
    tips[1] = MakeTip({{70, 10}, {80, 20}}, 0, 0);  // its own loop count and pause do not count
    ASSERT_TRUE(start());
    note(player.current());
    runUntil(50);
    shown = 1;
    runUntil(1000);
    const std::vector<Heard> expected{{Tone(400, 100, 1, 1), 0}, {Tone(800, 200, 1, 2), 100}, {Pause(100, 1), 300}};
    EXPECT_EQ(heard, expected);
}

TEST_F(TonePlayback, ATipEditedDownToNoTonesStillWaitsItsPausesAndEnds)
{
    tips[0] = MakeTip({{40, 10}, {50, 10}}, 3, 5);
    ASSERT_TRUE(start());
    runUntil(50);
    tips[0].Tones[0].Length = 0;
    tips[0].Tones[1].Length = 0;
    runUntil(1000);
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(finishedAtMs, 100 + 3 * 50) << "the first tone, then three pauses of 50 ms";
}

TEST_F(TonePlayback, ALateUpdateKeepsTheStepsOnTheirTimes)
{
    tips[0] = WorkedTip();
    ASSERT_TRUE(start());
    clock.ms = 420;
    const ToneStep* step = player.update();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(*step, Tone(400, 100, 2, 1));
    EXPECT_EQ(player.stepStartMicros(), 350000);
    clock.ms = 5000;
    EXPECT_EQ(player.update(), nullptr);
    EXPECT_EQ(finishedCount, 1);
}

}  // namespace
