#pragma once

#include "core/model/document.h"

#include <array>
#include <string>
#include <vector>

// Every record of a document written out for a person or for a script, with
// the record and field names the rest of the program uses. Fixed texts are
// shown cut at their first NUL, without trailing spaces, in UTF-8.

// Receives the records in order. Inside a list the records have no name.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual void beginRecord(const std::string& name) = 0;
    virtual void endRecord() = 0;
    virtual void beginList(const std::string& name) = 0;
    virtual void endList() = 0;
    virtual void number(const std::string& name, int value) = 0;
    virtual void text(const std::string& name, const std::string& value) = 0;
    virtual void numbers(const std::string& name, const std::vector<int>& values) = 0;
};

// ModelRecord, ChannelCount, ChannelList (the used entries), OptFeatRecord,
// PublicChannel, KeySettings, DtmfSettings, ToneTips.
void DumpDocument(const DocumentRecord& record, const std::array<ChannelRecord, MaxChannels>& channels,
                  RecordSink& sink);

// One JSON object whose keys are the record and field names.
std::string DocumentToJson(const DocumentRecord& record, const std::array<ChannelRecord, MaxChannels>& channels);

// An indented listing, one field a line.
std::string DocumentToText(const DocumentRecord& record, const std::array<ChannelRecord, MaxChannels>& channels);
