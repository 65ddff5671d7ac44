#include "core/base/version_list.h"
#include "test_support.h"

namespace {

class VersionListTest : public TempDirTest {
protected:
    VersionList m_list;
};

TEST_F(VersionListTest, WellFormedVersionTexts)
{
    EXPECT_TRUE(IsVersionText("V100"));
    EXPECT_TRUE(IsVersionText("V007"));
    EXPECT_TRUE(IsVersionText(std::string("V100\0xx", 7)));
    EXPECT_TRUE(IsVersionText("V100  "));
    EXPECT_FALSE(IsVersionText("V1.0"));
    EXPECT_FALSE(IsVersionText("X100"));
    EXPECT_FALSE(IsVersionText("V10"));
    EXPECT_FALSE(IsVersionText(""));
    EXPECT_EQ(VersionDisplay("V100"), "V1.00");
    EXPECT_EQ(VersionDisplay("V123"), "V1.23");
}

TEST_F(VersionListTest, TwoEntriesHandOverTheOtherVersion)
{
    writeFile("Version.ini",
              "[Version]\nCurrentVersion=V100\nSoftVersionCount=2\nFirmVersionCount=2\n"
              "[Soft]\nVersion0=V100\nVersion1=V101\n[Firm]\nFirm0=V100V100\nFirm1=V101V101\n");
    m_list.load(path("Version.ini"));
    EXPECT_EQ(m_list.currentVersion(), "V100");
    EXPECT_EQ(m_list.programVersions().size(), 2u);
    EXPECT_TRUE(m_list.CanHandle("V100", "V100"));
    EXPECT_FALSE(m_list.CanHandle("V100", "V101"));
    EXPECT_FALSE(m_list.CanHandle("V100", "V102"));
    EXPECT_EQ(m_list.FindHandler("V101"), "V101");
    EXPECT_EQ(m_list.FindHandler("V102"), "");
}

TEST_F(VersionListTest, MissingFileOrCountsGiveOnlyTheOwnEntry)
{
    m_list.load(path("absent.ini"));
    ASSERT_EQ(m_list.handlers().size(), 1u);
    EXPECT_TRUE(m_list.CanHandle("V100", "V100"));

    writeFile("Version.ini", "[Version]\nSoftVersionCount=0\nFirmVersionCount=3\n[Firm]\nFirm0=V101V101\n");
    m_list.load(path("Version.ini"));
    ASSERT_EQ(m_list.handlers().size(), 1u);
    EXPECT_EQ(m_list.FindHandler("V101"), "");
}

TEST_F(VersionListTest, MalformedEntriesAreIgnoredAndCountsCapped)
{
    writeFile("Version.ini",
              "[Version]\nSoftVersionCount=1\nFirmVersionCount=999999999\n[Soft]\nVersion0=V100\n"
              "[Firm]\nFirm0=../../bin/sh\nFirm1=V10XV100\nFirm2=V102V103\nFirm3=V100V100\n");
    m_list.load(path("Version.ini"));
    ASSERT_EQ(m_list.handlers().size(), 2u);
    EXPECT_EQ(m_list.FindHandler("V103"), "V102");
    EXPECT_TRUE(m_list.CanHandle("V100", "V100"));
    EXPECT_LE(static_cast<int>(m_list.handlers().size()), VersionList::MaxEntries);
}

TEST_F(VersionListTest, HandlerProgramLivesBesideThisVersion)
{
    writeFile("Version.ini",
              "[Version]\nSoftVersionCount=1\nFirmVersionCount=2\n[Firm]\nFirm0=V100V100\nFirm1=V101V101\n");
    VersionList::instance().load(path("Version.ini"));
    EXPECT_EQ(HandlerProgramPath("V101", "/opt/brisko7", "brisko7"), "/opt/brisko7/V101/brisko7");
    EXPECT_EQ(HandlerProgramPath("V102", "/opt/brisko7", "brisko7"), "");
}

TEST_F(VersionListTest, BandTestAppliesOnlyToWrites)
{
    EXPECT_TRUE(IsSameBand(0, 1, 1));
    EXPECT_FALSE(IsSameBand(0, 1, 2));
    EXPECT_TRUE(IsSameBand(2, 2, 2));
    EXPECT_TRUE(IsSameModel("BRISKO7", "BRISKO7"));
    EXPECT_FALSE(IsSameModel("BRISKO7", "BRISKO8"));
}

}  // namespace
