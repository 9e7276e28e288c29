// NAMES.dat, the hand-over file in the working folder: the editor's version text and the
// paths of the input data file, the report, the plot file and the monitor file, one per
// line. Lines may end in carriage return and line feed; trailing blanks are not part of a
// name.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "engine/run/entry.h"

namespace vornel {

// Reads `path` into the request's version and the four paths. When any of lines 2..5 is
// missing, writes the two-line console message through `message` and returns false.
bool read_names_file(const std::filesystem::path& path, RunRequest& request,
                     const std::function<void(const std::string&)>& message);

}  // namespace vornel
