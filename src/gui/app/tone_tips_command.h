#pragma once

class Document;
class frmMain;

// Serves the main window's tone-tips command (menu and tree): opens the tone
// tips window, or brings it to the front when it is open, and commits its
// editing before a save or a transfer reads the records.
void registerToneTips(frmMain& main, Document& doc);
