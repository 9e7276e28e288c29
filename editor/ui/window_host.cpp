#include "editor/ui/window_host.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "editor/grid_table_chart.h"
#include "editor/project.h"
#include "editor/ui/child_windows.h"
#include "editor/ui/control_options_dialog.h"
#include "editor/ui/dialog_questions.h"
#include "editor/ui/main_form.h"
#include "editor/ui/staged_dialog.h"
#include "editor/ui/table_chart_form.h"
#include "editor/ui/table_dialogs.h"
#include "editor/ui/table_form.h"
#include "editor/ui/title_dialog.h"
#include "editor/ui/wall_configuration_dialog.h"
#include "editor/ui/wall_properties_dialog.h"

namespace vornel {

namespace {

// The main window's questions for the dialogs: its boxes, and the common open dialog for the
// Browse buttons.
class MainFormDialogQuestions : public DialogQuestions {
  public:
    explicit MainFormDialogQuestions(TMainForm& main) : main_(main) {}
    Answer askYesNoCancel(const QString& text) override {
        return main_.questions().askYesNoCancel(text);
    }
    bool askYesNo(const QString& text) override { return main_.questions().askYesNo(text); }
    std::optional<QString> askSaveFileName(const QString& suggested,
                                           const QString& title) override {
        return main_.questions().askSaveFileName(suggested, title);
    }
    void inform(const QString& text) override { main_.questions().inform(text); }
    void showStatus(const QString& text) override { main_.questions().showStatus(text); }
    std::optional<QString> askFileToOpen(const QString& title, const QString& start,
                                         const QString& filters) override {
        return MessageBoxDialogQuestions(&main_).askFileToOpen(title, start, filters);
    }

