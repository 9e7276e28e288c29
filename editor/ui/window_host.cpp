#include "editor/ui/window_host.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "editor/grid_table_chart.h"
#include "editor/project.h"
#include "editor/questions.h"
#include "editor/ui/control_options_dialog.h"
#include "editor/ui/staged_dialog.h"
#include "editor/ui/storing_window.h"
#include "editor/ui/table_chart_form.h"
#include "editor/ui/table_dialogs.h"
#include "editor/ui/table_form.h"
#include "editor/ui/title_dialog.h"
#include "editor/ui/wall_configuration_dialog.h"
#include "editor/ui/wall_properties_dialog.h"

namespace vornel {

namespace {

// The key of a child window and, for a table window, its table, kept on the child window.
constexpr char kKeyProperty[] = "vornelChildKey";
constexpr char kTableProperty[] = "vornelChildTable";

QString kind_key(ChildKind kind) {
    return QStringLiteral("kind %1").arg(static_cast<int>(kind));
}

QString table_key(const TGridTable& table) {
    return QStringLiteral("table %1").arg(reinterpret_cast<quintptr>(&table));
}

const TGridTable* table_of(const QMdiSubWindow* sub) {
    return reinterpret_cast<const TGridTable*>(sub->property(kTableProperty).value<quintptr>());
}

QWidget* editor_dialog(ChildKind kind, WindowHost& host) {
    switch (kind) {
        case ChildKind::Title:
            return new TdlgTitle(host);
        case ChildKind::WallProperties:
            return new TDlgProp(host);
        case ChildKind::WallConfiguration:
            return new TdlgCSD(host);
        case ChildKind::Surcharge:
            return new TDlgRebar(host);
        case ChildKind::ConcentratedLoads:
            return new TDlgConLoads(host);
        case ChildKind::Tieback:
            return new TDlgTieback(host);
        case ChildKind::Springs:
            return new TDlgSpring(host);
        case ChildKind::ControlOptions:
            return new TDlgOptions(host);
        case ChildKind::StagedOptions:
            return new TDlgStaged(host);
        case ChildKind::View3D:
        case ChildKind::ProfileView:
            break;
    }
    return nullptr;
}

// A table without a visible column has nothing to show: no window.
QWidget* editor_table_window(TGridTable& table, WindowHost& host) {
    bool visible = false;
    for (int c = 0; c < table.columnCount(); ++c) visible = visible || table.column(c).visible;
    if (!visible) return nullptr;
    if (auto* chart = dynamic_cast<TGridTableChart*>(&table))
        return new TTableChartForm(host, *chart);
    return new TTableForm(host, table);
}

}  // namespace

WindowHost::Factories WindowHost::editorWindows() {
    return {editor_dialog, editor_table_window};
}

WindowHost::WindowHost(QMdiArea& area, Project& project, Questions& questions, QObject* parent)
    : QObject(parent),
      area_(area),
      project_(project),
      questions_(questions),
      factories_(editorWindows()) {}

WindowHost::~WindowHost() = default;

// ---- The registry -------------------------------------------------------------------------

// A window closed a moment ago waits for its deletion outside the area, and a table window
// that is closing has let go of its table: both count as gone.
QMdiSubWindow* WindowHost::find(const QString& key) const {
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        if (sub->property(kKeyProperty).toString() != key) continue;
        if (auto* form = qobject_cast<TTableForm*>(sub->widget()); form && form->isClosing())
            continue;
        return sub;
    }
    return nullptr;
}

QMdiSubWindow* WindowHost::subWindowOf(const QWidget* w) const {
    for (QMdiSubWindow* sub : area_.subWindowList())
        if (sub->widget() == w) return sub;
    return nullptr;
}

QList<QWidget*> WindowHost::children() const {
    QList<QWidget*> all;
    for (QMdiSubWindow* sub : area_.subWindowList()) all << sub->widget();
    return all;
}

QWidget* WindowHost::child(const QString& key) const {
    QMdiSubWindow* sub = find(key);
    return sub ? sub->widget() : nullptr;
}

QWidget* WindowHost::child(ChildKind kind) const {
    return child(kind_key(kind));
}

void WindowHost::activate(QMdiSubWindow* sub) {
    if (sub->isMinimized()) sub->showNormal();
    sub->show();
    area_.setActiveSubWindow(sub);
}

QWidget* WindowHost::add(const QString& key, QWidget* w) {
    // A window given its size at creation (the 3D view, the Side View) opens at that size, the
    // frame and title bar around it; its size hint alone would leave it a bare title bar.
    const QSize wanted = w->testAttribute(Qt::WA_Resized) ? w->size() : QSize();
    QMdiSubWindow* sub = area_.addSubWindow(w);
    if (wanted.isValid()) {
        sub->ensurePolished();
        sub->resize(wanted.grownBy(sub->contentsMargins()));
    }
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setProperty(kKeyProperty, key);
    // A widget announces its destruction before its guards are cleared, so the news goes out
    // once it has gone (the 3D tools hide only when the view no longer exists).
    connect(
        sub, &QObject::destroyed, this, [this] { emit childrenChanged(); }, Qt::QueuedConnection);
    sub->show();
    activate(sub);
    return w;
}

QWidget* WindowHost::show(const QString& key, const std::function<QWidget*()>& create) {
    if (QMdiSubWindow* sub = find(key)) {
        activate(sub);
        return sub->widget();
    }
    QWidget* w = create ? create() : nullptr;
    return w ? add(key, w) : nullptr;
}

