// TDlgDeformedShape: the "Deformed Shape" dialog of the 3D view. Two check boxes show the
// deflected wall and overlay the undeformed one; the factor scales the deflections. The
// arrows beside the factor step it along 1, 2, ..., 9 x 10^k. Every change redraws the view
// with its lists rebuilt.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace vornel {

class ViewNavigation;
class Questions;

class TDlgDeformedShape : public QDialog {
    Q_OBJECT
  public:
    TDlgDeformedShape(ViewNavigation& nav, Questions& questions,
                      std::function<void()> redraw_complete, QWidget* parent = nullptr);

    // Activation: the view's flags and factor into the controls.
    void refresh();
    void UpDownDefFactorClick(bool up);
    int upDownPosition() const { return position_; }

    QCheckBox* CheckBoxDeformedShape = nullptr;
    QCheckBox* CheckBoxUndeformedModel = nullptr;
    QLineEdit* EditDefFactor = nullptr;
    QToolButton* UpButton = nullptr;
    QToolButton* DownButton = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void updateEnabled();
    void EditDefFactorChange(const QString& text);
    void reportBadFactor();

    ViewNavigation& nav_;
    Questions& q_;
    std::function<void()> redraw_;
    QWidget* upDown_ = nullptr;
    int position_ = 0;  // the up-down control's position, -100..100, back to 0 after a step
};

namespace deformed_text {
inline constexpr char kCaption[] = "Deformed Shape";
inline constexpr char kShowDeformed[] = "Show Deformed Shape";
inline constexpr char kShowUndeformed[] = "Show Undeformed Model";
inline constexpr char kFactor[] = "Deformed Shape Factor";
inline constexpr char kClose[] = "Close";
}  // namespace deformed_text

}  // namespace vornel
