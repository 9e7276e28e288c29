// A problem for the earth-pressure tests, filled directly instead of read from a deck.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/base/engine_state.h"
#include "engine/soil/layer_table.h"
#include "tests/engine/support/test_support.h"

namespace vornel::test {

// Report and monitor streams live with the state, so `s.out()` works as in a run.
struct SoilProblem {
    SoilProblem(int unit_system = 1);
    EngineState s;
    std::ostringstream report, monitor;
    std::vector<std::string> messages;

    std::string text() const { return report.str(); }
    // Appends an input layer of the given type ending at `bottom`, with top-row unit weight,
    // cohesion and friction angle.
    void add_layer(int type, double bottom, double gamma, double cohesion, double phi);
    // Wall of `length` with stations every `h`, excavation at `free_height`.
    void set_wall(double length, double h, double free_height);
    // The first steps of the chain: water unit weight, subdivision, overburden, coefficients.
    soil::LayerTable prepared_table();
};

// Counts the occurrences of `needle` in `hay`.
int count_of(const std::string& hay, const std::string& needle);

}  // namespace vornel::test