QWidget* WindowHost::showChild(ChildKind kind) {
    return show(kind_key(kind), [this, kind]() -> QWidget* {
        return factories_.dialog ? factories_.dialog(kind, *this) : nullptr;
    });
}

// ---- Dialogs ------------------------------------------------------------------------------

template <class D>
D* WindowHost::openDialog(ChildKind kind) {
    return qobject_cast<D*>(showChild(kind));
}

TdlgTitle* WindowHost::openTitle() {
    return openDialog<TdlgTitle>(ChildKind::Title);
}
TDlgProp* WindowHost::openWallProperties() {
    return openDialog<TDlgProp>(ChildKind::WallProperties);
}
TdlgCSD* WindowHost::openWallConfiguration() {
    return openDialog<TdlgCSD>(ChildKind::WallConfiguration);
}
TDlgRebar* WindowHost::openSurcharge() {
    return openDialog<TDlgRebar>(ChildKind::Surcharge);
}
TDlgConLoads* WindowHost::openConcentratedLoads() {
    return openDialog<TDlgConLoads>(ChildKind::ConcentratedLoads);
}
TDlgTieback* WindowHost::openTieback() {
    return openDialog<TDlgTieback>(ChildKind::Tieback);
}
TDlgSpring* WindowHost::openSprings() {
    return openDialog<TDlgSpring>(ChildKind::Springs);
}
TDlgOptions* WindowHost::openControlOptions() {
    return openDialog<TDlgOptions>(ChildKind::ControlOptions);
}

TDlgStaged* WindowHost::openStaged(bool modal) {
    if (!modal) return openDialog<TDlgStaged>(ChildKind::StagedOptions);
    if (!modal_staged_) {
        modal_staged_ = new TDlgStaged(*this, area_.window());
        modal_staged_->setAttribute(Qt::WA_DeleteOnClose);
    }
    modal_staged_->open();
    return modal_staged_;
}

// ---- Table windows ------------------------------------------------------------------------

TTableForm* WindowHost::openTable(TGridTable& table) {
    QWidget* w = show(table_key(table), [this, &table]() -> QWidget* {
        QWidget* created = factories_.table ? factories_.table(table, *this) : nullptr;
        return created;
    });
    if (QMdiSubWindow* sub = w ? subWindowOf(w) : nullptr)
        sub->setProperty(kTableProperty, QVariant::fromValue(reinterpret_cast<quintptr>(&table)));
    return qobject_cast<TTableForm*>(w);
}

TTableForm* WindowHost::tableWindow(const TGridTable& table) const {
    return qobject_cast<TTableForm*>(child(table_key(table)));
}

void WindowHost::closeSubTableWindows(const TGridTable& table) {
    QList<QPointer<QMdiSubWindow>> doomed;
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        const TGridTable* t = table_of(sub);
        if (!t || !find(table_key(*t))) continue;
        for (const TGridTable* o = t->owner(); o; o = o->owner())
            if (o == &table) {
                doomed << sub;
                break;
            }
    }
    for (const auto& sub : doomed)
        if (sub) sub->close();
}

void WindowHost::closeTableWindows(const TGridTable& table) {
    closeSubTableWindows(table);
    if (QMdiSubWindow* sub = find(table_key(table))) sub->close();
}

// ---- Commands on every child window -------------------------------------------------------

bool WindowHost::storeActive() {
    QMdiSubWindow* sub = area_.activeSubWindow();
    auto* w = sub ? dynamic_cast<StoringWindow*>(sub->widget()) : nullptr;
    return w ? w->storeValues() : true;
}

void WindowHost::unitsChanged() {
    for (QWidget* w : children())
        if (qobject_cast<TDlgOptions*>(w) || qobject_cast<TDlgProp*>(w) ||
            qobject_cast<TdlgCSD*>(w) || qobject_cast<TDlgRebar*>(w))
            static_cast<InputDialog*>(w)->reload();
        else if (auto* form = qobject_cast<TTableForm*>(w))
            form->unitsChanged();
}

void WindowHost::stageChanged() {
    for (QWidget* w : children())
        if (auto* form = qobject_cast<TTableForm*>(w)) {
            if (QMdiSubWindow* sub = subWindowOf(form)) sub->close();
        } else if (auto* d = qobject_cast<InputDialog*>(w)) {
            d->reload();
        }
}

bool WindowHost::switchStage(int stage) {
    const TProgramData& d = project_.data();
    if (stage == d.CurrentStage || stage > d.StageCount) return false;
    storeActive();
    closeAll();
    const bool switched = project_.switchStage(stage);
    emit stagesChanged();
    return switched;
}

bool WindowHost::copyPreviousEnabled() const {
    return project_.data().CurrentStage > 1;
}

bool WindowHost::copyPreviousStage() {
    storeActive();
    if (!copyPreviousEnabled()) return false;
    closeAll();
    const bool copied = project_.copyPreviousStage();
    emit stagesChanged();
    return copied;
}

void WindowHost::closeAll() {
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        if (auto* form = qobject_cast<TTableForm*>(sub->widget())) form->discardEntry();
        if (auto* dialog = qobject_cast<InputDialog*>(sub->widget())) dialog->setDiscarding();
        sub->close();
        // Closing is final here: the window goes now, not at the next event loop turn, so
        // nothing refers to a project that is about to be replaced.
        delete sub;
    }
    if (modal_staged_) modal_staged_->close();
    emit childrenChanged();
}

}  // namespace vornel
