#include "app/commands.h"

namespace vornel {

namespace {

using P = const TProgramData&;
using C = const CommandContext&;

constexpr CommandState enabled_if(bool on) {
    return {on, true, false};
}
constexpr CommandState checked_if(bool on, bool enabled = true) {
    return {enabled, true, on};
}
constexpr CommandState shown_if(bool visible, bool enabled = true) {
    return {enabled, visible, false};
}

bool soil_data(P d) {
    return d.GeneratedPressure || d.GeneratePY != 0;
}
// The short-term and long-term items of the soil and pressure submenus.
bool long_items(P d) {
    return d.LongTerm && d.StageCount == 1;
}
bool results(C c) {
    return c.resultsLoaded && c.plotFileExists;
}
bool graph_ready(C c, ResultGraph g) {
    return results(c) && c.graphHoldsData[static_cast<int>(g)];
}

template <int N>
CommandState stage_rule(P d, C) {
    return {N <= d.StageCount, d.StageCount > 1, N == d.CurrentStage};
}
template <ResultGraph G>
CommandState graph_rule(P, C c) {
    return enabled_if(graph_ready(c, G));
}
CommandState dms_rule(P, C c) {
    return enabled_if(graph_ready(c, ResultGraph::Deflection) &&
                      graph_ready(c, ResultGraph::Moment) && graph_ready(c, ResultGraph::Shear));
}
CommandState results_rule(P, C c) {
    return enabled_if(results(c));
}
// The 3D tools and the "Show 3DView" items exist while the view is open; the mouse modes
// (1 pan, 2 zoom, 3 rotate, 4 zoom window) and the show flags come from the view.
CommandState tool_rule(P, C c) {
    return shown_if(c.view3DOpen);
}
template <int Mode>
CommandState mode_rule(P, C c) {
    return {true, c.view3DOpen, c.view3DMode == Mode};
}
template <int Item>
CommandState show_rule(P, C c) {
    return {true, c.view3DOpen, c.view3DShown[Item]};
}
CommandState deformed_rule(P, C c) {
    return shown_if(c.view3DOpen, graph_ready(c, ResultGraph::Deflection));
}

// Indexed by Cmd: the rows are in the order of the enumeration (the table test checks it).
const CommandInfo kCommands[] = {
    // File
    {Cmd::New, "&New", "new", "New Data File", "Ctrl+N", false, nullptr},
    {Cmd::Open, "&Open...", "open", "Open Data File", "Ctrl+O", false, nullptr},
    {Cmd::Save, "&Save", "save", "Save Data File", "Ctrl+S", false, nullptr},
    {Cmd::SaveAs, "Save &As...", nullptr, nullptr, nullptr, false, nullptr},
    {Cmd::PrintReport, "Print Report...", nullptr, nullptr, nullptr, false, results_rule},
    {Cmd::ExportReport, "Export Report...", nullptr, nullptr, nullptr, false, results_rule},
    {Cmd::Exit, "E&xit", nullptr, nullptr, "Ctrl+Q", false, nullptr},
    // Data
    {Cmd::Title, "&Title", nullptr, nullptr, nullptr, false, nullptr},
    {Cmd::WallProperties, "Wall &Properties", nullptr, nullptr, nullptr, false, nullptr},
    {Cmd::WallConfiguration, "&Wall Configuration", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(soil_data(d)); }},
    {Cmd::SoilLayers, "&Soil Layer Data", nullptr, nullptr, nullptr, false,
     [](P d, C) { return shown_if(!d.LongTerm, soil_data(d)); }},
    {Cmd::SoilShortTerm, "Short-Term", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(long_items(d)); }},
    {Cmd::SoilLongTerm, "Long-Term", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(long_items(d)); }},
    {Cmd::DistLoad, "&Distributed Active Earth Pressure", nullptr, nullptr, nullptr, false,
     [](P d, C) { return shown_if(!d.LongTerm, d.EarthPressureOption == 1); }},
    {Cmd::DistShortTerm, "Short-Term", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(long_items(d)); }},
    {Cmd::DistLongTerm, "Long-Term", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(long_items(d)); }},
    {Cmd::Surcharge, "&Additional Surcharge Loads", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(d.UseSurcharge); }},
    {Cmd::ConcentratedLoads, "&Concentrated Loads on the Wall", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(d.UseConcentratedLoads); }},
    {Cmd::Tieback, "Tieback (Ground Anchor) Data", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(d.UseTiebacks); }},
    {Cmd::Restraints, "&Boundary Condition on Deflection or Slope", nullptr, nullptr, nullptr,
     false, [](P d, C) { return enabled_if(d.UseRestraints); }},
    {Cmd::PYModifiers, "Modification &Factors for p-y Curves", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(d.UsePYModifiers); }},
    {Cmd::ExternalPY, "Sets of &External p-y Curves", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(d.UseExternalPY); }},
    {Cmd::Springs, "&Lateral Springs and Rotational Restraints", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(d.UseSprings); }},
    {Cmd::EICurves, "Sets of Nonlinear Moment vs EI Curves", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(d.UseEICurves); }},
    // Options
    {Cmd::UnitsEnglish, "&English Units (lbs, in)", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.UnitSystem == 1); }},
    {Cmd::UnitsSI, "&SI Units (kN, m)", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.UnitSystem == 2); }},
    {Cmd::UnitsOther, "&Other Units (F, L)", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.UnitSystem == 3); }},
    {Cmd::PressureUser, "Earth-Pressure Specified by User", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.EarthPressureOption == 1); }},
    {Cmd::PressureTriangular, "Generate Triangular-Distribution Earth-Pressure", nullptr, nullptr,
     nullptr, true, [](P d, C) { return checked_if(d.EarthPressureOption == 2); }},
    {Cmd::PressureTrapezoidal, "Generate Trapezoidal-Distribution Pressure (Anchored Walls)",
     nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.EarthPressureOption == 3); }},
    {Cmd::GeneratePY, "Generate &p-y Curves", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.GeneratePY == 1); }},
    {Cmd::UseConcentratedLoads, "Apply &Concentrated Loads", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.UseConcentratedLoads); }},
    {Cmd::UseTiebacks, "Apply Tieback (Ground  Anchor)", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.UseTiebacks); }},
    {Cmd::UseRestraints, "Apply &Restraints on Deflection or Slope", nullptr, nullptr, nullptr,
     true, [](P d, C) { return checked_if(d.UseRestraints); }},
    {Cmd::UseExternalPY, "Apply User Specified p-y Curves (&External)", nullptr, nullptr, nullptr,
     true, [](P d, C) { return checked_if(d.UseExternalPY); }},
    {Cmd::UseSprings, "Apply &Lateral Springs and Rotation Restraints", nullptr, nullptr, nullptr,
     true, [](P d, C) { return checked_if(d.UseSprings); }},
    {Cmd::UsePYModifiers, "Apply External p-y &Modification Factors ", nullptr, nullptr, nullptr,
     true, [](P d, C) { return checked_if(d.UsePYModifiers); }},
    {Cmd::UseSurcharge, "Apply Additional Surcharge Loads", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.UseSurcharge); }},
    {Cmd::UseEICurves, "Apply Nonlinear Moment vs EI Curves", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.UseEICurves); }},
    {Cmd::LongTerm, "Conduct Short-Term and Long-Term &Analyses", nullptr, nullptr, nullptr, true,
     [](P d, C) { return checked_if(d.LongTerm, d.StageCount == 1); }},
    {Cmd::StagedAnalysis, "Conduct &Staged-Construction Analysis...", nullptr, nullptr, nullptr,
     true, [](P d, C) { return checked_if(d.StageCount > 1, !d.LongTerm); }},
    {Cmd::TextEditorOption, "&Option of Text Editor...", nullptr, nullptr, nullptr, false, nullptr},
    // Stage Construction
    {Cmd::Stage1, "Stage &1", "stage1", "Stage Const. 1", nullptr, true, stage_rule<1>},
    {Cmd::Stage2, "Stage &2", "stage2", "Stage Const. 2", nullptr, true, stage_rule<2>},
    {Cmd::Stage3, "Stage &3", "stage3", "Stage Const. 3", nullptr, true, stage_rule<3>},
    {Cmd::Stage4, "Stage &4", "stage4", "Stage Const. 4", nullptr, true, stage_rule<4>},
    {Cmd::Stage5, "Stage &5", "stage5", "Stage Const. 5", nullptr, true, stage_rule<5>},
    {Cmd::CopyPreviousStage, "Copy &Previous Stage", nullptr, nullptr, nullptr, false,
     [](P d, C) { return enabled_if(d.CurrentStage > 1); }},
    // Computation
    {Cmd::Run, "&Run Analysis", "run", "Run Analysis", nullptr, false, nullptr},
    {Cmd::EditInput, "Edit I&nput Text", nullptr, nullptr, nullptr, false,
     [](P, C c) { return enabled_if(c.inputFileExists); }},
    {Cmd::EditNotes, "Edit &Processor-Run Notes", nullptr, nullptr, nullptr, false,
     [](P, C c) { return enabled_if(c.notesFileExists); }},
    {Cmd::EditOutput, "Edit &Output Text", "view_output", "View Output File", nullptr, false,
     [](P, C c) { return enabled_if(c.outputFileExists); }},
    {Cmd::ViewWallGeometry, "&View Wall Geometry", nullptr, nullptr, nullptr, false, results_rule},
    {Cmd::View3D, "3D View", "view3d", "3D View", nullptr, false, nullptr},
    {Cmd::ResultsSummary, "Results &Summary", "results_summary", "Results Summary", nullptr, false,
     results_rule},
    // Graphics
    {Cmd::GraphPY, "p-&y Curves", "py", "View p-y Curves", nullptr, false,
     graph_rule<ResultGraph::PY>},
    {Cmd::GraphDeflection, "&Deflection vs Depth", "deflection", "Deflection Diagram", nullptr,
     false, graph_rule<ResultGraph::Deflection>},
    {Cmd::GraphMoment, "&Moment vs Depth", "moment", "Moment Diagram", nullptr, false,
     graph_rule<ResultGraph::Moment>},
    {Cmd::GraphShear, "&Shear vs Depth", "shear", "LShear Diagram", nullptr, false,
     graph_rule<ResultGraph::Shear>},
    {Cmd::GraphReaction, "&Reaction vs Depth", "reaction", "Soil-Reaction Diagram", nullptr, false,
     graph_rule<ResultGraph::Reaction>},
    {Cmd::GraphDMS, "&Deflection, Moment and Shear", "dms", "Deflection, Moment and Shear", nullptr,
     false, dms_rule},
    {Cmd::GraphPressure, "Earth &Pressure Distribution", "pressure", "Pressure Diagram", nullptr,
     false, graph_rule<ResultGraph::Pressure>},
    {Cmd::GraphPressureCombined, "Earth Pressure Combined", nullptr, nullptr, nullptr, false,
     results_rule},
    {Cmd::ExportExcel, "Export Plots To Excel", nullptr, nullptr, nullptr, false, results_rule},
    // Window
    {Cmd::Cascade, "&Cascade", nullptr, nullptr, nullptr, false, nullptr},
    {Cmd::ArrangeIcons, "&Arrange Icons", nullptr, nullptr, nullptr, false, nullptr},
    // Help
    {Cmd::HelpContents, "&Contents", nullptr, nullptr, nullptr, false, nullptr},
    {Cmd::UsersManual, "&User's Manual", nullptr, nullptr, nullptr, false, nullptr},
    {Cmd::TechnicalManual, "&Technical Manual", nullptr, nullptr, nullptr, false, nullptr},
    {Cmd::About, "&About...", nullptr, nullptr, nullptr, false, nullptr},
    {Cmd::CheckUpdates, "Check for &Updates", nullptr, nullptr, nullptr, false, nullptr},
    // Toolbar buttons with rules of their own
    {Cmd::TbTitle, "Title", "title", "Title", nullptr, false, nullptr},
    {Cmd::TbWallProperties, "Wall Properties", "wall_properties", "Wall Properties", nullptr, false,
     nullptr},
    {Cmd::TbWallConfiguration, "Wall Configuration", "wall_configuration", "Wall Configuration",
     nullptr, false, nullptr},
    {Cmd::TbSoilLayers, "Soil Layers", "soil_layers", "Soil Layers", nullptr, false,
     [](P d, C) { return enabled_if(!d.LongTerm); }},
    {Cmd::TbStagedDialog, "Stage Construction Option", "staged", "Stage Construction Option",
     nullptr, false, [](P d, C) { return enabled_if(!d.LongTerm); }},
    {Cmd::TbSoilProfile, "View Soil Profile", "soil_profile", "View Soil Profile", nullptr, false,
     nullptr},
    // 3D view tools and the "Show 3DView" menu
    {Cmd::ToolPanning, "Panning", "panning", "Panning", nullptr, true, mode_rule<1>},
    {Cmd::ToolZoomWindow, "Zoom Window", "zoom_window", "Zoom Window", nullptr, true, mode_rule<4>},
    {Cmd::ToolZooming, "Zooming", "zooming", "Zooming", nullptr, true, mode_rule<2>},
    {Cmd::ToolRotating, "Rotating", "rotating", "Rotating", nullptr, true, mode_rule<3>},
    {Cmd::ToolZoomIn, "Zoom In", "zoom_in", "Zoom In", nullptr, false, tool_rule},
    {Cmd::ToolZoomOut, "Zoom Out", "zoom_out", "Zoom Out", nullptr, false, tool_rule},
    {Cmd::ToolRestartView, "Restart View", "restart_view", "Restart View", nullptr, false,
     tool_rule},
    {Cmd::ToolDeformedShape, "Deformed Shape", "deformed_shape", "Deformed Shape", nullptr, false,
     deformed_rule},
    {Cmd::ShowWall, "Wall", nullptr, nullptr, nullptr, true, show_rule<0>},
    {Cmd::ShowSoilLayers, "Soil Layers", nullptr, nullptr, nullptr, true, show_rule<1>},
    {Cmd::ShowWaterLevel, "Water Level", nullptr, nullptr, nullptr, true, show_rule<2>},
    {Cmd::ShowSurcharge, "Additional Surcharge", nullptr, nullptr, nullptr, true, show_rule<3>},
    {Cmd::ShowConcentratedLoads, "Concentrated Loads", nullptr, nullptr, nullptr, true,
     show_rule<4>},
    {Cmd::ShowTiebacks, "Tie Backs", nullptr, nullptr, nullptr, true, show_rule<5>},
    {Cmd::ShowBoundaryConditions, "Boundary Conditions", nullptr, nullptr, nullptr, true,
     show_rule<6>},
    {Cmd::ShowLateralSprings, "Lateral Springs", nullptr, nullptr, nullptr, true, show_rule<7>},
    {Cmd::ShowDeformedShape, "Deformed Shape", nullptr, nullptr, nullptr, false, deformed_rule},
    {Cmd::ShowSavePicture, "Save Picture...", nullptr, nullptr, nullptr, false, tool_rule},
    {Cmd::ShowPrint, "Print...", nullptr, nullptr, nullptr, false, tool_rule},
    // Submenus, shown or hidden as a whole
    {Cmd::SoilLayersMenu, "&Soil Layer Data", nullptr, nullptr, nullptr, false,
     [](P d, C) { return shown_if(d.LongTerm); }},
    {Cmd::DistLoadMenu, "&Distributed Active Earth Pressure", nullptr, nullptr, nullptr, false,
     [](P d, C) { return shown_if(d.LongTerm, d.EarthPressureOption == 1); }},
    {Cmd::StageMenu, "&Stage Construction", nullptr, nullptr, nullptr, false,
     [](P d, C) { return shown_if(d.StageCount > 1); }},
    {Cmd::Show3DMenu, "Show 3DView", nullptr, nullptr, nullptr, false,
     [](P, C c) { return shown_if(c.view3DOpen); }},
};
static_assert(std::size(kCommands) == kCmdCount, "one row per command");

}  // namespace

const CommandInfo& command_info(Cmd c) {
    return kCommands[index_of(c)];
}

std::span<const CommandInfo> command_table() {
    return kCommands;
}

CommandStates command_states(const TProgramData& d, const CommandContext& c) {
    CommandStates s{};
    for (const CommandInfo& row : kCommands)
        if (row.rule) s[index_of(row.id)] = row.rule(d, c);
    return s;
}

}  // namespace vornel
