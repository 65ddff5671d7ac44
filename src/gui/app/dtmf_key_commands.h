#pragma once

class Document;
class frmMain;

// Serves the main window's DTMF and programmable-keys commands (menu and
// tree): opens the window, or brings it to the front when it is open. Before
// a save or a transfer reads the records, an open DTMF window commits its
// code edits (a slot left empty loses the references to it).
void registerDtmfAndKeys(frmMain& main, Document& doc);
