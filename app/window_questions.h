// MessageBoxQuestions: the program's answers to every question of its windows and its
// project, with message boxes, the common file dialogs, the print dialogs and the desktop's
// default applications. The main window owns the one instance and hands it to every window.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "editor/questions.h"

class QWidget;
class QPageSize;

namespace vornel {

// The page size of the printer settings: Letter or A4, as the desktop's locale has it.
QPageSize default_page_size();

class MessageBoxQuestions : public Questions {
  public:
    explicit MessageBoxQuestions(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // Where status texts go (the main window's status bar).
    void setStatusSink(std::function<void(const QString&)> sink) { status_ = std::move(sink); }

    void inform(const QString& text, const QString& title = programTitle()) override;
    void warn(const QString& text) override;
    void about(const QString& title, const QString& text) override;
    void showStatus(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title = programTitle()) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<FileChoice> askOpenFileName(const FileDialog& dialog) override;
    std::optional<FileChoice> askSaveFileName(const FileDialog& dialog) override;
    bool printerInstalled() override;
    bool askPrint(QPrinter& printer) override;
    bool askPageSetup(QPrinter& printer) override;
    bool runDialog(QDialog& dialog) override;
    bool openWithDesktop(const QString& path) override;

  private:
    QWidget* parent_;
    std::function<void(const QString&)> status_;
};

}  // namespace vornel
