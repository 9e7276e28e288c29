// The main window's child windows: created on first use through the factories, one of each
// kind, brought back on later choices, forgotten when closed.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "editor/ui/main_form.h"

namespace vornel {

QMdiSubWindow* TMainForm::addChild(QWidget* widget) {
    QMdiSubWindow* sub = mdi_->addSubWindow(widget);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A widget announces its destruction before its guards are cleared, so the rules are
    // evaluated once it has gone (the 3D tools hide only when the view no longer exists).
    connect(
        sub, &QObject::destroyed, this, [this] { applyCommandStates(); }, Qt::QueuedConnection);
    sub->show();
    return sub;
}

void TMainForm::activate(QMdiSubWindow* sub) {
    if (sub->isMinimized()) sub->showNormal();
    sub->show();
    mdi_->setActiveSubWindow(sub);
}

void TMainForm::showChild(ChildKind kind) {
    const int key = static_cast<int>(kind);
    if (QMdiSubWindow* sub = dialogs_.value(key)) {
        activate(sub);
        return;
    }
    QWidget* w = factories_.dialog ? factories_.dialog(kind, *this) : nullptr;
    if (!w) return;
    QMdiSubWindow* sub = addChild(w);
    dialogs_.insert(key, sub);
    activate(sub);
}

QWidget* TMainForm::child(ChildKind kind) const {
    QMdiSubWindow* sub = dialogs_.value(static_cast<int>(kind));
    return sub ? sub->widget() : nullptr;
}

void TMainForm::showTable(TGridTable& table) {
    if (QMdiSubWindow* sub = tables_.value(&table)) {
        activate(sub);
        return;
    }
    QWidget* w = factories_.table ? factories_.table(table, *this) : nullptr;
    if (!w) return;
    QMdiSubWindow* sub = addChild(w);
    tables_.insert(&table, sub);
    activate(sub);
}

// A table's window goes with the windows of its sub-tables (a soil layer's parameters).
void TMainForm::closeTableWindow(TGridTable& table) {
    QList<TGridTable*> doomed;
    for (auto it = tables_.cbegin(); it != tables_.cend(); ++it) {
        if (!it.value()) continue;
        for (const TGridTable* t = it.key(); t; t = t->owner())
            if (t == &table) {
                doomed << it.key();
                break;
            }
    }
    for (TGridTable* t : doomed)
        if (QMdiSubWindow* sub = tables_.take(t)) sub->close();
}

void TMainForm::showGraph(ResultGraph graph) {
    const int key = static_cast<int>(graph);
    if (QMdiSubWindow* sub = graphs_.value(key)) {
        activate(sub);
        return;
    }
    QWidget* w = factories_.graph ? factories_.graph(graph, *this) : nullptr;
    if (!w) return;
    QMdiSubWindow* sub = addChild(w);
    graphs_.insert(key, sub);
    activate(sub);
    sub->showMaximized();  // a graph window opens maximised
}

void TMainForm::closeAllChildren() {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        sub->close();
        // Closing is final here: the window goes now, not at the next event loop turn, so
        // nothing refers to a project that is about to be replaced.
        delete sub;
    }
    dialogs_.clear();
    tables_.clear();
    graphs_.clear();
    applyCommandStates();
}

}  // namespace vornel
