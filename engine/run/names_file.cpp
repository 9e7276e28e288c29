#include "engine/run/names_file.h"

#include <vector>

#include "engine/base/free_format_reader.h"

namespace vornel {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        lines.push_back(std::move(line));
        start = next;
    }
    return lines;
}

}  // namespace

bool read_names_file(const std::filesystem::path& path, RunRequest& request,
                     const std::function<void(const std::string&)>& message) {
    std::string text;
    std::vector<std::string> lines;
    if (read_file(path, text)) lines = lines_of(text);
    if (lines.size() < 5) {
        if (message) {
            message(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT");
            message(" BEFORE COMPUTATION.  TRY IT AGAIN!");
        }
        return false;
    }
    request.version = lines[0].substr(0, 12);
    request.input = lines[1];
    request.report = lines[2];
    request.plot = lines[3];
    request.monitor = lines[4];
    return true;
}

}  // namespace vornel
