// The reply classifiers on any received frame, in any transfer context: at
// most one kind, and only a frame that really is of that kind.
#include "fuzz_check.h"

#include "core/link/link_protocol.h"
#include "core/model/records.h"

#include <cstddef>
#include <cstdint>

using namespace LinkProtocol;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    ClassifyContext context;
    context.blockAddress = (data[0] << 8 | data[1]) & 0x3FF0;
    context.passwordPhase = (data[2] & 1) != 0;
    const std::uint8_t* reply = data + 3;
    const std::size_t length = size - 3;

    const ReplyKind kind = classifyReply(reply, length, context);
    switch (kind) {
    case ReplyKind::Ack:
    case ReplyKind::Resend:
        FUZZ_CHECK(length == 1);
        break;
    case ReplyKind::Handshake:
        FUZZ_CHECK(length == HandshakeReplyLength);
        break;
    case ReplyKind::Ident: {
        FUZZ_CHECK(length == IdentReplyLength);
        RadioIdentity radio;
        ParseIdentReply(reply, radio);
        FUZZ_CHECK(radio.RadioModel.size() <= 7 && radio.RadioVersion.size() <= 4);
        break;
    }
    case ReplyKind::Info:
        FUZZ_CHECK(context.passwordPhase && IsDataFrameValid(reply, length));
        FUZZ_CHECK(frameAddress(reply) == PasswordBlockAddress);
        FUZZ_CHECK(passwordOfInfoReply(reply).size() <= PasswordLength);
        FUZZ_CHECK(CheckPassword(reply, passwordOfInfoReply(reply)));
        break;
    case ReplyKind::Data:
        FUZZ_CHECK(IsDataFrameValid(reply, length));
        FUZZ_CHECK(frameAddress(reply) == context.blockAddress && reply[3] == BlockLength);
        FUZZ_CHECK(length == BlockLength + DataFrameOverhead);
        break;
    case ReplyKind::None:
        break;
    }
    return 0;
}
