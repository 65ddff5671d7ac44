#include "cli_run.h"

#include "core/model/data_file_format.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace {

// The tool as installed: File > New takes the default files of the Init folder.
class ShippedDefaults : public CliTest {
protected:
    // Channel number -> frequency code of a data file, as `show --json` lists it.
    std::map<int, std::string> shownChannels(const std::string& file) const
    {
        const Run r = run("show '" + path(file) + "' --json");
        EXPECT_EQ(r.status, 0) << r.err;
        const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
        std::map<int, std::string> channels;
        for (const auto& c : doc["ChannelList"].toArray())
            channels[c.toObject()["ChannelNo"].toInt()] = c.toObject()["RxFreq"].toString().toStdString();
        EXPECT_EQ(static_cast<int>(channels.size()), doc["ChannelCount"].toInt());
        return channels;
    }
};

TEST_F(ShippedDefaults, ANewCbDocumentHoldsTheCountryPlans)
{
    ASSERT_EQ(run("new --band 0 -o '" + path("cb.dat") + "'").status, 0);
    const auto channels = shownChannels("cb.dat");
    EXPECT_EQ(channels.size(), 288u);
    const std::map<int, std::string> anchors = {
        {23, "02725500"},  {24, "02723500"},  {121, "02760120"}, {160, "02799120"}, {161, "02696000"},
        {281, "02656500"}, {320, "02695500"}, {401, "none"},     {402, "02696500"},
    };
    for (const auto& [channelNo, code] : anchors)
        EXPECT_EQ(channels.count(channelNo) ? channels.at(channelNo) : "none", code) << channelNo;
}

TEST_F(ShippedDefaults, ANewHfDocumentStaysTheBuiltInOne)
{
    ASSERT_EQ(run("new --band 1 -o '" + path("hf.dat") + "'").status, 0);
    const auto channels = shownChannels("hf.dat");
    ASSERT_EQ(channels.size(), 10u);
    EXPECT_EQ(channels.begin()->first, 1);
    EXPECT_EQ(channels.at(401), "02786000");
}

TEST_F(ShippedDefaults, AFileInTheUsersInitFolderReplacesTheInstalledOne)
{
    // The user makes a CB document the default of the HF band.
    const std::string userInit = path("userdata") + "/brisko7/Init";
    std::filesystem::create_directories(userInit);
    ASSERT_EQ(run("new --band 0 -o '" + userInit + "/BRISKO7_1_NEW.dat'").status, 0);
    ASSERT_EQ(run("new --band 1 -o '" + path("hf.dat") + "'").status, 0);
    const auto contents = ReadDataFileBytes(readBytes(path("hf.dat")));
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->Record.Model.Band, 0);
    EXPECT_EQ(contents->Record.ChannelCount, 288);
}

}  // namespace
