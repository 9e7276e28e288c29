#include "engine/soil/py_generator.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/base/fixed_format.h"
#include "engine/base/run_stop.h"
#include "engine/core/curve_store.h"
#include "engine/core/plot_file.h"
#include "engine/soil/py_profile.h"
#include "engine/soil/py_records.h"
#include "engine/soil/sand_silt_py_curves.h"
#include "engine/soil/scratch_text.h"
#include "tests/engine/soil/py_fixture.h"
#include "tests/engine/support/golden.h"

namespace vornel::soil {
namespace {

using test::count_of;
using test::kFt;
using test::kPcf;
using test::kPsf;
using test::lines_of;
using test::PyState;

const std::array<double, 6> kSand = {110 * kPcf, 0.0, 35.0, 0.0, 90.0, 0.0};
const std::array<double, 6> kSoftClay = {100 * kPcf, 500 * kPsf, 0.0, 0.02, 0.0, 0.0};

// Runs the generator and returns what it handed over as the text of SOILDATA.
struct Generated {
    std::string soildata;
    bool stopped = false;
};

Generated generate(PyState& t) {
    Generated g;
    try {
        generate_py_curves(t.s);
    } catch (const RunStop&) {
        g.stopped = true;
    }
    g.soildata = soildata_text(t.s);
    return g;
}

// A single sand layer from the top of the wall to 40 ft, free height 10 ft, wall 30 ft.
TEST(PyGenerator, SoildataOfASingleSandLayer) {
    PyState t;
    t.add_py_layer(4, 40, kSand);
    const Generated g = generate(t);
    ASSERT_FALSE(g.stopped) << t.text();
    const std::vector<std::string> l = lines_of(g.soildata);
    ASSERT_EQ(l.size(), 1u + 5u * 35u);
    EXPECT_EQ(l[0], "    5");
    const double depths[5] = {120.1, 183.0, 246.0, 309.0, 371.9};  // H + X
    for (int r = 0; r < 5; ++r) {
        const std::string& head = l[1 + 35 * r];
        std::istringstream in(head);
        double depth = 0;
        int count = 0;
        in >> depth >> count;
        EXPECT_NEAR(depth, depths[r], 1e-4) << head;
        EXPECT_EQ(count, 34);
        // Points 1..17 of each side, each in I5, 1X, E10.3, 1X, E10.3.
        for (int j = 0; j < 34; ++j) {
            const std::string& pt = l[2 + 35 * r + j];
            ASSERT_EQ(pt.size(), 27u) << pt;
            EXPECT_EQ(pt.substr(0, 5), fmt::i(j % 17 + 1, 5));
            EXPECT_EQ(pt[5], ' ');
            EXPECT_EQ(pt[16], ' ');
        }
    }
    EXPECT_EQ(t.messages.at(0), " READ SOIL DATA....");
    EXPECT_EQ(count_of(t.text(), "AT THE EXCAVATION SIDE"), 5);
    EXPECT_EQ(count_of(t.text(), "AT THE BACKFILL SIDE"), 5);
    EXPECT_NE(t.text().find("\n\n\n        P-Y CURVES DATA\n\n"), std::string::npos);
}

TEST(PyGenerator, UserCurvesComeFirst) {
    PyState t;
    t.add_py_layer(1, 20, kSoftClay);
    t.add_py_layer(4, 25, kSand);
    t.add_py_layer(1, 40, kSoftClay);
    for (int station : {22, 30}) {
        UserCurve c;
        c.station = station;
        c.y = {-1.0, 0.0, 1.0};
        c.p = {100.0, 0.0, -100.0};
        c.y_scaled = {-2.0, 0.0, 2.0};
        c.p_scaled = {50.0, 0.0, -50.0};
        t.s.user_curves.push_back(c);
    }
    const Generated g = generate(t);
    ASSERT_FALSE(g.stopped) << t.text();
    const std::vector<std::string> l = lines_of(g.soildata);
    EXPECT_EQ(l[0], "   17");  // two user curves and 3 x 5 generated records
    EXPECT_EQ(l[1], "   22    3");
    EXPECT_EQ(l[2], "    1   0.5000000E+02  -0.2000000E+01");
    EXPECT_EQ(l[4], "    3  -0.5000000E+02   0.2000000E+01");
    EXPECT_EQ(l[5], "   30    3");
    EXPECT_EQ(l.size(), 1u + 2u * 4u + 15u * 35u);
    EXPECT_NE(l[9].find("    34"), std::string::npos);
}

TEST(PyGenerator, NoSoilBelowTheExcavationLevel) {
    PyState t;
    t.add_py_layer(4, 8, kSand);  // ends above the excavation level at 10 ft
    const Generated g = generate(t);
    ASSERT_FALSE(g.stopped) << t.text();
    EXPECT_EQ(g.soildata, "    0\n");
    EXPECT_NE(t.text().find("         0 LAYER(S) OF SOIL\n"), std::string::npos);
    const std::string tail = "\n\n        P-Y CURVES DATA\n\n";
    EXPECT_EQ(t.text().substr(t.text().size() - tail.size()), tail);
}

// A clay record with Ps > 0 starts at (0, -Ps) in front of the wall and at (0, +Ps) behind it.
TEST(PyGenerator, ForceShiftOfAClayRecord) {
    PyState t;
    t.add_py_layer(1, 40, kSoftClay);
    t.s.sigma_v_excavation = 10.0;
    const Generated g = generate(t);
    ASSERT_FALSE(g.stopped) << t.text();
    const double ps = 24.0 * (10.0 - 2.0 * 500 * kPsf);  // 206.7 lb/in
    const std::vector<std::string> l = lines_of(g.soildata);
    EXPECT_EQ(l[2], "    1 " + fmt::e(-ps, 10, 3) + "  0.000E+00");
    EXPECT_EQ(l[19], "    1 " + fmt::e(ps, 10, 3) + "  0.000E+00");
    // The report carries the same shift in its point lines.
    EXPECT_NE(t.text().find(fmt::Line().x(21).f(0.0, 20, 3).f(-ps, 20, 3).str()),
              std::string::npos);
}

TEST(PyGenerator, NoOverburdenNoShift) {
    PyState t;
    t.add_py_layer(4, 40, kSand);
    t.s.sigma_v_excavation = 0.0;
    const Generated g = generate(t);
    const std::vector<std::string> l = lines_of(g.soildata);
    EXPECT_EQ(l[2], "    1  0.000E+00  0.000E+00");
    EXPECT_EQ(l[19], "    1  0.000E+00  0.000E+00");
}

TEST(PyGenerator, GroupReductionOnBothSidesOfEveryCurve) {
    PyState t;
    t.add_py_layer(4, 40, kSand);
    t.s.config.active_width = 48.0;  // WA = 2 WP
    generate(t);
    EXPECT_EQ(count_of(t.text(), " P-Multiplier =  0.783E+00 Y-Multiplier =  0.100E+01\n"), 10);
}

TEST(PyGenerator, ModificationRowsArePrintedAndUsed) {
    PyState t;
    t.add_py_layer(4, 40, kSand);
    t.s.py_mods = {{120.0, 0.5, 1.0}, {400.0, 0.9, 2.0}};
    const Generated g = generate(t);
    const std::string text = t.text();
    EXPECT_NE(text.find("\n\n      REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS\n\n"
                        "      DEPTH     P-FACTOR     Y-FACTOR        \n"
                        "             120.00      0.50        1.00\n"
                        "             400.00      0.90        2.00\n"),
              std::string::npos);
    // At H + X = 246 in: Mp = 0.5 + 0.4 * 126 / 280, My = 1 + 126 / 280.
    EXPECT_NE(text.find(fmt::Line()
                            .text(" P-Multiplier = ")
                            .e(0.5 + 0.4 * 126 / 280, 10, 3)
                            .text(" Y-Multiplier = ")
                            .e(1.0 + 126.0 / 280, 10, 3)
                            .str()),
              std::string::npos);
    EXPECT_FALSE(g.stopped);
}

// Layer 2 sees its soil from the depth at which that soil would have built up the
// resistance of layer 1: here soft clay below sand.
TEST(PyRecords, EquivalentDepthOfALayerBelowSand) {
    PyState t;
    t.s.config.active_width = 60.0;  // piles 2.5 widths apart: no continuous wall
    t.add_py_layer(4, 20, kSand);
    t.add_py_layer(1, 40, {110 * kPcf, 500 * kPsf, 0.0, 0.02, 0.0, 0.0});
    const PyProfile p = build_py_profile(t.s);
    PyRecordWriter w(t.s, p);
    w.write_layer(1);
    w.write_layer(2);
    // Layer 1 (X 0..120 in): trapezoid of pu = A ps over the five depths, plus the tail.
    const double g = 110 * kPcf, b = 24.0, x[5] = {0.1, 30.0, 60.0, 90.0, 119.9};
    auto pu = [&](double xi) {
        const SandWedge s = sand_wedge(35 * 3.1416 / 180, g, b, xi, 3.1416);
        return sand_factor_a(xi / b) * std::min(s.pst, s.psd);
    };
    double f = 0.0;
    for (int i = 1; i < 5; ++i) f += (x[i] - x[i - 1]) * 0.5 * (pu(x[i]) + pu(x[i - 1]));
    f += (120.0 - x[4]) * pu(x[4]);
    EXPECT_NEAR(w.resistance(1), f, 1e-9 * f);
    // Soft clay builds up the same resistance, integral of min(Np, 9) c b, down to XEQ.
    const double c = 500 * kPsf, xeq = w.equivalent_depth(2);
    double built = 0.0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const double xi = (i + 0.5) * xeq / n;
        built += std::min(3 + g * xi / c + 0.5 * xi / b, 9.0) * c * b * xeq / n;
    }
    EXPECT_NEAR(built, f, 1e-6 * f);
}

TEST(PyRecords, RockTakesNoEquivalentDepth) {
    PyState t;
    t.add_py_layer(1, 20, kSoftClay);
    t.add_py_layer(6, 40, {150 * kPcf, 1000.0, 0, 0, 0, 0});
    const PyProfile p = build_py_profile(t.s);
    PyRecordWriter w(t.s, p);
    w.write_layer(1);
    w.write_layer(2);
    EXPECT_GT(w.resistance(1), 0.0);  // accumulated, but rock does not use it
    EXPECT_EQ(w.resistance(2), 0.0);
    EXPECT_EQ(w.equivalent_depth(2), 0.0);
    EXPECT_EQ(count_of(t.text(), "DEPTH-EXCAVATION SIDE"), 5);
    EXPECT_EQ(count_of(t.text(), "DEPTH-BACKFILL SIDE  "), 5);
}

TEST(PyGeneratorRefusals, SandWithoutFrictionAngle) {
    PyState t;
    t.add_py_layer(1, 20, kSoftClay);
    t.add_py_layer(4, 40, {110 * kPcf, 0, 0, 0, 90, 0});
    const Generated g = generate(t);
    EXPECT_TRUE(g.stopped);
    EXPECT_NE(t.text().find("\n\n     ERROR STOP -- P-Y LAYER  2 (SAND) HAS A FRICTION ANGLE OF   "
                            "0.00 DEGREES\n"),
              std::string::npos);
    EXPECT_EQ(g.soildata.find("NaN"), std::string::npos);
}

TEST(PyGeneratorRefusals, SiltWithoutCohesionOrFriction) {
    PyState t;
    t.add_py_layer(5, 40, {110 * kPcf, 0, 30, 0.01, 90, 0});
    EXPECT_TRUE(generate(t).stopped);
    EXPECT_NE(t.text().find("\n     ERROR STOP -- P-Y LAYER  1 (SILT) HAS A COHESION OF 0.000E+00 "
                            "LBS/IN**2\n"),
              std::string::npos);

    PyState u;
    u.add_py_layer(5, 40, {110 * kPcf, 2.0, 0, 0.01, 90, 0});
    EXPECT_TRUE(generate(u).stopped);
    const std::vector<std::string> lines = {"       WARNING-------The Angle of the slope can not",
                                            "                     be greater than the internal  ",
                                            "                     friction angle of the sand.   "};
    ASSERT_EQ(u.messages.size(), 4u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(u.messages[i + 1], lines[i]);
    EXPECT_NE(u.text().find("\n\n" + lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n"),
              std::string::npos);
}

TEST(PyGeneratorRefusals, WeakRockWithoutStrength) {
    // Zero only at the top of the layer: the strength below is positive, the run goes on.
    PyState t;
    SoilLayerInput& l = t.add_py_layer(7, 40, {150 * kPcf, 0.0, 0, 0.0005, 50000, 50});
    l.bottom[1] = 1000.0;
    EXPECT_FALSE(generate(t).stopped) << t.text();
    // Zero throughout: the first curve depth passes, the second ends the run.
    PyState u;
    u.add_py_layer(7, 40, {150 * kPcf, 0.0, 0, 0.0005, 50000, 50});
    const Generated g = generate(u);
    EXPECT_TRUE(g.stopped);
    const std::vector<std::string> lines = {
        "       --------------------WARNING----------------------",
        "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT",
        "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN."};
    ASSERT_EQ(u.messages.size(), 4u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(u.messages[i + 1], lines[i]);
    EXPECT_EQ(count_of(g.soildata, "    34\n"), 1);  // only the first record was written
}

// A stiff clay layer 0.4 in thick below another: its first two curve depths (0.1 in and a
// quarter of the thickness below its top) coincide, and the running mean of its strength
// must not divide by their zero distance. (Excavation at the top of the wall, so that the
// layer depths are exact.)
TEST(PyGenerator, ThinStiffClayLayerBelowAnother) {
    PyState t;
    t.s.config.free_height = 0.0;
    t.s.config.active_width = 60.0;  // single piles: the average strength enters pc
    t.add_py_layer(4, 0.5 / kFt, kSand);
    t.add_py_layer(2, 0.9 / kFt, {120 * kPcf, 8.0, 0, 0.005, 500, 0});
    t.add_py_layer(4, 40, kSand);
    t.s.layers[0].bottom_depth = 0.5;
    t.s.layers[1].bottom_depth = 0.9;
    const Generated g = generate(t);
    EXPECT_FALSE(g.stopped) << t.text();
    EXPECT_EQ(count_of(g.soildata, "    34\n"), 15);
}

TEST(PyGeneratorRefusals, ValuesThatAreNotFinite) {
    PyState t;
    t.add_py_layer(1, 40, {100 * kPcf, 500 * kPsf, 0.0, 0.0, 0.0, 0.0});  // E50 of 0
    const Generated g = generate(t);
    EXPECT_TRUE(g.stopped);
    EXPECT_NE(t.text().find("\n\n     ERROR STOP -- THE P-Y CURVE OF LAYER  1 AT X =      0.10 IN "
                            "HAS A VALUE THAT IS NOT FINITE\n"),
              std::string::npos);
    EXPECT_EQ(g.soildata.find("NaN"), std::string::npos);
    EXPECT_EQ(g.soildata.find("Inf"), std::string::npos);

    PyState u;
    u.add_py_layer(4, 40, kSand);
    u.s.config.py_width = 0.0;
    EXPECT_TRUE(generate(u).stopped);
    EXPECT_NE(
        u.text().find(
            "\n\n     ERROR STOP -- WIDTH FOR SOIL RESISTANCE, WP, MUST BE GREATER THAN ZERO\n"),
        std::string::npos);
}

// The generated records as the iteration takes them: after the user curves, each record
// joined into one curve from the backfill side (mirrored) to the excavation side, and the
// same curves in the plot file's p-y section.
TEST(PyGeneratorRoundTrip, RecordsThroughTheCurveStoreIntoThePlotFile) {
    PyState t;
    t.add_py_layer(1, 40, kSoftClay);
    t.s.sigma_v_excavation = 10.0;
    UserCurve u;
    u.station = 22;
    u.y = u.y_scaled = {-1.0, 0.0, 1.0};
    u.p = u.p_scaled = {100.0, 0.0, -100.0};
    t.s.user_curves.push_back(u);
    const Generated g = generate(t);
    ASSERT_FALSE(g.stopped) << t.text();
    fill_curve_store(t.s);
    ASSERT_EQ(t.s.curves.size(), 6u);
    EXPECT_EQ(t.s.curves[0].link, 0);  // the user curve stands alone next to generated ones
    const StoredCurve& c = t.s.curves[1];
    EXPECT_EQ(c.station, 20);  // 120.1 in with h = 6 in
    EXPECT_EQ(c.points, 33);
    EXPECT_EQ(c.link, 1);
    // Soft clay, y50 = 2.5 * 0.02 * 24 = 1.2 in; the shift Ps = 24 (10 - 2 c) lb/in.
    const double h = 6.0, ps = 24.0 * (10.0 - 2.0 * 500 * kPsf);
    EXPECT_DOUBLE_EQ(c.w[0], -24.0);               // backfill point 17 at 20 y50, mirrored
    EXPECT_DOUBLE_EQ(c.w[16], 0.0);                // backfill point 1 at the origin
    EXPECT_NEAR(c.q[16], ps * h, 0.001 * ps * h);  // ... carrying +Ps
    EXPECT_DOUBLE_EQ(c.w[17], 0.0096);             // excavation point 2 at 0.008 y50
    EXPECT_DOUBLE_EQ(c.w[32], 24.0);               // excavation point 17
    EXPECT_GT(c.q[0], 0.0);                        // the soil pushes back against the wall
    EXPECT_LT(c.q[32], 0.0);
    for (int k = 1; k < 33; ++k) EXPECT_LT(c.w[k - 1], c.w[k]) << k;

    plot_curve_section(t.s);
    const std::vector<std::string> l = lines_of(t.s.plot.text);
    EXPECT_EQ(l[0], " 1 6");
    EXPECT_EQ(l[1], " 22 3");
    EXPECT_EQ(l[5], " 20 33");  // generated curves next to user curves carry their station
}

// All seven soil types below the excavation level, closely spaced piles, water in the
// stiff clay and an overburden at the excavation level: the generator's report sections and
// SOILDATA, column for column.
TEST(PyGeneratorGolden, SevenSoilTypes) {
    PyState t;
    t.set_wall(40 * kFt, 6.0, 10 * kFt);
    t.s.config.active_width = 48.0;
    t.s.config.water_depth_backfill = 16 * kFt;
    t.s.sigma_v_excavation = 8.0;
    t.add_py_layer(1, 14, {105 * kPcf, 400 * kPsf, 0, 0.02, 0, 0});
    SoilLayerInput& stiff = t.add_py_layer(2, 18, {120 * kPcf, 1500 * kPsf, 0, 0.005, 500, 0});
    stiff.bottom[1] = 2000 * kPsf;
    t.add_py_layer(3, 22, {125 * kPcf, 2500 * kPsf, 0, 0.004, 0, 0});
    t.add_py_layer(4, 26, {115 * kPcf, 0, 34, 0, 60, 0});
    t.add_py_layer(5, 30, {118 * kPcf, 300 * kPsf, 28, 0.01, 40, 0});
    t.add_py_layer(6, 34, {150 * kPcf, 1500.0, 0, 0, 0, 0});
    t.add_py_layer(7, 45, {140 * kPcf, 800.0, 0, 0.0005, 40000, 60});
    const Generated g = generate(t);
    ASSERT_FALSE(g.stopped) << t.text();
    const std::filesystem::path golden = test::source_dir() / "tests/engine/soil/golden";
    const test::GoldenResult report =
        test::compare_golden(t.text(), golden / "py_seven_types.report");
    EXPECT_TRUE(report.ok) << report.message;
    const test::GoldenResult file =
        test::compare_golden(g.soildata, golden / "py_seven_types.soildata");
    EXPECT_TRUE(file.ok) << file.message;
}

}  // namespace
}  // namespace vornel::soil
