// Numbers under a German desktop's locale: the point stays the decimal separator in every
// text the editor reads or writes, and every example saves byte for byte as under "C".
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <clocale>

#include "comma_locale.h"
#include "editor/data_file_writer.h"
#include "editor/expression_evaluator.h"
#include "editor/number_text.h"
#include "editor/project.h"
#include "editor/word_reader.h"
#include "editor_test_support.h"

namespace vornel {
namespace {

TEST(CommaLocale, NumbersKeepTheirPoint) {
    test::CommaLocale de;
    ASSERT_TRUE(de.active()) << test::CommaLocale::kMissing;
    struct Shown {
        double value;
        const char* file;
    } shown[] = {{5.34e9, "5.34E9"},
                 {0.06655093, "0.06655093"},
                 {1e-5, "1E-5"},
                 {-2.5, "-2.5"},
                 {0.17779999999999999, "0.1778"}};
    for (const auto& s : shown) {
        EXPECT_EQ(format_file_real(s.value), s.file);
        EXPECT_EQ(format_field(s.value), s.file);
    }
    EXPECT_EQ(format_general_ld(1.25L, 18), "1.25");
    EXPECT_EQ(format_general(0.1, 17), "0.1");
    double v = 0;
    EXPECT_TRUE(parse_decimal(QStringLiteral("0.06655093"), v));
    EXPECT_EQ(v, 0.06655093);
    EXPECT_FALSE(parse_decimal(QStringLiteral("1,5"), v));
    struct Typed {
        const char* text;
        double value;
    } typed[] = {{"1.5*2", 3.0}, {"(0.5+0.25)*4", 3.0}, {"sqrt(2.25)", 1.5}, {"2.5E-1", 0.25}};
    for (const auto& t : typed) {
        const EvalResult r = evaluate_expression(QString::fromLatin1(t.text));
        EXPECT_TRUE(r.ok) << t.text;
        EXPECT_EQ(r.value, t.value) << t.text;
    }
    EXPECT_FALSE(evaluate_expression(QStringLiteral("1,5")).ok);
    TWordReader w("0.06655093 5.34E9\r\n1.0 1.5\r\n");
    EXPECT_EQ(w.readReal(), 0.06655093);
    EXPECT_EQ(w.readReal(), 5.34e9);
    EXPECT_EQ(w.readInteger(), 1);
    EXPECT_FALSE(w.readInteger());
    EXPECT_EQ(w.error(), "Error on Line 2 Item 2\nAn integer was expected but not found.");
}

// Opens an example and saves it under a new name; returns the saved file.
QByteArray open_and_save(const QString& example) {
    QTemporaryDir work;
    test::RecordingQuestions q;
    Project p(q, work.path());
    const QString copy = work.filePath(QFileInfo(example).fileName());
    test::write_file(copy, test::read_file(example));
    const OpenResult r = p.openFile(copy);
    EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    for (int k = 2; k <= p.data().StageCount; ++k) EXPECT_TRUE(p.switchStage(k));
    if (p.data().StageCount > 1) {
        EXPECT_TRUE(p.switchStage(1));
    }
    EXPECT_TRUE(p.saveAsPath(work.filePath("saved.vn5d")));
    return test::read_file(work.filePath("saved.vn5d"));
}

TEST(CommaLocale, EveryExampleSavesAsUnderC) {
    const QDir dir(test::source_path("examples"));
    const QStringList decks = dir.entryList({"*.vn5d"}, QDir::Files);
    ASSERT_FALSE(decks.isEmpty());
    std::vector<QByteArray> under_c;
    std::setlocale(LC_ALL, "C");
    for (const QString& name : decks) under_c.push_back(open_and_save(dir.filePath(name)));
    test::CommaLocale de;
    ASSERT_TRUE(de.active()) << test::CommaLocale::kMissing;
    for (qsizetype i = 0; i < decks.size(); ++i) {
        const QByteArray saved = open_and_save(dir.filePath(decks[i]));
        EXPECT_TRUE(saved == under_c[static_cast<std::size_t>(i)]) << decks[i].toStdString();
        EXPECT_TRUE(saved == test::read_file(dir.filePath(decks[i]))) << decks[i].toStdString();
    }
}

TEST(CommaLocale, GoldenProjectsWriteAsUnderC) {
    test::CommaLocale de;
    ASSERT_TRUE(de.active()) << test::CommaLocale::kMissing;
    ProjectTables tables;
    TProgramData d(tables);
    test::fill_project(d);
    d.LongTerm = true;
    const QString dir = test::source_path("tests/editor/golden/");
    QString diff = test::compare_golden(dir + "full_project_english.vn5d", write_data_file(d));
    EXPECT_TRUE(diff.isEmpty()) << diff.toStdString();
    d.SetUnits(2);
    d.LongTerm = false;
    d.EarthPressureOption = 1;
    diff = test::compare_golden(dir + "full_project_si.vn5d", write_data_file(d));
    EXPECT_TRUE(diff.isEmpty()) << diff.toStdString();
}

}  // namespace
}  // namespace vornel
