#include "tone_tips_fixture.h"

#include "../support/wav_analysis.h"
#include "core/sound/tone_render.h"
#include "core/sound/tone_stream.h"
#include "core/sound/wav_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using WavAnalysis::Runs;

// Whether the runs are, in order, sound or silence of the given milliseconds,
// each within one period of the lowest tone (2.5 ms).
void ExpectRuns(const std::vector<std::int16_t>& samples, int rate, const std::vector<std::pair<bool, double>>& want)
{
    const auto runs = Runs(samples, rate);
    ASSERT_EQ(runs.size(), want.size()) << "at " << rate << " Hz";
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].sound, want[i].first) << "run " << i << " at " << rate << " Hz";
        EXPECT_NEAR(runs[i].ms(rate), want[i].second, 2.5) << "run " << i << " at " << rate << " Hz";
    }
}

TEST(ToneStream, TheWorkedTipSoundsAsItsStepsAtEveryRate)
{
    for (const int rate : {8000, 22050, 44100, 48000, 96000}) {
        const auto samples = RenderToneTip(WorkedTip(), rate);
        EXPECT_EQ(samples.size(), static_cast<std::size_t>(rate * 7 / 10)) << rate;
        ExpectRuns(samples, rate, {{true, 100}, {false, 250}, {true, 100}, {false, 250}});
        const auto runs = Runs(samples, rate);
        for (const auto& run : runs) {
            if (run.sound) {
                EXPECT_NEAR(WavAnalysis::PitchHz(samples, run, rate), 400.0, 4.0) << rate;
            }
        }
    }
}

TEST(ToneStream, TonesFadeInAndOut)
{
    const int rate = 48000;
    const auto samples = RenderToneTip(MakeTip({{100, 10}}, 1, 0), rate);
    ASSERT_EQ(samples.size(), 4800u);
    const auto peak = [&samples](std::size_t from, std::size_t to) {
        int p = 0;
        for (std::size_t i = from; i < to; ++i)
            p = std::max(p, std::abs(int{samples[i]}));
        return p;
    };
    const int full = peak(2400, 2500);
    EXPECT_GT(full, 10000);
    EXPECT_LT(peak(0, 24), full / 10) << "the first half millisecond is quiet";
    EXPECT_LT(peak(4776, 4800), full / 10) << "the last half millisecond is quiet";
    EXPECT_EQ(samples.front(), 0);
    EXPECT_EQ(samples.back(), 0);
}

TEST(ToneStream, ChunkSizesDoNotChangeTheSound)
{
    const int rate = 44100;
    const ToneTip tip = MakeTip({{40, 10}, {0, 3}, {123, 7}, {255, 1}}, 3, 2);
    const auto whole = RenderToneTip(tip, rate);
    for (const std::size_t chunk : {1u, 7u, 441u, 1000u, 100000u}) {
        ToneStream stream(rate);
        ASSERT_TRUE(stream.start([&tip]() -> const ToneTip& { return tip; }));
        std::vector<std::int16_t> got;
        std::vector<std::int16_t> buffer(chunk);
        while (const std::size_t n = stream.read(buffer.data(), buffer.size()))
            got.insert(got.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_EQ(got, whole) << "chunks of " << chunk;
        EXPECT_FALSE(stream.active());
    }
}

TEST(ToneStream, StopFadesWhatIsSoundingWithinAFewMilliseconds)
{
    const int rate = 48000;
    const ToneTip tip = MakeTip({{100, 255}}, 10, 255);
    for (const std::size_t before : {1000u, 200000u}) {  // in the tone; in the pause after it
        ToneStream stream(rate);
        ASSERT_TRUE(stream.start([&tip]() -> const ToneTip& { return tip; }));
        std::vector<std::int16_t> buffer(before);
        ASSERT_EQ(stream.read(buffer.data(), before), before);
        stream.stop();
        std::vector<std::int16_t> tail(rate);
        const std::size_t n = stream.read(tail.data(), tail.size());
        EXPECT_LE(n, static_cast<std::size_t>(rate * ToneFadeMs / 1000)) << before;
        if (n > 0) {
            EXPECT_LT(std::abs(int{tail[n - 1]}), 200) << before;
        }
        EXPECT_EQ(stream.read(tail.data(), tail.size()), 0u) << before;
        EXPECT_FALSE(stream.active());
    }
}

TEST(ToneStream, AToneTooHighForTheRateStaysSilent)
{
    const auto samples = RenderToneTip(MakeTip({{255, 10}}, 1, 0), LowestSampleRate / 2);
    EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](std::int16_t s) { return s == 0; }));
}

TEST(WavFile, HoldsTheSamplesBehindAPlainHeader)
{
    const std::vector<std::int16_t> samples{0, 1, -1, 32767, -32768};
    const auto bytes = WavFileBytes(samples, 22050);
    ASSERT_EQ(bytes.size(), 44u + 10u);
    const auto pcm = WavAnalysis::ParseWav(bytes);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, 22050);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_EQ(pcm->bits, 16);
    EXPECT_EQ(pcm->samples, samples);
}

}  // namespace
