#include "tests/engine/support/golden.h"

#include <cstdlib>
#include <vector>

#include "tests/engine/support/test_support.h"

namespace vornel::test {
namespace {

const std::string kPathLine = "     Path to file locations      : ";
const std::string kDateLine = "               Date:  ";

bool starts_with(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::string mask_volatile(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool newline = end != std::string::npos;
        if (!newline) end = text.size();
        std::string line = text.substr(start, end - start);
        if (starts_with(line, kPathLine)) line = kPathLine + "<masked>";
        if (starts_with(line, kDateLine)) line = kDateLine + "<masked>";
        out += line;
        if (newline) out += '\n';
        start = end + 1;
    }
    return out;
}

bool update_golden_requested() {
    const char* update = std::getenv("UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

GoldenResult compare_golden(const std::string& actual, const std::filesystem::path& golden,
                            bool update) {
    const std::string masked = mask_volatile(actual);
    if (update) {
        write_text(golden, masked);
        return {true, ""};
    }
    if (!std::filesystem::exists(golden)) {
        write_text(golden.string() + ".actual", masked);
        return {false, "no golden file " + golden.string() + " (run with UPDATE_GOLDEN=1)"};
    }
    const std::vector<std::string> want = lines_of(mask_volatile(read_text(golden)));
    const std::vector<std::string> got = lines_of(masked);
    std::string message;
    for (std::size_t i = 0; i < want.size() && i < got.size() && message.empty(); ++i) {
        if (want[i] != got[i]) {
            message = golden.filename().string() + " line " + std::to_string(i + 1) +
                      ":\n  expected: \"" + want[i] + "\"\n  actual:   \"" + got[i] + "\"";
        }
    }
    if (message.empty() && want.size() != got.size()) {
        message = golden.filename().string() + ": " + std::to_string(got.size()) +
                  " lines, expected " + std::to_string(want.size());
    }
    if (message.empty()) return {true, ""};
    write_text(golden.string() + ".actual", masked);
    return {false, message + "\n  actual output written to " + golden.string() + ".actual"};
}

}  // namespace vornel::test
