#pragma once

class Document;
class LinkController;
class frmMain;

// Builds the radio link of the main window and serves its commands: read from
// radio, write to radio, radio information and the port dialog. The link
// lives as long as the main window; its port closes when the program ends.
LinkController* registerLinkCommands(frmMain& main, Document& doc);
