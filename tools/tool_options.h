// The option convention of the Qt tools: -h/--help shows the help on standard output and
// --version the version (exit status 0); options may stand anywhere, a value follows as
// --out FILE or --out=FILE, and "--" ends them; a bad option or value is named in one line on
// standard error, exit status 1.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <cstdio>

#include "vornel_version.h"

namespace vornel::tool {

inline constexpr char kConvention[] =
    "\nOptions may stand anywhere; a value follows as --out FILE or --out=FILE; \"--\" ends "
    "them.\nExit status: 0 done, 1 a file not read or not written, or wrong options (one line "
    "on standard error names the fault).\n";

inline QCommandLineOption version_option() {
    return QCommandLineOption(QStringLiteral("version"), QStringLiteral("Shows the version."));
}

// One line on standard error naming the fault; the exit status of wrong options.
inline int usage_error(const char* tool, QString why) {
    if (why.endsWith(QLatin1Char('.'))) why.chop(1);
    std::fprintf(stderr, "%s: %s (see --help).\n", tool, qPrintable(why));
    return 1;
}

// The parser's fault in the tools' words.
inline QString parse_error(const QCommandLineParser& p) {
    if (!p.unknownOptionNames().isEmpty()) {
        const QString name = p.unknownOptionNames().first();
        return QStringLiteral("unknown option ") +
               (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    return p.errorText();
}

// Help or version when asked for (true: the tool is done, exit status 0).
inline bool told(const QCommandLineParser& p, const QCommandLineOption& version, const char* tool) {
    if (p.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(p.helpText()), stdout);
        std::fputs(kConvention, stdout);
        return true;
    }
    if (p.isSet(version)) {
        std::printf("%s %s\n", tool, VORNEL_VERSION_TEXT);
        return true;
    }
    return false;
}

}  // namespace vornel::tool