  private:
    TMainForm& main_;
};

}  // namespace

WindowHost::WindowHost(QMdiArea& area, Project& project, DialogQuestions& questions,
                       QObject* parent)
    : QObject(parent), area_(area), project_(project), questions_(&questions) {}

WindowHost::WindowHost(TMainForm& main)
    : QObject(&main),
      main_(&main),
      area_(*main.mdiArea()),
      project_(main.project()),
      own_questions_(std::make_unique<MainFormDialogQuestions>(main)),
      questions_(own_questions_.get()) {
    connect(&main, &TMainForm::unitSystemChanged, this, &WindowHost::unitsChanged);
    connect(this, &WindowHost::stagesChanged, &main, &TMainForm::refreshCommands);
    connect(this, &WindowHost::modifiedChanged, &main, &TMainForm::refreshCommands);
}

WindowHost& WindowHost::of(TMainForm& main) {
    if (auto* host = main.findChild<WindowHost*>(QString(), Qt::FindDirectChildrenOnly))
        return *host;
    return *new WindowHost(main);
}

QString WindowHost::textEditor() const {
    return main_ ? main_->textEditor() : text_editor_;
}

void WindowHost::setTextEditor(const QString& path) {
    if (main_)
        main_->setTextEditor(path);
    else
        text_editor_ = path;
}

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

template <class D>
D* WindowHost::openDialog(QPointer<D>& slot, int kind) {
    if (main_) {
        main_->showChild(static_cast<ChildKind>(kind));
        return qobject_cast<D*>(main_->child(static_cast<ChildKind>(kind)));
    }
    // A dialog closed a moment ago waits for its deletion outside the area: it counts as gone.
    if (!slot || !subWindowOf(slot)) {
        slot = new D(*this);
        addChild(slot, true)->show();
    }
    QMdiSubWindow* sub = subWindowOf(slot);
    if (sub->isMinimized()) sub->showNormal();
    area_.setActiveSubWindow(sub);
    return slot;
}

TdlgTitle* WindowHost::openTitle() {
    return openDialog(title_, static_cast<int>(ChildKind::Title));
}
TDlgProp* WindowHost::openWallProperties() {
    return openDialog(prop_, static_cast<int>(ChildKind::WallProperties));
}
TdlgCSD* WindowHost::openWallConfiguration() {
    return openDialog(csd_, static_cast<int>(ChildKind::WallConfiguration));
}
TDlgRebar* WindowHost::openSurcharge() {
    return openDialog(rebar_, static_cast<int>(ChildKind::Surcharge));
}
TDlgConLoads* WindowHost::openConcentratedLoads() {
    return openDialog(con_loads_, static_cast<int>(ChildKind::ConcentratedLoads));
}
TDlgTieback* WindowHost::openTieback() {
    return openDialog(tieback_, static_cast<int>(ChildKind::Tieback));
}
TDlgSpring* WindowHost::openSprings() {
    return openDialog(spring_, static_cast<int>(ChildKind::Springs));
}
TDlgOptions* WindowHost::openControlOptions() {
    return openDialog(options_, static_cast<int>(ChildKind::ControlOptions));
}

TDlgStaged* WindowHost::openStaged(bool modal) {
    // Modeless inside the program: a child window of the main window, as from its toolbar.
    if (main_ && !modal) {
        main_->showChild(ChildKind::StagedOptions);
        return qobject_cast<TDlgStaged*>(main_->child(ChildKind::StagedOptions));
    }
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

std::vector<TTableForm*> WindowHost::tableWindows() const {
    std::vector<TTableForm*> all;
    for (QMdiSubWindow* sub : area_.subWindowList())
        if (auto* form = qobject_cast<TTableForm*>(sub->widget()))
            if (!form->isClosing()) all.push_back(form);
    return all;
}

TTableForm* WindowHost::tableWindow(const TGridTable& table) const {
    for (TTableForm* form : tableWindows())
        if (&form->table() == &table) return form;
    return nullptr;
}

TTableForm* WindowHost::openTable(TGridTable& table) {
    if (main_) {
        main_->showTable(table);
        return tableWindow(table);
    }
    TTableForm* form = tableWindow(table);
    if (!form) {
        bool visible = false;
        for (int c = 0; c < table.columnCount(); ++c) visible = visible || table.column(c).visible;
        if (!visible) return nullptr;
        if (auto* chart = dynamic_cast<TGridTableChart*>(&table))
            form = new TTableChartForm(*this, *chart);
        else
            form = new TTableForm(*this, table);
        addChild(form, true)->show();
    }
    QMdiSubWindow* sub = subWindowOf(form);
    if (sub->isMinimized()) sub->showNormal();
    area_.setActiveSubWindow(sub);
    return form;
}

void WindowHost::closeSubTableWindows(const TGridTable& table) {
    std::vector<QPointer<TTableForm>> doomed;
    for (TTableForm* form : tableWindows())
        for (const TGridTable* o = form->table().owner(); o; o = o->owner())
            if (o == &table) doomed.emplace_back(form);
    for (const auto& form : doomed)
        if (form) closeForm(form);
}

void WindowHost::closeTableWindows(const TGridTable& table) {
    closeSubTableWindows(table);
    if (TTableForm* form = tableWindow(table)) closeForm(form);
}

// The main window keeps the list of its table windows: it closes them itself.
void WindowHost::closeForm(TTableForm* form) {
    if (main_)
        main_->closeTableWindow(form->table());
    else if (QMdiSubWindow* sub = subWindowOf(form))
        sub->close();
}

std::vector<InputDialog*> WindowHost::openDialogs() const {
    std::vector<InputDialog*> all;
    for (QMdiSubWindow* sub : area_.subWindowList())
        if (auto* d = qobject_cast<InputDialog*>(sub->widget())) all.push_back(d);
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
    for (InputDialog* d : openDialogs())
        if (qobject_cast<TDlgOptions*>(d) || qobject_cast<TDlgProp*>(d) ||
            qobject_cast<TdlgCSD*>(d) || qobject_cast<TDlgRebar*>(d))
            d->reload();
}

void WindowHost::stageChanged() {
    for (TTableForm* form : tableWindows()) closeForm(form);
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
    if (main_) {
        main_->closeAllChildren();
        return;
    }
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        // Every child goes, whatever its fields hold: the project it showed is being replaced.
        if (auto* form = qobject_cast<TTableForm*>(sub->widget())) form->discardEntry();
        if (auto* dialog = qobject_cast<InputDialog*>(sub->widget())) dialog->setDiscarding();
        sub->close();
    }
    if (staged_) staged_->close();
}

}  // namespace vornel
