// TfrmGraphCaption, "Graph Caption": the graph title and whether it stands at the top or the
// bottom of the graph. The dialog has only OK; what is in it when it closes is taken.
#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QPushButton;

namespace vornel {

class TfrmGraphCaption : public QDialog {
    Q_OBJECT
  public:
    TfrmGraphCaption(const QString& title, bool at_top, QWidget* parent = nullptr);
    QString title() const;
    bool atTop() const;

    QLineEdit* edtCaption = nullptr;
    QRadioButton* rbTop = nullptr;
    QRadioButton* rbBottom = nullptr;
    QPushButton* btnOK = nullptr;
};

}  // namespace vornel
