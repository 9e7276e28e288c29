// Input decks for beam problems with known closed-form answers, built in the layout of the
// input data file (unit system 3: consistent units, no conversion).
#pragma once

#include <string>
#include <utility>
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
    struct Curve {
        int station;
        double p_mult, y_mult;
        std::vector<std::pair<double, double>> points;  // (y, p)
    };
    struct EiCurve {
        int from, to;
        std::vector<std::pair<double, double>> points;  // (moment, EI)
    };
    std::vector<Restraint> restraints;
    std::vector<Load> loads;
    std::vector<Spring> springs;
    std::vector<Curve> curves;  // user p-y curves (p-y code 1)
    std::vector<EiCurve> ei_sets;

    std::string text() const;
};

}  // namespace vornel::test
