// The transfer engine against a scripted radio: the input says which transfer
// runs, how the user answers, and what the radio replies to each request (any
// bytes, or silence). Every run must end exactly once, with the port closed,
// and a transfer that failed must leave the document's records alone.
#include "fuzz_check.h"
#include "fuzz_program.h"

#include "../link/fake_link.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/base/version_list.h"
#include "core/model/document.h"

#include <cstddef>
#include <cstdint>

namespace {

// Replies taken from the script in order: a length byte, then that many
// bytes; length 0 (or the end of the script) is silence.
class ScriptedHost : public FakeHost {
public:
    ScriptedHost(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    void sendBytes(const Bytes& bytes) override
    {
        FakeHost::sendBytes(bytes);
        if (!portOpen || m_at >= m_size)
            return;
        const std::size_t wanted = m_data[m_at++];
        const std::size_t length = std::min(wanted, m_size - m_at);
        if (length > 0)
            inbox.emplace_back(m_data + m_at, m_data + m_at + length);
        m_at += length;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

NoticeAnswer answerOf(int bit)
{
    return bit ? NoticeAnswer::Ok : NoticeAnswer::Cancel;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    setUpFuzzProgram();
    Document doc;
    InitDocument(doc, BRISKO7_SOURCE_DIR "/no-init-folder");
    const DocumentRecord before = doc.Record;
    const auto channelsBefore = doc.ChannelList;

    ScriptedHost host(data + 2, size - 2);
    TransferEngine engine(doc, host);
    host.engine = &engine;
    engine.setConfirmStart(false);
    engine.setEchoExpected((data[0] & 0x04) != 0);
    // Up to three questions answered from the second byte, then Cancel.
    for (int i = 0; i < 3; ++i)
        host.answers.push_back((data[1] >> i) & 1 ? answerOf(1) : answerOf(0));
    if (data[1] & 0x08)
        host.passwords.push_back(std::string("1234"));

    const int kind = data[0] % 3;
    const bool started = kind == 0 ? engine.startRead() : kind == 1 ? engine.startWrite() : engine.startInfoRead();
    FUZZ_CHECK(started);
    host.run(200000);

    FUZZ_CHECK(!engine.busy());
    FUZZ_CHECK(!host.portOpen);
    FUZZ_CHECK(host.ended.size() == 1);
    const TransferOutcome& outcome = host.ended[0];
    if (!outcome.ok() || kind != 0) {
        FUZZ_CHECK(doc.Record == before);
        FUZZ_CHECK(doc.ChannelList == channelsBefore);
    }
    // A good read is decoded once its ReadOK timer expired.
    if (outcome.ok() && kind == 0)
        FUZZ_CHECK(host.readsCompleted == 1);
    return 0;
}
