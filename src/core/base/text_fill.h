#pragma once

#include <initializer_list>
#include <string>

// A language text with its place holders "%1", "%2", ... replaced by the
// values in order. A value that itself holds "%2" is not filled again.
std::string FillText(std::string text, std::initializer_list<std::string> values);
