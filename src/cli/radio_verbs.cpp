#include "cli_verb.h"

std::vector<CliVerb> radioVerbs()
{
    return {};
}
