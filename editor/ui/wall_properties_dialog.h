// TDlgProp, "Wall Properties": increments, increment length, free height (ft in English
// units), the iteration's deflection limit and closure tolerance, and the button that opens
// the wall stiffness table; the wall's total length shown as they are typed. Any changed value
// marks the project modified.
#pragma once

#include <array>

#include "editor/ui/input_dialog.h"

class QLabel;
class QPushButton;

namespace vornel {

class TDlgProp : public InputDialog {
    Q_OBJECT
  public:
    explicit TDlgProp(WindowHost& host, QWidget* parent = nullptr);
    DataEditField *deNI, *deXGS, *DeFH, *deXLN, *deSlope;
    QPushButton* btnSect;
    QLabel* lblLength;  // the wall's total length, read-only

  protected:
    void setFieldUnits(int system) override;
    void load() override;
    void store() override;

  private:
    void showLength();
    std::array<double, 5> shown() const;
    std::array<double, 5> loaded_{};
};

}  // namespace vornel
