// The factories of the main window's child windows. Each kind of window is added here.
#include "app/child_windows.h"

#include <QAction>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include "app/main_form.h"
#include "editor/ui/staged_dialog.h"
#include "editor/ui/window_host.h"
#include "viewer/graph_export.h"
#include "viewer/scene_deflection.h"
#include "viewer/ui/dlg_block.h"
#include "viewer/ui/dlg_side_view.h"
#include "viewer/ui/export_dialog.h"
#include "viewer/ui/graph_window.h"
#include "viewer/ui/view_3d_text.h"

namespace vornel {

ChildWindowFactories ChildWindowFactories::defaults() {
    return {create_dialog, create_table_window, create_graph_window, run_modal_dialog,
            run_view3d_command};
}

namespace {

// The 3D view with the first deflection curve of the results.
QWidget* create_3d_view(TMainForm& main) {
    auto* view = new TDlgBlock(main.project(), main.questions());
    view->setDeflection(first_deflection_curve(main.results().graphs().pltDef));
    return view;
}

}  // namespace

QWidget* create_dialog(ChildKind kind, TMainForm& main) {
    switch (kind) {
        case ChildKind::View3D:
            return create_3d_view(main);
        case ChildKind::ProfileView: {
            auto* view = new TDlgSideView(main.project(), main.questions());
            view->setEarthPressurePoints(main.project().data().Results.PressurePointCount);
            return view;
        }
        default:
            return WindowHost::editorWindows().dialog(kind, main.host());
    }
}

QWidget* create_table_window(TGridTable& table, TMainForm& main) {
    return WindowHost::editorWindows().table(table, main.host());
}

// The window of a result graph; none when the graph's ranges cannot be drawn.
QWidget* create_graph_window(ResultGraph graph, TMainForm& main) {
    auto* w = new TGraphWindow(main.results().graph(graph), main.questions());
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
    TDlgExport(source, main.questions(), &main).exec();
}

}  // namespace

void run_modal_dialog(ModalKind kind, TMainForm& main) {
    switch (kind) {
        case ModalKind::StagedOptions: {
            // The host's modal dialog returns at once; the command waits until it is done.
            QPointer<TDlgStaged> dialog = main.host().openStaged(true);
            QEventLoop wait;
            QObject::connect(dialog, &QDialog::finished, &wait, &QEventLoop::quit);
            if (dialog && dialog->isVisible()) wait.exec();
            break;
        }
        case ModalKind::ExportExcel:
            export_to_excel(main);
            break;
    }
}

void run_view3d_command(Cmd command, TMainForm& main, QWidget& view3d) {
    (void)main;
    auto* view = qobject_cast<TDlgBlock*>(&view3d);
    if (!view) return;
    switch (command) {
        case Cmd::ToolPanning:
            return view->setMouseMode(MouseMode::Pan);
        case Cmd::ToolZoomWindow:
            return view->setMouseMode(MouseMode::ZoomWindow);
        case Cmd::ToolZooming:
            return view->setMouseMode(MouseMode::Zoom);
        case Cmd::ToolRotating:
            return view->setMouseMode(MouseMode::Rotate);
        case Cmd::ToolZoomIn:
            return view->ZoomIn();
        case Cmd::ToolZoomOut:
            return view->ZoomOut();
        case Cmd::ToolRestartView:
            return view->RestartViewButtonClick();
        case Cmd::ToolDeformedShape:
        case Cmd::ShowDeformedShape:
            view->DeformedShapeWindow();
            return;
        case Cmd::ShowSavePicture:
            view->savePicture();
            return;
        case Cmd::ShowPrint:
            view->print();
            return;
        default:
            break;
    }
    const int item = index_of(command) - index_of(Cmd::ShowWall);
    if (item >= 0 && item < 8) view->toggleShow(kShowMenuOrder[item]);
}

}  // namespace vornel
