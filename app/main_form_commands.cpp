// The main window's commands on the project: options, stages, data windows, the analysis,
// the text editor and help.
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QUrl>
#include <QUrlQuery>
#include <optional>

#include "app/main_form.h"
#include "editor/file_naming.h"
#include "viewer/design_report.h"

namespace vornel {

// ---- Dispatch -----------------------------------------------------------------------------

namespace {

// The offset of `c` in the run of commands from `first` to `last`, or -1 outside it.
int offset_in(Cmd c, Cmd first, Cmd last) {
    const int i = index_of(c);
    return i >= index_of(first) && i <= index_of(last) ? i - index_of(first) : -1;
}

std::optional<ChildKind> dialog_of(Cmd c) {
    switch (c) {
        case Cmd::Title:
        case Cmd::TbTitle:
            return ChildKind::Title;
        case Cmd::WallProperties:
        case Cmd::TbWallProperties:
            return ChildKind::WallProperties;
        case Cmd::WallConfiguration:
        case Cmd::TbWallConfiguration:
            return ChildKind::WallConfiguration;
        case Cmd::Surcharge:
            return ChildKind::Surcharge;
        case Cmd::ConcentratedLoads:
            return ChildKind::ConcentratedLoads;
        case Cmd::Tieback:
            return ChildKind::Tieback;
        case Cmd::Springs:
            return ChildKind::Springs;
        case Cmd::TextEditorOption:
            return ChildKind::ControlOptions;
        case Cmd::TbStagedDialog:
            return ChildKind::StagedOptions;
        case Cmd::ViewWallGeometry:
        case Cmd::TbSoilProfile:
            return ChildKind::ProfileView;
        default:
            return std::nullopt;
    }
}

}  // namespace

void TMainForm::runCommand(Cmd c) {
    if (int n = offset_in(c, Cmd::UnitsEnglish, Cmd::UnitsOther); n >= 0) return setUnits(n + 1);
    if (int n = offset_in(c, Cmd::PressureUser, Cmd::PressureTrapezoidal); n >= 0)
        return setEarthPressure(n + 1);
    if (int n = offset_in(c, Cmd::Stage1, Cmd::Stage5); n >= 0) return switchStage(n + 1);
    if (int n = offset_in(c, Cmd::GraphPY, Cmd::GraphPressureCombined); n >= 0)
        return showGraph(static_cast<ResultGraph>(n));
    if (offset_in(c, Cmd::ToolPanning, Cmd::ShowPrint) >= 0) return view3DCommand(c);
    if (const auto kind = dialog_of(c)) return showChild(*kind);
    if (toggleOf(c)) return;
    if (TGridTable* table = tableOf(c)) return showTable(*table);
    runFileAndMenuCommand(c);
}

// The tables that Data commands open.
TGridTable* TMainForm::tableOf(Cmd c) {
    ProjectTables& t = project_.tables();
    switch (c) {
        case Cmd::Restraints:
            return &t.SoilLayer;
        case Cmd::PYModifiers:
            return &t.PYMod;
        case Cmd::ExternalPY:
            return &t.PYCurves2;
        case Cmd::EICurves:
            return &t.MEICurves2;
        default:
            return nullptr;
    }
}

// The Options switches with the table whose window goes when the switch is turned off; true
// when `c` is one of them (it has been toggled).
bool TMainForm::toggleOf(Cmd c) {
    ProjectTables& t = project_.tables();
    const struct {
        Cmd cmd;
        bool TProgramData::*flag;
        TGridTable* table;
    } switches[] = {{Cmd::UseConcentratedLoads, &TProgramData::UseConcentratedLoads, &t.BoundCond},
                    {Cmd::UseTiebacks, &TProgramData::UseTiebacks, nullptr},
                    {Cmd::UseRestraints, &TProgramData::UseRestraints, &t.SoilLayer},
                    {Cmd::UseExternalPY, &TProgramData::UseExternalPY, &t.PYCurves2},
                    {Cmd::UseSprings, &TProgramData::UseSprings, &t.SoilStrength},
                    {Cmd::UsePYModifiers, &TProgramData::UsePYModifiers, &t.PYMod},
                    {Cmd::UseSurcharge, &TProgramData::UseSurcharge, &t.SurchargeTable},
                    {Cmd::UseEICurves, &TProgramData::UseEICurves, &t.MEICurves2}};
    for (const auto& s : switches)
        if (s.cmd == c) {
            toggleSwitch(s.flag, s.table);
            return true;
        }
    return false;
}

void TMainForm::runFileAndMenuCommand(Cmd c) {
    switch (c) {
        case Cmd::New:
            return fileNew();
        case Cmd::Open:
            return fileOpen();
        case Cmd::Save:
            return fileSave();
        case Cmd::SaveAs:
            return fileSaveAs();
        case Cmd::PrintReport:
            return printReport();
        case Cmd::ExportReport:
            return exportReport();
        case Cmd::Exit:
            close();
            return;
        case Cmd::SoilLayers:
        case Cmd::TbSoilLayers:
            return openSoilLayers(false, false);
        case Cmd::SoilShortTerm:
            return openSoilLayers(true, false);
        case Cmd::SoilLongTerm:
            return openSoilLayers(true, true);
        case Cmd::DistLoad:
            return openDistributed(false, false);
        case Cmd::DistShortTerm:
            return openDistributed(true, false);
        case Cmd::DistLongTerm:
            return openDistributed(true, true);
        case Cmd::GeneratePY:
            return toggleGeneratePY();
        case Cmd::LongTerm:
            return toggleLongTerm();
        case Cmd::StagedAnalysis:
            return stagedModal();
        case Cmd::CopyPreviousStage:
            return copyPreviousStage();
        case Cmd::Run:
            return runAnalysis();
        case Cmd::EditInput:
            return editInput();
        case Cmd::EditNotes:
            return editResultFile(".vn5r");
        case Cmd::EditOutput:
            return editResultFile(".vn5o");
        case Cmd::View3D:
            return show3DView();
        case Cmd::ResultsSummary:
            return showResultsSummary();
        case Cmd::ExportExcel:
            return factories_.modal(ModalKind::ExportExcel, *this);
        case Cmd::Cascade:
            return mdi_->cascadeSubWindows();
        case Cmd::ArrangeIcons:
            return arrangeIcons();
        case Cmd::HelpContents:
            return openHelpFile(main_text::kHelpContents);
        case Cmd::UsersManual:
            return openHelpFile(main_text::kUsersManual);
        case Cmd::TechnicalManual:
            return openHelpFile(main_text::kTechnicalManual);
        case Cmd::About:
            return about();
        case Cmd::CheckUpdates:
            return checkForUpdates();
        default:
            return;
    }
}

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
    if (resultsLoaded_) showResultsSummary();
}

