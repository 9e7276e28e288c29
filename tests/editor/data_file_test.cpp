// Writing and reading data files: golden layout, round trips, unit conversion between table
// and file, the older formats, and files that stop early or hold garbage.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "editor/data_file_reader.h"
#include "editor/data_file_writer.h"
#include "editor/project.h"
#include "editor_test_support.h"

namespace vornel {
namespace {

struct Fixture {
    ProjectTables tables;
    TProgramData d{tables};
};

QByteArray reread(const QByteArray& file,
                  const DeckLayout& layout = DeckLayout::of(DataFormat::V2015)) {
    Fixture g;
    const ReadOutcome r = read_data_file(file, g.d, layout);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    return write_data_file(g.d);
}

TEST(DataFile, GoldenLayoutEnglishAndSI) {
    Fixture f;
    test::fill_project(f.d);
    f.d.LongTerm = true;
    const QString dir = test::source_path("tests/editor/golden/");
    QString diff = test::compare_golden(dir + "full_project_english.vn5d", write_data_file(f.d));
    EXPECT_TRUE(diff.isEmpty()) << diff.toStdString();
    f.d.SetUnits(2);
    f.d.LongTerm = false;
    f.d.EarthPressureOption = 1;
    diff = test::compare_golden(dir + "full_project_si.vn5d", write_data_file(f.d));
    EXPECT_TRUE(diff.isEmpty()) << diff.toStdString();
}

TEST(DataFile, GoldenComparatorReportsDifferences) {
    QDir().mkpath(QDir::tempPath() + "/vornel_golden");
    const QString path = QDir::tempPath() + "/vornel_golden/g.txt";
    test::write_file(path, "a\r\nb\r\n");
    if (qEnvironmentVariableIntValue("UPDATE_GOLDEN") == 1) GTEST_SKIP();
    EXPECT_EQ(test::compare_golden(path, "a\r\nb\r\n"), "");
    EXPECT_EQ(test::compare_golden(path, "a\r\nc\r\n"),
              "line 2 differs:\n  expected: b\r\n  actual:   c\r");
    EXPECT_EQ(test::read_file(path + ".actual"), "a\r\nc\r\n");
    EXPECT_EQ(test::compare_golden(path, "a\r\nb\r\nx\r\n"),
              "line count differs: expected 2, actual 3");
}

TEST(DataFile, RoundTripsAreByteForByte) {
    for (int units = 1; units <= 3; ++units) {
        for (int option = 1; option <= 3; ++option) {
            Fixture f;
            test::fill_project(f.d);
            f.d.SetUnits(units);
            f.d.EarthPressureOption = option;
            f.d.LongTerm = option != 3;
            const QByteArray a = write_data_file(f.d);
            EXPECT_EQ(reread(a), a) << "units " << units << " option " << option;
        }
    }
    Fixture fresh;
    const QByteArray a = write_data_file(fresh.d);
    EXPECT_EQ(reread(a), a);
}

TEST(DataFile, RandomProjectsRoundTrip) {
    std::mt19937 rng(2015);
    std::uniform_real_distribution<double> v(-1e6, 1e6);
    for (int trial = 0; trial < 40; ++trial) {
        Fixture f;
        test::fill_project(f.d);
        f.d.SetUnits(1 + static_cast<int>(rng() % 3));
        for (TGridTable* t : f.tables.dataTables())
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    if (t->column(c).type == ColumnType::Real) t->setReal(c, r, v(rng));
        f.d.IncrementLength = std::abs(v(rng));
        f.d.BackfillSlope = v(rng) / 1e5;
        f.d.UseSprings = rng() % 2;
        f.d.UseEICurves = rng() % 2;
        const QByteArray a = write_data_file(f.d);
        EXPECT_EQ(reread(a), a) << trial;
    }
}

TEST(DataFile, EnglishValuesConvertBetweenTableAndFile) {
    Fixture f;
    test::fill_project(f.d);
    f.d.EarthPressureOption = 1;
    f.d.LongTerm = true;  // the long-term problem carries the soil layers
    const QByteArray file = write_data_file(f.d);
    EXPECT_TRUE(file.contains("\r\n0\t1\t1\r\n150\t0.5\t1\r\n"));  // p-y modifier 12.5 ft
    EXPECT_TRUE(file.contains("\r\n2\r\n0\t0\r\n120\t10\r\n"));    // 10 ft, 120 lbs/ft
    Fixture g;
    ASSERT_TRUE(read_data_file(file, g.d, DeckLayout::of(DataFormat::V2015)).ok);
    EXPECT_DOUBLE_EQ(g.tables.PYMod.real(col::kPmDepth, 1), 12.5);
    EXPECT_DOUBLE_EQ(g.tables.DistLoad.real(col::kDlLoad, 1), 120.0);
    const TGridTable* clay = g.tables.LongSoil.subTable(col::kSlParameters, 0);
    ASSERT_NE(clay, nullptr);
    EXPECT_EQ(clay->Caption, "Clay");
    EXPECT_DOUBLE_EQ(g.tables.LongSoil.real(col::kSlDepth, 1), 5.0);
    // 50 lbs/ft^3 is written as 50/1728 with 8 significant digits and comes back within
    // that rounding (half a unit in the eighth digit: at most 5e-8 relative).
    EXPECT_NEAR(clay->real(0, 0), 50.0, 50.0 * 5e-8);
    EXPECT_NEAR(clay->real(1, 1), 50.75, 50.75 * 5e-8);  // cohesion in lbs/ft^2
    EXPECT_TRUE(g.d.UseTiebacks && g.d.UseSprings && g.d.UseSurcharge && g.d.UseRestraints);
    EXPECT_EQ(g.tables.TiebackTable1.real(col::kTbSpacing, 0), 9.0);  // as the table shows it
}

// Without generated pressure or curves the wall width is written only after the free height;
// reading it back there keeps it (and the tieback stiffness that depends on it).
TEST(DataFile, WallWidthSurvivesWithoutTheConfigurationRecord) {
    Fixture f;
    f.d.GeneratePY = 0;
    f.d.ActiveWidth = 12.0;
    const QByteArray a = write_data_file(f.d);
    EXPECT_TRUE(a.contains("\r\n0 0\t100\t1E-5\t0\t12\r\n"));
    Fixture g;
    ASSERT_TRUE(read_data_file(a, g.d, DeckLayout::of(DataFormat::V2015)).ok);
    EXPECT_EQ(g.d.ActiveWidth, 12.0);
    EXPECT_EQ(write_data_file(g.d), a);
}

TEST(DataFile, RecordSplitOverTwoLinesReadsTheSame) {
    Fixture f;
    test::fill_project(f.d);
    const QByteArray a = write_data_file(f.d);
    QByteArray split = a;
    split.replace("40 6\t100\t1E-5\t120\t12\r\n", "40 6\t100\r\n1E-5\t120\t12\r\n");
    split.replace("1 2\t2\t2\t2\t2 2 1 1 1", "1 2\t2\r\n\t2\t2\t2 2\r\n1 1 1");
    ASSERT_NE(split, a);
    EXPECT_EQ(reread(split), a);
}

TEST(DataFile, FileStoppingInATableKeepsWhatWasRead) {
    Fixture f;
    test::fill_project(f.d);
    const QByteArray a = write_data_file(f.d);
    const qsizetype cut = a.indexOf("4 120\r\n");  // in the middle of the soil layers
    ASSERT_GT(cut, 0);
    Fixture g;
    const ReadOutcome r = read_data_file(a.left(cut), g.d, DeckLayout::of(DataFormat::V2015));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "This file either invalid or incomplete.");
    EXPECT_EQ(g.tables.NewSoil.rowCount(), 5);  // the announced count
    EXPECT_EQ(g.tables.NewSoil.item(col::kSlType, 0), 1);
    EXPECT_EQ(g.tables.NewSoil.real(col::kSlDepth, 0), 5.0);
    EXPECT_EQ(g.tables.NewSoil.real(col::kSlDepth, 1), 0.0);  // not reached: default
    EXPECT_EQ(g.d.FreeHeight, 120.0);
    EXPECT_EQ(g.tables.SurchargeTable.rowCount(), 2);
}

TEST(DataFile, CountsBeyondATableAreRefused) {
    Fixture f;
    const QByteArray a = write_data_file(f.d);
    QByteArray bad = a;
    bad.replace("0\t1\t1\t0\r\n0\r\n", "0\t1\t1\t0\r\n21\r\n");  // 21 concentrated loads
    Fixture g;
    ReadOutcome r = read_data_file(bad, g.d, DeckLayout::of(DataFormat::V2015));
    EXPECT_EQ(r.error, "Error on Line 5 Item 1\nAn integer was expected but not found.");
    bad = a;
    bad.replace("1 0\t1\t0\t2\t2 0 1 0 0", "1 0\t1\t0\t2\t2 0 1 0 2000000000");
    r = read_data_file(bad, g.d, DeckLayout::of(DataFormat::V2015));
    EXPECT_EQ(r.error, "Error on Line 2 Item 10\nAn integer was expected but not found.");
    bad = a;
    bad.replace("\r\n1 0\r\n", "\r\n8 0\r\n");  // soil type 8
    r = read_data_file(bad, g.d, DeckLayout::of(DataFormat::V2015));
    EXPECT_EQ(r.error, "Error on Line 11 Item 1\nAn integer was expected but not found.");
}

TEST(DataFile, GarbageNeverCrashes) {
    Fixture f;
    test::fill_project(f.d);
    const QByteArray good = write_data_file(f.d);
    std::mt19937 rng(77);
    for (int trial = 0; trial < 300; ++trial) {
        QByteArray bytes = good;
        const int edits = 1 + static_cast<int>(rng() % 8);
        for (int e = 0; e < edits; ++e) {
            const auto at = static_cast<qsizetype>(rng() % static_cast<unsigned>(bytes.size()));
            switch (rng() % 3) {
                case 0:
                    bytes[at] = static_cast<char>(rng() % 256);
                    break;
                case 1:
                    bytes.truncate(at);
                    break;
                default:
                    bytes.insert(at, QByteArray::number(static_cast<int>(rng() % 100000)));
            }
            if (bytes.isEmpty()) break;
        }
        Fixture g;
        const ReadOutcome r = read_data_file(bytes, g.d, DeckLayout::of(DataFormat::V2015));
        if (!r.ok) {
            EXPECT_FALSE(r.error.isEmpty());
        }
        write_data_file(g.d);  // whatever was read can be written
    }
}

TEST(DataFile, Format2013) {
    Fixture f;
    const QByteArray file =
        test::read_file(test::source_path("tests/data/editor/cantilever_2013.vn4d"));
    ASSERT_TRUE(read_data_file(file, f.d, DeckLayout::of(DataFormat::V2013)).ok);
    EXPECT_EQ(f.d.Title, "Cantilever wall 2013");
    EXPECT_EQ(f.d.ActiveFactor, 1.0);  // 0.036 in the file
    EXPECT_EQ(f.d.ActiveWidth, 12.0);
    EXPECT_EQ(f.d.FreeHeight, 120.0);
    ASSERT_EQ(f.tables.SurchargeTable.rowCount(), 1);
    EXPECT_EQ(f.tables.SurchargeTable.item(col::kSuType, 0), 2);
    EXPECT_EQ(f.tables.SurchargeTable.real(col::kSuDistance, 0), 24.0);
    EXPECT_TRUE(f.d.UseSurcharge);
    EXPECT_EQ(f.tables.NewSoil.item(col::kSlType, 0), kSand);
    EXPECT_EQ(f.tables.NewSoil.real(col::kSlDepth, 0), 20.0);
    const TGridTable* sand = f.tables.NewSoil.subTable(col::kSlParameters, 0);
    EXPECT_NEAR(sand->real(0, 0), 120.0, 1e-5);
    EXPECT_EQ(sand->real(1, 1), 32.0);
    EXPECT_EQ(f.d.EarthPressureOption, 2);
    EXPECT_EQ(f.d.GeneratePY, 1);
    EXPECT_EQ(f.tables.TiebackTable1.rowCount(), 1);  // filled to its minimum
}

TEST(DataFile, Format30SingleSurcharge) {
    const QByteArray file =
        test::read_file(test::source_path("tests/data/editor/single_surcharge_30.vnd"));
    Fixture f;
    ASSERT_TRUE(read_data_file(file, f.d, DeckLayout::of(DataFormat::V30)).ok);
    EXPECT_EQ(f.d.UnitSystem, 2);
    EXPECT_TRUE(f.d.UseSurcharge);
    const TGridTable& s = f.tables.SurchargeTable;
    ASSERT_EQ(s.rowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(s.item(col::kSuType, r), r + 1);
        EXPECT_EQ(s.real(col::kSuMagnitude, r), 5.0 + r);
        EXPECT_EQ(s.real(col::kSuDistance, r), 2.0);
        EXPECT_EQ(s.real(col::kSuWidth, r), 0.5);
    }
    ASSERT_EQ(f.tables.PYCurves2.rowCount(), 1);
    EXPECT_EQ(f.tables.PYCurves2.item(col::kPyNode, 0), 10);
    EXPECT_EQ(f.tables.PYCurves2.real(col::kPyPMult, 0), 1.0);
    EXPECT_EQ(f.tables.PYCurves2.subTable(col::kPyPoints, 0)->real(col::kPyResistance, 1), -50.0);
    EXPECT_EQ(f.tables.NewSoil.subTable(col::kSlParameters, 0)->real(1, 0), 60.0);

    QByteArray no_distance = file;
    no_distance.replace("10\t2\t5\t6\t7\t0.5", "10\t0\t5\t6\t7\t0.5");
    Fixture g;
    ASSERT_TRUE(read_data_file(no_distance, g.d, DeckLayout::of(DataFormat::V30)).ok);
    EXPECT_FALSE(g.d.UseSurcharge);
    EXPECT_EQ(g.tables.SurchargeTable.rowCount(), 1);  // only the minimum default row
    EXPECT_EQ(g.tables.SurchargeTable.real(col::kSuMagnitude, 0), 0.0);
    // The legacy values are written back unchanged, the table with no rows.
    EXPECT_TRUE(write_data_file(g.d).contains("\r\n10\t0\t5\t6\t7\t0.5\r\n0\r\n"));
}

TEST(DataFile, Format20SoilLayout) {
    const QByteArray file =
        test::read_file(test::source_path("tests/data/editor/two_layers_20.vnd"));
    Fixture f;
    ASSERT_TRUE(read_data_file(file, f.d, DeckLayout::of(DataFormat::V20)).ok);
    const TGridTable& layers = f.tables.NewSoil;
    ASSERT_EQ(layers.rowCount(), 2);
    EXPECT_EQ(layers.real(col::kSlDepth, 0), 10.0);
    EXPECT_EQ(layers.real(col::kSlDepth, 1), 18.0);  // running sum of thicknesses
    const TGridTable* sand = layers.subTable(col::kSlParameters, 0);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(sand->real(0, row), 110.0);  // the 2.0 layout holds table units
        EXPECT_EQ(sand->real(1, row), 35.0);
        EXPECT_EQ(sand->real(2, row), 50.0);
    }
    const TGridTable* clay = layers.subTable(col::kSlParameters, 1);
    EXPECT_EQ(clay->Caption, "Clay");
    EXPECT_EQ(clay->real(1, 1), 400.0);
    EXPECT_EQ(clay->real(2, 0), 0.01);
    EXPECT_EQ(clay->real(3, 1), 100.0);
    EXPECT_EQ(f.d.StageCount, 1);
    EXPECT_FALSE(f.d.LongTerm);
}

