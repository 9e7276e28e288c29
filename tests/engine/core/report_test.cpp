// Layouts of the report sections and of the plot file's records, column by column.
#include <sstream>

#include <gtest/gtest.h>

#include "engine/base/unit_labels.h"
#include "engine/core/plot_file.h"
#include "engine/core/report_input.h"
#include "engine/core/report_results.h"
#include "engine/core/station_tables.h"
#include "engine/run/report_header.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

EngineState english(std::ostringstream& report) {
    EngineState s = test::state_with_report(report);
    s.control.unit_system = 1;
    set_unit_labels(s);
    return s;
}

TEST(ReportUnits, GroupsKeepTheirLeadingBlanks) {
    std::ostringstream report;
    EngineState s = english(report);
    EXPECT_EQ(units::stiffness(s.units), " LBS-IN**2");
    EXPECT_EQ(units::force_per_length(s.units), " LBS/IN");
    EXPECT_EQ(units::moment(s.units), "LBS-IN");
    EXPECT_EQ(units::couple(s.units), " IN-LBS");
    s.control.unit_system = 2;
    set_unit_labels(s);
    EXPECT_EQ(units::stiffness(s.units), "  KN- M**2");
    EXPECT_EQ(units::force_per_length(s.units), "  KN/ M");
    s.control.unit_system = 3;  // other units keep the labels of the previous problem
    set_unit_labels(s);
    EXPECT_EQ(units::length(s.units), "  M");
    EXPECT_EQ(units::length(UnitLabels{}), "  L");
}

TEST(ReportHeader, DateAndHeadings) {
    EXPECT_EQ(date_time_line(test::fixed_clock()),
              "               Date:  March 09, 2015     Time:  07:05:03");
    std::ostringstream report;
    EngineState s = english(report);
    s.problem = 2;
    s.run_title = "RUN";
    s.title = "OWN";
    s.control.stage_count = 1;
    write_problem_heading(s);
    s.control.stage_count = 4;
    write_problem_heading(s);
    s.problem = 1;
    s.control.stage_count = 0;
    write_problem_heading(s);
    const std::string pad(67, ' ');
    EXPECT_EQ(report.str(), "\n      Long Term :  RUN" + pad + "\n\n      Stage No : 2  RUN" + pad +
                                "\n\n      OWN" + pad + "\n");
}

TEST(ReportInput, ControlParametersAndWallProperties) {
    std::ostringstream report;
    EngineState s = english(report);
    s.control = {1, 2, 3, 0, 2, 2, 12, 1, 0, 1};
    s.wall = {60, 6.0, 12.5, 0.00001, 120.0, 12.0};
    write_control_parameters(s);
    write_wall_properties(s);
    const std::string stars = "      " + std::string(50, '*') + "\n";
    EXPECT_EQ(report.str(),
              "\n\n" + stars + "      *        PROGRAM CONTROL PARAMETERS              *\n" +
                  stars +
                  "\n"
                  "      NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  =  2\n"
                  "      NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      =  3\n"
                  "      GENERATE EARTH PRESSURE INTERNALLY                 =  1\n"
                  "      GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   =  1\n"
                  "      NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES =  0\n"
                  "      NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = 12\n"
                  "      NUMBER OF INCREMENTS                               =  60\n"
                  "      INCREMENT LENGTH                                   =     6.000 IN\n"
                  "      FREE HEIGHT OF WALL                                =   120.000 IN\n"
                  "      MAXIMUM ALLOWABLE DEFLECTION                       =    12.500 IN\n"
                  "      DEFLECTION CLOSURE TOLERANCE                       = 1.000E-05 IN\n");
}

TEST(ReportInput, Restraints) {
    std::ostringstream none;
    EngineState s = english(none);
    write_restraints(s);
    EXPECT_EQ(none.str(), "\n                    \n");

    std::ostringstream report;
    EngineState t = english(report);
    t.restraints = {{1, 0, 0.0, 0.0}, {2, 10, 0.0, -0.5}, {3, 60, 0.25, 0.01}};
    write_restraints(t);
    const std::vector<std::string> lines = test::lines_of(report.str());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[6], "          STA      CASE       DEFLECTION        SLOPE");
    EXPECT_EQ(lines[8], "            0        1         0.000E+00         NONE");
    EXPECT_EQ(lines[9], "           10        2           NONE        -0.500E+00");
    EXPECT_EQ(lines[10], "           60        3         0.250E+00      0.100E-01");
}

// A row that opens a continued range prints its from station and the flag 1; the row that
// closes it prints its to station and the flag 0. Tiebacks print their station twice.
TEST(ReportInput, StiffnessAndLoadRows) {
    std::ostringstream report;
    EngineState s = english(report);
    s.wall.ninc = 60;
    s.wall.h = 6.0;
    s.stiffness_rows = {{RowKind::Stiffness, 0, 1, 2, 1e9, 0, 0, 0, 0, 0},
                        {RowKind::Stiffness, 1, 60, 1, 3e9, 0, 0, 0, 0, 0}};
    s.load_rows = {{RowKind::Load, 0, 0, 1, 0, -0.5, 0, 1200, 0, 300}};
    s.spring_rows = {{RowKind::Tieback, 20, 20, 1, 0, 0, 2.5e4, 0, 0, 0}};
    clear_station_tables(s);
    spread_stiffness(s);
    write_stiffness_and_loads(s);
    const std::vector<std::string> lines = test::lines_of(report.str());
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[10],
              "     FROM TO CONTD     EI         Q        S'        T         R         P");
    EXPECT_EQ(lines[12],
              "                   LBS-IN**2     LBS     LBS/IN    IN-LBS   IN-LBS     LBS");
    EXPECT_EQ(lines[13],
              "        0      1  0.100E+10 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00");
    EXPECT_EQ(lines[14],
              "           60  0  0.300E+10 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00");
    EXPECT_EQ(lines[15],
              "        0   0  0  0.500E+09-0.500E+00 0.000E+00 0.120E+04 0.000E+00 0.300E+03");
    EXPECT_EQ(lines[16],
              "       20  20  0  0.167E+10 0.000E+00 0.250E+05 0.000E+00 0.000E+00 0.000E+00");
}

