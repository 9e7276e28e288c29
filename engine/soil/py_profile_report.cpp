#include "engine/soil/py_profile_report.h"

#include "engine/base/fixed_format.h"
#include "engine/soil/py_report.h"
#include "engine/soil/soil_constants.h"

namespace vornel::soil {
namespace {

void write_layers(std::ostream& out, const UnitLabels& u, const PyProfile& p) {
    const double surface = p.free_height + (p.layers.empty() ? 0.0 : p.layers.front().xtop);
    out << fmt::Line()
               .x(6)
               .text("X AT THE SURFACE OF EXCAVATION SIDE     = ")
               .f(surface, 10, 2)
               .text(u.length3)
               .str()
        << "\n\n";
    out << fmt::Line()
               .x(9)
               .i(static_cast<long long>(p.layers.size()), 1)
               .text(" LAYER(S) OF SOIL")
               .str()
        << '\n';
    for (size_t k = 0; k < p.layers.size(); ++k) {
        out << '\n'
            << fmt::Line().x(9).text("LAYER").i(static_cast<long long>(k + 1), 3).str() << '\n';
        out << fmt::Line().x(9).text(soil_type_text(p.layers[k].type)).str() << '\n';
    }
}

void write_count(std::ostream& out, const char* title, long long count) {
    out << '\n' << fmt::Line().x(9).text(title).str() << '\n';
    out << fmt::Line().x(9).i(count, 2).text(" POINTS").str() << "\n\n";
}

void write_gamma(std::ostream& out, const UnitLabels& u, const PyProfile& p) {
    write_count(out, "DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH", p.gamma_counted);
    write_column_heads(out, 0, {{"X,", units::length(u), 15}, {"WEIGHT,", unit_weight(u), 15}});
    for (size_t i = 0; i < p.gamma.size(); ++i) {
        out << fmt::Line().f(p.free_height + p.gamma.x[i], 15, 4).d(p.gamma.v[i], 15, 4).str()
            << '\n';
    }
}

void write_strength(std::ostream& out, const UnitLabels& u, const PyProfile& p) {
    write_count(out, "DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH",
                static_cast<long long>(p.strength.size()));
    write_column_heads(out, 0,
                       {{"X,", units::length(u), 15},
                        {"S,", unit_stress(u), 13},
                        {"PHI,DEGREES", "", 13},
                        {"E50", "", 15}});
    for (size_t i = 0; i < p.strength.size(); ++i) {
        fmt::Line line;
        line.f(p.free_height + p.strength.x[i], 15, 2)
            .d(p.strength.v[i], 13, 4)
            .f(p.phi.v[i] * 180.0 / kPiShort, 13, 3);
        if (p.e50.v[i] <= 1.0e-6) {
            line.a("-----", 15);
        } else {
            line.d(p.e50.v[i], 15, 4);
        }
        out << line.str() << '\n';
    }
}

}  // namespace

const char* soil_type_text(int type) {
    switch (type) {
        case 2:
            return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
        case 3:
            return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
        case 4:
            return "THE SOIL IS A SAND";
        case 5:
            return "THE SOIL IS A SILT";
        case 6:
            return "THE LAYER IS ROCK";
        case 7:
            return "THE LAYER IS WEAK ROCK";
        default:
            return "THE SOIL IS A SOFT CLAY";
    }
}

void write_py_profile(EngineState& s, const PyProfile& profile) {
    write_framed_heading(s, "SOIL LAYERS AND STRENGTH DATA");
    std::ostream& out = s.out();
    write_layers(out, s.units, profile);
    write_gamma(out, s.units, profile);
    write_strength(out, s.units, profile);
}

}  // namespace vornel::soil
