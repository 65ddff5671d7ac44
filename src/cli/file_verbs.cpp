#include "cli_verb.h"

std::vector<CliVerb> fileVerbs()
{
    return {};
}
