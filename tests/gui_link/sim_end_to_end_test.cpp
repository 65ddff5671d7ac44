#include "link_fixture.h"

#include "../support/sim_process.h"

#include "core/app/data_file.h"
#include "core/base/lang_texts.h"
#include "lang_text_ids.h"
#include "core/model/image_codec.h"

#include <QFile>

#include <filesystem>
#include <fstream>

namespace {

void writeBytes(const std::string& path, const RadioImage& image)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
}

bool readImage(const std::string& path, RadioImage& image)
{
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return in.gcount() == static_cast<std::streamsize>(image.size()) && in.peek() == EOF;
}

}  // namespace

using SimEndToEndTest = LinkFixture;

TEST_F(SimEndToEndTest, ReadsFromAndWritesToTheStagedVirtualRadioThroughTheMainWindow)
{
    ASSERT_TRUE(std::filesystem::exists(BRISKO7_STAGE_PROGRAM "/brisko7-sim")) << "build brisko7-sim first";
    const RadioImage start = radioImageOf([](Document& doc) {
        doc.Record.OptFeat.Beep = 1;
        doc.Record.OptFeat.TimeOutTimer = 2;
    });
    const std::string startFile = (m_root / "radio_start.bin").string();
    const std::string savedFile = (m_root / "radio_saved.bin").string();
    writeBytes(startFile, start);

    SimProcess sim({"--image", QString::fromStdString(startFile), "--save", QString::fromStdString(savedFile),
                    "--serial", "E2E-4711", "--quiet"},
                   QString::fromStdString((m_root / "user").string()));
    const std::string device = sim.devicePath().toStdString();
    ASSERT_FALSE(device.empty());
    buildMainWindow();
    ASSERT_TRUE(waitUntil([&] { return portOf(device) > 0; }, 3000)) << device;
    AppState::instance().ComPort = static_cast<std::int16_t>(portOf(device));

    // Read: the document becomes the radio's memory.
    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_TRUE(m_prompts.messages.contains(QString::fromStdString(GetLangText(Txt::ReadCompleted))))
        << m_prompts.messages.join('|').toStdString();
    EXPECT_EQ(m_doc.Image, start);
    EXPECT_EQ(m_doc.Record.OptFeat.Beep, 1);
    EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, 2);
    EXPECT_TRUE(m_doc.IsUntitled);
    EXPECT_EQ(m_doc.DocFileName, "new.dat");

    // Edit and write back: the radio saves exactly the encoded records.
    m_doc.Record.OptFeat.TimeOutTimer = 5;
    m_prompts.messages.clear();
    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::WriteToRadio));
    EXPECT_TRUE(m_prompts.messages.contains(QString::fromStdString(GetLangText(Txt::WriteCompleted))))
        << m_prompts.messages.join('|').toStdString();
    RadioImage saved;
    ASSERT_TRUE(waitUntil([&] { return readImage(savedFile, saved); }, 5000));
    m_doc.Image.clear();
    EncodeImage(m_doc);
    EXPECT_EQ(saved, m_doc.Image);
    EXPECT_NE(saved, start);

    // And the radio information of the same radio.
    ASSERT_TRUE(runAndWait(Command::LocalInfo));
    EXPECT_EQ(m_doc.RadioInfo.SerialNo.rfind("E2E-4711", 0), 0u) << m_doc.RadioInfo.SerialNo;
    EXPECT_FALSE(m_link->portOpen());
}