void TMainForm::editInput() {
    const QString path = project_.dataFilePath();
    if (!QFileInfo::exists(path)) return;
    if (const QString message = open_text_file(*desktop_, textEditor(), path); !message.isEmpty())
        questions_->inform(message);
}

void TMainForm::editResultFile(const char* extension) {
    const QString path = result_file(project_.dataFilePath(), extension);
    if (!QFileInfo::exists(path)) return;
    if (const QString message = open_text_file(*desktop_, textEditor(), path); !message.isEmpty())
        questions_->inform(message);
}

void TMainForm::show3DView() {
    // The first OpenGL child makes the window system create the main window anew; marked as
    // placed, it comes back where the engineer had it instead of where the window manager puts
    // new windows.
    if (isVisible() && !isMaximized() && !isFullScreen()) move(pos());
    showChild(ChildKind::View3D);
    applyCommandStates();
}

void TMainForm::view3DCommand(Cmd c) {
    if (QWidget* view = child(ChildKind::View3D)) factories_.view3DCommand(c, *this, *view);
    applyCommandStates();  // check marks of the mouse modes and the shown parts
}

// ---- Design report ------------------------------------------------------------------------

namespace {

// The report's PDF beside the data file, named after it.
QString report_name(const Project& project) {
    const QFileInfo data(project.dataFilePath());
    return data.dir().filePath(data.completeBaseName() + QStringLiteral(".pdf"));
}

QString with_pdf_suffix(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".pdf") : path;
}

// The PDF file dialog of the report, suggesting the report's name.
Questions::FileDialog report_pdf_dialog(Project& project, const QString& title) {
    return {title, report_name(project), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf")};
}

}  // namespace

// The pages take the size the printer settings give (Letter or A4 by the desktop's locale).
void TMainForm::exportReport() {
    const std::optional<QString> path =
        questions_->askPdfFileName(report_pdf_dialog(project_, tr("Export Report")));
    if (!path) return;
    const QString error = write_design_report(project_.data(), results_.graphs(),
                                              with_pdf_suffix(*path), default_page_size());
    if (!error.isEmpty()) questions_->inform(error);
}

// Where no printer is installed the report goes into a PDF file the engineer names.
void TMainForm::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    if (questions_->printerInstalled()) {
        if (!questions_->askPrint(printer)) return;
    } else {
        const std::optional<QString> path =
            questions_->askPdfFileName(report_pdf_dialog(project_, tr("Print To PDF File")));
        if (!path) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(with_pdf_suffix(*path));
    }
    printer.setDocName(tr("VORNEL 2015 Design Report"));
    printer.setCreator(QStringLiteral("VORNEL 2015"));
    if (!print_design_report(project_.data(), results_.graphs(), printer))
        questions_->inform(tr("The report could not be printed."));
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
