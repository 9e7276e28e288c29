// TDlgOptions, "Control Options": the text editor that opens the data file, the report and the
// run notes. Leaving the dialog makes the box's text the configured editor.
#pragma once

#include "editor/ui/input_dialog.h"

class QLineEdit;
class QPushButton;

namespace vornel {

class TDlgOptions : public InputDialog {
    Q_OBJECT
  public:
    explicit TDlgOptions(WindowHost& host, QWidget* parent = nullptr);
    QLineEdit* EdtWord = nullptr;
    QPushButton* btnBrowse = nullptr;

  protected:
    void load() override;
    void store() override;

  private:
    void browse();
};

}  // namespace vornel
