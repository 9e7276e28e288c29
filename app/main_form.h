// TMainForm: the program's main window.
//
// A multiple-document window that owns the one project (through Project), the menus and the
// toolbar with their enabling rules, the status bar with the construction stage, the program
// settings, the results of the last analysis and, during a run, the engine binding. Dialogs,
// table windows and viewer windows are its child windows, created on first use through the
// factories of child_windows.h; every message and file dialog goes through Questions, handed on to
// every child window.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "app/child_windows.h"
#include "app/commands.h"
#include "app/desktop.h"
#include "app/plot_results.h"
#include "app/window_questions.h"
#include "editor/analysis_run.h"
#include "editor/project.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace vornel {

struct MainFormSetup {
    Questions* questions = nullptr;  // null: message boxes and file dialogs
    Desktop* desktop = nullptr;      // null: the system's desktop
    QString programFolder;           // empty: the executable's folder
    ChildWindowFactories factories = ChildWindowFactories::defaults();
};

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(MainFormSetup setup = {});
    ~TMainForm() override;

    // ---- What child windows use ----
    Project& project() { return project_; }
    TProgramData& data() { return project_.data(); }
    Questions& questions() { return *questions_; }
    QMdiArea* mdiArea() const { return mdi_; }
    const QString& programFolder() const { return folder_; }
    WindowHost& host() { return *host_; }
    const QString& textEditor() const { return host_->textEditor(); }
    void setTextEditor(const QString& editor) { host_->setTextEditor(editor); }
    PlotResults& results() { return results_; }
    bool resultsLoaded() const { return resultsLoaded_; }

    void showChild(ChildKind kind);
    void showTable(TGridTable& table);
    void closeTableWindow(TGridTable& table);
    void showGraph(ResultGraph graph);
    QWidget* child(ChildKind kind) const;
    void closeAllChildren();
    // After a child changed the stage count or the options: status bar, stage menu and
    // buttons, long-term menus and toolbar.
    void refreshCommands();

    // ---- Start-up ----
    void openCommandLine(const QStringList& arguments);
    // Opens a file by its extension, as a recent file or a dropped file does.
    void openByExtension(const QString& path);

    QAction* action(Cmd c) const { return act_[index_of(c)]; }

  signals:
    void unitSystemChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Construction (main_form.cpp)
    void createActions();
    void createMenus();
    void createDataMenu();
    void createOptionsMenu();
    void createViewerMenus();
    void createToolBars();
    void createStatusBar();
    void readSettings();
    void writeSettings();

    // Rules (main_form_rules.cpp)
    CommandContext commandContext() const;
    void applyCommandStates();
    void menuOpening(QMenu* menu);
    void updateCaption();
    void updateStatus();
    void updateRecentFiles();
    void updateWindowMenu();
    void afterProjectChanged();

    // File commands (main_form_files.cpp)
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void openRecent(int n);
    bool askToSave();
    void discardChildren();
    void openPath(const QString& path, std::optional<DataFormat> format);
    void loadResults(bool report_failure);

    // Commands (main_form_commands.cpp)
    void runCommand(Cmd c);
    void runFileAndMenuCommand(Cmd c);
    TGridTable* tableOf(Cmd c);
    bool toggleOf(Cmd c);
    void toggleSwitch(bool TProgramData::*flag, TGridTable* table);
    void toggleGeneratePY();
    void toggleLongTerm();
    void setUnits(int system);
    void setEarthPressure(int option);
    void switchStage(int stage);
    void copyPreviousStage();
    void stagedModal();
    void openSoilLayers(bool long_term_command, bool long_term_table);
    void openDistributed(bool long_term_command, bool long_term_table);
    void runAnalysis();
    void editResultFile(const char* extension);
    void editInput();
    void show3DView();
    void showResultsSummary();
    void view3DCommand(Cmd c);
    void printReport();
    void exportReport();
    void openHelpFile(const char* name);
    void about();
    void checkForUpdates();
    void arrangeIcons();

    // Child windows (main_form_windows.cpp)
    void storeActiveChild();

    std::unique_ptr<MessageBoxQuestions> ownQuestions_;
    Questions* questions_;
    std::unique_ptr<Desktop> ownDesktop_;
    Desktop* desktop_;
    QString folder_;
    Project project_;
    AnalysisRun run_;
    PlotResults results_;
    bool resultsLoaded_ = false;
    ChildWindowFactories factories_;
    bool settingsReadOnShow_ = false;

    QMdiArea* mdi_ = nullptr;
    WindowHost* host_ = nullptr;
    std::array<QAction*, kCmdCount> act_{};
    QMenu *fileMenu_ = nullptr, *dataMenu_ = nullptr, *optionsMenu_ = nullptr,
          *stageMenu_ = nullptr, *computationMenu_ = nullptr, *graphicsMenu_ = nullptr,
          *show3DMenu_ = nullptr, *windowMenu_ = nullptr, *helpMenu_ = nullptr,
          *soilMenu_ = nullptr, *distMenu_ = nullptr, *unitsMenu_ = nullptr,
          *pressureMenu_ = nullptr;
    QList<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
    QAction* windowSeparator_ = nullptr;
    QList<QAction*> windowActions_;
    QToolBar* toolBar_ = nullptr;
    QList<QPair<QAction*, QList<Cmd>>> toolGroups_;  // separator before a group, its buttons
    QLabel* status_ = nullptr;
};

namespace main_text {
inline constexpr char kAboutTitle[] = "About VORNEL 2015";
inline constexpr char kAboutComment[] =
    "A program for the analysis of flexible retaining structures";
inline constexpr char kHelpContents[] = "help/index.html";
inline constexpr char kUsersManual[] = "VORNEL 2015 Users Manual.pdf";
inline constexpr char kTechnicalManual[] = "VornelTechnicalManual.pdf";
inline constexpr char kUpdatePage[] = "https://www.dovrik.com/vornel/update-check";
inline constexpr char kFileMissing[] = "The file %1 could not be found.";
inline constexpr char kNoSuchFile[] =
    "The file %1 could not be found; a new project has been started.";
}  // namespace main_text

}  // namespace vornel
