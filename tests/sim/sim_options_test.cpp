#include "sim_options.h"

#include <gtest/gtest.h>

namespace {

std::optional<SimOptions> parse(std::vector<std::string> args, std::string* error = nullptr)
{
    std::string e;
    auto o = ParseSimOptions(args, e);
    if (error)
        *error = e;
    return o;
}

TEST(SimOptions, RadioIdentityAndInformationArea)
{
    const auto o = parse({"--model", "ABC", "--band", "2", "--version", "V102", "--no-tone", "--password", "12",
                          "--echo", "off", "--serial=SN1", "--dealer", "D", "--pace", "--once"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->identity.model, "ABC");
    EXPECT_EQ(o->identity.band, 2);
    EXPECT_TRUE(o->bandGiven);
    EXPECT_EQ(o->identity.version, "V102");
    EXPECT_FALSE(o->identity.toneSupported);
    EXPECT_FALSE(o->identity.echo);
    EXPECT_EQ(o->info.password, "12");
    EXPECT_EQ(o->info.serialNo, "SN1");
    EXPECT_EQ(o->info.dealerCode, "D");
    EXPECT_TRUE(o->pace);
    EXPECT_TRUE(o->once);
    EXPECT_FALSE(o->infoBand);

    const auto d = parse({});
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->identity.echo);
    EXPECT_FALSE(d->bandGiven);
    EXPECT_FALSE(d->pace);
}

TEST(SimOptions, FaultsTakeAnAddressAndAnOptionalCount)
{
    const auto o = parse({"--ignore-block", "0x0100", "--resend", "7408:5", "--dead-after", "20", "--no-end-ack",
                          "--ignore-handshakes", "2", "--info-band", "15"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->faults.ignore.address, 0x100);
    EXPECT_EQ(o->faults.ignore.times, 1);
    EXPECT_EQ(o->faults.resend.address, 7408);
    EXPECT_EQ(o->faults.resend.times, 5);
    EXPECT_EQ(o->faults.deadAfterBlocks, 20);
    EXPECT_TRUE(o->faults.noEndAck);
    EXPECT_EQ(o->faults.ignoreHandshakes, 2);
    EXPECT_EQ(o->infoBand, 15);
}

TEST(SimOptions, MistakesAreRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> bad{
        {"--band"},                     // value missing
        {"--band", "300"},              // beyond a byte
        {"--info-band", "16"},          // four bits only
        {"--ignore-block", "0x10000"},  // beyond the address space
        {"--resend", "0x40:0"},         // a fault that never strikes
        {"--resend", "0x40:x"},
        {"--model", "TOOLONGNAME"},  // 7 characters at most
        {"--password", "12345"},     // 4 characters at most
        {"--echo", "maybe"},
        {"--frobnicate"},
        {"--pace=yes"},  // a flag takes no value
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(parse(args, &error)) << args.front();
        EXPECT_FALSE(error.empty()) << args.front();
    }
}

}  // namespace
