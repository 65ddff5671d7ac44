#pragma once

// The commands of the main window's menus, toolbar and tree. Some are served
// by the main window itself; the others (the editors, the radio transfers, the
// port dialog) stay disabled until their window registers a handler.
enum class Command {
    // Served by the main window.
    FileNew,
    ToolbarNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileExit,
    ModelInfo,
    ProPassWord,
    Language,
    InitSettings,
    TreeView,
    ViewToolbar,
    ViewStatusBar,
    WindowCascade,
    CloseAll,
    HelpTopic,
    About,
    Undo,  // enabled only while there is a step to take back (or to make again)
    Redo,
    // Registered by later windows.
    ChannelInfo,
    OptFeature,
    ToneTips,
    Dtmf,
    Key,
    LocalInfo,
    ReadFromRadio,
    WriteToRadio,
    CommSet,
    Print,
};

// True for the commands a later window must register before they do anything.
constexpr bool isRegisteredCommand(Command c)
{
    return c >= Command::ChannelInfo && c <= Command::Print;
}

// Commands that replace the document or start another transfer: they wait
// while a transfer with the radio runs.
constexpr bool isBlockedDuringTransfer(Command c)
{
    switch (c) {
    case Command::FileNew:
    case Command::ToolbarNew:
    case Command::FileOpen:
    case Command::ModelInfo:
    case Command::InitSettings:
    case Command::Language:
    case Command::CloseAll:
    case Command::LocalInfo:
    case Command::ReadFromRadio:
    case Command::WriteToRadio:
    case Command::CommSet:
    case Command::Undo:
    case Command::Redo:
        return true;
    default:
        return false;
    }
}
