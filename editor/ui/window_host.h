// WindowHost: creates the editor's dialogs and table windows as child windows of the main
// window's MDI area, at most one of each kind, on first use, and frees them when closed.
//
// Inside the program the host belongs to the main window (`of`): its dialogs and table windows
// are then created by the main window's factories and every `open...` goes through the main
// window, which keeps the list of its children. Without a main window (tests, tools) the host
// creates the child windows in the MDI area it was given.
//
// Each `open...` function creates its window when it does not exist and brings it to the front
// otherwise, and returns it. Table windows belong to their tables: one window per table or
// sub-table instance.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace vornel {

class InputDialog;
class Project;
class TDlgConLoads;
class TDlgOptions;
class TDlgProp;
class TDlgRebar;
class TDlgSpring;
class TDlgStaged;
class TDlgTieback;
class TGridTable;
class TMainForm;
class TTableForm;
class TdlgCSD;
class TdlgTitle;
class DialogQuestions;

class WindowHost : public QObject {
    Q_OBJECT
  public:
    WindowHost(QMdiArea& area, Project& project, DialogQuestions& questions,
               QObject* parent = nullptr);
    ~WindowHost() override;
    // The host of the main window's dialogs and table windows, created on first use.
    static WindowHost& of(TMainForm& main);

    QMdiArea& area() const { return area_; }
    Project& project() const { return project_; }
    DialogQuestions& questions() const { return *questions_; }

    // The configured text editor (the main window keeps it in the settings).
    QString textEditor() const;
    void setTextEditor(const QString& path);

    // ---- Dialogs ----
    TdlgTitle* openTitle();
    TDlgProp* openWallProperties();
    TdlgCSD* openWallConfiguration();
    TDlgRebar* openSurcharge();
    TDlgConLoads* openConcentratedLoads();
    TDlgTieback* openTieback();
    TDlgSpring* openSprings();
    TDlgOptions* openControlOptions();
    // Staged Construction Options: modal from the Options menu, modeless from the toolbar.
    // Both return at once; OK applies the stage count and emits stagesChanged.
    TDlgStaged* openStaged(bool modal);

    // ---- Table windows ----
    TTableForm* openTable(TGridTable& table);
    TTableForm* tableWindow(const TGridTable& table) const;
    // Closes the window of `table` and of every sub-table it owns; the values stay.
    void closeTableWindows(const TGridTable& table);
    void closeSubTableWindows(const TGridTable& table);

    // ---- Commands of the main window ----
    // Lets the active child window store its values (before a menu opens or a command runs);
    // false when its focused field is invalid.
    bool storeActive();
    // After a change of the unit system: the open dialogs that show converted values reload.
    void unitsChanged();
    // After a stage switch or copy: every open dialog reloads, table windows are closed
    // (their tables now hold another stage).
    void stageChanged();
    // Copy Previous Stage: enabled while the current stage is above 1; asks its question.
    bool copyPreviousEnabled() const;
    bool copyPreviousStage();
    bool switchStage(int stage);
    // New, Open, Save As, after a run: every child window is closed.
    void closeAll();

    QMdiSubWindow* subWindowOf(const QWidget* w) const;

  signals:
    void stagesChanged();
    void modifiedChanged();

  private:
    explicit WindowHost(TMainForm& main);
    template <class D>
    D* openDialog(QPointer<D>& slot, int kind);
    void closeForm(TTableForm* form);
    QMdiSubWindow* addChild(QWidget* w, bool fixed);
    std::vector<InputDialog*> openDialogs() const;
    std::vector<TTableForm*> tableWindows() const;

    TMainForm* main_ = nullptr;
    QMdiArea& area_;
    Project& project_;
    std::unique_ptr<DialogQuestions> own_questions_;
    DialogQuestions* questions_;
    QString text_editor_;
    QPointer<TdlgTitle> title_;
    QPointer<TDlgProp> prop_;
    QPointer<TdlgCSD> csd_;
    QPointer<TDlgRebar> rebar_;
    QPointer<TDlgConLoads> con_loads_;
    QPointer<TDlgTieback> tieback_;
    QPointer<TDlgSpring> spring_;
    QPointer<TDlgOptions> options_;
    QPointer<TDlgStaged> staged_;
};

}  // namespace vornel
