// Subdivision of the soil layers at the excavation level and the backfill water table, and
// the wall, surcharge and soil sections of the report.
#include "engine/soil/layer_table.h"

#include <gtest/gtest.h>

#include "soil_fixture.h"

namespace vornel::soil {
namespace {

using test::SoilProblem;

std::vector<SoilLayerInput> sand(std::initializer_list<double> bottoms) {
    SoilProblem p;
    for (double b : bottoms) p.add_layer(4, b, 0.07, 0.0, 30.0);
    return p.s.layers;
}

TEST(Subdivision, SandCutAtExcavationAndWaterTable) {
    // One sand layer 30 ft thick, excavation at 10 ft, water at 15 ft (inches).
    const LayerTable t = subdivide_layers(sand({360.0}), 120.0, 180.0, 1.0);
    ASSERT_EQ(t.count(), 3);
    EXPECT_DOUBLE_EQ(t.rows[0].ztop, 0.0);
    EXPECT_DOUBLE_EQ(t.rows[1].ztop, 120.0);
    EXPECT_DOUBLE_EQ(t.rows[2].ztop, 180.0);
    EXPECT_DOUBLE_EQ(t.rows[0].thickness, 120.0);
    EXPECT_DOUBLE_EQ(t.rows[1].thickness, 60.0);
    EXPECT_DOUBLE_EQ(t.rows[2].thickness, 180.0);
    EXPECT_DOUBLE_EQ(t.bottom, 360.0);
    EXPECT_EQ(t.lexc, 2);
    EXPECT_EQ(t.lwtb, 3);
    for (const SubLayer& l : t.rows) {
        EXPECT_TRUE(l.drained);
        EXPECT_DOUBLE_EQ(l.phi, 30.0);
        EXPECT_DOUBLE_EQ(l.factor, 1.0);
    }
}

TEST(Subdivision, WaterAboveTheExcavationComesFirst) {
    const LayerTable t = subdivide_layers(sand({360.0}), 180.0, 60.0, 0.8);
    ASSERT_EQ(t.count(), 3);
    EXPECT_DOUBLE_EQ(t.rows[1].ztop, 60.0);
    EXPECT_DOUBLE_EQ(t.rows[2].ztop, 180.0);
    EXPECT_EQ(t.lwtb, 2);
    EXPECT_EQ(t.lexc, 3);
    EXPECT_DOUBLE_EQ(t.rows[2].factor, 0.8);
}

TEST(Subdivision, WaterAtTheExcavationLevelIsOneBreak) {
    const LayerTable t = subdivide_layers(sand({360.0}), 120.0, 120.0, 1.0);
    ASSERT_EQ(t.count(), 2);
    EXPECT_EQ(t.lexc, 2);
    EXPECT_EQ(t.lwtb, 2);
}

TEST(Subdivision, WaterBelowTheLastLayerCutsNothing) {
    const LayerTable t = subdivide_layers(sand({240.0, 360.0}), 120.0, 500.0, 1.0);
    ASSERT_EQ(t.count(), 3);
    EXPECT_DOUBLE_EQ(t.rows[1].ztop, 120.0);
    EXPECT_DOUBLE_EQ(t.rows[2].ztop, 240.0);
    EXPECT_EQ(t.lexc, 2);
    EXPECT_EQ(t.lwtb, 0);
}

TEST(Subdivision, BoundaryWithinToleranceOfTheExcavationIsTheBreak) {
    const LayerTable t = subdivide_layers(sand({120.000004, 360.0}), 120.0, 500.0, 1.0);
    ASSERT_EQ(t.count(), 2);
    EXPECT_DOUBLE_EQ(t.rows[1].ztop, 120.000004);
    EXPECT_EQ(t.lexc, 2);
    // Just outside the tolerance a thin sub-layer appears.
    const LayerTable u = subdivide_layers(sand({120.0001, 360.0}), 120.0, 500.0, 1.0);
    EXPECT_EQ(u.count(), 3);
}

TEST(Subdivision, WaterAtOrAboveTheSurfaceCutsNothing) {
    const LayerTable t = subdivide_layers(sand({360.0}), 120.0, 0.0, 1.0);
    ASSERT_EQ(t.count(), 2);
    EXPECT_EQ(t.lwtb, 1);
    const LayerTable ponded = subdivide_layers(sand({360.0}), 120.0, -24.0, 1.0);
    ASSERT_EQ(ponded.count(), 2);
    EXPECT_DOUBLE_EQ(ponded.rows[0].thickness, 120.0);
    EXPECT_EQ(ponded.lwtb, 0);
}

TEST(Subdivision, NoSoilBelowTheExcavationLeavesLexcZero) {
    EXPECT_EQ(subdivide_layers(sand({100.0}), 120.0, 500.0, 1.0).lexc, 0);
    EXPECT_EQ(subdivide_layers(sand({120.0}), 120.0, 500.0, 1.0).lexc, 0);
    EXPECT_EQ(subdivide_layers({}, 120.0, 500.0, 1.0).lexc, 0);
}

TEST(Subdivision, ClayOverSandTakesTheTopRow) {
    SoilProblem p;
    p.add_layer(1, 120.0, 0.06, 5.0, 0.0);
    p.s.layers.back().bottom = {0.065, 9.0, 0.0, 0.0, 0.0, 0.0};
    p.add_layer(4, 360.0, 0.07, 0.0, 32.0);
    const LayerTable t = subdivide_layers(p.s.layers, 60.0, 500.0, 1.0);
    ASSERT_EQ(t.count(), 3);
    EXPECT_FALSE(t.rows[0].drained);
    EXPECT_FALSE(t.rows[1].drained);
    EXPECT_TRUE(t.rows[2].drained);
    EXPECT_DOUBLE_EQ(t.rows[1].cohesion, 5.0);
    EXPECT_DOUBLE_EQ(t.rows[1].gamma, 0.06);
    EXPECT_DOUBLE_EQ(t.rows[2].phi, 32.0);
}

TEST(Subdivision, AZeroThicknessEndsTheList) {
    std::vector<SoilLayerInput> layers = sand({240.0, 360.0});
    layers.insert(layers.begin() + 1, SoilLayerInput{4, 240.0, -1.0, {}, {}});
    const LayerTable t = subdivide_layers(layers, 120.0, 500.0, 1.0);
    EXPECT_EQ(t.count(), 2);
    EXPECT_DOUBLE_EQ(t.bottom, 240.0);
}

TEST(Subdivision, MoreThanTwentySubLayersOverflow) {
    std::vector<SoilLayerInput> layers;
    for (int j = 1; j <= 19; ++j) layers.push_back(sand({12.0})[0]);
    // 19 layers of 1 ft and two breaks inside them make 21 sub-layers.
    const LayerTable t = subdivide_layers(layers, 30.0, 90.0, 1.0);
    EXPECT_TRUE(t.overflow);
    EXPECT_EQ(t.count(), kMaxSubLayers);
    // Twenty sub-layers exactly fit.
    layers.pop_back();
    EXPECT_FALSE(subdivide_layers(layers, 30.0, 90.0, 1.0).overflow);
    EXPECT_EQ(subdivide_layers(layers, 30.0, 90.0, 1.0).count(), 20);
}

TEST(SoilReport, WallSectionInEnglishUnits) {
    SoilProblem p;
    p.set_wall(360.0, 3.6, 120.0);
    p.s.config.water_depth_backfill = 180.0;
    p.s.config.water_depth_excavation = 150.0;
    p.s.config.backfill_slope = 10.0;
    p.s.gamma_water = 0.036;
    write_wall_section(p.s);
    const std::string expected =
        "\n\n"
        "      **************************************************\n"
        "      WALL INFORMATION\n"
        "      **************************************************\n\n"
        "      FREE HEIGHT OF WALL                    =  0.120E+03 IN\n"
        "      WIDTH FOR EARTH PRESSURE, WA           =  0.120E+02 IN\n"
        "      WIDTH FOR SOIL RESISTANCE, WP          =  0.120E+02 IN\n"
        "      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.180E+03 IN\n"
        "      DEPTH TO THE WATER TABLE AT EXCAVATION =  0.150E+03 IN\n"
        "      UNIT WEIGHT OF WATER                   =  0.360E-01 LBS/IN**3  \n"
        "      SLOPE OF THE BACKFILL (deg.)           =  0.100E+02\n"
        "      MODIFICATION FOR ACTIVE EARTH PRESSURE =  0.100E+01\n\n";
    EXPECT_EQ(p.text(), expected);
}

TEST(SoilReport, SurchargeSectionListsEveryRowByType) {
    SoilProblem p(2);
    p.s.surface.surface_load = 10.0;
    p.s.surcharges = {{1, 50.0, 1.5, 0.0}, {2, 20.0, 2.0, 0.0}, {3, 15.0, 3.0, 2.0}};
    write_surcharge_section(p.s);
    const std::string expected =
        "\n\n"
        "      **************************************************\n"
        "      SURCHARGE INFORMATION\n"
        "      **************************************************\n\n"
        "      UNIFORM SURFACE PRESSURE     = 0.100E+02  KN/ M**2\n\n"
        "      SURCHARGE LOADING NO.        =          1\n"
        "      POINT LOAD                   =  0.500E+02  KN\n"
        "      HORIZONTAL DISTANCE BETWEEN  =  0.150E+01  M\n"
        "      THE WALL AND SURCHARGE\n\n"
        "      SURCHARGE LOADING NO.        =          2\n"
        "      LINE LOAD                    =  0.200E+02  KN/ M\n"
        "      HORIZONTAL DISTANCE BETWEEN  =  0.200E+01  M\n"
        "      THE WALL AND SURCHARGE\n\n"
        "      SURCHARGE LOADING NO.        =          3\n"
        "      STRIP LOAD                   =  0.150E+02  KN/ M**2\n"
        "      WIDTH OF THE STRIP LOAD      =  0.200E+01  M\n"
        "      HORIZONTAL DISTANCE BETWEEN  =  0.300E+01  M\n"
        "      WALL AND MIDDLE OF STRIP WIDTH\n";
    EXPECT_EQ(p.text(), expected);
}

TEST(SoilReport, SoilSectionColumns) {
    SoilProblem p;
    p.add_layer(1, 120.0, 0.0637, 4.5, 0.0);
    p.add_layer(4, 360.0, 0.0694, 0.0, 32.5);
    const LayerTable t = subdivide_layers(p.s.layers, 60.0, 180.0, 1.0);
    write_soil_section(p.s, t);
    const std::vector<std::string> lines = test::lines_of(p.text());
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[6], "              TOTAL                 TOTAL UNIT");
    EXPECT_EQ(lines[7], "      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP");
    EXPECT_EQ(lines[8], "       NO.       IN        PSI   DEG      PCI  T OR F      IN");
    EXPECT_EQ(lines[9], "         1     60.0        4.5   0.0    0.064     F      0.00");
    EXPECT_EQ(lines[10], "         2     60.0        4.5   0.0    0.064     F     60.00");
    EXPECT_EQ(lines[11], "         3     60.0        0.0  32.5    0.069     T    120.00");
    EXPECT_EQ(lines[12], "         4    180.0        0.0  32.5    0.069     T    180.00");
}

TEST(SoilReport, SoilSectionHasNoHeaderInTheUnitFreeSystem) {
    SoilProblem p(3);
    p.add_layer(4, 30.0, 0.07, 0.0, 30.0);
    write_soil_section(p.s, subdivide_layers(p.s.layers, 10.0, 100.0, 1.0));
    const std::vector<std::string> lines = test::lines_of(p.text());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[6], "         1     10.0        0.0  30.0    0.070     T      0.00");
}

}  // namespace
}  // namespace vornel::soil
