// The factories of the main window's child windows. Each kind of window is added here.
#include "editor/ui/child_windows.h"

#include <QAction>
#include <QWidget>

#include "editor/ui/main_form.h"
#include "viewer/graph_export.h"
#include "viewer/ui/export_dialog.h"
#include "viewer/ui/graph_window.h"

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

// The window of a result graph; none when the graph's ranges cannot be drawn.
QWidget* create_graph_window(ResultGraph graph, TMainForm& main) {
    auto* w = new TGraphWindow(main.results().graph(graph));
    if (w->openGraph()) return w;
    delete w;
    return nullptr;
}

namespace {

// The Graphics menu entries of the exportable graphs, in export order.
constexpr Cmd kExportCommands[] = {
    Cmd::GraphPY,       Cmd::GraphDeflection, Cmd::GraphShear,           Cmd::GraphMoment,
    Cmd::GraphReaction, Cmd::GraphPressure,   Cmd::GraphPressureCombined};

void export_to_excel(TMainForm& main) {
    ResultGraphsExport source(
        main.results().graphs(),
        [&main](int p) {
            const QAction* a = p >= 0 && p < 7 ? main.action(kExportCommands[p]) : nullptr;
            return a && a->isEnabled();
        },
        [&main] {
            return main.data().FileName.isEmpty() ? QString() : main.project().dataFilePath();
        });
    TDlgExport(source, nullptr, &main).exec();
}

}  // namespace

void run_modal_dialog(ModalKind kind, TMainForm& main) {
    switch (kind) {
        case ModalKind::ExportExcel:
            export_to_excel(main);
            break;
        case ModalKind::StagedOptions:
            break;
    }
}

void run_view3d_command(Cmd command, TMainForm& main, QWidget& view3d) {
    (void)command;
    (void)main;
    (void)view3d;
}

}  // namespace vornel
