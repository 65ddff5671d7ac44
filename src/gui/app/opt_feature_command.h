#pragma once

class Document;
class frmMain;

// Serves the main window's optional-features command (menu and tree): opens
// the options window, or brings it to the front when it is open, and commits
// its half-typed boxes before a save or a transfer reads the records.
void registerOptFeatures(frmMain& main, Document& doc);
