// The main window's commands: one table with each command's text, icon, hint, shortcut and the
// rule that enables, shows and checks it. The menus and the toolbar are built from it.
//
// The rules are plain functions of the project and of what exists on disk and on screen, so
// that they are evaluated the same way whenever a menu opens or the toolbar is refreshed, and
// can be checked without a window. Toolbar buttons whose rule differs from their menu item's
// are commands of their own.
#pragma once

#include <array>
#include <span>

#include "editor/program_data.h"

namespace vornel {

// clang-format off
enum class Cmd : int {
    // File
    New, Open, Save, SaveAs, PrintReport, ExportReport, Exit,
    // Data
    Title, WallProperties, WallConfiguration, SoilLayers, SoilShortTerm, SoilLongTerm, DistLoad,
    DistShortTerm, DistLongTerm, Surcharge, ConcentratedLoads, Tieback, Restraints, PYModifiers,
    ExternalPY, Springs, EICurves,
    // Options
    UnitsEnglish, UnitsSI, UnitsOther, PressureUser, PressureTriangular, PressureTrapezoidal,
    GeneratePY, UseConcentratedLoads, UseTiebacks, UseRestraints, UseExternalPY, UseSprings,
    UsePYModifiers, UseSurcharge, UseEICurves, LongTerm, StagedAnalysis, TextEditorOption,
    // Stage Construction (menu items and toolbar buttons)
    Stage1, Stage2, Stage3, Stage4, Stage5, CopyPreviousStage,
    // Computation
    Run, EditInput, EditNotes, EditOutput, ViewWallGeometry, View3D, ResultsSummary,
    // Graphics (menu items and toolbar buttons)
    GraphPY, GraphDeflection, GraphMoment, GraphShear, GraphReaction, GraphDMS, GraphPressure,
    GraphPressureCombined, ExportExcel,
    // Window
    Cascade, ArrangeIcons,
    // Help
    HelpContents, UsersManual, TechnicalManual, About, CheckUpdates,
    // Toolbar buttons with rules of their own
    TbTitle, TbWallProperties, TbWallConfiguration, TbSoilLayers, TbStagedDialog, TbSoilProfile,
    // 3D view tools (toolbar) and the "Show 3DView" menu
    ToolPanning, ToolZoomWindow, ToolZooming, ToolRotating, ToolZoomIn, ToolZoomOut,
    ToolRestartView, ToolDeformedShape, ShowWall, ShowSoilLayers, ShowWaterLevel,
    ShowSurcharge, ShowConcentratedLoads, ShowTiebacks, ShowBoundaryConditions,
    ShowLateralSprings, ShowDeformedShape, ShowSavePicture, ShowPrint,
    // Submenus, shown or hidden as a whole
    SoilLayersMenu, DistLoadMenu, StageMenu, Show3DMenu,
    Count
};
// clang-format on
constexpr int kCmdCount = static_cast<int>(Cmd::Count);

// The result graphs, in the order of their commands from GraphPY.
enum class ResultGraph : int { PY, Deflection, Moment, Shear, Reaction, DMS, Pressure, Combined };
constexpr int kResultGraphCount = 8;

// What the rules read besides the project.
struct CommandContext {
    bool resultsLoaded = false;  // the plot file was read completely
    bool plotFileExists = false;
    std::array<bool, kResultGraphCount> graphHoldsData{};
    bool inputFileExists = false, notesFileExists = false, outputFileExists = false;
    bool view3DOpen = false;
    // The open 3D view's mouse mode (0 none, 1 pan, 2 zoom, 3 rotate, 4 zoom window) and its
    // "Show 3DView" flags, in the order of the menu's items from ShowWall on.
    int view3DMode = 0;
    std::array<bool, 8> view3DShown{};
};

struct CommandState {
    bool enabled = true, visible = true, checked = false;
};

using CommandStates = std::array<CommandState, kCmdCount>;

struct CommandInfo {
    Cmd id;
    const char* text;      // menu item, button or submenu caption
    const char* icon;      // ":/vornel/icons/<icon>.svg", or null
    const char* hint;      // tooltip and status tip of a toolbar button, or null
    const char* shortcut;  // or null
    bool checkable;
    // Null: always enabled and visible, never checked.
    CommandState (*rule)(const TProgramData& d, const CommandContext& c);
};

// Every command in the order of Cmd.
std::span<const CommandInfo> command_table();
const CommandInfo& command_info(Cmd c);
CommandStates command_states(const TProgramData& d, const CommandContext& c);

constexpr int index_of(Cmd c) {
    return static_cast<int>(c);
}

}  // namespace vornel
