#include "tests/support/recording_questions.h"

namespace vornel::test {

void RecordingQuestions::inform(const QString& text, const QString& title) {
    log << QStringLiteral("inform: ") + text;
    informed << text;
    informTitles << title;
    if (onInform) onInform();
}

void RecordingQuestions::warn(const QString& text) {
    log << QStringLiteral("warn: ") + text;
    warned << text;
}

void RecordingQuestions::about(const QString& title, const QString& text) {
    log << QStringLiteral("about: ") + title + QLatin1Char('|') + text;
}

bool RecordingQuestions::askYesNo(const QString& text, const QString& title) {
    log << QStringLiteral("ask: ") + text;
    asked << text;
    askTitles << title;
    if (yesNo.empty()) {
        unanswered << log.last();
        return false;
    }
    const bool a = yesNo.front();
    yesNo.pop_front();
    return a;
}

Questions::Answer RecordingQuestions::askYesNoCancel(const QString& text) {
    log << QStringLiteral("ask: ") + text;
    asked << text;
    askTitles << programTitle();
    if (yesNoCancel.empty()) {
        unanswered << log.last();
        return Answer::Cancel;
    }
    const Answer a = yesNoCancel.front();
    yesNoCancel.pop_front();
    return a;
}

std::optional<Questions::FileChoice> RecordingQuestions::nextFile(const FileDialog& d) {
    suggested << d.start;
    filters << d.filters;
    if (files.empty()) {
        unanswered << log.last();
        return std::nullopt;
    }
    const FileAnswer a = files.front();
    files.pop_front();
    if (a.path.isEmpty()) return std::nullopt;
    return FileChoice{a.path, a.filterIndex};
}

std::optional<Questions::FileChoice> RecordingQuestions::askOpenFileName(const FileDialog& d) {
    log << QStringLiteral("open");
    return nextFile(d);
}

std::optional<Questions::FileChoice> RecordingQuestions::askSaveFileName(const FileDialog& d) {
    log << QStringLiteral("save: ") + d.title;
    return nextFile(d);
}

bool RecordingQuestions::askPrint(QPrinter&) {
    log << QStringLiteral("print");
    return printAnswer;
}

bool RecordingQuestions::askPageSetup(QPrinter& printer) {
    log << QStringLiteral("page setup");
    if (!pageSetup) {
        unanswered << log.last();
        return false;
    }
    return pageSetup(printer);
}

bool RecordingQuestions::runDialog(QDialog& d) {
    log << QStringLiteral("dialog");
    if (!dialog) {
        unanswered << log.last();
        return false;
    }
    const auto run = std::move(dialog);
    dialog = nullptr;
    return run(d);
}

bool RecordingQuestions::openWithDesktop(const QString& path) {
    log << QStringLiteral("desktop: ") + path;
    opened << path;
    return desktopOpens;
}

}  // namespace vornel::test
