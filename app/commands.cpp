#include "app/commands.h"

namespace vornel {

namespace {

void data_rules(const TProgramData& d, CommandStates& s) {
    auto at = [&s](Cmd c) -> CommandState& { return s[index_of(c)]; };
    const bool soil = d.GeneratedPressure || d.GeneratePY != 0;
    const bool long_items = d.LongTerm && d.StageCount == 1;
    at(Cmd::WallConfiguration).enabled = soil;
    at(Cmd::SoilLayers).visible = !d.LongTerm;
    at(Cmd::SoilLayers).enabled = soil;
    at(Cmd::SoilLayersMenu).visible = d.LongTerm;
    at(Cmd::SoilShortTerm).enabled = long_items;
    at(Cmd::SoilLongTerm).enabled = long_items;
    at(Cmd::DistLoad).visible = !d.LongTerm;
    at(Cmd::DistLoad).enabled = d.EarthPressureOption == 1;
    at(Cmd::DistLoadMenu).visible = d.LongTerm;
    at(Cmd::DistLoadMenu).enabled = d.EarthPressureOption == 1;
    at(Cmd::DistShortTerm).enabled = long_items;
    at(Cmd::DistLongTerm).enabled = long_items;
    at(Cmd::Surcharge).enabled = d.UseSurcharge;
    at(Cmd::ConcentratedLoads).enabled = d.UseConcentratedLoads;
    at(Cmd::Tieback).enabled = d.UseTiebacks;
    at(Cmd::Restraints).enabled = d.UseRestraints;
    at(Cmd::PYModifiers).enabled = d.UsePYModifiers;
    at(Cmd::ExternalPY).enabled = d.UseExternalPY;
    at(Cmd::Springs).enabled = d.UseSprings;
    at(Cmd::EICurves).enabled = d.UseEICurves;
}

void option_rules(const TProgramData& d, CommandStates& s) {
    auto at = [&s](Cmd c) -> CommandState& { return s[index_of(c)]; };
    at(Cmd::UnitsEnglish).checked = d.UnitSystem == 1;
    at(Cmd::UnitsSI).checked = d.UnitSystem == 2;
    at(Cmd::UnitsOther).checked = d.UnitSystem == 3;
    at(Cmd::PressureUser).checked = d.EarthPressureOption == 1;
    at(Cmd::PressureTriangular).checked = d.EarthPressureOption == 2;
    at(Cmd::PressureTrapezoidal).checked = d.EarthPressureOption == 3;
    at(Cmd::GeneratePY).checked = d.GeneratePY == 1;
    at(Cmd::UseConcentratedLoads).checked = d.UseConcentratedLoads;
    at(Cmd::UseTiebacks).checked = d.UseTiebacks;
    at(Cmd::UseRestraints).checked = d.UseRestraints;
    at(Cmd::UseExternalPY).checked = d.UseExternalPY;
    at(Cmd::UseSprings).checked = d.UseSprings;
    at(Cmd::UsePYModifiers).checked = d.UsePYModifiers;
    at(Cmd::UseSurcharge).checked = d.UseSurcharge;
    at(Cmd::UseEICurves).checked = d.UseEICurves;
    at(Cmd::LongTerm).checked = d.LongTerm;
    at(Cmd::LongTerm).enabled = d.StageCount == 1;
    at(Cmd::StagedAnalysis).checked = d.StageCount > 1;
    at(Cmd::StagedAnalysis).enabled = !d.LongTerm;
    at(Cmd::TbSoilLayers).enabled = !d.LongTerm;
    at(Cmd::TbStagedDialog).enabled = !d.LongTerm;
}

void stage_rules(const TProgramData& d, CommandStates& s) {
    const bool staged = d.StageCount > 1;
    s[index_of(Cmd::StageMenu)].visible = staged;
    for (int n = 1; n <= 5; ++n) {
        CommandState& st = s[index_of(Cmd::Stage1) + n - 1];
        st.visible = staged;
        st.enabled = n <= d.StageCount;
        st.checked = n == d.CurrentStage;
    }
    s[index_of(Cmd::CopyPreviousStage)].enabled = d.CurrentStage > 1;
}

void result_rules(const CommandContext& c, CommandStates& s) {
    auto at = [&s](Cmd cmd) -> CommandState& { return s[index_of(cmd)]; };
    const bool results = c.resultsLoaded && c.plotFileExists;
    at(Cmd::EditInput).enabled = c.inputFileExists;
    at(Cmd::EditNotes).enabled = c.notesFileExists;
    at(Cmd::EditOutput).enabled = c.outputFileExists;
    at(Cmd::ViewWallGeometry).enabled = results;
    for (ResultGraph g : {ResultGraph::PY, ResultGraph::Deflection, ResultGraph::Moment,
                          ResultGraph::Shear, ResultGraph::Reaction, ResultGraph::Pressure}) {
        const int i = static_cast<int>(g);
        s[index_of(Cmd::GraphPY) + i].enabled = results && c.graphHoldsData[i];
    }
    at(Cmd::GraphDMS).enabled = at(Cmd::GraphDeflection).enabled && at(Cmd::GraphMoment).enabled &&
                                at(Cmd::GraphShear).enabled;
    at(Cmd::GraphPressureCombined).enabled = results;
    at(Cmd::ExportExcel).enabled = results;
    const int first_tool = index_of(Cmd::ToolPanning), last_tool = index_of(Cmd::ShowDeformedShape);
    for (int i = first_tool; i <= last_tool; ++i) s[i].visible = c.view3DOpen;
    at(Cmd::Show3DMenu).visible = c.view3DOpen;
    // The deformed shape needs a deflection curve of the results.
    const bool deflection = results && c.graphHoldsData[static_cast<int>(ResultGraph::Deflection)];
    at(Cmd::ToolDeformedShape).enabled = deflection;
    at(Cmd::ShowDeformedShape).enabled = deflection;
    at(Cmd::ToolPanning).checked = c.view3DMode == 1;
    at(Cmd::ToolZooming).checked = c.view3DMode == 2;
    at(Cmd::ToolRotating).checked = c.view3DMode == 3;
    at(Cmd::ToolZoomWindow).checked = c.view3DMode == 4;
    for (int i = 0; i < 8; ++i) s[index_of(Cmd::ShowWall) + i].checked = c.view3DShown[i];
}

}  // namespace

CommandStates command_states(const TProgramData& d, const CommandContext& c) {
    CommandStates s{};
    data_rules(d, s);
    option_rules(d, s);
    stage_rules(d, s);
    result_rules(c, s);
    return s;
}

}  // namespace vornel
