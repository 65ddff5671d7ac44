#pragma once

#include <QString>

class Document;

// Where the open and save dialogs start: the folder of the open document,
// else the last folder the user chose in one of them (kept in the user's
// settings store), else the user's documents folder, else the home folder.
// Never the program's own folder or the current directory, which a
// system-wide installation does not let the user write.
namespace FileDialogFolder {

QString startFolder(const Document& doc);
// The path a dialog starts with: the open document itself, or for an
// untitled one its name ("new.dat") in the start folder.
QString presetPath(const Document& doc);
// Remembers the folder of a path the user chose.
void remember(const QString& chosenPath);

}  // namespace FileDialogFolder
