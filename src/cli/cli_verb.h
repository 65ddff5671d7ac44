#pragma once

#include <string>
#include <vector>

// One verb of brisko7-cli. `run` gets the arguments after the verb and returns
// the exit status: 0 success, 1 "different" (diff), 2 usage error, 3 refused or
// unreadable input, 4 radio link failure. The radio verbs tell link failures
// apart further (LinkExit in link/link_error.h): 4 I/O or system failure,
// 5 time-out, 6 protocol violation, 7 cancelled or unanswerable question.
struct CliVerb {
    const char* name;
    const char* usage;    // one line, shown by --help
    int (*run)(const std::vector<std::string>& args);
};

namespace CliExit {
constexpr int Ok = 0;
constexpr int Different = 1;
constexpr int Usage = 2;
constexpr int Refused = 3;
constexpr int LinkFailed = 4;
}  // namespace CliExit

// Verbs on data files: new, show, encode, decode, diff.
std::vector<CliVerb> fileVerbs();
// Verbs that talk to a radio: read, write, info.
std::vector<CliVerb> radioVerbs();
