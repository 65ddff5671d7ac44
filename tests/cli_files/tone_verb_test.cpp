#include "cli_run.h"

#include "../sound/tone_tips_fixture.h"
#include "../support/wav_analysis.h"
#include "core/model/data_file_format.h"
#include "core/sound/tone_render.h"

namespace {

using WavAnalysis::Runs;

class ToneVerb : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_EQ(run("new --band 1 -o '" + path("in.dat") + "'").status, 0);
    }
    // Puts the tip into slot 1..8 of the data file.
    void storeTip(int slot, const ToneTip& tip)
    {
        auto contents = ReadDataFileBytes(readBytes(path("in.dat")));
        ASSERT_TRUE(contents);
        contents->Record.Tips[static_cast<std::size_t>(slot - 1)] = tip;
        writeBytes(path("in.dat"), WriteDataFileBytes(contents->Record, contents->Channels));
    }
    Run tone(const std::string& options) const
    {
        return run("tone '" + path("in.dat") + "' -o '" + path("out.wav") + "' " + options);
    }
    std::optional<WavAnalysis::Pcm> output() const { return WavAnalysis::ParseWav(readBytes(path("out.wav"))); }
};

// Each sound run of the output lasts as long and sounds as high as the tone
// it plays (within an audio period and 1 %), and each silence as long as its
// rests and pause.
struct Heard {
    bool sound;
    double ms;
    double hz;
};

void ExpectHeard(const WavAnalysis::Pcm& pcm, const std::vector<Heard>& want)
{
    const auto runs = Runs(pcm.samples, pcm.rate);
    ASSERT_EQ(runs.size(), want.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].sound, want[i].sound) << "run " << i;
        const double periodMs = want[i].sound ? 1000.0 / want[i].hz : 1000.0 / 400;
        EXPECT_NEAR(runs[i].ms(pcm.rate), want[i].ms, periodMs) << "run " << i;
        if (want[i].sound) {
            EXPECT_NEAR(WavAnalysis::PitchHz(pcm.samples, runs[i], pcm.rate), want[i].hz, want[i].hz / 100)
                << "run " << i;
        }
    }
}

TEST_F(ToneVerb, RendersTheWorkedTipAsPlaySoundsIt)
{
    storeTip(3, WorkedTip());
    const Run r = tone("--tip 3");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto pcm = output();
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, DefaultSampleRate);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_EQ(pcm->bits, 16);
    EXPECT_EQ(pcm->samples.size(), static_cast<std::size_t>(DefaultSampleRate * 7 / 10));
    ExpectHeard(*pcm, {{true, 100, 400}, {false, 250, 0}, {true, 100, 400}, {false, 250, 0}});
}

TEST_F(ToneVerb, EachToneKeepsItsPitchAndLengthAtTheRateAsked)
{
    storeTip(8, MakeTip({{44, 12}, {123, 7}, {0, 4}, {255, 20}, {60, 0}, {97, 3}}, 1, 15));
    const Run r = tone("--tip 8 --rate 44100");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto pcm = output();
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, 44100);
    // Tones follow each other without a gap: each fades out and the next fades in.
    const auto runs = Runs(pcm->samples, pcm->rate);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_NEAR(runs[0].ms(pcm->rate), 120 + 70, 2.5);
    EXPECT_NEAR(runs[1].ms(pcm->rate), 40, 2.5);
    EXPECT_NEAR(runs[2].ms(pcm->rate), 200 + 30, 2.5);
    EXPECT_NEAR(runs[3].ms(pcm->rate), 150, 2.5);
    const auto pitchOf = [&pcm](std::size_t fromMs, std::size_t toMs) {
        const WavAnalysis::Run part{true, fromMs * 441 / 10, (toMs - fromMs) * 441 / 10};
        return WavAnalysis::PitchHz(pcm->samples, part, pcm->rate);
    };
    EXPECT_NEAR(pitchOf(10, 110), 440, 4.4);
    EXPECT_NEAR(pitchOf(130, 185), 1230, 12.3);
    EXPECT_NEAR(pitchOf(240, 420), 2550, 25.5);
    EXPECT_NEAR(pitchOf(445, 455), 970, 9.7);
}

TEST_F(ToneVerb, PlaysEveryPassAndFrequenciesTheListLacksAsRests)
{
    storeTip(1, MakeTip({{30, 5}, {200, 5}}, 10, 5));
    const Run r = tone("--tip 1 --rate 8000");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto pcm = output();
    ASSERT_TRUE(pcm);
    std::vector<Heard> want{{false, 50, 0}};
    for (int pass = 1; pass <= 10; ++pass) {
        want.push_back({true, 50, 2000});
        want.push_back({false, pass < 10 ? 100.0 : 50.0, 0});
    }
    ExpectHeard(*pcm, want);
}

TEST_F(ToneVerb, ATipThatWouldNotPlayWritesNothing)
{
    const std::pair<ToneTip, const char*> silent[] = {
        {MakeTip({{40, 10}}, 0, 5), "loop count is 0"},
        {MakeTip({{40, 0}}, 5, 5), "last 0 ms"},
        {MakeTip({{40, 10}}, 11, 5), "loop count 11 lies outside"},  // the list shows "off" for it
    };
    for (const auto& [tip, reason] : silent) {
        storeTip(2, tip);
        const Run r = tone("--tip 2");
        EXPECT_EQ(r.status, 3) << reason;
        EXPECT_NE(r.err.find("tone tip 2 would not play"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
        EXPECT_FALSE(exists("out.wav"));
    }
}

TEST_F(ToneVerb, BadArgumentsExitWithTwoAndWriteNothing)
{
    storeTip(1, WorkedTip());
    for (const char* bad : {"--tip 0", "--tip 9", "--tip x", "", "--tip 1 --rate 7999", "--tip 1 --rate 192001",
                            "--tip 1 --rate 48k", "--tip 1 --loud"}) {
        EXPECT_EQ(tone(bad).status, 2) << bad;
        EXPECT_FALSE(exists("out.wav")) << bad;
    }
    const auto before = readBytes(path("in.dat"));
    const Run same = run("tone '" + path("in.dat") + "' --tip 1 -o '" + path("in.dat") + "'");
    EXPECT_EQ(same.status, 2);
    EXPECT_NE(same.err.find("is the input"), std::string::npos) << same.err;
    EXPECT_EQ(readBytes(path("in.dat")), before);
}

TEST_F(ToneVerb, AnUnreadableInputExitsThreeAndAnUnwritableOutputFour)
{
    writeBytes(path("junk.dat"), {1, 2, 3});
    EXPECT_EQ(run("tone '" + path("junk.dat") + "' --tip 1 -o '" + path("out.wav") + "'").status, 3);
    EXPECT_FALSE(exists("out.wav"));

    storeTip(1, WorkedTip());
    const Run r = run("tone '" + path("in.dat") + "' --tip 1 -o '" + path("missing/out.wav") + "'");
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.err.find("could not be opened, read or written"), std::string::npos) << r.err;  // text 9002
    EXPECT_NE(r.err.find("missing/out.wav: no such file or directory"), std::string::npos) << r.err;
    EXPECT_FALSE(exists("missing"));
}

}  // namespace
