// The design report on a printer-like device: laid out in the same pages at any resolution,
// with the engine's figures in its text.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include "editor/data_file_reader.h"
#include "editor/program_data.h"
#include "viewer/design_report.h"
#include "viewer/plot_file_reader.h"

namespace vornel {
namespace {

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString pdf_text(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

QString pdf_info(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(DesignReport, PrinterPagesMatchThePdfAtAnyResolution) {
    const QString deck = QStringLiteral(VORNEL_SOURCE_DIR "/examples/anchored_three_stage.vn5d");
    const QString golden = QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/soil/golden/");
    ProjectTables tables;
    TProgramData data(tables);
    ASSERT_TRUE(
        read_data_file(read_all(deck), data, DeckLayout::of(format_for_extension(deck))).ok);
    data.FileName = deck;
    ResultGraphs graphs;
    PlotFileReader reader(graphs, data.Results);
    ASSERT_TRUE(reader.read(golden + QStringLiteral("anchored_three_stage.vn5p"), false,
                            PlotProjectFacts::of(data)));
    DesignReportOptions o;
    o.engineReport =
        QString::fromLatin1(read_all(golden + QStringLiteral("anchored_three_stage.vn5o")));
    o.date = QDateTime(QDate(2026, 1, 2), QTime(3, 4));

    QTemporaryDir dir;
    const QString written = dir.filePath(QStringLiteral("written.pdf"));
    ASSERT_EQ(write_design_report(data, graphs, written, QPageSize(QPageSize::Letter), o),
              QString());
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPdfWriter printer(printed);  // a printer at 600 dpi that the print dialog set to Letter
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        ASSERT_TRUE(print_design_report(data, graphs, printer, o));
    }
    const QString a = pdf_text(written), b = pdf_text(printed);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(b.contains(QStringLiteral("Date 2026-01-02 03:04")));
    EXPECT_TRUE(b.contains(QStringLiteral("Bending moment 0.716E+05 LBS-IN 0.144E+03 IN 24")));
    EXPECT_TRUE(pdf_info(printed).contains(QStringLiteral("(letter)")));
}

}  // namespace
}  // namespace vornel

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
