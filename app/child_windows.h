// Where the child windows plug into the main window.
//
// The main window creates every child window on first use through these factories; its window
// host shows it in the multiple-document area, brings it back on later choices and forgets it
// when it is closed (child windows are deleted on close). A factory that returns null means that
// kind of window is not available; the command then does nothing. Each default factory below is
// defined in child_windows.cpp, the one place to add a new window.
#pragma once

#include <functional>

#include "app/commands.h"
#include "editor/ui/window_host.h"

class QWidget;

namespace vornel {

class TMainForm;
class TGridTable;

// Modal dialogs run to completion by the command.
enum class ModalKind : int {
    StagedOptions,  // from the Options menu; the main window refreshes its stage controls after
    ExportExcel,    // "Export to Excel"
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
