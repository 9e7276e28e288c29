// The factories of the main window's child windows. Each kind of window is added here.
#include "editor/ui/child_windows.h"

#include <QWidget>

namespace vornel {

ChildWindowFactories ChildWindowFactories::defaults() {
    return {create_dialog, create_table_window, create_graph_window, run_modal_dialog,
            run_view3d_command};
}

QWidget* create_dialog(ChildKind kind, TMainForm& main) {
    (void)main;
    switch (kind) {
        case ChildKind::Title:
        case ChildKind::WallProperties:
        case ChildKind::WallConfiguration:
        case ChildKind::Surcharge:
        case ChildKind::ConcentratedLoads:
        case ChildKind::Tieback:
        case ChildKind::Springs:
        case ChildKind::ControlOptions:
        case ChildKind::StagedOptions:
        case ChildKind::View3D:
        case ChildKind::ProfileView:
            break;
    }
    return nullptr;
}

QWidget* create_table_window(TGridTable& table, TMainForm& main) {
    (void)table;
    (void)main;
    return nullptr;
}

QWidget* create_graph_window(ResultGraph graph, TMainForm& main) {
    (void)graph;
    (void)main;
    return nullptr;
}

void run_modal_dialog(ModalKind kind, TMainForm& main) {
    (void)kind;
    (void)main;
}

void run_view3d_command(Cmd command, TMainForm& main, QWidget& view3d) {
    (void)command;
    (void)main;
    (void)view3d;
}

}  // namespace vornel
