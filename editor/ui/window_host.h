// WindowHost: the one registry of the program's child windows.
//
// The child windows live in one multiple-document area; the area itself is the list of them
// (as in Qt's MDI example). Each child window carries its key: a kind of modeless window
// (`ChildKind`, at most one of each), a table (one window per table or sub-table instance) or
// any other key its creator gives it (a result graph). `show...` creates the window on first
// use through the host's factories and brings it to the front on later calls; a factory that
// returns null means that window is not available. Windows are deleted when closed.
//
// The host also runs what concerns every child window at once: storing the active one's
// entries before a command, reloading after a change of units, closing them all before a
// stage switch or when the project is replaced.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace vornel {

class Project;
class TDlgConLoads;
class TDlgOptions;
class TDlgProp;
class TDlgRebar;
class TDlgSpring;
class TDlgStaged;
class TDlgTieback;
class TGridTable;
class TTableForm;
class TdlgCSD;
class TdlgTitle;
class Questions;

// Modeless child windows, at most one of each kind.
enum class ChildKind : int {
    Title,              // "Project Title"
    WallProperties,     // "Wall Properties"
    WallConfiguration,  // "Wall Configuration"
    Surcharge,          // "Additional Surcharge"
    ConcentratedLoads,  // "Concentrated Loads"
    Tieback,            // "Tieback (Ground Anchor)"
    Springs,            // "Lateral & Rotational Springs"
    ControlOptions,     // "Control Options"
    StagedOptions,      // "Staged Construction Options", modeless from the toolbar
    View3D,             // "3-D View"
    ProfileView,        // "Side View"
};

class WindowHost : public QObject {
    Q_OBJECT
  public:
    struct Factories {
        std::function<QWidget*(ChildKind, WindowHost&)> dialog;
        std::function<QWidget*(TGridTable&, WindowHost&)> table;
    };
    // The editor's own windows: its dialogs and table windows (none for the viewer's kinds).
    static Factories editorWindows();

    WindowHost(QMdiArea& area, Project& project, Questions& questions, QObject* parent = nullptr);
    ~WindowHost() override;

    QMdiArea& area() const { return area_; }
    Project& project() const { return project_; }
    Questions& questions() const { return questions_; }
    void setFactories(Factories factories) { factories_ = std::move(factories); }

    // The configured text editor (kept in the program settings).
    const QString& textEditor() const { return text_editor_; }
    void setTextEditor(const QString& path) { text_editor_ = path; }

    // ---- The registry ----
    QWidget* child(ChildKind kind) const;
    QWidget* showChild(ChildKind kind);
    // A window under a key of the caller's own ("graph 3"), created by `create` on first use.
    QWidget* child(const QString& key) const;
    QWidget* show(const QString& key, const std::function<QWidget*()>& create);
    QMdiSubWindow* subWindowOf(const QWidget* w) const;
    QList<QWidget*> children() const;
    // Brings a child window to the front, restored when minimised.
    void activate(QMdiSubWindow* sub);

    // ---- Dialogs ----
    TdlgTitle* openTitle();
    TDlgProp* openWallProperties();
    TdlgCSD* openWallConfiguration();
    TDlgRebar* openSurcharge();
    TDlgConLoads* openConcentratedLoads();
    TDlgTieback* openTieback();
    TDlgSpring* openSprings();
    TDlgOptions* openControlOptions();
    // Staged Construction Options: modeless, a child window (the toolbar); modal, a dialog over
    // the main window that returns at once and deletes itself when done (the Options menu).
    // OK applies the stage count and emits stagesChanged.
    TDlgStaged* openStaged(bool modal);

    // ---- Table windows ----
    // Shows the window of `table`; the table window, or null when the window is not one.
    TTableForm* openTable(TGridTable& table);
    TTableForm* tableWindow(const TGridTable& table) const;
    // Closes the window of `table` and of every sub-table it owns; the values stay.
    void closeTableWindows(const TGridTable& table);
    void closeSubTableWindows(const TGridTable& table);

    // ---- Commands on every child window ----
    // Lets the active child window store its values (before a menu opens or a command runs);
    // false when its focused field is invalid.
    bool storeActive();
    // After a change of the unit system: the open dialogs that show converted values reload.
    void unitsChanged();
    // After the stage count changed: every open dialog reloads, table windows are closed
    // (their tables now hold another stage).
    void stageChanged();
    // Switch to another stage, or Copy Previous Stage (enabled while the current stage is
    // above 1; asks its question): the active window stores, every child window is closed
    // (they show the stage they were opened on) and the stage is read.
    bool switchStage(int stage);
    bool copyPreviousEnabled() const;
    bool copyPreviousStage();
    // New, Open, Save As, after a run: every child window goes now, whatever its fields hold.
    void closeAll();

  signals:
    void stagesChanged();
    void modifiedChanged();
    // A child window has gone (emitted once it no longer exists).
    void childrenChanged();

  private:
    QMdiSubWindow* find(const QString& key) const;
    QWidget* add(const QString& key, QWidget* w);
    template <class D>
    D* openDialog(ChildKind kind);

    QMdiArea& area_;
    Project& project_;
    Questions& questions_;
    Factories factories_;
    QString text_editor_;
    QPointer<TDlgStaged> modal_staged_;
};

}  // namespace vornel
