// CellDelegate: the text editor of the typed cells of a table window.
//
// Enter and leaving the editor give its text to the table's set-text rule at once. An entry
// the table refuses keeps the editor open (the window then reports the message and returns the
// focus); an accepted Enter closes the editor and asks the window to move to the next cell.
#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

namespace vornel {

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    bool lastEntryAccepted() const { return accepted_; }

  signals:
    void refused(const QModelIndex& index, const QString& text) const;
    void enterAccepted(const QModelIndex& index) const;

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    mutable QPersistentModelIndex editing_;
    mutable bool accepted_ = true;
};

}  // namespace vornel
