#include "golden_file.h"

#include <cstdlib>
#include <vector>

#include "tests/engine/support/test_support.h"

namespace vornel::test {
namespace {

bool updating() {
    const char* v = std::getenv("UPDATE_GOLDEN");
    return v != nullptr && std::string(v) == "1";
}

}  // namespace

::testing::AssertionResult matches_golden(const std::string& actual,
                                          const std::filesystem::path& golden) {
    std::filesystem::path side = golden;
    side += ".actual";
    if (updating()) {
        std::filesystem::create_directories(golden.parent_path());
        write_text(golden, actual);
        std::filesystem::remove(side);
        return ::testing::AssertionSuccess();
    }
    if (!std::filesystem::exists(golden)) {
        write_text(side, actual);
        return ::testing::AssertionFailure()
               << "no baseline " << golden << " (run with UPDATE_GOLDEN=1 to create it)";
    }
    const std::vector<std::string> want = lines_of(read_text(golden));
    const std::vector<std::string> got = lines_of(actual);
    for (size_t i = 0; i < want.size() && i < got.size(); ++i) {
        if (want[i] != got[i]) {
            write_text(side, actual);
            return ::testing::AssertionFailure()
                   << golden.filename() << " line " << i + 1 << "\n  expected: [" << want[i]
                   << "]\n  actual:   [" << got[i] << "]";
        }
    }
    if (want.size() != got.size()) {
        write_text(side, actual);
        return ::testing::AssertionFailure() << golden.filename() << ": " << got.size()
                                             << " lines, baseline has " << want.size();
    }
    std::filesystem::remove(side);
    return ::testing::AssertionSuccess();
}

std::filesystem::path soil_golden_dir() { return source_dir() / "tests" / "data" / "soil"; }

}  // namespace vornel::test
