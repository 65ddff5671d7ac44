#pragma once

#include "core/link/link_error.h"

#include <string>
#include <vector>

// One verb of brisko7-cli. `run` gets the arguments after the verb and returns
// the exit status: 0 success, 1 "different" (diff) or "found something" (check), 2 usage error (an output
// that is one of the inputs included), 3 refused or unreadable input, 4 an
// output that cannot be written or another I/O or system failure; the radio
// verbs add the link failures of LinkExit (link/link_error.h): 5 time-out,
// 6 protocol violation, 7 cancelled or unanswerable question. The shared numbers are
// taken from LinkExit so that both sets can never drift apart.
struct CliVerb {
    const char* name;
    const char* usage;  // one line, shown by --help
    int (*run)(const std::vector<std::string>& args);
};

namespace CliExit {
constexpr int Ok = LinkExit::Ok;
constexpr int Different = 1;
constexpr int Usage = LinkExit::CallerError;
constexpr int Refused = LinkExit::RefusedByRadio;
constexpr int Io = LinkExit::SystemError;
}  // namespace CliExit

// Verbs on data files: new, show, encode, decode, diff.
std::vector<CliVerb> fileVerbs();
// Verbs that change a data file: edit.
std::vector<CliVerb> editVerbs();
// Verbs that talk to a radio: read, write, info.
std::vector<CliVerb> radioVerbs();
// Verbs that render sound: tone.
std::vector<CliVerb> toneVerbs();
// Verbs that check a data file or exchange its channels as CSV: check, export-csv, import-csv.
std::vector<CliVerb> interchangeVerbs();
