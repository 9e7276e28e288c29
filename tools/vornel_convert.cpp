// vornel-convert: brings a data file of any format forward to the current layout without
// opening a window.
//
//   vornel-convert [--format 2015|2013|3.0|2.0] IN OUT
//
// IN is read through the same code as Open (its format chosen by extension unless given) and
// OUT is written through the same code as Save As, stage files included for a staged project.
// On a reader error the reader's message is printed with the file name, the exit status is 1
// and nothing is written.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

#include "editor/project.h"

namespace {

using namespace vornel;

// Questions without anybody to answer them: nothing is asked, messages are collected.
class ConsoleQuestions : public ProjectQuestions {
  public:
    Answer askYesNoCancel(const QString&) override { return Answer::No; }
    bool askYesNo(const QString&) override { return false; }
    std::optional<QString> askSaveFileName(const QString&, const QString&) override {
        return std::nullopt;
    }
    void inform(const QString& text) override { last = text; }
    QString last;
};

int usage() {
    std::fputs("usage: vornel-convert [--format 2015|2013|3.0|2.0] IN OUT\n", stderr);
    return 2;
}

std::optional<DataFormat> parse_format(const QString& s) {
    if (s == "2015") return DataFormat::V2015;
    if (s == "2013") return DataFormat::V2013;
    if (s == "3.0") return DataFormat::V30;
    if (s == "2.0") return DataFormat::V20;
    return std::nullopt;
}

void print_error(const QString& file, const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    std::optional<DataFormat> format;
    if (args.size() == 4 && args[0] == "--format") {
        format = parse_format(args[1]);
        if (!format) return usage();
        args = args.mid(2);
    }
    if (args.size() != 2) return usage();
    const QString in = QFileInfo(args[0]).absoluteFilePath();
    const QString out = QFileInfo(args[1]).absoluteFilePath();
    // Open cuts a staged file into stage files beside it: that happens in a private folder,
    // so the input's folder is left as it was.
    QTemporaryDir work;
    const QString copy = work.filePath(QFileInfo(in).fileName());
    if (!work.isValid() || !QFile::copy(in, copy)) {
        print_error(in, QStringLiteral("cannot be read"));
        return 1;
    }
    ConsoleQuestions questions;
    Project project(questions, work.path());
    const OpenResult r = project.openFile(copy, format);
    if (!r.error.isEmpty()) {
        print_error(in, r.error);
        return 1;
    }
    if (!project.saveAsPath(out)) {
        print_error(out, questions.last);
        return 1;
    }
    return 0;
}
