// Writes the default documents of the program's "Init" folder:
//   brisko7-make-init <folder>
// For each band N (0 CB, 1 HF, 2 HAM) both BRISKO7_N_NEW.dat (File > New) and
// BRISKO7_N.dat (initial settings). The HF and HAM files hold exactly the
// built-in new document; the CB files add the country channel plans, and
// since BRISKO7_0.dat is also the fall-back file of every band, all six exist.
#include "country_plans.h"

#include "core/app/data_file.h"
#include "core/model/band_range.h"
#include "core/model/data_file_format.h"
#include "core/model/document.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int CbBand = 0;

bool writeDefaultFiles(const std::string& folder, int band)
{
    Document doc;
    ApplyBandMode(doc, band);
    InitDocument(doc, std::vector<std::string>{});  // built-in defaults only
    if (band == CbBand)
        AddCountryPlans(doc);
    TakeBaseline(doc);
    const auto bytes = WriteDataFileBytes(doc.Record, doc.ChannelList);
    const std::string stem = folder + "/" + doc.ModelName + "_" + std::to_string(band);
    for (const std::string& path : {stem + "_NEW.dat", stem + ".dat"}) {
        if (!WriteFileWhole(path, bytes)) {
            std::fprintf(stderr, "brisko7-make-init: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisko7-make-init FOLDER\n");
        return 2;
    }
    for (int band = 0; band <= 2; ++band) {
        if (!writeDefaultFiles(argv[1], band))
            return 1;
    }
    return 0;
}
