#include "datafile_fixture.h"

#include "app/data_file.h"
#include "freq/band_range.h"
#include "model/document.h"
#include "model/document_compare.h"

#include <functional>

namespace {

// A notifier that answers every question with a given button.
class AnsweringNotifier : public RecordingNotifier {
public:
    explicit AnsweringNotifier(NoticeAnswer answer) : m_answer(answer) {}
    NoticeAnswer ask(const std::string& text, NoticeButtons buttons, NoticeIcon icon, const std::string& t) override
    {
        RecordingNotifier::ask(text, buttons, icon, t);
        lastButtons = buttons;
        return m_answer;
    }
    NoticeButtons lastButtons = NoticeButtons::Ok;

private:
    NoticeAnswer m_answer;
};

class OpenChecks : public DataFileTest {
protected:
    void SetUp() override
    {
        DataFileTest::SetUp();
        Document source;
        ASSERT_TRUE(ApplyBandMode(source, 2));
        InitDocument(source, initFolder());
        source.DocFileName = path("good.dat");
        ASSERT_TRUE(SaveDocument(source, m_notes));
        m_good = readBytes(source.DocFileName);
        ASSERT_EQ(m_good.size(), 25611u);

        InitDocument(m_doc, initFolder());
        m_doc.Record.OptFeat.Beep = 1;  // an unsaved edit that a refusal must keep
    }

    // Writes the good file changed by edit, opens it and expects a refusal
    // with the given message and the document untouched.
    void expectRefused(const std::function<void(std::vector<std::uint8_t>&)>& edit, const std::string& message,
                       const char* what)
    {
        SCOPED_TRACE(what);
        auto bytes = m_good;
        edit(bytes);
        writeBytes(path("bad.dat"), bytes);
        const DocumentRecord record = m_doc.Record;
        const auto channels = m_doc.ChannelList;
        const DocumentRecord baseRecord = m_doc.Base.Record;
        const std::string name = m_doc.DocFileName;
        m_notes.shown.clear();
        const OpenResult result = OpenDocument(m_doc, path("bad.dat"), m_notes);
        EXPECT_EQ(result.outcome, OpenOutcome::Refused);
        ASSERT_EQ(m_notes.shown.size(), 1u);
        EXPECT_EQ(m_notes.shown[0].text, message);
        EXPECT_EQ(m_doc.Record, record);
        EXPECT_EQ(m_doc.ChannelList, channels);
        EXPECT_EQ(m_doc.Base.Record, baseRecord);
        EXPECT_EQ(m_doc.DocFileName, name);
        EXPECT_EQ(m_doc.BandMode, 0);
        EXPECT_TRUE(IsDataChanged(m_doc));
    }

    void expectOpened(const std::function<void(std::vector<std::uint8_t>&)>& edit, const char* what)
    {
        SCOPED_TRACE(what);
        auto bytes = m_good;
        edit(bytes);
        writeBytes(path("odd.dat"), bytes);
        Document doc;
        InitDocument(doc, initFolder());
        EXPECT_EQ(OpenDocument(doc, path("odd.dat"), m_notes).outcome, OpenOutcome::Opened);
    }

    static constexpr std::size_t Entry(int i) { return 1071 + 60 * static_cast<std::size_t>(i); }
    static constexpr std::size_t Field(int k) { return 14 + 2 * static_cast<std::size_t>(k); }  // OffSetFre = 0

