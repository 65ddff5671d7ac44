#include "cli_verb.h"

#include "core/base/version_line.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

void printHelp(const std::vector<CliVerb>& verbs)
{
    std::puts("usage: brisko7-cli <verb> [options]\n"
              "       brisko7-cli --help | --version\n\nverbs:");
    for (const auto& v : verbs)
        std::printf("  %s\n", v.usage);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<CliVerb> verbs = fileVerbs();
    for (const auto& v : editVerbs())
        verbs.push_back(v);
    for (const auto& v : radioVerbs())
        verbs.push_back(v);
    for (const auto& v : toneVerbs())
        verbs.push_back(v);
    for (const auto& v : interchangeVerbs())
        verbs.push_back(v);

    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        printHelp(verbs);
        return argc < 2 ? CliExit::Usage : CliExit::Ok;
    }
    if (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0) {
        std::puts(VersionLine("brisko7-cli").c_str());
        return CliExit::Ok;
    }
    const std::string verb = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& v : verbs) {
        if (verb == v.name)
            return v.run(args);
    }
    std::fprintf(stderr, "brisko7-cli: unknown verb '%s' (try --help)\n", verb.c_str());
    return CliExit::Usage;
}
