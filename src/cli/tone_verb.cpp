#include "cli_support.h"
#include "cli_verb.h"

#include "core/base/file_save.h"
#include "core/editors/tone_tip_update.h"
#include "core/model/document.h"
#include "core/sound/tone_render.h"
#include "core/sound/tone_stream.h"
#include "core/sound/wav_writer.h"

// brisko7-cli tone FILE.dat --tip N -o OUT.wav [--rate HZ]
//
// Renders a tone tip of a data file into a WAV file exactly as the desktop
// program's Play button sounds it: the tip as its window shows it, every
// pass with its pause, at most ten passes. A tip that would not play writes
// nothing and exits 3.

namespace {

constexpr const char* Verb = "tone";
constexpr const char* Usage = "usage: tone FILE.dat --tip 1..8 -o OUT.wav [--rate 8000..192000]";

// A whole number within [min, max]; nothing otherwise.
std::optional<int> numberIn(const std::string& text, int min, int max)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    return value >= min && value <= max ? std::optional<int>(value) : std::nullopt;
}

// Why the tip, as the window shows it, would not play; stored is the tip as the file holds it.
std::string silenceReason(const ToneTip& stored, const ToneTip& tip)
{
    if (WhyToneTipSilent(tip) == ToneTipSilence::NoLoop && stored.LoopCount != tip.LoopCount)
        return "its loop count " + std::to_string(stored.LoopCount) + " lies outside 0 .. 10 and counts as 0";
    switch (WhyToneTipSilent(tip)) {
    case ToneTipSilence::TooShort:
        return "its tones last " + std::to_string(ToneTipLength(tip)) + " ms in all (it needs more than 4 ms)";
    case ToneTipSilence::NoLoop:
        return "its loop count is 0";
    case ToneTipSilence::None:
        break;
    }
    return {};
}

int runTone(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, {"-o", "--tip", "--rate"}, {}, error);
    if (!args)
        return CliFail(Verb, error, CliExit::Usage);
    if (args->positional.size() != 1 || !args->has("-o") || !args->has("--tip"))
        return CliFail(Verb, Usage, CliExit::Usage);
    const auto tipNo = numberIn(args->values.at("--tip"), 1, ToneTipCount);
    if (!tipNo)
        return CliFail(Verb, "--tip must be 1 .. 8", CliExit::Usage);
    const auto rate = args->has("--rate") ? numberIn(args->values.at("--rate"), LowestSampleRate, HighestSampleRate)
                                          : std::optional<int>(DefaultSampleRate);
    if (!rate)
        return CliFail(Verb,
                       "--rate must be " + std::to_string(LowestSampleRate) + " .. " + std::to_string(HighestSampleRate)
                           + " Hz",
                       CliExit::Usage);
    const std::string& input = args->positional[0];
    const std::string& output = args->values.at("-o");
    if (OutputIsInput(Verb, input, output))
        return CliExit::Usage;
    PrepareInstallation();
    const auto doc = OpenCheckedDataFile(input);
    if (!doc)
        return CliExit::Refused;
    // The window stores a tip as it shows it before Play can sound it.
    const ToneTip& stored = doc->Record.Tips[static_cast<std::size_t>(*tipNo - 1)];
    const ToneTip tip = ShownToneTip(stored);
    if (!ToneTipPlays(tip))
        return CliFail(Verb,
                       input + ": tone tip " + std::to_string(*tipNo) + " would not play: " + silenceReason(stored, tip)
                           + "; nothing written",
                       CliExit::Refused);
    return CliWriteOutput(Verb, output, WavFileBytes(RenderToneTip(tip, *rate), *rate));
}

}  // namespace

std::vector<CliVerb> toneVerbs()
{
    return {
        {"tone",
         "tone FILE.dat --tip N -o OUT.wav [--rate HZ]  tone tip N (1..8) as Play sounds it, as a WAV "
         "file (16-bit mono, 48000 Hz unless given)",
         runTone},
    };
}
