#pragma once

#include <string>

class Document;

// The channels of the document as CSV text: a header row, then one row per
// channel in channel-number order. The columns of the common exchange layout
// come first, so that other radio programs and spreadsheets read the list;
// this program's own columns follow, so that nothing of a channel is lost.
std::string ExportCsv(const Document& doc);
