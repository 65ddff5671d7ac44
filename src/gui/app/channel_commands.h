#pragma once

class Document;
class frmMain;

// Serves the main window's channel command (menu entry, tree page, and the
// opening after New, Open and a completed read) with the channel window,
// opens the channel edit dialog from its ">>" column and button, commits the
// pending edits of both before the main window saves or talks to the radio,
// and shows the channel-edit menu while the channel window is the active
// child window.
void registerChannelCommands(frmMain& main, Document& doc);
