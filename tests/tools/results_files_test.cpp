// vornel-run --results csv|json: the files are read back and compared with the report's
// columns, value by value, in the report's own format.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "engine/base/fixed_format.h"
#include "tools/results_export.h"

namespace {

QString example(const char* name) {
    return QStringLiteral(VORNEL_SOURCE_DIR "/examples/") + name;
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int run(const QStringList& args, QString* out = nullptr) {
    QProcess p;
    p.start(QStringLiteral(VORNEL_RUN), args);
    p.waitForFinished(60000);
    if (out) *out = QString::fromUtf8(p.readAllStandardOutput());
    return p.exitCode();
}

// The results tables of the report, one per problem: per station the seven numbers after
// the station number (depth, deflection, slope, moment, shear, net reaction, EI).
std::vector<std::vector<QStringList>> report_tables(const QByteArray& report) {
    std::vector<std::vector<QStringList>> tables;
    const QList<QByteArray> lines = report.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].contains("RESULTS -- ITERATION")) continue;
        tables.emplace_back();
        qsizetype k = i + 1;
        while (k < lines.size() && !lines[k].contains("STA I")) ++k;
        for (k += 3; k < lines.size(); ++k) {  // past the units and the dashes
            const QStringList items = QString::fromLatin1(lines[k]).split(' ', Qt::SkipEmptyParts);
            if (items.size() != 8) break;
            tables.back().push_back(items);
        }
    }
    return tables;
}

QString as_report(double v) {
    return QString::fromStdString(vornel::fmt::e(v, 12, 3)).trimmed();
}

class ResultsFiles : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString out(const QString& name) const { return dir.filePath(name); }
    void analyse(const char* deck, int status = 0) {
        ASSERT_EQ(
            run({"--results", "csv", "--results", "json", "--out", dir.path(), example(deck)}),
            status);
    }
};

TEST_F(ResultsFiles, CsvMatchesTheReportColumns) {
    analyse("two_stage.vn5d");
    const auto tables = report_tables(read(out("two_stage.vn5o")));
    ASSERT_EQ(tables.size(), 2u);
    const QList<QByteArray> rows = read(out("two_stage.csv")).split('\n');
    EXPECT_EQ(rows.front(),
              "problem,station,depth (IN),deflection (IN),slope (RAD),moment (LBS-IN),shear "
              "(LBS),net reaction (LBS),EI (LBS-IN**2)");
    std::size_t checked = 0;
    for (qsizetype i = 1; i < rows.size() && !rows[i].isEmpty(); ++i) {
        const QList<QByteArray> v = rows[i].split(',');
        ASSERT_EQ(v.size(), 9) << rows[i].constData();
        const std::size_t problem = v[0].toUInt() - 1, station = v[1].toUInt();
        ASSERT_LT(problem, tables.size());
        ASSERT_LT(station, tables[problem].size());
        const QStringList& report = tables[problem][station];
        EXPECT_EQ(report[0].toUInt(), station);
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(as_report(v[2 + c].toDouble()), report[1 + c])
                << "problem " << problem + 1 << " station " << station << " column " << c;
        ++checked;
    }
    EXPECT_EQ(checked, tables[0].size() + tables[1].size());
}

