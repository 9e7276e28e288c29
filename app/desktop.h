// The desktop the program hands files to: the default opener for help files and manuals,
// the browser for the update page, and detached processes for the text editor. Tests put a
// recorder in its place.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vornel {

class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts `program` with `arguments` and does not wait for it.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

class SystemDesktop : public Desktop {
  public:
    bool openUrl(const QUrl& url) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

// The configured text editor, started detached on one file: the editor's value is either the
// path of a program (blanks allowed) or a command line whose first word is the program.
// Returns false when it cannot be started.
bool open_in_text_editor(Desktop& desktop, const QString& editor, const QString& file);

// As open_in_text_editor, but where the default opener `xdg-open` is not on the PATH the
// file goes to the desktop's own URL handler. Returns the message for the engineer,
// naming what is missing; empty when the file was handed over.
QString open_text_file(Desktop& desktop, const QString& editor, const QString& file);

inline constexpr char kDefaultTextEditor[] = "xdg-open";
inline constexpr char kEditorFailed[] = "An error occurred in running the Word Processor";

}  // namespace vornel
