// The questions the main window hands to its project: every call goes on to the real
// questions (message boxes, or a test's script); status texts also reach the status bar, and
// the read confirmation of a file named on the command line is not shown.
#pragma once

#include <functional>

#include "app/window_questions.h"
#include "editor/ui/dialog_questions.h"

namespace vornel {

class FormQuestions : public WindowQuestions {
  public:
    FormQuestions(WindowQuestions& target, std::function<void(const QString&)> status)
        : target_(target), status_(std::move(status)) {}

    void setQuietRead(bool on) { quiet_read_ = on; }

    Answer askYesNoCancel(const QString& text) override { return target_.askYesNoCancel(text); }
    bool askYesNo(const QString& text) override { return target_.askYesNo(text); }
    std::optional<QString> askSaveFileName(const QString& suggested,
                                           const QString& title) override {
        return target_.askSaveFileName(suggested, title);
    }
    void inform(const QString& text) override;
    void showStatus(const QString& text) override {
        if (status_) status_(text);
        target_.showStatus(text);
    }
    std::optional<OpenChoice> askOpenFileName(const QString& folder) override {
        return target_.askOpenFileName(folder);
    }
    void warn(const QString& text) override { target_.warn(text); }
    void about(const QString& title, const QString& text) override { target_.about(title, text); }

  private:
    WindowQuestions& target_;
    std::function<void(const QString&)> status_;
    bool quiet_read_ = false;
};

// The main window's questions for its dialogs: its boxes, and the common open dialog for the
// Browse buttons.
class FormDialogQuestions : public DialogQuestions {
  public:
    FormDialogQuestions(WindowQuestions& target, QWidget* parent)
        : target_(target), files_(parent) {}
    Answer askYesNoCancel(const QString& text) override { return target_.askYesNoCancel(text); }
    bool askYesNo(const QString& text) override { return target_.askYesNo(text); }
    std::optional<QString> askSaveFileName(const QString& suggested,
                                           const QString& title) override {
        return target_.askSaveFileName(suggested, title);
    }
    void inform(const QString& text) override { target_.inform(text); }
    void showStatus(const QString& text) override { target_.showStatus(text); }
    std::optional<QString> askFileToOpen(const QString& title, const QString& start,
                                         const QString& filters) override {
        return files_.askFileToOpen(title, start, filters);
    }

  private:
    WindowQuestions& target_;
    MessageBoxDialogQuestions files_;
};

}  // namespace vornel
