// The dialogs that show a picture and open one table: Additional Surcharge (TDlgRebar),
// Concentrated Loads (TDlgConLoads), Tieback (TDlgTieback) and Lateral & Rotational Springs
// (TDlgSpring). The loads and springs dialogs carry the switch of their table: the button is
// enabled while the box is checked, unchecking closes the table's window (its rows stay until
// the project is written) and every click marks the project modified.
#pragma once

#include "editor/ui/dialog_picture.h"
#include "editor/ui/input_dialog.h"

class QCheckBox;
class QPushButton;

namespace vornel {

class TGridTable;

class TableDialog : public InputDialog {
    Q_OBJECT
  public:
    QPushButton* button = nullptr;
    QCheckBox* check = nullptr;  // none in the surcharge and tieback dialogs

  protected:
    struct Definition {
        const char* caption;
        DialogPicture::Kind picture;
        const char* checkCaption;  // null: no switch in this dialog
        const char* buttonCaption;
    };
    TableDialog(WindowHost& host, const Definition& def, QWidget* parent);
    virtual TGridTable& table() const = 0;
    virtual bool* option() const { return nullptr; }
    void load() override;
    void store() override;

  private:
    void checkClicked();
};

// TDlgRebar is the "Additional Surcharge" dialog (the surcharge loads on the backfill).
class TDlgRebar : public TableDialog {
    Q_OBJECT
  public:
    explicit TDlgRebar(WindowHost& host, QWidget* parent = nullptr);

  protected:
    TGridTable& table() const override;
};

class TDlgTieback : public TableDialog {
    Q_OBJECT
  public:
    explicit TDlgTieback(WindowHost& host, QWidget* parent = nullptr);

  protected:
    TGridTable& table() const override;
};

class TDlgConLoads : public TableDialog {
    Q_OBJECT
  public:
    explicit TDlgConLoads(WindowHost& host, QWidget* parent = nullptr);
    QCheckBox* ChkConLoads() const { return check; }
    QPushButton* btnConLoads() const { return button; }

  protected:
    TGridTable& table() const override;
    bool* option() const override;
};

class TDlgSpring : public TableDialog {
    Q_OBJECT
  public:
    explicit TDlgSpring(WindowHost& host, QWidget* parent = nullptr);
    QCheckBox* ChkSpring() const { return check; }
    QPushButton* btnSpring() const { return button; }

  protected:
    TGridTable& table() const override;
    bool* option() const override;
};

}  // namespace vornel
