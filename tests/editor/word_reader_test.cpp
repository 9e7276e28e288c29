// The word reader's items, line handling and its three messages.
#include "editor/word_reader.h"

#include <gtest/gtest.h>

#include "editor_test_support.h"

#include <random>

namespace vornel {
namespace {

TEST(WordReader, ItemsRunAcrossLines) {
    TWordReader one("T\r\n1 2\t3\r\n");
    TWordReader two("T\r\n1\r\n\r\n 2 \r\n3\r\n");
    for (TWordReader* r : {&one, &two}) {
        EXPECT_EQ(r->readLine(), "T");
        EXPECT_EQ(r->readInteger(), 1);
        EXPECT_EQ(r->readReal(), 2.0);
        EXPECT_EQ(r->readInteger(), 3);
        EXPECT_FALSE(r->readReal().has_value());
        EXPECT_EQ(r->error(), "This file either invalid or incomplete.");
    }
}

TEST(WordReader, ReadLineReturnsTheCurrentLineUntrimmed) {
    TWordReader r("9 extra\n  Title with  blanks \nlast");
    EXPECT_EQ(r.readInteger(), 9);
    EXPECT_EQ(r.readLine(), "9 extra");  // the rest of the marker line is passed over
    EXPECT_EQ(r.readLine(), "  Title with  blanks ");
    EXPECT_EQ(r.readLine(), "last");
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.readLine().has_value());
}

TEST(WordReader, IntegersAndTheirMessages) {
    TWordReader r("1.0 1.5 3e10 x 2");
    EXPECT_EQ(r.readInteger(), 1);
    EXPECT_FALSE(r.readInteger().has_value());
    EXPECT_EQ(r.error(), "Error on Line 1 Item 2\nAn integer was expected but not found.");
    EXPECT_EQ(r.readReal(), 1.5);  // a failed read leaves the item in place
    EXPECT_FALSE(r.readInteger().has_value());
    EXPECT_EQ(r.error(), "Error on Line 1 Item 3\nAn integer was expected but not found.");
    EXPECT_EQ(r.readReal(), 3e10);
    EXPECT_FALSE(r.readReal().has_value());
    EXPECT_EQ(r.error(),
              "Error on Line 1 Item 4\nA floating point number was expected but not found.");
    TWordReader bounded("\n\n  12");
    EXPECT_FALSE(bounded.readInteger(0, 10).has_value());
    EXPECT_EQ(bounded.error(), "Error on Line 3 Item 1\nAn integer was expected but not found.");
}

TEST(WordReader, RefusesWhatIsNotANumber) {
    for (const char* text : {"1,5", "inf", "nan", "0x10", "1D3", "1e", "--1", "."}) {
        TWordReader r(text);
        EXPECT_FALSE(r.readReal().has_value()) << text;
    }
    TWordReader ok("-2.5E-3 +4 .5");
    EXPECT_EQ(ok.readReal(), -2.5e-3);
    EXPECT_EQ(ok.readReal(), 4.0);
    EXPECT_EQ(ok.readReal(), 0.5);
}

TEST(WordReader, GarbageNeverLoops) {
    std::mt19937 rng(3);
    for (int trial = 0; trial < 200; ++trial) {
        QByteArray bytes;
        const int n = static_cast<int>(rng() % 400);
        for (int i = 0; i < n; ++i) bytes.append(static_cast<char>(rng() % 256));
        TWordReader r(bytes);
        int reads = 0;
        while (reads < 1000 && (r.readReal() || r.readLine())) ++reads;
        EXPECT_LT(reads, 1000);
    }
}

}  // namespace
}  // namespace vornel
