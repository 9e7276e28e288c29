// TDlgStaged, "Staged Construction Options": switches staged construction on or off and sets
// the number of stages (2 to 5). OK hands the count to the project, which writes, reads and
// deletes the stage files; Cancel changes nothing.
#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vornel {

class DataEditField;
class WindowHost;

class TDlgStaged : public QDialog {
    Q_OBJECT
  public:
    explicit TDlgStaged(WindowHost& host, QWidget* parent = nullptr);

    QCheckBox* StageAnalysis = nullptr;
    DataEditField* deStage = nullptr;
    QToolButton* upButton = nullptr;
    QToolButton* downButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPlainTextEdit* panel = nullptr;

    static QString panelText();

  private:
    void load();
    void checkClicked();
    void step(int by);
    void okClicked();

    WindowHost& host_;
};

}  // namespace vornel