    std::vector<std::uint8_t> m_good;
    Document m_doc;
};

TEST_F(OpenChecks, SizeAndStructureAreRefusedWithTheFileMessage)
{
    const std::string fileError = GetLangText(9002);
    expectRefused([](auto& b) { b.pop_back(); }, fileError, "one byte short");
    expectRefused([](auto& b) { b.push_back(0); }, fileError, "one byte long");
    expectRefused([](auto& b) { b.clear(); }, fileError, "empty");
    expectRefused([](auto& b) { putLe16(b, 13, 410); }, fileError, "count 410");
    expectRefused([](auto& b) { putLe16(b, 13, -1); }, fileError, "count -1");
    expectRefused([](auto& b) { putLe16(b, Entry(4), 0); }, fileError, "channel number 0");
    expectRefused([](auto& b) { putLe16(b, Entry(4), 410); }, fileError, "channel number 410");
    expectRefused([](auto& b) { putLe16(b, Entry(4), 402); }, fileError, "repeated channel number");

    m_notes.shown.clear();
    EXPECT_EQ(OpenDocument(m_doc, path("does-not-exist.dat"), m_notes).outcome, OpenOutcome::Refused);
    ASSERT_EQ(m_notes.shown.size(), 1u);
    EXPECT_EQ(m_notes.shown[0].text, fileError);
}

TEST_F(OpenChecks, ModelAndVersionAreCheckedBeforeContent)
{
    expectRefused([](auto& b) { b[0] = 'X'; putLe16(b, Entry(1) + Field(9), 7); }, GetLangText(9012),
                  "another model");
    expectRefused([](auto& b) { b[9] = 'X'; }, GetLangText(9065), "does not begin with V");
    expectRefused([](auto& b) { b[12] = ' '; }, GetLangText(9065), "only three characters");
    expectRefused([](auto& b) { b[11] = '.'; }, GetLangText(9065), "not a number");
}

TEST_F(OpenChecks, ContentThatAnImageCannotHoldIsRefused)
{
    const std::string fileError = GetLangText(9002);
    expectRefused([](auto& b) { putLe16(b, Entry(1) + Field(9), 7); }, fileError, "Tx_Power 7");
    expectRefused([](auto& b) { putLe16(b, Entry(1) + Field(0), -1); }, fileError, "negative offset");
    expectRefused([](auto& b) { putLe16(b, Entry(0) + Field(1), 295); }, fileError, "tone code 295");
    expectRefused([](auto& b) { putLe16(b, Entry(0) + Field(3), 4); }, fileError, "DUP 4");
    expectRefused([](auto& b) { putLe16(b, Entry(0) + Field(11), 256); }, fileError, "RBTone 256");
    expectRefused([](auto& b) { putLe16(b, Entry(0) + 4, 2); }, fileError, "Scan 2");
    expectRefused([](auto& b) { b[Entry(0) + 6] = 'x'; }, fileError, "letter in the frequency");
    expectRefused([](auto& b) { putLe16(b, 15 + 88 + 2 * 6, 128); }, fileError, "AsqValue 128");
    expectRefused([](auto& b) { putLe16(b, 235, -1); }, fileError, "negative key code");
    expectRefused([](auto& b) { putLe16(b, 283, 2); b[285] = 'G'; }, fileError, "DTMF digit G");
    expectRefused([](auto& b) { putLe16(b, 591 + 56, 256); }, fileError, "tone tip loop count 256");
    expectRefused([](auto& b) { putLe16(b, 173 + Field(9), 4); }, fileError, "public Tx_Power 4");
    expectRefused([](auto& b) { putLe16(b, 7, 3); }, "Country Mode Error!", "band 3");
}

TEST_F(OpenChecks, EverythingARadioCanHandUsOpens)
{
    expectOpened([](auto& b) { putLe16(b, Entry(0) + Field(1), 294); }, "DCS index 255");
    expectOpened([](auto& b) { putLe16(b, Entry(0) + Field(2), 1001 + 255); }, "CTCSS index 255");
    expectOpened([](auto& b) { putLe16(b, 235, 0); putLe16(b, 237, 200); }, "key codes 0 and 200");
    expectOpened([](auto& b) { putLe16(b, 283, 17); }, "DTMF length 17");
    expectOpened([](auto& b) { putLe16(b, 283, 2); b[285] = 'A'; b[286] = '#'; }, "DTMF A#");
    expectOpened([](auto& b) { putLe16(b, Entry(0) + Field(0), 32767); }, "largest offset");
    expectOpened([](auto& b) { b[Entry(0) + 6] = 'F'; }, "hex letters in the frequency");
    expectOpened([](auto& b) { putLe16(b, Entry(0) + 2, 1); }, "an empty channel");
}

TEST_F(OpenChecks, AnotherDataVersionOffersTheHandOver)
{
    auto bytes = m_good;
    bytes[12] = '1';  // V101
    writeBytes(path("v101.dat"), bytes);
    const DocumentRecord record = m_doc.Record;

    AnsweringNotifier no(NoticeAnswer::No);
    EXPECT_EQ(OpenDocument(m_doc, path("v101.dat"), no).outcome, OpenOutcome::Refused);
    ASSERT_EQ(no.shown.size(), 1u);
    EXPECT_EQ(no.lastButtons, NoticeButtons::YesNo);
    EXPECT_EQ(no.shown[0].text, VersionMessage("V100", "V101", 1));
    EXPECT_NE(no.shown[0].text.find("V1.01"), std::string::npos);
    EXPECT_EQ(m_doc.Record, record);

    AnsweringNotifier yes(NoticeAnswer::Yes);
    const OpenResult result = OpenDocument(m_doc, path("v101.dat"), yes);
    EXPECT_EQ(result.outcome, OpenOutcome::HandOver);
    EXPECT_EQ(result.handOverVersion, "V101");
    EXPECT_EQ(m_doc.Record, record);

    // A handled version other than our own opens, and is saved as V100.
    VersionList::instance().setHandlers({{"V100", "V100"}, {"V100", "V099"}});
    bytes[10] = '0';
    bytes[11] = '9';
    bytes[12] = '9';
    writeBytes(path("v099.dat"), bytes);
    ASSERT_EQ(OpenDocument(m_doc, path("v099.dat"), yes).outcome, OpenOutcome::Opened);
    EXPECT_EQ(m_doc.Base.Record.Model.Version, "V100");
}

}  // namespace
