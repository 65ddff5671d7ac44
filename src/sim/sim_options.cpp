#include "sim_options.h"

#include <cstdlib>
#include <functional>
#include <map>

namespace {

bool parseInt(const std::string& text, long min, long max, long& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 0);  // 0x1CF0 and 7408 alike
    if (*end != '\0' || v < min || v > max)
        return false;
    value = v;
    return true;
}

// "ADDRESS" or "ADDRESS:TIMES" (times 1 when left out).
bool parseBlockFault(const std::string& text, BlockFault& fault)
{
    const std::size_t colon = text.find(':');
    long address = 0;
    long times = 1;
    if (!parseInt(text.substr(0, colon), 0, 0xFFFF, address))
        return false;
    if (colon != std::string::npos && !parseInt(text.substr(colon + 1), 1, 1000000000, times))
        return false;
    fault.address = static_cast<int>(address);
    fault.times = static_cast<int>(times);
    return true;
}

using Setter = std::function<bool(SimOptions&, const std::string&)>;

Setter text(std::string RadioInfoFields::*field)
{
    return [field](SimOptions& o, const std::string& v) {
        o.info.*field = v;
        return true;
    };
}

Setter blockFault(BlockFault VirtualRadioFaults::*field)
{
    return [field](SimOptions& o, const std::string& v) { return parseBlockFault(v, o.faults.*field); };
}

Setter band(bool info)
{
    return [info](SimOptions& o, const std::string& v) {
        long b = 0;
        if (!parseInt(v, 0, info ? 15 : 255, b))
            return false;
        if (info)
            o.infoBand = static_cast<int>(b);
        else
            o.identity.band = static_cast<std::uint8_t>(b);
        o.bandGiven = o.bandGiven || !info;
        return true;
    };
}

const std::map<std::string, Setter>& valueOptions()
{
    static const std::map<std::string, Setter> options{
        {"--image",
         [](SimOptions& o, const std::string& v) {
             o.imageFile = v;
             return true;
         }},
        {"--info",
         [](SimOptions& o, const std::string& v) {
             o.infoFile = v;
             return true;
         }},
        {"--save",
         [](SimOptions& o, const std::string& v) {
             o.saveFile = v;
             return true;
         }},
        {"--model",
         [](SimOptions& o, const std::string& v) {
             o.identity.model = v;
             return v.size() <= 7;
         }},
        {"--version",
         [](SimOptions& o, const std::string& v) {
             o.identity.version = v;
             return v.size() <= 4;
         }},
        {"--band", band(false)},
        {"--info-band", band(true)},
        {"--password",
         [](SimOptions& o, const std::string& v) {
             o.info.password = v;
             return v.size() <= 4;
         }},
        {"--echo",
         [](SimOptions& o, const std::string& v) {
             o.identity.echo = v == "on";
             return v == "on" || v == "off";
         }},
        {"--serial", text(&RadioInfoFields::serialNo)},
        {"--batch", text(&RadioInfoFields::batchNo)},
        {"--customer", text(&RadioInfoFields::customerCode)},
        {"--sales-area", text(&RadioInfoFields::salesArea)},
        {"--factory-date", text(&RadioInfoFields::factoryDate)},
        {"--repair-date", text(&RadioInfoFields::repairDate)},
        {"--repair-reason", text(&RadioInfoFields::repairReason)},
        {"--dealer", text(&RadioInfoFields::dealerCode)},
        {"--stock-in", text(&RadioInfoFields::stockInTime)},
        {"--sales-time", text(&RadioInfoFields::salesTime)},
        {"--handler", text(&RadioInfoFields::handler)},
        {"--ignore-handshakes",
         [](SimOptions& o, const std::string& v) {
             long n = 0;
             const bool ok = parseInt(v, 0, 1000000, n);
             o.faults.ignoreHandshakes = static_cast<int>(n);
             return ok;
         }},
        {"--ignore-block", blockFault(&VirtualRadioFaults::ignore)},
        {"--bad-checksum", blockFault(&VirtualRadioFaults::badChecksum)},
        {"--wrong-address", blockFault(&VirtualRadioFaults::wrongAddress)},
        {"--short-frame", blockFault(&VirtualRadioFaults::shortFrame)},
        {"--garbage", blockFault(&VirtualRadioFaults::garbage)},
        {"--resend", blockFault(&VirtualRadioFaults::resend)},
        {"--dead-after",
         [](SimOptions& o, const std::string& v) {
             long n = 0;
             const bool ok = parseInt(v, 0, 1000000, n);
             o.faults.deadAfterBlocks = static_cast<int>(n);
             return ok;
         }},
    };
    return options;
}

