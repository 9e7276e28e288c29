#include "engine/base/free_format_reader.h"

#include <clocale>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/base/run_stop.h"

namespace vornel {
namespace {

TEST(FreeFormatReader, SeparatorsAndExponentLetters) {
    std::ostringstream report;
    FreeFormatReader in("1,\t2   -3.5E2 , 4.25D-1\t\t.5 1. +2 7e1 8d0\n", report);
    in.record("ROW");
    EXPECT_EQ(in.integer(), 1);
    EXPECT_EQ(in.integer(), 2);
    EXPECT_DOUBLE_EQ(in.real(), -350.0);
    EXPECT_DOUBLE_EQ(in.real(), 0.425);
    EXPECT_DOUBLE_EQ(in.real(), 0.5);
    EXPECT_DOUBLE_EQ(in.real(), 1.0);
    EXPECT_EQ(in.integer(), 2);
    EXPECT_DOUBLE_EQ(in.real(), 70.0);
    EXPECT_DOUBLE_EQ(in.real(), 8.0);
    EXPECT_TRUE(report.str().empty());
}

TEST(FreeFormatReader, RecordRunsOnOverLinesAndIgnoresTheRestOfItsLastLine) {
    std::ostringstream report;
    // The first record needs four values: two lines; the 99s after its fourth are ignored.
    FreeFormatReader in("1 2\r\n3 4 99 99\r\n5 6\r\n", report);
    in.record("FIRST");
    EXPECT_EQ(in.integer(), 1);
    EXPECT_EQ(in.integer(), 2);
    EXPECT_EQ(in.integer(), 3);
    EXPECT_EQ(in.integer(), 4);
    in.record("SECOND");
    EXPECT_EQ(in.integer(), 5);
    EXPECT_EQ(in.line_number(), 3);
}

TEST(FreeFormatReader, LinesLoseTheirCarriageReturn) {
    std::ostringstream report;
    FreeFormatReader in("TITLE WITH TRAILING CR\r\n  second line  \n\nlast", report);
    in.record("TITLE");
    EXPECT_EQ(in.line(), "TITLE WITH TRAILING CR");
    EXPECT_EQ(in.line(), "  second line  ");
    EXPECT_EQ(in.line(), "");
    EXPECT_EQ(in.line(), "last");
    EXPECT_TRUE(in.at_end());
    EXPECT_FALSE(in.more_values());
}

// Line feed, carriage return and line feed, carriage return alone, and all three mixed: the
// same lines, the same line numbers; a record still starts on a new line.
TEST(FreeFormatReader, EveryLineEndReadsAlike) {
    for (const char* end : {"\n", "\r\n", "\r", "mixed"}) {
        const std::string e = end;
        const auto eol = [&](int k) {
            return e != "mixed" ? e : k == 0 ? "\r" : k == 1 ? "\n" : "\r\n";
        };
        const std::string text =
            "TITLE" + eol(0) + "1 2" + eol(1) + "3 99" + eol(2) + eol(0) + "4" + eol(1);
        std::ostringstream report;
        FreeFormatReader in(text, report);
        EXPECT_EQ(in.line(), "TITLE") << e;
        in.record("FIRST");
        EXPECT_EQ(in.integer(), 1);
        EXPECT_EQ(in.integer(), 2);
        EXPECT_EQ(in.integer(), 3);
        in.record("SECOND");
        EXPECT_EQ(in.integer(), 4) << e;
        EXPECT_EQ(in.line_number(), 5) << e;
        EXPECT_FALSE(in.more_values());
        EXPECT_TRUE(in.at_end());
    }
}

TEST(FreeFormatReader, IntegerWithZeroFractionIsAccepted) {
    std::ostringstream report;
    FreeFormatReader in("1.0 -2 3E1\n", report);
    in.record("X");
    EXPECT_EQ(in.integer(), 1);
    EXPECT_EQ(in.integer(), -2);
    EXPECT_EQ(in.integer(), 30);
}

// Every read failure writes one line naming the value, the record and the line, and stops.
TEST(FreeFormatReader, ReadErrorsNameRecordAndLine) {
    struct Case {
        const char* text;
        bool integer;
        const char* message;
    } cases[] = {
        {"1.5\n", true, "     ERROR STOP -- MALFORMED INTEGER \"1.5\" IN WALL PROPERTIES, LINE 1"},
        {"\n12x\n", false,
         "     ERROR STOP -- MALFORMED NUMBER \"12x\" IN WALL PROPERTIES, LINE 2"},
        {"1.0-2.0\n", false,
         "     ERROR STOP -- MALFORMED NUMBER \"1.0-2.0\" IN WALL PROPERTIES, LINE 1"},
        {"3e10\n", true,
         "     ERROR STOP -- MALFORMED INTEGER \"3e10\" IN WALL PROPERTIES, LINE 1"},
        {"nan\n", false, "     ERROR STOP -- MALFORMED NUMBER \"nan\" IN WALL PROPERTIES, LINE 1"},
        {"1e999\n", false,
         "     ERROR STOP -- MALFORMED NUMBER \"1e999\" IN WALL PROPERTIES, LINE 1"},
        {"\n\n", false, "     ERROR STOP -- END OF FILE IN WALL PROPERTIES, LINE 2"},
    };
    for (const Case& c : cases) {
        std::ostringstream report;
        FreeFormatReader in(c.text, report);
        in.record("WALL PROPERTIES");
        EXPECT_THROW(c.integer ? (void)in.integer() : (void)in.real(), RunStop) << c.text;
        EXPECT_EQ(report.str(), std::string("\n\n") + c.message + "\n") << c.text;
    }
}

TEST(FreeFormatReader, ScratchFileMessagesNameTheFile) {
    std::ostringstream report;
    FreeFormatReader in("5\n", report, "SOILDATA", true);
    in.record("CURVE COUNT");
    in.integer();
    in.record("CURVE RECORD 1");
    EXPECT_THROW(in.real(), RunStop);
    EXPECT_EQ(report.str(),
              "\n\n     ERROR STOP -- END OF FILE IN CURVE RECORD 1 OF SOILDATA, LINE 1\n");
}

TEST(FreeFormatReader, LenientModeSplitsNumbersRunTogether) {
    std::ostringstream report;
    FreeFormatReader in("    1 -0.123E+02-0.456E-01\n   34 0.100E+01 0.200E+01\n", report, "F",
                        true);
    in.record("P");
    EXPECT_EQ(in.integer(), 1);
    EXPECT_DOUBLE_EQ(in.real(), -12.3);
    EXPECT_DOUBLE_EQ(in.real(), -0.0456);
    in.record("Q");
    EXPECT_EQ(in.integer(), 34);
    EXPECT_DOUBLE_EQ(in.real(), 1.0);
}

TEST(FreeFormatReader, ParseRealEdges) {
    double v = -1.0;
    EXPECT_TRUE(parse_real("1e-400", v));
    EXPECT_EQ(v, 0.0);
    EXPECT_TRUE(parse_real("-1.25D+2", v));
    EXPECT_DOUBLE_EQ(v, -125.0);
    for (const char* bad : {"", "+", "-.", "E5", "1e", "1e+", "inf", "0x10", "1..2"}) {
        EXPECT_FALSE(parse_real(bad, v)) << bad;
    }
}

// The program that loads the engine may set a locale whose decimal separator is a comma; the
// data files keep the point whatever the host's locale.
TEST(FreeFormatReader, HostLocaleDoesNotChangeNumbers) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = name;
            break;
        }
    }
    // `make locale` generates de_DE.UTF-8; without it this check would prove nothing.
    ASSERT_NE(comma, nullptr) << "no locale with a decimal comma on this machine (make locale)";
    double v = -1.0;
    EXPECT_TRUE(parse_real("1.5e-400", v));
    EXPECT_EQ(v, 0.0);
    EXPECT_TRUE(parse_real("2.5", v));
    EXPECT_EQ(v, 2.5);
    std::setlocale(LC_NUMERIC, previous.c_str());
}

}  // namespace
}  // namespace vornel
