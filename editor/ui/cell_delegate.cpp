#include "editor/ui/cell_delegate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace vornel {

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    editing_ = index;
    accepted_ = true;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const QString text = line->text();
    // An unchanged text is no entry: leaving a cell without typing never raises a message.
    if (text == model->data(index, Qt::EditRole).toString()) {
        accepted_ = true;
        return;
    }
    accepted_ = model->setData(index, text, Qt::EditRole);
    if (!accepted_) emit refused(index, text);
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor) return false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return QStyledItemDelegate::eventFilter(object, event);
        const QModelIndex index = editing_;
        emit commitData(editor);
        if (accepted_) {
            emit closeEditor(editor, NoHint);
            emit enterAccepted(index);
        }
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason) return false;
        emit commitData(editor);
        if (accepted_) emit closeEditor(editor, NoHint);
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace vornel
