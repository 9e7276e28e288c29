// The main window's enabling rules applied to its actions, and the texts it shows: caption,
// status bar, recent files and the window list.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/main_form.h"
#include "viewer/ui/dlg_block.h"

namespace vornel {

CommandContext TMainForm::commandContext() const {
    CommandContext c;
    const QString data_file = project_.dataFilePath();
    c.resultsLoaded = resultsLoaded_;
    c.plotFileExists = QFileInfo::exists(result_file(data_file, ".vn5p"));
    for (int i = 0; i < kResultGraphCount; ++i)
        c.graphHoldsData[i] = results_.holdsData(static_cast<ResultGraph>(i));
    c.inputFileExists = QFileInfo::exists(data_file);
    c.notesFileExists = QFileInfo::exists(result_file(data_file, ".vn5r"));
    c.outputFileExists = QFileInfo::exists(result_file(data_file, ".vn5o"));
    c.view3DOpen = child(ChildKind::View3D) != nullptr;
    if (auto* view = qobject_cast<TDlgBlock*>(child(ChildKind::View3D))) {
        c.view3DMode = static_cast<int>(view->navigation().mode);
        for (int i = 0; i < 8; ++i) c.view3DShown[i] = view->isShown(kShowMenuOrder[i]);
    }
    return c;
}

void TMainForm::applyCommandStates() {
    const CommandStates states = command_states(project_.data(), commandContext());
    for (int i = 0; i < kCmdCount; ++i) {
        QAction* a = act_[i];
        if (!a) continue;
        a->setEnabled(states[i].enabled);
        a->setVisible(states[i].visible);
        if (a->isCheckable()) a->setChecked(states[i].checked);
    }
    // A group of hidden buttons (stages, 3D tools) takes its separator with it.
    for (const auto& [separator, cmds] : toolGroups_) {
        bool any = false;
        for (Cmd c : cmds) any = any || states[index_of(c)].visible;
        separator->setVisible(any);
    }
}

void TMainForm::menuOpening(QMenu* menu) {
    const bool stores = menu == fileMenu_ || menu == dataMenu_ || menu == optionsMenu_ ||
                        menu == stageMenu_ || menu == computationMenu_ || menu == windowMenu_;
    if (stores) storeActiveChild();
    TProgramData& d = project_.data();
    // A project without an earth-pressure option gets the user-specified one when the choice
    // is shown, so that exactly one radio item is checked.
    if (menu == pressureMenu_ && d.EarthPressureOption == 0) d.EarthPressureOption = 1;
    applyCommandStates();
    if (menu == fileMenu_) updateRecentFiles();
    if (menu == windowMenu_) updateWindowMenu();
}

void TMainForm::updateCaption() {
    setWindowTitle(project_.caption());
}

void TMainForm::updateStatus() {
    status_->setText(project_.statusText());
}

void TMainForm::updateRecentFiles() {
    const QStringList captions = project_.recentFiles().menuCaptions(project_.currentFolder());
    for (int i = 0; i < recentActions_.size(); ++i) {
        QAction* a = recentActions_[i];
        a->setVisible(i < captions.size());
        if (i < captions.size()) a->setText(captions[i]);
    }
    recentSeparator_->setVisible(project_.recentFiles().separatorVisible());
}

void TMainForm::updateWindowMenu() {
    qDeleteAll(windowActions_);
    windowActions_.clear();
    const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
    windowSeparator_->setVisible(!subs.isEmpty());
    QMdiSubWindow* active = mdi_->activeSubWindow();
    for (qsizetype i = 0; i < subs.size() && i < 50; ++i) {
        auto* a = new QAction(subs[i]->windowTitle(), windowMenu_);
        a->setCheckable(true);
        a->setChecked(subs[i] == active);
        // The item names its window by caption, "&" ignored, as the list shows it.
        connect(a, &QAction::triggered, this, [this, caption = subs[i]->windowTitle()] {
            const QString wanted = QString(caption).remove(QLatin1Char('&'));
            for (QMdiSubWindow* s : mdi_->subWindowList())
                if (QString(s->windowTitle()).remove(QLatin1Char('&')) == wanted) {
                    host_->activate(s);
                    return;
                }
        });
        windowMenu_->addAction(a);
        windowActions_ << a;
    }
}

// After New, Open, Save As, a run and a stage change: everything the window shows of the
// project.
void TMainForm::afterProjectChanged() {
    updateCaption();
    updateStatus();
    updateRecentFiles();
    applyCommandStates();
}

void TMainForm::refreshCommands() {
    afterProjectChanged();
}

}  // namespace vornel
