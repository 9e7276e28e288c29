// TdlgFormat, "Save Attributes": the size of a saved picture in inches (at least 2 by 2,
// 6 by 4 at first) and its pixels per inch (a whole number, at least 10, 72 at first). The
// colour choice is offered but every picture is saved in full colour.
#pragma once

#include <QDialog>

#include "viewer/picture_export.h"

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

namespace vornel {

class TdlgFormat : public QDialog {
    Q_OBJECT
  public:
    explicit TdlgFormat(QWidget* parent = nullptr);
    PictureSpec spec() const;

    QDoubleSpinBox* deHeight = nullptr;
    QDoubleSpinBox* deWidth = nullptr;
    QSpinBox* dePPI = nullptr;
    QComboBox* cbColors = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace vornel
