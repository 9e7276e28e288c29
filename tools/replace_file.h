// Replacing an output file of a command-line tool so that nothing half-written is ever seen
// under its name and nothing but the target is touched.
//
// The new content goes to a private file beside the target, created exclusively under a random
// name and never through a link (a name planted in the folder beforehand cannot redirect it);
// every write, the flush to the disk and the closing are checked, and only then is the file
// renamed over the target. On any failure the private file is removed and the target keeps
// its old content.
#pragma once

#include <filesystem>
#include <string>

namespace vornel::tools {

// Empty on success, else the reason in plain words ("No space left on device").
std::string replace_file(const std::filesystem::path& target, const std::string& content);

}  // namespace vornel::tools
