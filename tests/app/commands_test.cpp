// The enabling rules of the graph, result and 3D-view commands, evaluated without a window:
// what a loaded plot file, a missing one and graphs without data allow.
#include <QTest>

#include "app/commands.h"

using namespace vornel;

namespace {
bool enabled(const CommandStates& s, Cmd c) {
    return s[index_of(c)].enabled;
}
CommandContext loaded() {
    CommandContext c;
    c.resultsLoaded = true;
    c.plotFileExists = true;
    c.graphHoldsData.fill(true);
    return c;
}
}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT
    ProjectTables tables_;

  private slots:
    // The table holds one row per command, in the order of the commands.
    void oneRowPerCommandInOrder() {
        QCOMPARE(int(command_table().size()), kCmdCount);
        for (int i = 0; i < kCmdCount; ++i) QCOMPARE(index_of(command_table()[i].id), i);
    }

    void graphsNeedResultsThePlotFileAndData() {
        TProgramData d(tables_);
        CommandContext c = loaded();
        CommandStates s = command_states(d, c);
        for (int i = index_of(Cmd::GraphPY); i <= index_of(Cmd::ExportExcel); ++i)
            QVERIFY(s[i].enabled);
        QVERIFY(enabled(s, Cmd::ViewWallGeometry));
        // The plot file removed since it was read: nothing to show.
        c.plotFileExists = false;
        s = command_states(d, c);
        for (int i = index_of(Cmd::GraphPY); i <= index_of(Cmd::ExportExcel); ++i)
            QVERIFY(!s[i].enabled);
        QVERIFY(!enabled(s, Cmd::ViewWallGeometry));
        // A shear graph without data takes the combined graph with it, and nothing else.
        c = loaded();
        c.graphHoldsData[static_cast<int>(ResultGraph::Shear)] = false;
        s = command_states(d, c);
        QVERIFY(!enabled(s, Cmd::GraphShear));
        QVERIFY(!enabled(s, Cmd::GraphDMS));
        QVERIFY(enabled(s, Cmd::GraphDeflection));
        QVERIFY(enabled(s, Cmd::GraphMoment));
        QVERIFY(enabled(s, Cmd::GraphPressureCombined));
        // The p-y and pressure graphs stand on their own data.
        c = loaded();
        c.graphHoldsData[static_cast<int>(ResultGraph::PY)] = false;
        c.graphHoldsData[static_cast<int>(ResultGraph::Pressure)] = false;
        s = command_states(d, c);
        QVERIFY(!enabled(s, Cmd::GraphPY));
        QVERIFY(!enabled(s, Cmd::GraphPressure));
        QVERIFY(enabled(s, Cmd::GraphDMS));
        QVERIFY(enabled(s, Cmd::ExportExcel));
    }

    void view3DToolsOnlyWithTheView() {
        TProgramData d(tables_);
        CommandContext c;
        CommandStates s = command_states(d, c);
        for (int i = index_of(Cmd::ToolPanning); i <= index_of(Cmd::ShowPrint); ++i)
            QVERIFY(!s[i].visible);
        QVERIFY(!s[index_of(Cmd::Show3DMenu)].visible);
        c.view3DOpen = true;
        s = command_states(d, c);
        for (int i = index_of(Cmd::ToolPanning); i <= index_of(Cmd::ShowPrint); ++i)
            QVERIFY(s[i].visible);
        QVERIFY(s[index_of(Cmd::Show3DMenu)].visible);
        // Toolbar buttons of the data group are always there and enabled.
        for (Cmd t : {Cmd::TbTitle, Cmd::TbWallProperties, Cmd::TbWallConfiguration,
                      Cmd::TbSoilProfile, Cmd::View3D, Cmd::Run})
            QVERIFY(enabled(s, t));
    }

    void stageButtons() {
        TProgramData d(tables_);
        d.StageCount = 4;
        d.CurrentStage = 3;
        const CommandStates s = command_states(d, {});
        for (int n = 1; n <= 5; ++n) {
            const CommandState& b = s[index_of(Cmd::Stage1) + n - 1];
            QVERIFY(b.visible);
            QCOMPARE(b.enabled, n <= 4);
            QCOMPARE(b.checked, n == 3);
        }
        QVERIFY(enabled(s, Cmd::CopyPreviousStage));
        QVERIFY(!enabled(s, Cmd::LongTerm));
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
