#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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
    Count  // keep last: the number of commands
};

// Who serves a command, and whether it waits while a transfer with the radio
// runs (the commands that replace the document or start another transfer).
enum class ServedBy : std::uint8_t { MainWindow, LaterWindow };
enum class DuringTransfer : std::uint8_t { Runs, Waits };

struct CommandInfo {
    Command command;
    ServedBy servedBy;
    DuringTransfer duringTransfer;
};

// One line per command, in the order of the enum. A command added to the enum
// without its line here does not compile (the order check below fails).
inline constexpr std::array<CommandInfo, static_cast<std::size_t>(Command::Count)> CommandTable{{
    {Command::FileNew, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::ToolbarNew, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::FileOpen, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::FileSave, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::FileSaveAs, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::FileExit, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::ModelInfo, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::ProPassWord, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::Language, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::InitSettings, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::TreeView, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::ViewToolbar, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::ViewStatusBar, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::WindowCascade, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::CloseAll, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::HelpTopic, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::About, ServedBy::MainWindow, DuringTransfer::Runs},
    {Command::Undo, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::Redo, ServedBy::MainWindow, DuringTransfer::Waits},
    {Command::ChannelInfo, ServedBy::LaterWindow, DuringTransfer::Runs},
    {Command::OptFeature, ServedBy::LaterWindow, DuringTransfer::Runs},
    {Command::ToneTips, ServedBy::LaterWindow, DuringTransfer::Runs},
    {Command::Dtmf, ServedBy::LaterWindow, DuringTransfer::Runs},
    {Command::Key, ServedBy::LaterWindow, DuringTransfer::Runs},
    {Command::LocalInfo, ServedBy::LaterWindow, DuringTransfer::Waits},
    {Command::ReadFromRadio, ServedBy::LaterWindow, DuringTransfer::Waits},
    {Command::WriteToRadio, ServedBy::LaterWindow, DuringTransfer::Waits},
    {Command::CommSet, ServedBy::LaterWindow, DuringTransfer::Waits},
    {Command::Print, ServedBy::LaterWindow, DuringTransfer::Runs},
}};

constexpr bool commandTableInEnumOrder()
{
    for (std::size_t i = 0; i < CommandTable.size(); ++i) {
        if (CommandTable[i].command != static_cast<Command>(i))
            return false;
    }
    return true;
}
static_assert(commandTableInEnumOrder(), "every command needs its line in CommandTable, in enum order");

constexpr const CommandInfo& commandInfo(Command c)
{
    return CommandTable.at(static_cast<std::size_t>(c));
}

// True for the commands a later window must register before they do anything.
constexpr bool isRegisteredCommand(Command c)
{
    return commandInfo(c).servedBy == ServedBy::LaterWindow;
}

// Commands that replace the document or start another transfer: they wait
// while a transfer with the radio runs.
constexpr bool isBlockedDuringTransfer(Command c)
{
    return commandInfo(c).duringTransfer == DuringTransfer::Waits;
}
