// Helpers shared by the engine tests.
#pragma once

#include <filesystem>

namespace vornel::test {

// The root of the source tree (examples/, tests/data/ live below it).
std::filesystem::path source_dir();

}  // namespace vornel::test
