// TfrmLineNames, "Legend": renames the curves of a graph. The list shows the legend text of
// every curve of the main list; the edit below takes the selected text in its palette colour.
// Enter in the edit, or leaving it, stores the text into the selected item; an empty text is
// refused with "The line must have a name!" and the item's text comes back. The names are
// taken only on OK.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vornel {

class Questions;

namespace line_names_text {
inline constexpr char kNeedsName[] = "The line must have a name!";
}

class TfrmLineNames : public QDialog {
    Q_OBJECT
  public:
    TfrmLineNames(const QStringList& names, Questions& questions, QWidget* parent = nullptr);
    // The list's texts as they stand (also after Cancel).
    QStringList names() const;
    // Stores the edit into the selected item; false (with the message) when it is empty.
    bool storeEdit();

    QListWidget* lbLines = nullptr;
    QLineEdit* edLine = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void select(int row);

    Questions& questions_;
    QLabel* lblSelect_ = nullptr;
    QLabel* lblType_ = nullptr;
};

}  // namespace vornel
