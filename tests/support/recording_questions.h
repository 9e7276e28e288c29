// RecordingQuestions: the tests' answers to every question of the program.
//
// It records each question in order (`log`, and the texts of each kind apart) and answers
// from a script: queues of yes/no answers and of file names, the printer and the dialogs. A
// question asked when its queue is empty gets a cautious default (No, Cancel, no file, the
// dialog cancelled) and is also recorded in `unanswered`, so that a test can fail on a
// question it did not expect.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "editor/questions.h"

namespace vornel::test {

// A scripted file dialog: the file chosen (with its filter) or nothing (cancelled). An empty
// path also cancels.
struct FileAnswer {
    FileAnswer(std::nullopt_t) {}
    FileAnswer(const char* path) : path(QString::fromUtf8(path)) {}
    FileAnswer(QString p, int filter = 1) : path(std::move(p)), filterIndex(filter) {}
    FileAnswer(std::optional<QString> p) : path(p.value_or(QString())) {}
    QString path;
    int filterIndex = 1;
};

class RecordingQuestions : public Questions {
  public:
    // Everything asked, in order: "inform: TEXT", "warn: TEXT", "about: TITLE|TEXT",
    // "ask: TEXT" (yes/no and yes/no/cancel), "open", "save: TITLE" (also the PDF dialogs),
    // "print", "page setup", "dialog", "desktop: PATH".
    QStringList log;
    QStringList unanswered;  // the log entries answered by default, the script being empty
    QStringList informed, warned, asked, statuses;
    QStringList informTitles, askTitles;  // the captions of the boxes, in turn
    QStringList suggested, filters;       // where each file dialog started, and its filters
    QStringList opened;                   // the files handed to the desktop

    // ---- The script ----
    std::deque<Answer> yesNoCancel;  // empty: Cancel
    std::deque<bool> yesNo;          // empty: No
    std::deque<FileAnswer> files;    // open, save and PDF dialogs in turn; empty: cancelled
    bool hasPrinter = false;
    bool printAnswer = true;                   // the print dialog's answer
    std::function<bool(QPrinter&)> pageSetup;  // none: cancelled
    std::function<bool(QDialog&)> dialog;      // the next dialog (used once); none: cancelled
    bool desktopOpens = true;                  // whether the desktop opens a file
    std::function<void()> onInform;  // what a real box does meanwhile (it takes the focus)

    void inform(const QString& text, const QString& title = programTitle()) override;
    void warn(const QString& text) override;
    void about(const QString& title, const QString& text) override;
    void showStatus(const QString& text) override { statuses << text; }
    bool askYesNo(const QString& text, const QString& title = programTitle()) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<FileChoice> askOpenFileName(const FileDialog& dialog) override;
    std::optional<FileChoice> askSaveFileName(const FileDialog& dialog) override;
    bool printerInstalled() override { return hasPrinter; }
    bool askPrint(QPrinter& printer) override;
    bool askPageSetup(QPrinter& printer) override;
    bool runDialog(QDialog& d) override;
    bool openWithDesktop(const QString& path) override;

  private:
    std::optional<FileChoice> nextFile(const FileDialog& d);
};

}  // namespace vornel::test
