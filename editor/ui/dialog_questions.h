// DialogQuestions: every message box and file dialog of the editor's windows.
//
// Extends the project's questions with the open-file dialog that the Browse buttons use. The
// program answers through message boxes (MessageBoxDialogQuestions); the tests through scripted
// answers, so that no window test ever blocks on a box.
#pragma once

#include <QString>
#include <optional>

#include "editor/project.h"

class QWidget;

namespace vornel {

class DialogQuestions : public ProjectQuestions {
  public:
    // An open dialog for an existing file; `filters` as for QFileDialog ("A (*.a);;B (*.b)").
    virtual std::optional<QString> askFileToOpen(const QString& title, const QString& start,
                                                 const QString& filters) = 0;
};

class MessageBoxDialogQuestions : public DialogQuestions {
  public:
    explicit MessageBoxDialogQuestions(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer askYesNoCancel(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> askSaveFileName(const QString& suggested, const QString& title) override;
    void inform(const QString& text) override;
    std::optional<QString> askFileToOpen(const QString& title, const QString& start,
                                         const QString& filters) override;

  private:
    QWidget* parent_;
};

}  // namespace vornel
