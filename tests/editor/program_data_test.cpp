// The project object: defaults, derived codes written to the control line, unit switching.
#include "editor/program_data.h"

#include <gtest/gtest.h>

#include "editor/data_file_reader.h"
#include "editor/data_file_writer.h"
#include "editor_test_support.h"

namespace vornel {
namespace {

QList<QByteArray> lines_of(const QByteArray& file) {
    return file.split('\n');
}

struct Fixture {
    ProjectTables tables;
    TProgramData d{tables};
};

TEST(ProgramData, NewProjectWritesGeneratedPressureAndCurves) {
    Fixture f;
    EXPECT_EQ(f.d.Title, "New Wall");
    EXPECT_EQ(f.d.FileName, "NewWall.vn5d");
    EXPECT_EQ(f.d.MaxDeflection, 100.0);
    EXPECT_EQ(f.d.ClosureTolerance, 0.00001);
    for (TGridTable* t : f.tables.dataTables())
        EXPECT_EQ(t->rowCount(), t->MinRows()) << t->Caption.toStdString();
    const auto lines = lines_of(write_data_file(f.d));
    EXPECT_EQ(lines[0], "New Wall\r");
    // unit, restraints, stiffness rows, p-y modifiers, earth-pressure code 2, p-y code 2,
    // user curves, stage count, EI sets, tiebacks
    EXPECT_EQ(lines[1], "1 0\t1\t0\t2\t2 0 1 0 0\r");
    EXPECT_EQ(lines[2], "0 0\t100\t1E-5\t0\t0\r");
}

TEST(ProgramData, EarthPressureOptionCodes) {
    Fixture f;
    f.d.EarthPressureOption = 1;
    EXPECT_TRUE(lines_of(write_data_file(f.d))[1].startsWith("1 0\t1\t0\t1\t2 "));
    f.d.EarthPressureOption = 3;
    EXPECT_TRUE(lines_of(write_data_file(f.d))[1].startsWith("1 0\t1\t0\t3\t2 "));
    f.d.GeneratePY = 0;
    f.d.UseExternalPY = true;
    f.d.GeneratedPressure = false;
    EXPECT_TRUE(lines_of(write_data_file(f.d))[1].startsWith("1 0\t1\t0\t0\t1 "));
}

TEST(ProgramData, SwitchedOffTablesAreWrittenWithoutRows) {
    Fixture f;
    test::fill_project(f.d);
    f.d.UseConcentratedLoads = false;
    f.d.UseSprings = false;
    f.d.UseEICurves = false;
    const auto lines = lines_of(write_data_file(f.d));
    EXPECT_EQ(lines[1], "1 2\t2\t2\t2\t2 2 1 0 1\r");
    EXPECT_EQ(lines[7], "0\r");  // concentrated loads
    EXPECT_EQ(lines[8], "0\r");  // springs
    EXPECT_EQ(f.tables.BoundCond.rowCount(), 0);
    EXPECT_EQ(f.tables.MEICurves2.rowCount(), 1);  // kept, but not written
}

TEST(ProgramData, LongTermWritesCodeTwoAndReadsBackOptionTwo) {
    Fixture f;
    f.d.LongTerm = true;
    f.d.EarthPressureOption = 3;
    const QByteArray file = write_data_file(f.d);
    const auto lines = lines_of(file);
    EXPECT_TRUE(lines[1].startsWith("1 0\t1\t0\t3\t2 "));
    const qsizetype marker = lines.indexOf("9\r");
    ASSERT_GT(marker, 0);
    EXPECT_TRUE(lines[marker + 2].startsWith("1 0\t1\t0\t2\t2 "));
    EXPECT_EQ(lines[lines.size() - 2], "0\r");
    Fixture g;
    ASSERT_TRUE(read_data_file(file, g.d, DeckLayout::of(DataFormat::V2015)).ok);
    EXPECT_TRUE(g.d.LongTerm);
    EXPECT_EQ(g.d.EarthPressureOption, 2);
}

TEST(ProgramData, UnitsThereAndBack) {
    Fixture f;
    test::fill_project(f.d);
    f.d.LegacySurchargeX = 3.0;
    f.d.LegacyPointLoad = 4.0;
    TProgramData before = f.d;
    f.d.SetUnits(2);
    EXPECT_DOUBLE_EQ(f.d.FreeHeight, 120.0 * 0.0254);
    EXPECT_DOUBLE_EQ(f.d.SurfaceLoad, 2.0 * 0.004448222468060650624 / (0.0254 * 0.0254));
    EXPECT_DOUBLE_EQ(f.d.LegacyPointLoad, 4.0 * 0.004448222468060650624);
    // Surcharge magnitudes follow their load type: point load x c, strip load x c/b^2.
    EXPECT_DOUBLE_EQ(f.tables.SurchargeTable.real(col::kSuMagnitude, 0),
                     2000.0 * 0.004448222468060650624);
    EXPECT_DOUBLE_EQ(f.tables.SurchargeTable.real(col::kSuMagnitude, 1),
                     3.5 * 0.004448222468060650624 / (0.0254 * 0.0254));
    EXPECT_EQ(f.tables.NewSoil.Units(), 2);
    f.d.SetUnits(1);
    const double length_round = 0.0254 * 39.3701;  // 1.000000540...
    for (auto [a, b] : {std::pair{f.d.FreeHeight, before.FreeHeight},
                        std::pair{f.d.IncrementLength, before.IncrementLength},
                        std::pair{f.d.ClosureTolerance, before.ClosureTolerance},
                        std::pair{f.d.WaterDepthBackfill, before.WaterDepthBackfill},
                        std::pair{f.d.LegacySurchargeX, before.LegacySurchargeX}})
        EXPECT_NEAR(a, b * length_round, 1e-12 * std::abs(b));
    const double force_round = 0.004448222468060650624 * 224.8089;
    EXPECT_NEAR(f.d.LegacyPointLoad, 4.0 * force_round, 1e-12);
    EXPECT_NEAR(f.d.SurfaceLoad, 2.0 * force_round / (length_round * length_round), 1e-12);
    // The other system converts nothing.
    f.d.SetUnits(3);
    const double h = f.d.FreeHeight;
    f.d.SetUnits(2);
    EXPECT_EQ(f.d.FreeHeight, h);
    EXPECT_EQ(f.d.UnitSystem, 2);
    f.d.SetUnits(9);
    EXPECT_EQ(f.d.UnitSystem, 3);
}

}  // namespace
}  // namespace vornel
