#include "datafile_fixture.h"

#include "../support/unprivileged.h"

#include "core/app/data_file.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"

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
                       const char* what, NoticeIcon icon = NoticeIcon::None)
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
        EXPECT_EQ(m_notes.shown[0].icon, icon);
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

    // The file message with the file and the reason on a line of their own.
    std::string fileError(const std::string& reason, const std::string& name = "bad.dat") const
    {
        return GetLangText(Txt::DataFileAccessFailed) + "\r\n" + path(name) + ": " + reason;
    }
    void expectUnreadable(const std::function<void(std::vector<std::uint8_t>&)>& edit, const std::string& reason,
                          const char* what)
    {
        expectRefused(edit, fileError(reason), what, NoticeIcon::Error);
    }

    static constexpr std::size_t Entry(int i) { return 1071 + 60 * static_cast<std::size_t>(i); }
    static constexpr std::size_t Field(int k) { return 14 + 2 * static_cast<std::size_t>(k); }  // OffSetFre = 0

    std::vector<std::uint8_t> m_good;
    Document m_doc;
};

TEST_F(OpenChecks, SizeAndStructureAreRefusedNamingTheFileAndWhy)
{
    const std::string damaged = "the file is damaged: it holds values that the radio cannot take";
    expectUnreadable([](auto& b) { b.pop_back(); }, "not a data file of this program: 25610 bytes", "one byte short");
    expectUnreadable([](auto& b) { b.push_back(0); }, "not a data file of this program: 25612 bytes", "one byte long");
    const std::string notData = "Not a data file of this program: ";
    expectRefused([](auto& b) { b.resize(12); }, notData + "12 bytes\r\n" + path("bad.dat"), "no whole header",
                  NoticeIcon::Error);
    expectRefused([](auto& b) { b.clear(); }, notData + "0 bytes\r\n" + path("bad.dat"), "empty", NoticeIcon::Error);
    expectUnreadable([](auto& b) { putLe16(b, 13, 410); }, damaged, "count 410");
    expectUnreadable([](auto& b) { putLe16(b, 13, -1); }, damaged, "count -1");
    expectUnreadable([](auto& b) { putLe16(b, Entry(4), 0); }, damaged, "channel number 0");
    expectUnreadable([](auto& b) { putLe16(b, Entry(4), 410); }, damaged, "channel number 410");
    expectUnreadable([](auto& b) { putLe16(b, Entry(4), 402); }, damaged, "repeated channel number");
}

TEST_F(OpenChecks, AFileThatCannotBeReadIsNamedWithTheSystemsReason)
{
    std::filesystem::create_directories(path("folder.dat"));
    writeBytes(path("locked.dat"), m_good);
    std::filesystem::permissions(path("locked.dat"), std::filesystem::perms::none);
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"does-not-exist.dat", "no such file or directory"},
        {"folder.dat", "is a directory"},
        {"locked.dat", "permission denied"},
    };
    // The superuser may read a file nobody may read; an ordinary user may not.
    RunAsOrdinaryUser(m_dir, [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            RecordingNotifier notes;
            EXPECT_EQ(OpenDocument(m_doc, path(c.name), notes).outcome, OpenOutcome::Refused);
            ASSERT_EQ(notes.shown.size(), 1u);
            EXPECT_EQ(notes.shown[0].text, fileError(c.reason, c.name));
            EXPECT_EQ(notes.shown[0].icon, NoticeIcon::Error);
        }
    });
}

TEST_F(OpenChecks, ModelAndVersionAreCheckedBeforeContent)
{
    expectRefused(
        [](auto& b) {
            b[0] = 'X';
            putLe16(b, Entry(1) + Field(9), 7);
        },
        GetLangText(Txt::ModelMismatch), "another model");
    expectRefused([](auto& b) { b[9] = 'X'; }, GetLangText(Txt::DataVersionInvalid), "does not begin with V");
    expectRefused([](auto& b) { b[12] = ' '; }, GetLangText(Txt::DataVersionInvalid), "only three characters");
    expectRefused([](auto& b) { b[11] = '.'; }, GetLangText(Txt::DataVersionInvalid), "not a number");
}

