#include "cli_run.h"

#include "core/model/data_file_format.h"

namespace {

class EditVerb : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_EQ(run("new --band 1 -o '" + path("hf.dat") + "'").status, 0);
        ASSERT_EQ(run("new --band 0 -o '" + path("cb.dat") + "'").status, 0);
    }
    Run edit(const std::string& input, const std::string& edits) const
    {
        return run("edit '" + path(input) + "' -o '" + path("out.dat") + "' " + edits);
    }
    std::optional<DataFileContents> output() const { return ReadDataFileBytes(readBytes(path("out.dat"))); }
    static const ChannelRecord* find(const DataFileContents& c, int no)
    {
        for (int i = 0; i < c.Record.ChannelCount; ++i) {
            if (c.Channels[static_cast<std::size_t>(i)].ChannelNo == no)
                return &c.Channels[static_cast<std::size_t>(i)];
        }
        return nullptr;
    }
};

TEST_F(EditVerb, AppliesChannelAndGroupEditsInTheOrderGiven)
{
    const Run r = edit("hf.dat",
                       "A:2:RxFreq=27.1 A:2:Public=0 a:2:dup=1 A:2:OffSetFre=1003 A:2:RDCT=142 "
                       "A:2:Tx_Power=2 A:2:AM_FM=1 b:1:rxfreq=28.0 A:EmergencyChannel2=2 "
                       "MEM:WorkChannel=3 A:GroupMode1=1");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const auto out = output();
    ASSERT_TRUE(out);
    const ChannelRecord* c = find(*out, 2);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->RxFreq, "02710000");
    EXPECT_EQ(c->DUP, 1);
    EXPECT_EQ(c->OffSetFre, 1000);
    EXPECT_EQ(c->RDCT, 142);
    EXPECT_EQ(c->AM_FM, 1);
    EXPECT_EQ(c->Tx_Power, 1) << "AM lowers the power set before it";
    ASSERT_NE(find(*out, 41), nullptr);
    EXPECT_EQ(out->Record.OptFeat.EmergencyChannel[0][1], 1);
    EXPECT_EQ(out->Record.OptFeat.Value1B, 2);
    EXPECT_EQ(out->Record.OptFeat.GroupMode[0][0], 1);
}

TEST_F(EditVerb, MalformedEditsExitWithTwoAndWriteNothing)
{
    for (const char* bad : {"A:1:Public=2",         "A:1:DUP=3",
                            "A:1:RDCT=143",         "A:1:Tx_Power=3",
                            "A:1:Scan=x",           "Z:1:Scan=1",
                            "A:41:Scan=1",          "A:0:Scan=1",
                            "A:1:Colour=1",         "A:1",
                            "A:1:2:Scan=1",         "A:WorkChannel=41",
                            "A:GroupValid=2",       "A:Volume=1",
                            "A:1:RxFreq=abc",       "A:1:OffSetFre=ten",
                            "EU:1:Scan=1",          "Option:Beep=2",
                            "Option:Backlight=0",   "Option:TimeOutTimer=31",
                            "Option:AsqValue=10",   "Option:Beep=x",
                            "Option:MaxSwr=16.0",   "Option:UseMemChannel=1",
                            "Option:UseVfo=1",      "Option:Volume=1",
                            "Public:RDCT=1",        "Public:DUP=3",
                            "Public:RBTone=9",      "Public:DTMF_BOT=17",
                            "Public:OffSetFre=ten", "Public:1:DUP=1",
                            "Option:Public:DUP=1",  "Dtmf:DtmfRate=0",
                            "Dtmf:StarHashTone=2",  "Dtmf:DtmfDisplay=2",
                            "Dtmf:Code0=1",         "Dtmf:Code17=1",
                            "Dtmf:Code1=12E",       "Dtmf:Code1=0123456789ABCD*#0",
                            "Dtmf:Colour=1",        "Key:KeyMode=4",
                            "Key:Keys18=1",         "Key:Keys0=0",
                            "Key:Keys0=21",         "Key:P1=1",
                            "Dtmf:1:Code1=1"}) {
        const Run r = edit("hf.dat", std::string("A:1:Scan=0 '") + bad + "'");
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(lineCount(r.err), 1) << bad << r.err;
        EXPECT_NE(r.err.find(bad), std::string::npos) << r.err;
        EXPECT_FALSE(exists("out.dat")) << bad;
    }
}

