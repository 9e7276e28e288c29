// Input decks for beam problems with known closed-form answers, built in the layout of the
// input data file (unit system 3: consistent units, no conversion).
#pragma once

#include <string>
#include <vector>

namespace vornel::test {

struct BeamDeck {
    std::string title = "BEAM";
    int ninc = 40;
    double h = 3.0;
    double ei = 1.0e10;
    double tolerance = 1.0e-10;
    double max_deflection = 1.0e6;
    struct Restraint {
        int kase, station;
        double deflection, slope;
    };
    struct Load {
        int flag, from, to;
        double lateral, moment, axial;
    };
    struct Spring {
        int from, to, flag;
        double lateral, rotational;
    };
    std::vector<Restraint> restraints;
    std::vector<Load> loads;
    std::vector<Spring> springs;

    std::string text() const;
};

}  // namespace vornel::test
