#pragma once

#include <QString>

class Document;
class frmMain;
class QPrinter;
struct PrintLayout;

// The printout as rich text: the header, then every table with its title.
QString PrintLayoutHtml(const PrintLayout& layout);

// Puts the document on the printer's pages (a PDF file when the printer is
// set so), in the program's language and with today's date.
void PrintDocument(const Document& doc, QPrinter& printer);

// The toolbar's Print button: a print preview from which the user prints
// (Linux print dialogs also print into a PDF file).
void registerPrintCommand(frmMain& main, Document& doc);
