// vornel-convert: brings a data file of any format forward to the current layout without
// opening a window.
//
//   vornel-convert [--format 2015|2013|3.0|2.0] IN OUT
//
// IN is read through the same code as Open (its format chosen by extension unless given) and
// OUT is written through the same code as Save As, stage files included for a staged project.
// On a reader error the reader's message is printed with the file name, the exit status is 1
// and nothing is written; so also when IN holds more problems than a project keeps, or an
// existing output may not be written by the user.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <optional>

#include <unistd.h>

#include "editor/console_questions.h"
#include "editor/data_file_reader.h"
#include "editor/file_naming.h"
#include "editor/program_data.h"
#include "editor/project.h"
#include "editor/staging.h"
#include "tools/file_check.h"
#include "tools/tool_options.h"
#include "vornel_version.h"

namespace {

using namespace vornel;

const char* const kHelp =
    "Usage: vornel-convert [--format 2015|2013|3.0|2.0] IN OUT\n"
    "\n"
    "Reads the data file IN as the editor's Open does and writes it to OUT in the current\n"
    "layout (Vornel 2015, *.vn5d) as the editor's Save As does. A staged project gets its\n"
    "stage files beside OUT (OUT with .st1 .. .st5).\n"
    "\n"
    "Options (anywhere on the line; --format 2.0 or --format=2.0; \"--\" ends them):\n"
    "  --format F   read IN as format F: 2015, 2013, 3.0 or 2.0. Without it the extension\n"
    "               decides: .vn4d is 2013, .vnd is 3.0 (give --format 2.0 for an older\n"
    "               .vnd), anything else 2015.\n"
    "  -h, --help   show this text\n"
    "  --version    show the version\n"
    "\n"
    "IN and OUT may name the same file only when IN is already in the current format.\n"
    "Nothing is written unless IN was read completely: a file with more problems than a\n"
    "project holds (one, a short-term and long-term pair, or the stages of a staged project)\n"
    "is refused. An OUT the user may not write is left alone; otherwise OUT is replaced only\n"
    "once the new file is complete on the disk, so a failed write keeps the old OUT.\n"
    "\n"
    "Exit status: 0 when OUT was written; 1 when IN cannot be read, OUT cannot be written\n"
    "or the options are wrong (the message says why, on one line for a wrong option).\n";

struct Arguments {
    std::optional<DataFormat> format;
    QStringList files;
    bool help = false;
    bool version = false;
};

int usage(const QString& why) {
    return tool::usage_error("vornel-convert", why);
}

std::optional<DataFormat> parse_format(const QString& s) {
    if (s == "2015") return DataFormat::V2015;
    if (s == "2013") return DataFormat::V2013;
    if (s == "3.0") return DataFormat::V30;
    if (s == "2.0") return DataFormat::V20;
    return std::nullopt;
}

// Options may stand anywhere; "--" ends them. Returns the exit status of a usage error, or 0.
int parse(const QStringList& args, Arguments& a) {
    QCommandLineParser p;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("F"));
    p.addOptions({help, version, format});
    if (!p.parse(QStringList{QStringLiteral("vornel-convert")} + args))
        return usage(tool::parse_error(p));
    a.help = p.isSet(help);
    a.version = p.isSet(version);
    if (p.isSet(format)) {
        a.format = parse_format(p.value(format));
        if (!a.format)
            return usage(QStringLiteral("the format %1 is not one of 2015, 2013, 3.0 or 2.0")
                             .arg(p.value(format)));
    }
    a.files = p.positionalArguments();
    if (!a.help && !a.version && a.files.size() != 2)
        return usage(QStringLiteral("give one input file and one output file"));
    return 0;
}

void print(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The project was read from a private copy of IN; messages name IN itself.
QString about_input(QString message, const QString& copy, const QString& in) {
    return message.replace(copy, in);
}

// Refuses an output that is the input itself, unless the conversion cannot change it.
bool output_allowed(const QString& in, const QString& out, DataFormat format) {
    if (!tools::same_file(in.toStdString(), out.toStdString()) || format == DataFormat::V2015)
        return true;
    print(QStringLiteral("vornel-convert: %1 and %2 are the same file; writing the current "
                         "format over a file of an older format would destroy it. Give another "
                         "output name.")
              .arg(in, out));
    return false;
}

// An existing output the user may not write is left alone: replacing it by renaming would
// succeed in a folder the user may write, and defeat the file's protection.
bool outputs_writable(const QString& out, int stages) {
    QStringList names{out};
    for (int k = 1; k <= stages && stages > 1; ++k) names << stage_file_name(out, k);
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(name);
        if (::access(path.constData(), F_OK) == 0 && ::access(path.constData(), W_OK) != 0) {
            print(QStringLiteral("vornel-convert: cannot write %1: %2.")
                      .arg(name, QString::fromStdString(tools::errno_reason(errno))));
            return false;
        }
    }
    return true;
}

// True when the data file holds more problems than the project keeps; says so.
bool more_problems(const QString& copy, const QString& in, DataFormat format) {
    QFile f(copy);
    if (!f.open(QIODevice::ReadOnly)) return false;
    ProjectTables tables;
    TProgramData data(tables);
    if (!read_data_file(f.readAll(), data, DeckLayout::of(format)).moreProblems) return false;
    print(QStringLiteral("vornel-convert: %1 holds more problems than a project keeps (one "
                         "problem, a short-term and long-term pair, or the stages of a staged "
                         "project); converting it would lose the others, so nothing was "
                         "written.")
              .arg(in));
    return true;
}

int convert(const Arguments& a) {
    const QString in = QFileInfo(a.files[0]).absoluteFilePath();
    const QString out = QFileInfo(a.files[1]).absoluteFilePath();
    const std::string reason = tools::unreadable_reason(in.toStdString());
    if (!reason.empty()) {
        print(QStringLiteral("vornel-convert: cannot read %1: %2.")
                  .arg(in, QString::fromStdString(reason)));
        return 1;
    }
    const DataFormat format = a.format.value_or(format_for_extension(in));
    if (!output_allowed(in, out, format)) return 1;
    // Open cuts a staged file into stage files beside it: that happens in a private folder,
    // so the input's folder is left as it was.
    QTemporaryDir work;
    const QString copy = work.filePath(QFileInfo(in).fileName());
    if (!work.isValid() || !QFile::copy(in, copy)) {
        print(QStringLiteral("vornel-convert: cannot copy %1 to a temporary folder.").arg(in));
        return 1;
    }
    ConsoleQuestions questions;
    Project project(questions, work.path());
    const OpenResult r = project.openFile(copy, format);
    if (!r.error.isEmpty()) {
        const QString message = about_input(r.error, copy, in);
        print(message.contains(in) ? message : in + QStringLiteral(": ") + message);
        if (!a.format && format == DataFormat::V30)
            print(QStringLiteral("vornel-convert: a .vnd file is read as format 3.0; if %1 is a "
                                 "2.0 file, try --format 2.0.")
                      .arg(in));
        return 1;
    }
    if (more_problems(copy, in, format)) return 1;
    if (!outputs_writable(out, project.data().StageCount)) return 1;
    if (!project.saveAsPath(out)) {
        QString why = questions.last();
        if (!why.endsWith('.')) why += '.';
        print(QStringLiteral("vornel-convert: ") + why);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Arguments a;
    if (const int status = parse(app.arguments().mid(1), a)) return status;
    if (a.help || a.version) {
        std::fputs(a.help ? kHelp : "vornel-convert " VORNEL_VERSION_TEXT "\n", stdout);
        return 0;
    }
    return convert(a);
}
