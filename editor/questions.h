// Questions: every message box, file dialog, print dialog and desktop hand-off of the program.
//
// The windows and the project ask through this one interface, handed down by reference from
// the main window; the program answers with message boxes and the common dialogs
// (MessageBoxQuestions in app/), the tests from a script (tests/support), the command-line
// tools on the console. So no test ever blocks on a dialog, and every text the user would
// see can be checked.
#pragma once

#include <QString>
#include <cstddef>
#include <optional>

class QDialog;
class QPrinter;

namespace vornel {

class Questions {
  public:
    enum class Answer { Yes, No, Cancel };

    // A file dialog: its caption, the folder or suggested path it starts at, its filters
    // ("Bitmap (*.bmp);;PDF (*.pdf)", empty: all files) and the suffix given to a bare name.
    struct FileDialog {
        QString title;
        QString start;
        QString filters;
        QString defaultSuffix;
    };
    // The file chosen and the filter it was chosen with (1 for the first).
    struct FileChoice {
        QString path;
        int filterIndex = 1;
    };

    virtual ~Questions() = default;

    // ---- Messages ----
    // An information box with OK, captioned `title`.
    virtual void inform(const QString& text, const QString& title = programTitle()) = 0;
    // A warning box with OK, captioned with the program's title.
    virtual void warn(const QString& text) = 0;
    // The About box: the program's icon, `text` and OK.
    virtual void about(const QString& title, const QString& text) { inform(text, title); }
    // The status bar's text.
    virtual void showStatus(const QString& text) { (void)text; }

    // ---- Answers ----
    // A question box with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& title = programTitle()) = 0;
    // A question box with Yes, No and Cancel ("Do you want to save any changes?").
    virtual Answer askYesNoCancel(const QString& text) = 0;

    // ---- Files ----
    // The open dialog for an existing file; nothing when cancelled.
    virtual std::optional<FileChoice> askOpenFileName(const FileDialog& dialog) {
        (void)dialog;
        return std::nullopt;
    }
    // The save dialog (it asks before a file is replaced); nothing when cancelled.
    virtual std::optional<FileChoice> askSaveFileName(const FileDialog& dialog) = 0;
    // The save dialog for the PDF file that stands in for a printer; nothing when cancelled.
    virtual std::optional<QString> askPdfFileName(const FileDialog& dialog) {
        const auto chosen = askSaveFileName(dialog);
        if (!chosen) return std::nullopt;
        return chosen->path;
    }

    // ---- Printing and dialogs ----
    // Whether a printer is installed.
    virtual bool printerInstalled() { return false; }
    // The print dialog on `printer`; true: print.
    virtual bool askPrint(QPrinter& printer) {
        (void)printer;
        return false;
    }
    // The page setup dialog on `printer`; true when it ended with OK.
    virtual bool askPageSetup(QPrinter& printer) {
        (void)printer;
        return false;
    }
    // Runs one of a window's own modal dialogs; true when it ended with OK.
    virtual bool runDialog(QDialog& dialog) {
        (void)dialog;
        return false;
    }

    // ---- Desktop ----
    // Opens a file with the desktop's default application; false when none takes it.
    virtual bool openWithDesktop(const QString& path) {
        (void)path;
        return false;
    }

    static QString programTitle() { return QStringLiteral("VORNEL 2015"); }
};

// The data files' dialogs: the Open filters in the order of their index (1..5), the Save
// filters and the suffix of a bare name.
namespace dialog_text {
inline constexpr char kProgramTitle[] = "VORNEL 2015";
inline constexpr char kOpenTitle[] = "Open";
inline constexpr char kDefaultSuffix[] = "vnd";
inline const char* const kOpenFilters[] = {"Vornel 2015 (*.vn5d)", "Vornel 2013 (*.vn4d)",
                                           "Vornel 3.0 (*.vnd)", "Vornel 2.0 (*.vnd)",
                                           "All Files (*.*)"};
inline const char* const kSaveFilters[] = {"Vornel 2015 (*.vn5d)", "All Files (*.*)"};

// The filters as one file dialog takes them ("A (*.a);;B (*.b)").
template <size_t N>
QString joined(const char* const (&filters)[N]) {
    QString all;
    for (const char* f : filters) {
        if (!all.isEmpty()) all += QStringLiteral(";;");
        all += QString::fromLatin1(f);
    }
    return all;
}
}  // namespace dialog_text

}  // namespace vornel
