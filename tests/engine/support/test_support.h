// Helpers shared by the engine tests.
#pragma once

#include <ctime>
#include <filesystem>
#include <sstream>
#include <string>

#include "engine/base/engine_state.h"

namespace vornel::test {

// The root of the source tree (examples/, tests/ live below it).
std::filesystem::path source_dir();

// A fresh empty folder below the system's temporary folder, removed with its contents
// when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The clock of every test run: Monday 9 March 2015, 07:05:03.
std::tm fixed_clock();

std::string read_text(const std::filesystem::path& p);
void write_text(const std::filesystem::path& p, const std::string& text);

// The outputs of one run of the engine on a deck given as text.
struct DeckRun {
    EngineState state;
    std::string report, plot, monitor;
};

// Writes `deck` as deck.vn5d into a fresh folder (which also serves as the scratch folder),
// runs the engine with the fixed clock and reads the three outputs back.
DeckRun run_deck_text(const std::string& deck);

// Runs a deck file and reads the three outputs, written into `out_dir`.
DeckRun run_deck_file(const std::filesystem::path& deck, const std::filesystem::path& out_dir);

// A state whose report goes to `report`, for tests of single routines.
EngineState state_with_report(std::ostringstream& report);

// The lines of a text.
std::vector<std::string> lines_of(const std::string& text);

}  // namespace vornel::test
