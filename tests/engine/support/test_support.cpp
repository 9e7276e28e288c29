#include "tests/engine/support/test_support.h"

namespace vornel::test {

std::filesystem::path source_dir() { return VORNEL_SOURCE_DIR; }

}  // namespace vornel::test
