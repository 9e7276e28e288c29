// The factories of the main window's child windows. Each kind of window is added here.
#include "editor/ui/child_windows.h"

#include <QWidget>

#include "editor/grid_table_chart.h"
#include "editor/ui/control_options_dialog.h"
#include "editor/ui/main_form.h"
#include "editor/ui/staged_dialog.h"
#include "editor/ui/table_chart_form.h"
#include "editor/ui/table_dialogs.h"
#include "editor/ui/table_form.h"
#include "editor/ui/title_dialog.h"
#include "editor/ui/wall_configuration_dialog.h"
#include "editor/ui/wall_properties_dialog.h"
#include "editor/ui/window_host.h"

namespace vornel {

ChildWindowFactories ChildWindowFactories::defaults() {
    return {create_dialog, create_table_window, create_graph_window, run_modal_dialog,
            run_view3d_command};
}

QWidget* create_dialog(ChildKind kind, TMainForm& main) {
    WindowHost& host = WindowHost::of(main);
    switch (kind) {
        case ChildKind::Title:
            return new TdlgTitle(host);
        case ChildKind::WallProperties:
            return new TDlgProp(host);
        case ChildKind::WallConfiguration:
            return new TdlgCSD(host);
        case ChildKind::Surcharge:
            return new TDlgRebar(host);
        case ChildKind::ConcentratedLoads:
            return new TDlgConLoads(host);
        case ChildKind::Tieback:
            return new TDlgTieback(host);
        case ChildKind::Springs:
            return new TDlgSpring(host);
        case ChildKind::ControlOptions:
            return new TDlgOptions(host);
        case ChildKind::StagedOptions:
            return new TDlgStaged(host);
        case ChildKind::View3D:
        case ChildKind::ProfileView:
            break;
    }
    return nullptr;
}

QWidget* create_table_window(TGridTable& table, TMainForm& main) {
    WindowHost& host = WindowHost::of(main);
    if (auto* chart = dynamic_cast<TGridTableChart*>(&table))
        return new TTableChartForm(host, *chart);
    return new TTableForm(host, table);
}

QWidget* create_graph_window(ResultGraph graph, TMainForm& main) {
    (void)graph;
    (void)main;
    return nullptr;
}

void run_modal_dialog(ModalKind kind, TMainForm& main) {
    switch (kind) {
        case ModalKind::StagedOptions: {
            TDlgStaged dialog(WindowHost::of(main), &main);
            dialog.exec();
            break;
        }
        case ModalKind::ExportExcel:
            break;
    }
}

void run_view3d_command(Cmd command, TMainForm& main, QWidget& view3d) {
    (void)command;
    (void)main;
    (void)view3d;
}

}  // namespace vornel
