#pragma once

#include "fake_link.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/base/lang_texts.h"
#include "core/base/version_list.h"
#include "virtual_radio/virtual_radio_memory.h"
#include "core/model/document.h"

#include <gtest/gtest.h>

#include <memory>

// One engine on a fake host with a virtual radio behind it.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppState::instance().setProgramFolder(BRISKO7_SOURCE_DIR "/data");
        AppState::instance().setLanguage(1);
        VersionList::instance().setHandlers({{"V100", "V100"}});
        InitDocument(doc, BRISKO7_SOURCE_DIR "/no-init-folder");
        host.engine = &engine;
        engine.setConfirmStart(false);
        makeRadio();
    }

    void makeRadio(VirtualRadioIdentity id = {}, VirtualRadioFaults faults = {}, const std::string& password = {})
    {
        RadioInfoFields fields;
        fields.password = password;
        radioImage = DefaultRadioImage(id.band <= 2 ? id.band : 0);
        m_radio = std::make_unique<VirtualRadio>(id, radioImage, BuildRadioInfo(id.band, fields), faults);
        host.radio = m_radio.get();
    }
    VirtualRadio& radio() { return *m_radio; }

    // The records as they stand, to prove that a failed transfer left them alone.
    struct Snapshot {
        DocumentRecord record;
        std::array<ChannelRecord, MaxChannels> channels;
        RadioInfoRecord info;
        std::string fileName;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const { return {doc.Record, doc.ChannelList, doc.RadioInfo, doc.DocFileName}; }

    bool messageShown(int textNumber) const
    {
        const std::string t = GetLangText(textNumber);
        for (const auto& m : host.messages)
            if (!t.empty() && m.find(t) != std::string::npos)
                return true;
        return false;
    }
    bool messageContains(const std::string& part) const
    {
        for (const auto& m : host.messages)
            if (m.find(part) != std::string::npos)
                return true;
        return false;
    }

    Document doc;
    FakeHost host;
    TransferEngine engine{doc, host};
    RadioImage radioImage;

private:
    std::unique_ptr<VirtualRadio> m_radio;
};