TEST_F(OpenChecks, AFileThatIsNoDataFileAtAllSaysSoFirst)
{
    const auto bytesOf = [](const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); };
    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                           0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"text", bytesOf("Dear Sir, the channels for the club are below.\n")},
        {"picture", png},
        {"text starting like a model name", bytesOf("BRISKO8 and friends\n")},
    };
    for (const auto& c : cases) {
        expectRefused([&c](auto& b) { b = c.bytes; },
                      "Not a data file of this program: " + std::to_string(c.bytes.size()) + " bytes\r\n"
                          + path("bad.dat"),
                      c.what, NoticeIcon::Error);
    }
    // The header of a data file of another model, however short the rest.
    expectRefused(
        [](auto& b) {
            b.resize(13);
            b[0] = 'Y';
        },
        GetLangText(Txt::ModelMismatch), "other model's header");
}

TEST_F(OpenChecks, ContentThatAnImageCannotHoldIsRefused)
{
    const std::string fileError = this->fileError("the file is damaged: it holds values that the radio cannot take");
    expectRefused([](auto& b) { putLe16(b, Entry(1) + Field(9), 7); }, fileError, "Tx_Power 7", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, Entry(1) + Field(0), -1); }, fileError, "negative offset",
                  NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, Entry(0) + Field(1), 295); }, fileError, "tone code 295", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, Entry(0) + Field(3), 4); }, fileError, "DUP 4", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, Entry(0) + Field(11), 256); }, fileError, "RBTone 256", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, Entry(0) + 4, 2); }, fileError, "Scan 2", NoticeIcon::Error);
    expectRefused([](auto& b) { b[Entry(0) + 6] = 'x'; }, fileError, "letter in the frequency", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, 15 + 88 + 2 * 6, 128); }, fileError, "AsqValue 128", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, 235, -1); }, fileError, "negative key code", NoticeIcon::Error);
    expectRefused(
        [](auto& b) {
            putLe16(b, 283, 2);
            b[285] = 'G';
        },
        fileError, "DTMF digit G", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, 591 + 56, 256); }, fileError, "tone tip loop count 256", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, 173 + Field(9), 4); }, fileError, "public Tx_Power 4", NoticeIcon::Error);
    expectRefused([](auto& b) { putLe16(b, 7, 3); }, "Country Mode Error!", "band 3");
}

TEST_F(OpenChecks, TheHeaderIsCheckedBeforeTheSizeThisVersionReads)
{
    // A file of another model is that model's, whatever its length.
    expectRefused(
        [](auto& b) {
            b[0] = 'X';
            b.resize(30000);
        },
        GetLangText(Txt::ModelMismatch), "another model, longer");
    expectRefused(
        [](auto& b) {
            b[0] = 'X';
            b.resize(2000);
        },
        GetLangText(Txt::ModelMismatch), "another model, shorter");
    expectRefused(
        [](auto& b) {
            b[10] = 'x';
            b.push_back(0);
        },
        GetLangText(Txt::DataVersionInvalid), "bad version, longer");

    // Another data version may lay its file out otherwise: the version that
    // handles it is offered, however long the file and however many channels.
    const struct {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> edit;
    } layouts[] = {
        {"one byte longer", [](auto& b) { b.push_back(0); }},
        {"more channels",
         [](auto& b) {
             putLe16(b, 13, 500);
             b.resize(1071 + 60 * 500, 0);
         }},
        {"shorter", [](auto& b) { b.resize(13 + 2); }},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.what);
        auto bytes = m_good;
        bytes[12] = '1';  // V101
        layout.edit(bytes);
        writeBytes(path("v101.dat"), bytes);
        AnsweringNotifier yes(NoticeAnswer::Yes);
        const OpenResult result = OpenDocument(m_doc, path("v101.dat"), yes);
        EXPECT_EQ(result.outcome, OpenOutcome::HandOver);
        EXPECT_EQ(result.handOverVersion, "V101");
        ASSERT_EQ(yes.shown.size(), 1u);
        EXPECT_EQ(yes.shown[0].text, VersionMessage("V100", "V101", 1));
        EXPECT_TRUE(IsDataChanged(m_doc));  // the document is untouched
    }
}

TEST_F(OpenChecks, EverythingARadioCanHandUsOpens)
{
    expectOpened([](auto& b) { putLe16(b, Entry(0) + Field(1), 294); }, "DCS index 255");
    expectOpened([](auto& b) { putLe16(b, Entry(0) + Field(2), 1001 + 255); }, "CTCSS index 255");
    expectOpened(
        [](auto& b) {
            putLe16(b, 235, 0);
            putLe16(b, 237, 200);
        },
        "key codes 0 and 200");
    expectOpened([](auto& b) { putLe16(b, 283, 17); }, "DTMF length 17");
    expectOpened(
        [](auto& b) {
            putLe16(b, 283, 2);
            b[285] = 'A';
            b[286] = '#';
        },
        "DTMF A#");
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
