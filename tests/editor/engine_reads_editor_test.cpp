// The engine reads what the editor writes: projects built in the editor's model are saved,
// analysed by the engine library, and compared with the same model written by hand in a
// different but valid free format, and with closed-form beam results.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "editor/data_file_writer.h"
#include "editor/project.h"
#include "editor_test_support.h"
#include "engine/run/entry.h"

namespace vornel {
namespace {

EngineState analyse(const QString& deck_path) {
    const std::filesystem::path in = deck_path.toStdString();
    RunRequest r;
    r.version = "2015.5.7";
    r.input = in;
    r.report = std::filesystem::path(in).replace_extension(".vn5o");
    r.plot = std::filesystem::path(in).replace_extension(".vn5p");
    r.monitor = std::filesystem::path(in).replace_extension(".vn5r");
    r.scratch_dir = in.parent_path();
    return run_analysis(r);
}

void expect_same_results(const EngineState& a, const EngineState& b) {
    ASSERT_TRUE(a.results_valid);
    ASSERT_TRUE(b.results_valid);
    ASSERT_EQ(a.results.size(), b.results.size());
    for (size_t i = 0; i < a.results.size(); ++i) {
        EXPECT_DOUBLE_EQ(a.results[i].deflection, b.results[i].deflection) << i;
        EXPECT_DOUBLE_EQ(a.results[i].moment, b.results[i].moment) << i;
        EXPECT_DOUBLE_EQ(a.results[i].shear, b.results[i].shear) << i;
    }
}

// A cantilever fixed at its toe with a load at its top, no soil: English units.
void cantilever(TProgramData& d) {
    d.Title = "Cantilever, tip load";
    d.Increments = 40;
    d.IncrementLength = 6.0;  // in: the wall is 240 in long
    d.ClosureTolerance = 1e-8;
    d.GeneratePY = 0;  // no soil: earth-pressure code 0, p-y code 0
    d.UseRestraints = d.UseConcentratedLoads = true;
    ProjectTables& t = d.tables();
    t.PileSect.setInteger(col::kPsTo, 0, 40);
    t.PileSect.setReal(col::kPsEI, 0, 3.6e10);  // lbs-in^2
    t.SoilLayer.setRowCount(2);
    t.SoilLayer.setInteger(col::kRsNode, 0, 40);
    t.SoilLayer.setItem(col::kRsCase, 1, 2);
    t.SoilLayer.setInteger(col::kRsNode, 1, 40);
    t.BoundCond.setInteger(col::kClTo, 0, 0);
    t.BoundCond.setReal(col::kClLoad, 0, 1000.0);  // lbs
}

TEST(EngineReadsEditor, CantileverAgreesWithHandWrittenDeckAndClosedForm) {
    QTemporaryDir dir;
    test::RecordingQuestions q;
    Project p(q, dir.path());
    cantilever(p.data());
    ASSERT_TRUE(p.saveAsPath(dir.filePath("editor.vn5d")));
    // The same model as an engineer might type it: commas, runs of blanks, split records.
    test::write_file(dir.filePath("hand.vn5d"),
                     "Cantilever, tip load\r\n"
                     "1, 2, 1, 0, 0, 0, 0, 1, 0, 0\r\n"
                     "40   6.0  100.0\r\n 1.0E-8 0 0\r\n"
                     "1 40 0 0\r\n2 40 0.0 0.0\r\n"
                     "0 40 1 36000000000\r\n"
                     "1\r\n1 0 0 1000 0 0\r\n"
                     "0\r\n0\r\n");
    const EngineState editor = analyse(dir.filePath("editor.vn5d"));
    const EngineState hand = analyse(dir.filePath("hand.vn5d"));
    ASSERT_FALSE(editor.error_stop) << editor.stop_reason;
    expect_same_results(editor, hand);
    // Tip deflection P L^3 / (3 EI) and fixed-end moment P L.
    const double tip = 1000.0 * 240.0 * 240.0 * 240.0 / (3.0 * 3.6e10);
    EXPECT_NEAR(std::abs(editor.results.front().deflection), tip, 0.01 * tip);
    EXPECT_NEAR(std::abs(editor.results[40].moment), 1000.0 * 240.0, 0.01 * 240000.0);
}

TEST(EngineReadsEditor, SIProjectWithTiebackSpringsAndLongTerm) {
    QTemporaryDir dir;
    test::RecordingQuestions q;
    Project p(q, dir.path());
    TProgramData& d = p.data();
    cantilever(d);
    d.SetUnits(2);
    d.UseTiebacks = d.UseSprings = true;
    d.LongTerm = true;
    d.ActiveWidth = 1.0;  // m: the width of wall each tieback holds is spacing / width
    ProjectTables& t = d.tables();
    t.SoilLayer.setRowCount(1);  // pinned toe, held at the top by a tieback and a spring
    t.TiebackTable1.setReal(col::kTbDepth, 0, 1.5);      // m
    t.TiebackTable1.setReal(col::kTbArea, 0, 0.0006);    // m^2
    t.TiebackTable1.setReal(col::kTbModulus, 0, 2.0e8);  // kPa
    t.TiebackTable1.setReal(col::kTbLength, 0, 6.0);
    t.TiebackTable1.setReal(col::kTbAngle, 0, 15.0);
    t.TiebackTable1.setReal(col::kTbSpacing, 0, 2.5);
    t.SoilStrength.setInteger(col::kSpFrom, 0, 20);
    t.SoilStrength.setInteger(col::kSpTo, 0, 20);
    t.SoilStrength.setReal(col::kSpLateral, 0, 800.0);  // kN/m
    ASSERT_TRUE(p.saveAsPath(dir.filePath("editor.vn5d")));
    const QByteArray file = test::read_file(dir.filePath("editor.vn5d"));
    ASSERT_TRUE(file.contains("\r\n9\r\n"));
    const EngineState editor = analyse(dir.filePath("editor.vn5d"));
    ASSERT_FALSE(editor.error_stop) << editor.stop_reason;
    EXPECT_EQ(editor.summaries.size(), 2u);  // short term and long term
    EXPECT_EQ(editor.result_kind, 2);
    EXPECT_EQ(editor.tiebacks.size(), 1u);
    // The same deck with every value on its own line reads the same.
    QByteArray hand = file;
    hand.replace('\t', "\r\n");
    test::write_file(dir.filePath("hand.vn5d"), hand);
    expect_same_results(editor, analyse(dir.filePath("hand.vn5d")));
}

TEST(EngineReadsEditor, StagedProjectRunsEveryStage) {
    QTemporaryDir dir;
    test::RecordingQuestions q;
    Project p(q, dir.path());
    cantilever(p.data());
    ASSERT_TRUE(p.saveAsPath(dir.filePath("staged.vn5d")));
    ASSERT_TRUE(p.applyStageCount(3));
    ASSERT_TRUE(p.switchStage(2));
    p.tables().BoundCond.setReal(col::kClLoad, 0, 2000.0);
    ASSERT_TRUE(p.save());
    const EngineState s = analyse(dir.filePath("staged.vn5d"));
    ASSERT_FALSE(s.error_stop) << s.stop_reason;
    ASSERT_EQ(s.summaries.size(), 3u);
    EXPECT_EQ(s.result_kind, 3);
    // The second stage carries twice the load of the others.
    EXPECT_NEAR(s.summaries[1].max_moment, 2.0 * s.summaries[0].max_moment,
                1e-9 * std::abs(s.summaries[0].max_moment));
    EXPECT_DOUBLE_EQ(s.summaries[2].max_moment, s.summaries[0].max_moment);
}

}  // namespace
}  // namespace vornel
