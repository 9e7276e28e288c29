// TdlgTitle, "Project Title": the one-line project description (at most 80 characters).
#pragma once

#include "editor/ui/input_dialog.h"

class QLineEdit;

namespace vornel {

class TdlgTitle : public InputDialog {
    Q_OBJECT
  public:
    explicit TdlgTitle(WindowHost& host, QWidget* parent = nullptr);
    QLineEdit* TitleMemo = nullptr;

  protected:
    void load() override;
    void store() override;
};

}  // namespace vornel
