// The questions the main window hands to its project: every call goes on to the real
// questions (message boxes, or a test's script); status texts also reach the status bar, and
// the read confirmation of a file named on the command line is not shown.
#pragma once

#include <functional>

#include "editor/ui/window_questions.h"

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

}  // namespace vornel
