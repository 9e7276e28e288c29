// The main window's questions: every message box and file dialog of the program goes through
// this interface, so that tests answer them from a script and never block on a dialog.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "editor/project.h"

class QWidget;
class QPrinter;
class QPageSize;

namespace vornel {

class WindowQuestions : public ProjectQuestions {
  public:
    struct OpenChoice {
        QString path;
        int filterIndex = 1;  // 1..5, the filter the file was chosen with
    };
    // The Open dialog: an existing file and the index of its filter, or nothing.
    virtual std::optional<OpenChoice> askOpenFileName(const QString& folder) = 0;
    void warn(const QString& text) override = 0;  // warning box with OK
    virtual void about(const QString& title, const QString& text) = 0;
    // A PDF file to write (the report): the chosen path, or nothing when cancelled.
    virtual std::optional<QString> askSavePdfName(const QString& suggested, const QString& title) {
        return askSaveFileName(suggested, title);
    }
    // Whether a printer is installed, and the print dialog on `printer` (true: print).
    virtual bool printerInstalled() { return false; }
    virtual bool askPrint(QPrinter& printer) {
        (void)printer;
        return false;
    }
};

// The page size of the printer settings: Letter or A4, as the desktop's locale has it.
QPageSize default_page_size();

// The real dialogs: message boxes captioned with the program's title and the common file
// dialogs with the data-file filters.
class MessageBoxQuestions : public WindowQuestions {
  public:
    explicit MessageBoxQuestions(QWidget* parent) : parent_(parent) {}
    void setStatusSink(std::function<void(const QString&)> sink) { status_ = std::move(sink); }

    Answer askYesNoCancel(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> askSaveFileName(const QString& suggested, const QString& title) override;
    void inform(const QString& text) override;
    void showStatus(const QString& text) override;
    std::optional<OpenChoice> askOpenFileName(const QString& folder) override;
    void warn(const QString& text) override;
    void about(const QString& title, const QString& text) override;
    std::optional<QString> askSavePdfName(const QString& suggested, const QString& title) override;
    bool printerInstalled() override;
    bool askPrint(QPrinter& printer) override;

  private:
    QWidget* parent_;
    std::function<void(const QString&)> status_;
};

namespace dialog_text {
inline constexpr char kProgramTitle[] = "VORNEL 2015";
inline constexpr char kOpenTitle[] = "Open";
inline constexpr char kDefaultSuffix[] = "vnd";
// The Open filters in the order of their index (1..5), and the Save filters.
inline const char* const kOpenFilters[] = {"Vornel 2015 (*.vn5d)", "Vornel 2013 (*.vn4d)",
                                           "Vornel 3.0 (*.vnd)", "Vornel 2.0 (*.vnd)",
                                           "All Files (*.*)"};
inline const char* const kSaveFilters[] = {"Vornel 2015 (*.vn5d)", "All Files (*.*)"};
}  // namespace dialog_text

}  // namespace vornel