TEST(ReportInput, UserCurves) {
    std::ostringstream report;
    EngineState s = english(report);
    s.wall.h = 6.0;
    s.wall.free_height = 100.0;
    s.control.py_code = 1;
    UserCurve c;
    c.station = 10;  // above the excavation: stands alone
    c.p_mult = 1.0;
    c.y_mult = 2.0;
    c.y = {-1.0, 1.0};
    c.p = {50.0, -50.0};
    c.y_scaled = {-2.0, 2.0};
    c.p_scaled = {50.0, -50.0};
    s.user_curves = {c, c};
    s.user_curves[1].station = 20;  // below: linked to the next curve
    write_user_curves(s);
    const std::vector<std::string> lines = test::lines_of(report.str());
    ASSERT_EQ(lines.size(), 6u + 2u * 12u);
    EXPECT_EQ(lines[7], "     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ");
    const std::string mults = std::string(5, ' ') + "     0.100E+01" + "     0.200E+01";
    EXPECT_EQ(lines[10], "       10  10  0" + mults + std::string(8, ' ') + "   2");
    EXPECT_EQ(lines[13], std::string(18, ' ') + "    Y    " + std::string(12, ' ') + "   P    ");
    EXPECT_EQ(lines[14], "                     IN                 LBS/IN");
    EXPECT_EQ(lines[15], "                  ---------            --------");
    EXPECT_EQ(lines[16], "                 -0.200E+01           0.500E+02");
    EXPECT_EQ(lines[22], "       20      1" + mults + std::string(10, ' ') + "  2");
}

TEST(ReportResults, OutcomeAndTable) {
    std::ostringstream report;
    EngineState s = english(report);
    s.wall.ninc = 1;
    s.outcome = {100, true, 3, 7, false};
    s.results = {{0.0, -0.5, 0.001, 12345.0, -6.0, 0.0, 2e9}, {6.0, 0.0, 0, 0, 0, 0, 0}};
    write_results(s);
    EXPECT_EQ(report.str(),
              "\n\n     RESULTS -- ITERATION100\n     --------------------\n"
              "\n     ***** DEFLECTION OFF Q - W CURVES *****\n"
              "\n     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***   3  *** STATIONS *****\n"
              "\n     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n"
              "\n   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA"
              "    EI \n"
              "             IN          IN                   LBS-IN        LBS         LBS"
              "       LBS-IN**2\n"
              "   ------    ----        ----       -----      ------      ------    ---------    "
              "----------\n"
              "     0   0.000E+00  -0.500E+00   0.100E-02   0.123E+05  -0.600E+01   0.000E+00   "
              "0.200E+10\n"
              "     1   0.600E+01   0.000E+00   0.000E+00   0.000E+00   0.000E+00   0.000E+00   "
              "0.000E+00\n");
}

TEST(PlotFile, PressureRecordsAndCurveHeaders) {
    std::ostringstream report;
    EngineState s = english(report);
    s.wall.h = 6.0;
    s.control.earth_pressure_code = 1;
    s.pressure = {{0.0, 2.5, 0.0, 2.5}, {120.0, -10.0, -10.0, 0.0}};
    plot_pressure_section(s);
    s.control.py_code = 2;
    s.generated_curves = {{126.0, 21, std::vector<double>(33, 0.5), std::vector<double>(33, -2.0)}};
    plot_curve_section(s);
    const std::vector<std::string> lines = test::lines_of(s.plot.text);
    ASSERT_EQ(lines.size(), 3u + 2u + 33u);
    EXPECT_EQ(lines[0], " 2");
    EXPECT_EQ(lines[1], "   0.000E+00   0.250E+01   0.100E-06   0.250E+01");  // soil 0 as 1.0E-7
    EXPECT_EQ(lines[2], "   0.120E+03  -0.100E+02  -0.100E+02   0.000E+00");
    EXPECT_EQ(lines[3], " 1 1");
    EXPECT_EQ(lines[4], "     126.00    33");
    EXPECT_EQ(lines[5], "  0.5000000E+00 -0.2000000E+01");

    // With user curves every curve is labelled by its station, generated ones included.
    EngineState t = english(report);
    t.wall.h = 6.0;
    t.user_curves = {{7, 1.0, 1.0, {0.0, 1.0}, {0.0, -3.0}, {0.0, 1.0}, {0.0, -3.0}}};
    t.generated_curves = s.generated_curves;
    plot_curve_section(t);
    const std::vector<std::string> u = test::lines_of(t.plot.text);
    ASSERT_EQ(u.size(), 1u + 3u + 34u);
    EXPECT_EQ(u[0], " 1 2");
    EXPECT_EQ(u[1], " 7 2");
    EXPECT_EQ(u[4], " 21 33");
}

TEST(PlotFile, ResultsRows) {
    std::ostringstream report;
    EngineState s = english(report);
    s.result_kind = 3;
    s.results = {{0.0, 0.25, 0, -1500.0, 12.0, 0.001, 0}};
    s.results_valid = true;
    plot_results_block(s);
    EXPECT_EQ(s.plot.text,
              " 3 1 1\n    0.0000E+00    0.2500E+00   -0.1500E+04    0.1200E+02    0.1000E-02\n");
}

}  // namespace
}  // namespace vornel
