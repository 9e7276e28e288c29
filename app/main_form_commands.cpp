// The main window's commands on the project: options, stages, data windows, the analysis,
// the text editor and help.
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QUrl>
#include <QUrlQuery>

#include "app/form_questions.h"
#include "app/main_form.h"
#include "editor/file_naming.h"

namespace vornel {

// ---- Options ------------------------------------------------------------------------------

// Turning a switch off closes the window of its table; its values stay until the project is
// written.
void TMainForm::toggleSwitch(bool TProgramData::*flag, TGridTable* table) {
    TProgramData& d = project_.data();
    d.*flag = !(d.*flag);
    if (!(d.*flag) && table) closeTableWindow(*table);
    applyCommandStates();
}

void TMainForm::toggleGeneratePY() {
    TProgramData& d = project_.data();
    if (d.GeneratePY > 1) d.GeneratePY = 1;
    if (d.GeneratePY < 0) d.GeneratePY = 0;
    d.GeneratePY = d.GeneratePY == 1 ? 0 : 1;
    applyCommandStates();
}

void TMainForm::toggleLongTerm() {
    TProgramData& d = project_.data();
    if (d.StageCount != 1) return;
    d.LongTerm = !d.LongTerm;
    applyCommandStates();
}

void TMainForm::setUnits(int system) {
    project_.data().SetUnits(system);
    emit unitSystemChanged();
    applyCommandStates();
}

void TMainForm::setEarthPressure(int option) {
    project_.data().EarthPressureOption = option;
    applyCommandStates();
}

// ---- Stages -------------------------------------------------------------------------------

// The windows show the stage they were opened on (table windows refer to sub-tables that a
// stage read replaces), so they are closed before another stage is read.
// The host closes them and reads the stage; its stagesChanged refreshes the window.
void TMainForm::switchStage(int stage) {
    host_->switchStage(stage);
    applyCommandStates();
}

void TMainForm::copyPreviousStage() {
    host_->copyPreviousStage();
    applyCommandStates();
}

void TMainForm::stagedModal() {
    storeActiveChild();
    if (project_.data().LongTerm) return;
    factories_.modal(ModalKind::StagedOptions, *this);
    afterProjectChanged();
}

// ---- Data windows -------------------------------------------------------------------------

void TMainForm::openSoilLayers(bool long_term_command, bool long_term_table) {
    ProjectTables& t = project_.tables();
    if (long_term_command != project_.data().LongTerm) return;
    showTable(long_term_table ? t.LongSoil : t.NewSoil);
}

void TMainForm::openDistributed(bool long_term_command, bool long_term_table) {
    ProjectTables& t = project_.tables();
    if (long_term_command != project_.data().LongTerm) return;
    showTable(long_term_table ? t.LongDist : t.DistLoad);
}

// ---- Computation --------------------------------------------------------------------------

void TMainForm::runAnalysis() {
    storeActiveChild();
    const QString before = project_.dataFilePath();
    const AnalysisRun::Outcome outcome = run_.run();
    if (project_.dataFilePath() != before) writeSettings();  // saved under a new name
    switch (outcome) {
        case AnalysisRun::Outcome::NotSaved:
        case AnalysisRun::Outcome::CheckFailed:
        case AnalysisRun::Outcome::NoRunFolder:
        case AnalysisRun::Outcome::AlreadyRunning:
            afterProjectChanged();
            return;
        case AnalysisRun::Outcome::Completed:
        case AnalysisRun::Outcome::OutputNotWritten:
            // A plot file left from an earlier run does not belong to this project's results.
            if (run_.plotFileReplaced()) {
                loadResults(true);
            } else {
                results_.clear();
                resultsLoaded_ = false;
            }
            break;
        case AnalysisRun::Outcome::LibraryFailed:
        case AnalysisRun::Outcome::Refused:
            break;
    }
    closeAllChildren();
    afterProjectChanged();
}

void TMainForm::editInput() {
    const QString path = project_.dataFilePath();
    if (!QFileInfo::exists(path)) return;
    if (!open_in_text_editor(*desktop_, textEditor(), path))
        questions_->inform(QString::fromLatin1(kEditorFailed));
}

void TMainForm::editResultFile(const char* extension) {
    const QString path = result_file(project_.dataFilePath(), extension);
    if (!QFileInfo::exists(path)) return;
    if (!open_in_text_editor(*desktop_, textEditor(), path))
        questions_->inform(QString::fromLatin1(kEditorFailed));
}

void TMainForm::show3DView() {
    showChild(ChildKind::View3D);
    applyCommandStates();
}

void TMainForm::view3DCommand(Cmd c) {
    if (QWidget* view = child(ChildKind::View3D)) factories_.view3DCommand(c, *this, *view);
    applyCommandStates();  // check marks of the mouse modes and the shown parts
}

// ---- Help ---------------------------------------------------------------------------------

void TMainForm::openHelpFile(const char* name) {
    const QString path = QDir(folder_).filePath(QString::fromUtf8(name));
    if (!QFileInfo::exists(path)) {
        questions_->inform(QString::fromLatin1(main_text::kFileMissing).arg(path));
        return;
    }
    desktop_->openUrl(QUrl::fromLocalFile(path));
}

void TMainForm::about() {
    questions_->about(QString::fromLatin1(main_text::kAboutTitle),
                      QStringLiteral("VORNEL 2015\nVersion ") + QLatin1String(kVersionText) +
                          QStringLiteral("\n\n") + QLatin1String(main_text::kAboutComment));
}

void TMainForm::checkForUpdates() {
    QUrl url(QString::fromLatin1(main_text::kUpdatePage));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("product"), QStringLiteral("VORNEL"));
    query.addQueryItem(QStringLiteral("version"), QString::fromLatin1(kVersionText));
    query.addQueryItem(QStringLiteral("build"), QStringLiteral(__DATE__));
    url.setQuery(query);
    desktop_->openUrl(url);
}

// Minimised windows are lined up along the bottom of the area, left to right.
void TMainForm::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* s : mdi_->subWindowList()) {
        if (!s->isMinimized()) continue;
        const QSize size = s->size();
        s->move(x, mdi_->viewport()->height() - size.height());
        x += size.width();
    }
}

}  // namespace vornel