const std::map<std::string, std::function<void(SimOptions&)>>& flagOptions()
{
    static const std::map<std::string, std::function<void(SimOptions&)>> flags{
        {"--no-tone", [](SimOptions& o) { o.identity.toneSupported = false; }},
        {"--no-echo", [](SimOptions& o) { o.identity.echo = false; }},
        {"--pace", [](SimOptions& o) { o.pace = true; }},
        {"--no-end-ack", [](SimOptions& o) { o.faults.noEndAck = true; }},
        {"--once", [](SimOptions& o) { o.once = true; }},
        {"--no-announce", [](SimOptions& o) { o.announce = false; }},
        {"--quiet", [](SimOptions& o) { o.quiet = true; }},
        {"--help", [](SimOptions& o) { o.help = true; }},
        {"-h", [](SimOptions& o) { o.help = true; }},
    };
    return flags;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error)
{
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        if (const std::size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        if (const auto flag = flagOptions().find(name); flag != flagOptions().end() && !inlineValue) {
            flag->second(options);
            continue;
        }
        const auto option = valueOptions().find(name);
        if (option == valueOptions().end()) {
            error = "unknown option '" + args[i] + "'";
            return std::nullopt;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                error = "option " + name + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!option->second(options, value)) {
            error = "bad value '" + value + "' for " + name;
            return std::nullopt;
        }
    }
    return options;
}

const char* SimUsage()
{
    return "usage: brisko7-sim [options]\n"
           "A virtual BRISKO7 radio on a pseudo-terminal. The first line printed is\n"
           "the device to open; a running brisko7-sim also shows in the port list of\n"
           "the desktop program. Ctrl-C ends it and prints the line time used.\n"
           "\n"
           "radio:\n"
           "  --image FILE         memory to start from: a 7424-byte image or a data file\n"
           "                       (*.dat, its band becomes the radio's); default: 40 channels\n"
           "  --save FILE          save the memory after each session that wrote it\n"
           "                       (FILE.dat: as a data file, otherwise the raw image)\n"
           "  --model NAME         model in the identification (default BRISKO7)\n"
           "  --band N             band code: 0 CB, 1 HF, 2 HAM (others to test refusals)\n"
           "  --version V          data version (default V100)\n"
           "  --no-tone            no CTCSS/DCS support\n"
           "  --password P         programming password (up to 4 characters)\n"
           "  --echo on|off        the cable echoes every byte (default on); --no-echo\n"
           "  --pace               real line speed: each byte costs 1/960 s\n"
           "information area:\n"
           "  --info FILE          serve this 256-byte area instead of the fields below\n"
           "  --info-band N        band bits of the area (default: --band)\n"
           "  --serial, --batch, --customer, --sales-area, --factory-date, --repair-date,\n"
           "  --repair-reason, --dealer, --stock-in, --sales-time, --handler TEXT\n"
           "faults (ADDR is a radio address such as 0x0100; :N strikes N times, default 1):\n"
           "  --ignore-handshakes N    no answer to the first N handshakes\n"
           "  --ignore-block ADDR[:N]  no answer to that block's request\n"
           "  --bad-checksum ADDR[:N]  read reply with a wrong checksum\n"
           "  --wrong-address ADDR[:N] read reply for the next block\n"
           "  --short-frame ADDR[:N]   read reply two bytes short\n"
           "  --garbage ADDR[:N]       noise instead of the reply\n"
           "  --resend ADDR[:N]        answer 0x0A (send again) to that write block\n"
           "  --dead-after K           fall silent for good after K answered blocks\n"
           "  --no-end-ack             never acknowledge \"END\"\n"
           "running:\n"
           "  --once                   exit after the first session\n"
           "  --no-announce            do not offer the terminal to the port list\n"
           "  --quiet                  print only the device and the line time\n";
}
