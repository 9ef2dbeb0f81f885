// libFuzzer target: the lenient number reading and the execute command on six arbitrary texts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis.h"
#include "core/lenient_number.h"
#include "core/linkage.h"
#include "core/motion_parameters.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "core/result_tables.h"

namespace {

using namespace fourbar;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A box text is empty or a number text: no "nan", "inf" or stray characters.
void checkBox(const std::string& text) {
    for (char c : text) {
        const bool allowed =
            (c >= '0' && c <= '9') || c == ' ' || c == '.' || c == '-' || c == '+' || c == 'E';
        require(allowed);
    }
}

void checkTables(const ResultTables& tables, const Maxima& maxima) {
    const IndexRange rows = tables.rows();
    for (int i = rows.first; i <= rows.last; ++i) {
        const TableRow row = tables.row(i);
        require(std::isfinite(row.theta1) && std::isfinite(row.theta2) &&
                std::isfinite(row.theta3));
        require(row.theta3 >= 0);
        // Velocities and accelerations are finite, or all four are "no value" together.
        const bool none = std::isnan(row.omega2);
        require(none == std::isnan(row.omega3) && none == std::isnan(row.alpha2) &&
                none == std::isnan(row.alpha3));
        require(none || (std::isfinite(row.omega2) && std::isfinite(row.omega3) &&
                         std::isfinite(row.alpha2) && std::isfinite(row.alpha3)));
    }
    require(!std::isnan(maxima.theta3) && !std::isnan(maxima.omega3) && !std::isnan(maxima.alpha3));
}

}  // namespace

// Writes the menu's presets as seeds, one input text a line as the menu writes them, into the
// directory that FOURBAR_FUZZ_SEEDS names (fuzz/run.sh gives the corpus).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* directory = std::getenv("FOURBAR_FUZZ_SEEDS");
    if (directory == nullptr) {
        return 0;
    }
    for (const Preset& preset : kPresets) {
        const std::string path = std::string(directory) + "/" + std::string(preset.objectName);
        if (std::FILE* file = std::fopen(path.c_str(), "w")) {
            for (const auto field : kInputFields) {
                std::fprintf(file, "%s\n", inputNumberText(preset.inputs.*field).c_str());
            }
            std::fclose(file);
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> texts;
    std::size_t start = 0;
    while (texts.size() < 6) {
        const std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) {
            texts.push_back(input.substr(std::min(start, input.size())));
            start = input.size();
        } else {
            texts.push_back(input.substr(start, end - start));
            start = end + 1;
        }
    }

    double values[6];
    for (int k = 0; k < 6; ++k) {
        values[k] = readNumber(texts[k]);
        require(!std::isnan(values[k]));  // a number beyond double range is infinite
        // The shown text of a value reads back to a finite number as well.
        require(std::isfinite(readNumber(plainNumberText(values[k]))));
    }

    SharedState shared;
    for (std::size_t k = 0; k < kInputFields.size(); ++k) {
        shared.inputs.*kInputFields[k] = values[k];
    }
    // Twice: the second run starts from the first one's analysis and maxima.
    for (int run = 0; run < 2; ++run) {
        const std::shared_ptr<const Analysis> before = shared.analysis;
        const Maxima maximaBefore = shared.maxima;
        const ExecuteOutputs outputs = executeAnalysis(shared);
        for (const OutputPanelRow& row : kOutputPanel) {
            const OutputField& field = outputs.*row.field;
            // Text and value agree: a number where one is shown, NaN where none is.
            if (row.field != &ExecuteOutputs::name) {
                require(field.text.empty() == std::isnan(field.value));
                checkBox(field.text);
            }
        }
        // A refusal before the run leaves the last analysis and its maxima in place.
        const bool ran =
            outputs.message == ExecuteMessage::None || outputs.message == ExecuteMessage::RunFailed;
        require(ran == (shared.analysis != before));
        require(ran || shared.maxima == maximaBefore);
        if (const std::shared_ptr<const Analysis> analysis = shared.analysis) {
            const ResultTables& tables = analysis->tables;
            if (outputs.message == ExecuteMessage::RunFailed && ran) {
                require(tables.empty());
            }
            checkTables(tables, shared.maxima);
            for (Sweep sweep : {Sweep::FullTurn, Sweep::DoubleRocker, Sweep::RockerCrank}) {
                const IndexRange range = sweepRange(sweep, tables);
                require(range.empty() || (range.first >= -32768 && range.last <= 32767));
            }
        }
        shared.inputs.L3 = values[0];  // a second, related linkage
    }
    return 0;
}