TEST_F(ResultsFiles, JsonMatchesTheReport) {
    analyse("cantilever_user_py.vn5d");
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(read(out("cantilever_user_py.json")), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray problems = doc.object()["problems"].toArray();
    ASSERT_EQ(problems.size(), 1);
    const QJsonObject p = problems[0].toObject();
    EXPECT_EQ(p["title"].toString(),
              "CANTILEVER SHEET-PILE WALL, 10 FT EXCAVATION IN SAND, USER P-Y CURVES");
    EXPECT_EQ(p["kind"].toString(), "single");
    EXPECT_EQ(p["unit_system"].toInt(), 1);
    EXPECT_EQ(p["units"].toObject()["moment"].toString(), "LBS-IN");
    EXPECT_EQ(p["units"].toObject()["ei"].toString(), "LBS-IN**2");
    EXPECT_EQ(p["iterations"].toInt(), 5);
    EXPECT_TRUE(p["converged"].toBool());
    EXPECT_TRUE(p["warnings"].toArray().isEmpty());

    const QByteArray report = read(out("cantilever_user_py.vn5o"));
    EXPECT_TRUE(report.contains("RESULTS -- ITERATION  5"));
    const auto tables = report_tables(report);
    ASSERT_EQ(tables.size(), 1u);
    const QJsonArray stations = p["stations"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(stations.size()), tables[0].size());
    const char* keys[] = {"depth", "deflection", "slope", "moment", "shear", "reaction", "ei"};
    double largest_moment = 0.0, at = 0.0;
    for (qsizetype k = 0; k < stations.size(); ++k) {
        const QJsonObject s = stations[k].toObject();
        EXPECT_EQ(s["station"].toInt(), k);
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(as_report(s[keys[c]].toDouble()), tables[0][k][1 + c])
                << "station " << k << " " << keys[c];
        if (std::abs(s["moment"].toDouble()) > std::abs(largest_moment)) {
            largest_moment = s["moment"].toDouble();
            at = s["depth"].toDouble();
        }
    }
    const QJsonObject moment = p["maxima"].toObject()["moment"].toObject();
    EXPECT_EQ(moment["value"].toDouble(), largest_moment);
    EXPECT_EQ(moment["depth"].toDouble(), at);
    // The summary prints the same maximum.
    QString summary;
    run({"--out", dir.path(), example("cantilever_user_py.vn5d")}, &summary);
    EXPECT_TRUE(summary.contains("max moment    " +
                                 QString::fromStdString(vornel::fmt::es(largest_moment, 11, 3))));

    // The earth-pressure table: the user's three points, as the report lists them.
    const QJsonArray pressure = p["earth_pressure"].toArray();
    ASSERT_EQ(pressure.size(), 3);
    EXPECT_EQ(pressure[1].toObject()["depth"].toDouble(), 120.0);
    EXPECT_EQ(pressure[1].toObject()["total"].toDouble(), 33.0);
    EXPECT_TRUE(report.contains("       0.120E+03           0.330E+02"));
}

TEST_F(ResultsFiles, KindsOfProblems) {
    analyse("two_stage.vn5d");
    const QJsonArray staged =
        QJsonDocument::fromJson(read(out("two_stage.json"))).object()["problems"].toArray();
    ASSERT_EQ(staged.size(), 2);
    EXPECT_EQ(staged[0].toObject()["kind"].toString(), "stage 1");
    EXPECT_EQ(staged[1].toObject()["kind"].toString(), "stage 2");
    EXPECT_EQ(staged[1].toObject()["title"].toString(), "Stage No : 2");
    analyse("cantilever_layered_long_term.vn5d");
    const QJsonArray pair = QJsonDocument::fromJson(read(out("cantilever_layered_long_term.json")))
                                .object()["problems"]
                                .toArray();
    ASSERT_EQ(pair.size(), 2);
    EXPECT_EQ(pair[0].toObject()["kind"].toString(), "short-term");
    EXPECT_EQ(pair[1].toObject()["kind"].toString(), "long-term");
    // Generated earth pressure: the table holds the soil and surcharge parts as well.
    const QJsonObject point = pair[0].toObject()["earth_pressure"].toArray()[1].toObject();
    EXPECT_EQ(point["total"].toDouble(), point["soil"].toDouble() + point["surcharge"].toDouble());
}

// Titles are UTF-8 when valid, else Windows-1252; a character cut by the engine's 70 bytes is
// dropped, but only where a cut can have happened.
TEST(Utf8Text, DecodesTitleBytes) {
    const std::string cut = std::string(69, 'A') + "\xC3";  // the first byte of an e acute
    const struct {
        std::string bytes;
        bool may_be_cut;
        std::string text;
    } cases[] = {
        {"WALL", false, "WALL"},
        {"MUR \xC3\x89TANCHE", false, "MUR \xC3\x89TANCHE"},  // valid UTF-8 stays
        {"MUR \xC9TANCHE", false, "MUR \xC3\x89TANCHE"},      // Latin-1 E acute
        {"\x80 5 \x96 \x9F", false,
         "\xE2\x82\xAC 5 \xE2\x80\x93 \xC5\xB8"},                 // euro, dash, Y umlaut
        {"\x81", false, "\xC2\x81"},                              // unassigned keeps its code
        {"\xF0\x9F\x8F\x97 pit", false, "\xF0\x9F\x8F\x97 pit"},  // four bytes
        {"\xC0\x80", false, "\xC3\x80\xE2\x82\xAC"},              // overlong: not UTF-8
        {"\xED\xA0\x80", false, "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // surrogate: not UTF-8
        {cut, true, std::string(69, 'A')},
        {cut, false, std::string(69, 'A') + "\xC3\x83"},
        {std::string(68, 'A') + "\xE2\x82", true, std::string(68, 'A')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vornel::tools::utf8_text(c.bytes, c.may_be_cut), c.text) << c.bytes;
}

// The JSON of decks with such titles is valid and shows them as written.
TEST_F(ResultsFiles, JsonTitlesAreUtf8) {
    const QByteArray deck = read(example("cantilever_user_py.vn5d"));
    const QByteArray body = deck.mid(deck.indexOf('\n'));
    const struct {
        QByteArray title;
        QString shown;
    } cases[] = {
        {"PAROI \xC9TAY\xC9"
         "E",
         QString::fromUtf8("PAROI \xC3\x89TAY\xC3\x89"
                           "E")},
        {QByteArray(69, 'A') + "\xC3\xA9 tail", QString(69, 'A')},
    };
    for (const auto& c : cases) {
        QFile f(out("titled.vn5d"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.title + body);
        f.close();
        ASSERT_EQ(run({"--results", "json", "--out", dir.path(), out("titled.vn5d")}), 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(read(out("titled.json")), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        EXPECT_EQ(doc.object()["problems"].toArray()[0].toObject()["title"].toString(), c.shown);
    }
}

}  // namespace