TEST_F(EditVerb, RefusalsAndWarningsAreReportedAndStrictWritesNothing)
{
    struct Case {
        const char* file;
        const char* edit;
        const char* says;
    };
    const Case cases[] = {
        {"hf.dat", "VFO:1:Scan=0", "refused"},
        {"hf.dat", "VFO:1:RxFreq=", "refused"},
        {"hf.dat", "A:5:TSQ=1", "refused"},
        {"hf.dat", "VFO:WorkChannel=1", "refused"},
        {"hf.dat", "A:1:Add_Sub_5K=1", "refused"},
        {"hf.dat", "A:GroupValid=0", "refused"},
        {"hf.dat", "A:WorkChannel=5", "refused"},
        {"hf.dat", "A:1:RxFreq=31", "warning"},
        {"cb.dat", "EU:1:RxFreq=27", "refused"},
        {"cb.dat", "EU:1:Tx_Power=1", "refused"},
        {"cb.dat", "EU:GroupValid=1", "refused"},
        {"cb.dat", "MEM:1:RxFreq=27.6", "nearest country channel"},
        {"cb.dat", "Public:DUP=1", "refused"},
        {"cb.dat", "Public:OffSetFre=100", "refused"},
        {"cb.dat", "Public:Tx_Power=1", "refused"},
        {"cb.dat", "Public:Add_Sub_5K=1", "refused"},
        {"hf.dat", "Public:Add_Sub_5K=1", "refused"},
        // The new document defines tone tips 1..5 and no DTMF code.
        {"hf.dat", "Public:RBTone=6", "refused"},
        {"hf.dat", "Public:DTMF_Call=16", "refused"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(path("out.dat"));
        const Run r = edit(c.file, std::string("'") + c.edit + "'");
        EXPECT_EQ(r.status, 0) << c.edit << r.err;
        EXPECT_EQ(lineCount(r.err), 1) << c.edit << r.err;
        EXPECT_NE(r.err.find(c.edit), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(exists("out.dat")) << "the output is still written, as the window would go on";

        std::filesystem::remove(path("out.dat"));
        const Run strict = edit(c.file, std::string("--strict '") + c.edit + "'");
        EXPECT_EQ(strict.status, 3) << c.edit;
        EXPECT_FALSE(exists("out.dat")) << c.edit;
    }
    const auto warned = (edit("hf.dat", "A:1:RxFreq=31"), output());
    ASSERT_TRUE(warned);
    EXPECT_EQ(find(*warned, 1)->RxFreq, "03010500") << "an out-of-band frequency is stored at the band limit";
}

// A channel names only tone tips that are defined and DTMF codes that hold
// digits, as the windows offer them; "check" then has nothing to say.
TEST_F(EditVerb, ChannelReferencesToUndefinedTipsAndEmptyCodesAreRefused)
{
    struct Case {
        const char* edit;
        bool refused;
    };
    // The new document defines tone tips 1..5 and no DTMF code.
    const Case cases[] = {
        {"A:1:RBTone=8", true},
        {"A:1:RBTone=6", true},
        {"A:1:DTMF_Call=3", true},
        {"A:1:DTMF_BOT=1", true},
        {"A:1:DTMF_EOT=16", true},
        {"A:1:RBTone=5", false},
        {"A:1:DTMF_Call=0", false},
        // numbers past the last tip or slot are stored as the last one
        {"A:1:RBTone=51", true},
        {"A:1:DTMF_Call=027185003", true},
        {"A:1:RBTone=999999999992", true},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(path("out.dat"));
        const Run r = edit("hf.dat", std::string("--strict A:1:Public=0 ") + c.edit);
        EXPECT_EQ(r.status, c.refused ? 3 : 0) << c.edit << r.err;
        EXPECT_EQ(r.err.find(std::string(c.edit) + ": refused") != std::string::npos, c.refused) << r.err;
        if (!c.refused) {
            EXPECT_EQ(run("check '" + path("out.dat") + "'").status, 0) << c.edit;
        }
    }
}

TEST_F(EditVerb, OptionAndPublicEditsStoreWhatTheOptionsWindowStores)
{
    const Run r = edit("hf.dat",
                       "Option:Beep=1 option:timeouttimer=30 Option:Backlight=3 Option:SpeakerVolume=56 "
                       "Option:GainControl=11 Option:ScanTime=5 Option:AllowMemEdit=1 Option:UseMaxSwr=1 "
                       "Option:MaxSwr=5 Public:DUP=2 Public:OffSetFre=17 Public:Tx_Power=2 "
                       "Public:AM_FM=1 public:nb=1 Public:RBTone=0");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const auto out = output();
    ASSERT_TRUE(out);
    const OptFeatRecord& o = out->Record.OptFeat;
    EXPECT_EQ(std::vector<int>({o.Beep, o.TimeOutTimer, o.Backlight, o.SpeakerVolume, o.GainControl, o.ScanTime,
                                o.AllowMemEdit, o.UseMaxSwr}),
              std::vector<int>({1, 30, 3, 56, 11, 5, 1, 1}));
    EXPECT_EQ(o.MaxSwr, 70) << "tenths are clamped as the box clamps";
    const ChannelRecord& p = out->Record.PublicChannel;
    EXPECT_EQ(p.DUP, 2);
    EXPECT_EQ(p.OffSetFre, 15);
    EXPECT_EQ(p.AM_FM, 1);
    EXPECT_EQ(p.Tx_Power, 1) << "AM lowers the power set before it";
    EXPECT_EQ(p.NB, 1);
    const auto clamped = (edit("hf.dat", "Option:MaxSwr=+250 Public:OffSetFre=-3"), output());
    ASSERT_TRUE(clamped);
    EXPECT_EQ(clamped->Record.OptFeat.MaxSwr, 200);
    EXPECT_EQ(clamped->Record.PublicChannel.OffSetFre, 5);
}

TEST_F(EditVerb, DtmfAndKeyEditsStoreWhatTheirWindowsStore)
{
    const Run r = edit("hf.dat",
                       "Dtmf:DtmfRate=50 dtmf:starhashtone=5 Dtmf:DKeySetting=16 Dtmf:DtmfDisplay=1 "
                       "'Dtmf:Code3=a1#' Dtmf:Code5=12 Public:DTMF_BOT=3 Public:DTMF_EOT=5 Dtmf:Code5= "
                       "Key:KeyMode=3 Key:Keys11=20 key:keys0=1");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const auto out = output();
    ASSERT_TRUE(out);
    const DtmfSettings& d = out->Record.Dtmf;
    EXPECT_EQ(std::vector<int>({d.DtmfRate, d.StarHashTone, d.DKeySetting, d.DtmfDisplay}),
              std::vector<int>({50, 5, 16, 1}));
    EXPECT_EQ(d.Codes[2].Length, 3);
    EXPECT_EQ(d.Codes[2].Digits.substr(0, 3), "A1#");
    EXPECT_EQ(d.Codes[4].Length, 0);
    EXPECT_EQ(out->Record.PublicChannel.DTMF_BOT, 3);
    EXPECT_EQ(out->Record.PublicChannel.DTMF_EOT, 0) << "an emptied slot loses the references to it";
    EXPECT_EQ(out->Record.Keys.KeyMode, 3);
    EXPECT_EQ(out->Record.Keys.Keys[11], 20);
    EXPECT_EQ(out->Record.Keys.Keys[0], 1);
}

TEST_F(EditVerb, AnUnreadableInputExitsWithThreeAndTheInputIsNeverTheOutput)
{
    const auto before = readBytes(path("hf.dat"));
    const Run same = run("edit '" + path("hf.dat") + "' -o '" + path("hf.dat") + "' A:1:Scan=0");
    EXPECT_EQ(same.status, 2);
    EXPECT_EQ(readBytes(path("hf.dat")), before);

    writeBytes(path("junk.dat"), {1, 2, 3});
    const Run r = edit("junk.dat", "A:1:Scan=0");
    EXPECT_EQ(r.status, 3);
    EXPECT_FALSE(exists("out.dat"));
}

TEST_F(EditVerb, FrequenciesTakeACommaAndTextThatIsNoNumberExitsWithTwo)
{
    const Run comma = edit("hf.dat", "A:2:RxFreq=27,125");
    ASSERT_EQ(comma.status, 0) << comma.err;
    EXPECT_TRUE(comma.err.empty()) << comma.err;
    const auto out = output();
    ASSERT_TRUE(out && find(*out, 2));
    EXPECT_EQ(find(*out, 2)->RxFreq, "02712500");
    for (const char* bad : {"28.5.5", ".", "-5", "1e3", "27,5,0"}) {
        std::filesystem::remove(path("out.dat"));
        const Run r = edit("hf.dat", std::string("'A:1:RxFreq=") + bad + "'");
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_FALSE(exists("out.dat")) << bad;
    }
}

TEST_F(EditVerb, AnEmptyFrequencyOnAnEmptyPositionChangesNoGroupSetting)
{
    // Bank A's working channel points at position 7, which holds no channel;
    // bank D holds no channel but is enabled.
    auto bytes = readBytes(path("hf.dat"));
    putLe16(bytes, DataFileFormat::OptFeatAt + 28, 6);
    putLe16(bytes, DataFileFormat::OptFeatAt + 8 + 2 * 3, 1);
    writeBytes(path("odd.dat"), bytes);
    const Run r = edit("odd.dat", "A:7:RxFreq= D:3:RxFreq=");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = output();
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Record.OptFeat.WorkChannel[0], 6);
    EXPECT_EQ(out->Record.OptFeat.GroupValid[3], 1);
}

}  // namespace
