#pragma once

#include <functional>
#include <string>
#include <vector>

class Document;

// What an edit expression caused besides its change: a refusal or a warning,
// with the expression it concerns.
using EditReport = std::function<void(const std::string& expression, const std::string& what)>;

struct EditExpressionsResult {
    std::string error;  // a malformed expression, or one that names nothing in the band
    int reported = 0;   // refusals and warnings handed to the report
};

// The expressions of the edit verb (GROUP:POSITION:FIELD=VALUE and the
// others) applied to the document in the order given, through the same
// operations as the windows. An expression that is malformed or names nothing
// in the document's band stops all of them before the first change.
EditExpressionsResult ApplyEditExpressions(Document& doc, const std::vector<std::string>& expressions,
                                           const EditReport& say);
