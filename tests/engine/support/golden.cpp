#include "tests/engine/support/golden.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/engine/support/test_support.h"

namespace vornel::test {
namespace {

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::string read_file(const std::filesystem::path& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_file(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace

std::filesystem::path golden_dir(const std::string& sub) {
    return source_dir() / "tests" / "data" / sub;
}

std::string golden_difference(const std::string& expected, const std::string& actual) {
    const std::vector<std::string> e = split_lines(expected), a = split_lines(actual);
    const size_t n = std::min(e.size(), a.size());
    for (size_t i = 0; i < n; ++i) {
        if (e[i] != a[i]) {
            return "line " + std::to_string(i + 1) + " differs:\n  expected: [" + e[i] +
                   "]\n  actual:   [" + a[i] + "]";
        }
    }
    if (e.size() != a.size()) {
        return "line count differs: expected " + std::to_string(e.size()) + ", actual " +
               std::to_string(a.size());
    }
    if (expected != actual) return "line ends differ (blank or carriage return at a line end)";
    return "";
}

::testing::AssertionResult matches_golden(const std::string& actual,
                                          const std::filesystem::path& golden) {
    const char* update = std::getenv("UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        write_file(golden, actual);
        return ::testing::AssertionSuccess();
    }
    bool ok = false;
    const std::string expected = read_file(golden, ok);
    std::filesystem::path actual_path = golden;
    actual_path += ".actual";
    if (!ok) {
        write_file(actual_path, actual);
        return ::testing::AssertionFailure()
               << "no baseline " << golden << " (run with UPDATE_GOLDEN=1 to create it)";
    }
    const std::string diff = golden_difference(expected, actual);
    if (diff.empty()) {
        std::filesystem::remove(actual_path);
        return ::testing::AssertionSuccess();
    }
    write_file(actual_path, actual);
    return ::testing::AssertionFailure() << golden << ": " << diff << "\n  actual written to "
                                         << actual_path;
}

}  // namespace vornel::test