QString first_difference(const QByteArray& a, const QByteArray& b) {
    const QList<QByteArray> la = a.split('\n'), lb = b.split('\n');
    for (qsizetype i = 0; i < std::min(la.size(), lb.size()); ++i)
        if (la[i] != lb[i])
            return QStringLiteral("line %1 reads \"%2\", the editor writes \"%3\"")
                .arg(i + 1)
                .arg(QString::fromLatin1(la[i]), QString::fromLatin1(lb[i]));
    return la.size() == lb.size() ? QString() : QStringLiteral("the line counts differ");
}

// Every example deck is opened and saved through the project's Open and Save, each stage of a
// staged deck rewritten by the writer on the way, and must come back byte for byte.
TEST(DataFile, ExampleDecksRoundTrip) {
    QDir dir(test::source_path("examples"));
    const QStringList decks = dir.entryList({"*.vn5d"}, QDir::Files);
    if (decks.isEmpty()) GTEST_SKIP() << "no example decks";
    for (const QString& name : decks) {
        QTemporaryDir work;
        test::RecordingQuestions q;
        Project p(q, work.path());
        const QByteArray a = test::read_file(dir.filePath(name));
        test::write_file(work.filePath(name), a);
        const OpenResult r = p.openFile(work.filePath(name));
        EXPECT_TRUE(r.error.isEmpty()) << name.toStdString() << ": " << r.error.toStdString();
        for (int k = 2; k <= p.data().StageCount; ++k) ASSERT_TRUE(p.switchStage(k));
        if (p.data().StageCount > 1) {
            ASSERT_TRUE(p.switchStage(1));
        }
        ASSERT_TRUE(p.saveAsPath(work.filePath("rewritten.vn5d")));
        const QByteArray b = test::read_file(work.filePath("rewritten.vn5d"));
        const QString diff = first_difference(a, b);
        EXPECT_TRUE(diff.isEmpty())
            << name.toStdString() << " is not in the editor's layout: " << diff.toStdString();
    }
}

}  // namespace
}  // namespace vornel
