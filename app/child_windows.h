// Where the child windows plug into the main window.
//
// The main window creates every child window on first use through these factories, shows it
// in its multiple-document area, brings it back on later choices and forgets it when it is
// closed (child windows are deleted on close). A factory that returns null means that kind of
// window is not available; the command then does nothing. Each default factory below is
// defined in child_windows.cpp, the one place to add a new window.
#pragma once

#include <functional>

#include "editor/ui/commands.h"

class QWidget;

namespace vornel {

class TMainForm;
class TGridTable;

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

// Modal dialogs run to completion by the command.
enum class ModalKind : int {
    StagedOptions,  // from the Options menu; the main window refreshes its stage controls after
    ExportExcel,    // "Export to Excel"
};

// A child window that holds entries not yet stored in the project (a field being edited).
// Before a menu opens, a file command or a run, the main window asks the active one to store.
class StoringWindow {
  public:
    virtual ~StoringWindow() = default;
    virtual void storeValues() = 0;
};

struct ChildWindowFactories {
    std::function<QWidget*(ChildKind, TMainForm&)> dialog;
    std::function<QWidget*(TGridTable&, TMainForm&)> table;
    std::function<QWidget*(ResultGraph, TMainForm&)> graph;
    std::function<void(ModalKind, TMainForm&)> modal;
    // A 3D-view tool or a "Show 3DView" item, given to the open 3D view.
    std::function<void(Cmd, TMainForm&, QWidget& view3d)> view3DCommand;

    static ChildWindowFactories defaults();
};

QWidget* create_dialog(ChildKind kind, TMainForm& main);
QWidget* create_table_window(TGridTable& table, TMainForm& main);
QWidget* create_graph_window(ResultGraph graph, TMainForm& main);
void run_modal_dialog(ModalKind kind, TMainForm& main);
void run_view3d_command(Cmd command, TMainForm& main, QWidget& view3d);

}  // namespace vornel
