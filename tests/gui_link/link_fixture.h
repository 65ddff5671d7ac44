#pragma once

#include "gui_test_env.h"
#include "pty_radio.h"

#include "gui/app/frm_main.h"
#include "gui/app/link_controller.h"
#include "core/model/document.h"

#include <QString>

#include <functional>
#include <memory>

// Runs the event loop until done() holds or the time is up; returns done().
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

// The radio image of a new document whose records the test changed.
RadioImage radioImageOf(const std::function<void(Document&)>& change);

// The main window with the radio link registered, and helpers to put a radio
// on a port and wait for a transfer.
class LinkFixture : public GuiLinkTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the main window and its link (after the test prepared its state).
    void buildMainWindow();
    // A radio on a pseudo-terminal, chosen as ComPort.
    PtyRadio& plugRadio(const RadioImage& image, const RadioInfoBlock& info, VirtualRadioIdentity identity = {},
                        VirtualRadioFaults faults = {});
    // Runs a main-window command and waits until the link is idle again.
    bool runAndWait(Command command, int timeoutMs = 20000);
    bool waitIdle(int timeoutMs = 20000);
    // The first port number behind a device, 0 when none.
    int portOf(const std::string& device);
    // Answers the next password dialog with this text (OK), or cancels it.
    void answerPasswordDialog(const QString& password, bool ok = true);

    ScriptedPrompts m_prompts;
    Document m_doc;
    std::unique_ptr<frmMain> m_main;
    LinkController* m_link = nullptr;
    std::unique_ptr<PtyRadio> m_radio;
};
