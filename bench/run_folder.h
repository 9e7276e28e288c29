// A private temporary folder for a benchmark's run files, removed afterwards, so that
// benchmarks started side by side never share their scratch and output files.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace vornel::bench {

class RunFolder {
  public:
    RunFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vornel-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) path = pattern;
    }
    ~RunFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    std::filesystem::path path;
};

}  // namespace vornel::bench
