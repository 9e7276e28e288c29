#include "tests/engine/support/beam_deck.h"

#include <cstdio>

namespace vornel::test {
namespace {

std::string num(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

}  // namespace

std::string BeamDeck::text() const {
    std::string d = title + "\r\n";
    d += "3 " + std::to_string(restraints.size()) + "\t1\t0\t0\t" + (curves.empty() ? "0 " : "1 ") +
         std::to_string(curves.size()) + " 1 " + std::to_string(ei_sets.size()) + " 0\r\n";
    d += std::to_string(ninc) + " " + num(h) + "\t" + num(max_deflection) + "\t" + num(tolerance) +
         "\t0\t1\r\n";
    for (const Restraint& r : restraints) {
        d += std::to_string(r.kase) + "\t" + std::to_string(r.station) + "\t" + num(r.deflection) +
             "\t" + num(r.slope) + "\r\n";
    }
    d += "0\t" + std::to_string(ninc) + "\t1\t" + num(ei) + "\r\n";
    d += std::to_string(loads.size()) + "\r\n";
    for (const Load& l : loads) {
        d += std::to_string(l.flag) + "\t" + std::to_string(l.from) + "\t" + std::to_string(l.to) +
             "\t" + num(l.lateral) + "\t" + num(l.moment) + "\t" + num(l.axial) + "\r\n";
    }
    d += std::to_string(springs.size()) + "\r\n";
    for (const Spring& s : springs) {
        d += std::to_string(s.from) + "\t" + std::to_string(s.to) + "\t" + std::to_string(s.flag) +
             "\t" + num(s.lateral) + "\t" + num(s.rotational) + "\r\n";
    }
    for (const Curve& c : curves) {
        d += std::to_string(c.station) + "\t" + std::to_string(c.points.size()) + "\t" +
             num(c.p_mult) + "\t" + num(c.y_mult) + "\r\n";
        for (const auto& [y, p] : c.points) d += num(y) + "\t" + num(p) + "\r\n";
    }
    for (const EiCurve& e : ei_sets) {
        d += std::to_string(e.from) + "\t" + std::to_string(e.to) + "\t" +
             std::to_string(e.points.size()) + "\r\n";
        for (const auto& [m, ei] : e.points) d += num(m) + "\t" + num(ei) + "\r\n";
    }
    return d + "0\r\n";
}

}  // namespace vornel::test
