#include "editor/ui/window_host.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "editor/grid_table_chart.h"
#include "editor/project.h"
#include "editor/ui/control_options_dialog.h"
#include "editor/ui/staged_dialog.h"
#include "editor/ui/table_chart_form.h"
#include "editor/ui/table_dialogs.h"
#include "editor/ui/table_form.h"
#include "editor/ui/title_dialog.h"
#include "editor/ui/wall_configuration_dialog.h"
#include "editor/ui/wall_properties_dialog.h"

namespace vornel {

WindowHost::WindowHost(QMdiArea& area, Project& project, WindowQuestions& questions,
                       QObject* parent)
    : QObject(parent), area_(area), project_(project), questions_(questions) {}

WindowHost::~WindowHost() = default;

QMdiSubWindow* WindowHost::subWindowOf(const QWidget* w) const {
    for (QMdiSubWindow* sub : area_.subWindowList())
        if (sub->widget() == w) return sub;
    return nullptr;
}

// A child window of fixed size with system, minimize and close buttons, freed when closed.
QMdiSubWindow* WindowHost::addChild(QWidget* w, bool fixed) {
    Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    QMdiSubWindow* sub = area_.addSubWindow(w, flags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    if (fixed && w->layout()) w->layout()->setSizeConstraint(QLayout::SetFixedSize);
    sub->adjustSize();
    return sub;
}

// The three moments of a dialog come from the activation changes of its child window. A
// dialog that cannot be left (invalid field) comes back to the front without reloading, so
// the user can correct the entry.
void WindowHost::watch(QMdiSubWindow* sub, InputDialog* dialog) {
    auto returning = std::make_shared<bool>(false);
    connect(sub, &QMdiSubWindow::windowStateChanged, dialog,
            [this, sub, dialog, returning](Qt::WindowStates before, Qt::WindowStates now) {
                const bool was = before.testFlag(Qt::WindowActive);
                const bool is = now.testFlag(Qt::WindowActive);
                if (!was && is) {
                    if (!*returning) dialog->becomeActive();
                    *returning = false;
                } else if (was && !is && !dialog->leave()) {
                    *returning = true;
                    QTimer::singleShot(0, sub, [this, sub] { area_.setActiveSubWindow(sub); });
                }
            });
}

template <class D>
D* WindowHost::openDialog(QPointer<D>& slot) {
    // A dialog closed a moment ago waits for its deletion outside the area: it counts as gone.
    if (!slot || !subWindowOf(slot)) {
        slot = new D(*this);
        QMdiSubWindow* sub = addChild(slot, true);
        watch(sub, slot);
        sub->show();
    }
    QMdiSubWindow* sub = subWindowOf(slot);
    if (sub->isMinimized()) sub->showNormal();
    area_.setActiveSubWindow(sub);
    return slot;
}

TdlgTitle* WindowHost::openTitle() { return openDialog(title_); }
TDlgProp* WindowHost::openWallProperties() { return openDialog(prop_); }
TdlgCSD* WindowHost::openWallConfiguration() { return openDialog(csd_); }
TDlgRebar* WindowHost::openSurcharge() { return openDialog(rebar_); }
TDlgConLoads* WindowHost::openConcentratedLoads() { return openDialog(con_loads_); }
TDlgTieback* WindowHost::openTieback() { return openDialog(tieback_); }
TDlgSpring* WindowHost::openSprings() { return openDialog(spring_); }
TDlgOptions* WindowHost::openControlOptions() { return openDialog(options_); }

TDlgStaged* WindowHost::openStaged(bool modal) {
    if (!staged_) {
        staged_ = new TDlgStaged(*this, area_.window());
        staged_->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (modal) {
        staged_->open();
    } else {
        staged_->setModal(false);
        staged_->show();
        staged_->raise();
    }
    return staged_;
}

TTableForm* WindowHost::tableWindow(const TGridTable& table) const {
    const auto it = tables_.find(&table);
    if (it == tables_.end() || !it->second || it->second->isClosing() ||
        !subWindowOf(it->second))
        return nullptr;
    return it->second;
}

TTableForm* WindowHost::openTable(TGridTable& table) {
    TTableForm* form = tableWindow(table);
    if (!form) {
        bool visible = false;
        for (int c = 0; c < table.columnCount(); ++c) visible = visible || table.column(c).visible;
        if (!visible) return nullptr;
        if (auto* chart = dynamic_cast<TGridTableChart*>(&table))
            form = new TTableChartForm(*this, *chart);
        else
            form = new TTableForm(*this, table);
        tables_[&table] = form;
        addChild(form, true)->show();
    }
    QMdiSubWindow* sub = subWindowOf(form);
    if (sub->isMinimized()) sub->showNormal();
    area_.setActiveSubWindow(sub);
    return form;
}

void WindowHost::closeSubTableWindows(const TGridTable& table) {
    std::vector<QPointer<TTableForm>> doomed;
    for (const auto& [t, form] : tables_) {
        if (!form || form->isClosing() || t == &table) continue;
        for (const TGridTable* o = t->owner(); o; o = o->owner())
            if (o == &table) doomed.emplace_back(form);
    }
    for (const auto& form : doomed)
        if (form) {
            if (QMdiSubWindow* sub = subWindowOf(form)) sub->close();
        }
}

void WindowHost::closeTableWindows(const TGridTable& table) {
    closeSubTableWindows(table);
    if (TTableForm* form = tableWindow(table))
        if (QMdiSubWindow* sub = subWindowOf(form)) sub->close();
}

std::vector<InputDialog*> WindowHost::openDialogs() const {
    std::vector<InputDialog*> all;
    for (InputDialog* d : std::initializer_list<InputDialog*>{
             title_, prop_, csd_, rebar_, con_loads_, tieback_, spring_, options_})
        if (d && subWindowOf(d)) all.push_back(d);
    return all;
}

bool WindowHost::storeActive() {
    QMdiSubWindow* sub = area_.activeSubWindow();
    if (!sub) return true;
    if (auto* dialog = qobject_cast<InputDialog*>(sub->widget())) return dialog->leave();
    if (auto* form = qobject_cast<TTableForm*>(sub->widget())) return form->entryValid();
    return true;
}

void WindowHost::unitsChanged() {
    for (InputDialog* d : std::initializer_list<InputDialog*>{options_, prop_, csd_, rebar_})
        if (d && subWindowOf(d)) d->reload();
}

void WindowHost::stageChanged() {
    for (auto& [t, form] : tables_)
        if (form && !form->isClosing())
            if (QMdiSubWindow* sub = subWindowOf(form)) sub->close();
    for (InputDialog* d : openDialogs()) d->reload();
}

bool WindowHost::copyPreviousEnabled() const {
    return project_.data().CurrentStage > 1;
}

bool WindowHost::copyPreviousStage() {
    if (!copyPreviousEnabled() || !storeActive()) return false;
    const bool copied = project_.copyPreviousStage();
    if (copied) stageChanged();
    emit stagesChanged();
    return copied;
}

bool WindowHost::switchStage(int stage) {
    if (!storeActive()) return false;
    const bool switched = project_.switchStage(stage);
    if (switched) stageChanged();
    emit stagesChanged();
    return switched;
}

void WindowHost::closeAll() {
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        // Every child goes, whatever its fields hold: the project it showed is being replaced.
        if (auto* form = qobject_cast<TTableForm*>(sub->widget())) form->discardEntry();
        if (auto* dialog = qobject_cast<InputDialog*>(sub->widget())) dialog->setDiscarding();
        sub->close();
    }
    if (staged_) staged_->close();
}

}  // namespace vornel
