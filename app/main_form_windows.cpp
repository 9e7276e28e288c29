// The main window's child windows: all of them live in the window host's registry (the
// multiple-document area), created on first use through the factories.
#include <QMdiArea>
#include <QMdiSubWindow>

#include <QFile>

#include "app/main_form.h"
#include "app/results_summary_window.h"
#include "editor/analysis_run.h"

namespace vornel {

void TMainForm::showChild(ChildKind kind) {
    host_->showChild(kind);
}

QWidget* TMainForm::child(ChildKind kind) const {
    return host_->child(kind);
}

void TMainForm::showTable(TGridTable& table) {
    host_->openTable(table);
}

// A table's window goes with the windows of its sub-tables (a soil layer's parameters).
void TMainForm::closeTableWindow(TGridTable& table) {
    host_->closeTableWindows(table);
}

void TMainForm::showGraph(ResultGraph graph) {
    const QString key = QStringLiteral("graph %1").arg(static_cast<int>(graph));
    const bool existed = host_->child(key) != nullptr;
    QWidget* w = host_->show(key, [this, graph]() -> QWidget* {
        return factories_.graph ? factories_.graph(graph, *this) : nullptr;
    });
    // A graph window opens maximised. Its normal size, where it goes when the engineer restores
    // it (or another child window restores them all), is three quarters of the area.
    if (w && !existed)
        if (QMdiSubWindow* sub = host_->subWindowOf(w)) {
            const QSize area = host_->area().viewport()->size();
            sub->resize(area.width() * 3 / 4, area.height() * 3 / 4);
            sub->showMaximized();
        }
}

// The summary of the results held, with the iterations and warnings of the report beside them.
void TMainForm::showResultsSummary() {
    if (!resultsLoaded_) return;
    const QString key = QStringLiteral("results summary");
    const bool existed = host_->child(key) != nullptr;
    QWidget* w = host_->show(key, [this]() -> QWidget* {
        QFile report(result_file(project_.dataFilePath(), ".vn5o"));
        ResultsSummary summary;
        summary.build(results_.graphs(), report.open(QIODevice::ReadOnly)
                                             ? QString::fromLatin1(report.readAll())
                                             : QString());
        return new TResultsSummaryWindow(std::move(summary));
    });
    // It opens showing the whole table, as far as the area allows (beyond that it scrolls).
    if (w && !existed)
        if (QMdiSubWindow* sub = host_->subWindowOf(w)) {
            const QSize area = host_->area().viewport()->size();
            const QSize size = sub->size().boundedTo(area);
            sub->resize(size);
            if (!QRect(QPoint(), area).contains(QRect(sub->pos(), size))) sub->move(0, 0);
        }
}

void TMainForm::closeAllChildren() {
    host_->closeAll();
    applyCommandStates();
}

void TMainForm::storeActiveChild() {
    host_->storeActive();
}

}  // namespace vornel
