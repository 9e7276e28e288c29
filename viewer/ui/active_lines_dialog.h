// TfrmActiveLines, "Active Curves": which curves of a graph are listed in its legend and Plot
// menu (and drawn). One row per curve of the main list: its state text (" yes : " or
// " no  : "), three blanks, its legend text. A double click toggles a row; the buttons toggle
// the selected rows or set every row. The states are taken only on OK.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QListWidget;
class QPushButton;

namespace vornel {

namespace active_lines_text {
inline constexpr char kYes[] = " yes : ";
inline constexpr char kNo[] = " no  : ";
}  // namespace active_lines_text

class TfrmActiveLines : public QDialog {
    Q_OBJECT
  public:
    TfrmActiveLines(const QStringList& names, const std::vector<bool>& active,
                    QWidget* parent = nullptr);
    std::vector<bool> states() const { return states_; }
    QString rowText(int row) const;

    QListWidget* lbCurves = nullptr;
    QPushButton* btnToggle = nullptr;
    QPushButton* btnAll = nullptr;
    QPushButton* btnNone = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

  private:
    void setState(int row, bool on);
    void toggleSelected();

    QStringList names_;
    std::vector<bool> states_;
};

}  // namespace vornel
