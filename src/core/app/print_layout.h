#pragma once

#include <string>
#include <utility>
#include <vector>

class Document;

// What a printout of the document holds, in the program's language, before
// it is put on paper: a header with model, band, file and date; one table
// per group that holds channels; then the options, the public channel, the
// DTMF settings and codes, the keys and the tone tips.
struct PrintTable {
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    bool startsPage = false;  // the radio-wide settings begin on a page of their own
};

struct PrintLayout {
    std::string title;
    std::vector<std::pair<std::string, std::string>> header;  // label, value
    std::vector<PrintTable> tables;
};

// The date is given as the caller formats it.
PrintLayout BuildPrintLayout(const Document& doc, const std::string& date);
