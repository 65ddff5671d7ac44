#pragma once

#include "core/app/data_file.h"
#include "core/model/band_range.h"
#include "core/model/data_file_format.h"
#include "core/model/document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

// The default documents of the staged installation's "Init" folder.
inline std::string shippedInitFolder()
{
    return std::string(BRISKO7_STAGE_PROGRAM) + "/Init";
}

inline std::vector<std::uint8_t> shippedBytes(const std::string& name)
{
    std::ifstream in(shippedInitFolder() + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The new document of a band with no default files at all.
inline std::unique_ptr<Document> builtInDocument(int band)
{
    auto doc = std::make_unique<Document>();
    ApplyBandMode(*doc, band);
    InitDocument(*doc, std::vector<std::string>{});
    return doc;
}

// The new document of a band as the shipped files make it.
inline std::unique_ptr<Document> shippedDocument(int band)
{
    auto doc = std::make_unique<Document>();
    ApplyBandMode(*doc, band);
    InitDocument(*doc, shippedInitFolder());
    return doc;
}
