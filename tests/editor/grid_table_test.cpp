// The typed table: rows, cell entry rules, sub-table instances, units and definition records.
#include "editor/grid_table.h"

#include <gtest/gtest.h>

#include "editor_test_support.h"

#include <random>

#include "editor/grid_table_chart.h"
#include "editor/grid_table_model.h"
#include "editor/table_definition.h"
#include "editor/table_registry.h"

namespace vornel {
namespace {

// A soil-layer table with two templates (sand 17, clay 18), as the project builds it.
struct SoilTables {
    TableRegistry registry;
    TGridTable sand{registry}, clay{registry}, layers{registry};
    SoilTables() {
        sand.Caption = "Sand";
        sand.setIdentifier(17);
        sand.setMinRows(2);
        sand.setMaxRows(2);
        sand.addColumn(ColumnDef::real({"Total Unit", "Weight,"}, "F/L2^3"));
        sand.addColumn(ColumnDef::real({"Friction", "Angle, deg."}));
        clay.Caption = "Clay";
        clay.setIdentifier(18);
        clay.setMinRows(2);
        clay.setMaxRows(2);
        clay.addColumn(ColumnDef::real({"Total Unit", "Weight,"}, "F/L2^3"));
        clay.addColumn(ColumnDef::real({"Cohesive", "Strength,"}, "F/L2^2", 7.0));
        layers.setMinRows(1);
        layers.setMaxRows(10);
        layers.addColumn(ColumnDef::pickList({"Soil ", "Type"}, {"Soft Clay", "Sand"}));
        layers.addColumn(ColumnDef::real({"Depth at Bottom", "of the Layer,"}, "L2"));
        layers.addColumn(ColumnDef::subTable({"Edit Soil", "Parameters"}, {18, 17}));
        layers.setRowCount(1);
    }
};

TEST(GridTable, RowsGroupsAndRange) {
    SoilTables t;
    TGridTable& g = t.layers;
    g.setRowCount(3);
    EXPECT_EQ(g.rowCount(), 3);
    g.setRowCount(-5);
    EXPECT_EQ(g.rowCount(), 0);
    g.addGroup();
    g.addGroup();
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.insertGroup(2).message, "Grid.Row not in valid range");
    EXPECT_EQ(g.deleteGroup(-1).message, "Grid.Row not in valid range");
    g.setReal(1, 0, 10.0);
    g.setReal(1, 1, 20.0);
    ASSERT_TRUE(g.insertGroup(1).ok);
    EXPECT_EQ(g.real(1, 0), 10.0);
    EXPECT_EQ(g.real(1, 1), 0.0);
    EXPECT_EQ(g.real(1, 2), 20.0);
    // Sub-table instances are renumbered after the insert.
    EXPECT_EQ(g.subTable(2, 2)->ownerRow(), 3);
    EXPECT_EQ(g.displayText(2, 2), "3: Clay");
    ASSERT_TRUE(g.deleteGroup(0).ok);
    EXPECT_EQ(g.subTable(2, 1)->ownerRow(), 2);
    EXPECT_EQ(g.subTable(2, 1)->rowNumberChain(), " 2");
    EXPECT_TRUE(g.changed());
    EXPECT_EQ(g.setMinRows(0).message, "Value must be greater than 0");
}

TEST(GridTable, RowGroupColumnHoldsOneValuePerGroup) {
    TableRegistry reg;
    TGridTable g(reg);
    ColumnDef shared = ColumnDef::real({"Shared"});
    shared.rowGroup = true;
    g.addColumn(shared);
    g.addColumn(ColumnDef::real({"Own"}));
    g.setRowGroup(2);
    g.setRowCount(4);
    ASSERT_TRUE(g.setText(0, 3, "5").ok);
    ASSERT_TRUE(g.setText(1, 3, "7").ok);
    EXPECT_EQ(g.real(0, 2), 5.0);
    EXPECT_EQ(g.real(0, 1), 0.0);
    EXPECT_EQ(g.real(1, 2), 0.0);
    ASSERT_TRUE(g.deleteGroup(1).ok);  // rows 0 and 1 go together
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.real(0, 0), 5.0);
}

TEST(GridTable, IntegerCellRules) {
    TableRegistry reg;
    TGridTable g(reg);
    g.addColumn(ColumnDef::integer({"Node"}, 0, 0, 300));
    g.setRowCount(1);
    g.setWindowOpen(true);
    EXPECT_EQ(g.setText(0, 0, "3.5").message, "Entry must be an integer.");
    EXPECT_EQ(g.setText(0, 0, "-3.5").message, "Entry must be an integer.");
    EXPECT_EQ(g.item(0, 0), 0);  // the old value stays
    EXPECT_TRUE(g.setText(0, 0, "3.00000000001").ok);
    EXPECT_EQ(g.item(0, 0), 3);
    EXPECT_EQ(g.setText(0, 0, "301").message, "Entry must be between 0 and 300.");
    EXPECT_EQ(g.setText(0, 0, "").message, "Entry cannot be blank.");
    EXPECT_EQ(g.setText(0, 0, "1/0").message, "Floating point division by zero.");
    EXPECT_EQ(g.setText(0, 0, "x").message,
              "Entry could not be evaluated:\ninvalid character(s) in expression");
    EXPECT_EQ(g.item(0, 0), 3);
    // Without the window the integer is only rounded.
    g.setWindowOpen(false);
    EXPECT_TRUE(g.setText(0, 0, "3.4").ok);
    EXPECT_EQ(g.item(0, 0), 3);
    EXPECT_EQ(g.setText(0, 0, "1e12").message, "1e12 is not a valid number.");
}

TEST(GridTable, RealAndPickListEntries) {
    SoilTables t;
    TGridTable& g = t.layers;
    EXPECT_TRUE(g.setText(1, 0, "2*12").ok);
    EXPECT_EQ(g.real(1, 0), 24.0);
    EXPECT_EQ(g.displayText(1, 0), "24");
    EXPECT_TRUE(g.setText(1, 0, "1/3").ok);
    EXPECT_EQ(g.displayText(1, 0), "0.33333333");  // 8 significant digits
    EXPECT_EQ(g.setText(0, 0, "1.5").message, "Value must be an integer.");
    EXPECT_EQ(g.setText(0, 0, "3").message, "Entry must be between 1 and 2.");
    EXPECT_TRUE(g.setText(0, 0, "2").ok);
    EXPECT_EQ(g.displayText(0, 0), "Sand");
}

TEST(GridTable, ChangingSoilTypeGivesAFreshParameterTable) {
    SoilTables t;
    TGridTable& g = t.layers;
    g.setItem(0, 0, 2);  // Sand
    TGridTable* sand = g.subTable(2, 0);
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->Caption, "Sand");
    EXPECT_EQ(sand->rowCount(), 2);
    sand->setReal(1, 0, 30.0);
    sand->setChanged();
    EXPECT_TRUE(g.changed());  // a changed sub-table makes its owner changed
    g.resetChanged();
    EXPECT_FALSE(sand->changed());
    EXPECT_TRUE(g.setText(0, 0, "1").ok);  // Soft Clay
    TGridTable* clay = g.subTable(2, 0);
    ASSERT_NE(clay, nullptr);
    EXPECT_EQ(clay->Caption, "Clay");
    EXPECT_EQ(clay->rowCount(), 2);
    EXPECT_EQ(clay->real(1, 0), 7.0);  // column defaults, not the sand values
    EXPECT_EQ(clay->real(1, 1), 7.0);
    // The same item again keeps the instance and its values.
    clay->setReal(0, 0, 110.0);
    g.setItem(0, 0, 1);
    EXPECT_EQ(g.subTable(2, 0)->real(0, 0), 110.0);
}

TEST(GridTable, HeadersCarryUnitLabels) {
    SoilTables t;
    TableRegistry reg;
    TGridTable g(reg);
    g.addColumn(ColumnDef::real({"Depth"}, "L2"));
    g.addColumn(ColumnDef::real({"a", "b", "c"}));
    EXPECT_EQ(g.headerText(0, 0), "Depth (ft)  ");
    g.setUnits(kSI);
    EXPECT_EQ(g.headerText(0, 0), "Depth (m)  ");
    EXPECT_EQ(g.headerLineCount(), 3);
    EXPECT_EQ(g.headerText(0, 1), "");
    EXPECT_EQ(t.layers.headerText(1, 0), "Depth at Bottom");
    EXPECT_EQ(t.layers.headerText(1, 1), "of the Layer, (ft)  ");
}

TEST(GridTable, UnitsThereAndBack) {
    SoilTables t;
    TGridTable& g = t.layers;
    g.setRowCount(3);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> d(-1e4, 1e4);
    std::vector<double> depth, weight;
    for (int r = 0; r < 3; ++r) {
        g.setItem(0, r, 1 + r % 2);
        depth.push_back(d(rng));
        weight.push_back(d(rng));
        g.setReal(1, r, depth.back());
        g.subTable(2, r)->setReal(0, 1, weight.back());
    }
    g.setUnits(kSI);
    EXPECT_NEAR(g.real(1, 0), depth[0] / 3.280839895, 1e-9 * std::abs(depth[0]));
    EXPECT_NEAR(g.subTable(2, 0)->real(0, 1),
                weight[0] / (224.8089237 / (3.280839895 * 3.280839895 * 3.280839895)),
                1e-9 * std::abs(weight[0]));
    g.setUnits(kEnglish);
    for (int r = 0; r < 3; ++r) {
        EXPECT_NEAR(g.real(1, r), depth[r], 1e-12 * std::abs(depth[r]));
        EXPECT_NEAR(g.subTable(2, r)->real(0, 1), weight[r], 1e-12 * std::abs(weight[r]));
    }
    // The other system converts nothing, there and back.
    g.setUnits(kOtherUnits);
    EXPECT_EQ(g.real(1, 1), depth[1]);
    g.setUnits(kSI);
    EXPECT_EQ(g.real(1, 1), depth[1]);
    EXPECT_EQ(g.subTable(2, 1)->Units(), kSI);
}

TEST(GridTable, RegistrySwapsIdentifiers) {
    TableRegistry reg;
    TGridTable a(reg), b(reg);
    const int b_old = b.Identifier();
    a.setIdentifier(5);
    b.setIdentifier(5);
    EXPECT_EQ(b.Identifier(), 5);
    EXPECT_EQ(a.Identifier(), b_old);
    EXPECT_EQ(reg.find(5), &b);
    {
        TGridTable c(reg);
        EXPECT_EQ(reg.size(), 3);
    }
    EXPECT_EQ(reg.size(), 2);
    // A template that is its own owner gives no instance instead of nesting without end.
    TGridTable self(reg);
    self.setIdentifier(40);
    self.addColumn(ColumnDef::subTable({"x"}, {40}));
    self.setRowCount(2);
    EXPECT_EQ(self.subTable(0, 0), nullptr);
}

TEST(GridTable, ModelAdapter) {
    SoilTables t;
    {
        GridTableModel m(t.layers);
        EXPECT_TRUE(t.layers.windowOpen());
        QString rejected;
        QObject::connect(&m, &GridTableModel::entryRejected,
                         [&](const QString& msg) { rejected = msg; });
        EXPECT_FALSE(m.setData(m.index(0, 1), "abc"));
        EXPECT_EQ(rejected, "Entry could not be evaluated:\ninvalid character(s) in expression");
        EXPECT_TRUE(m.setData(m.index(0, 1), "2*12"));
        EXPECT_EQ(m.data(m.index(0, 1)).toString(), "24");
        EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(),
                  "Depth at Bottom\nof the Layer, (ft)  ");
        EXPECT_EQ(m.headerData(0, Qt::Vertical).toInt(), 1);
        EXPECT_FALSE(m.flags(m.index(0, 0)) & Qt::ItemIsEditable);
        EXPECT_TRUE(m.rowButtonsVisible());
        EXPECT_FALSE(m.canDelete());  // at the minimum
        for (int i = 0; i < 9; ++i) m.addRow();
        EXPECT_FALSE(m.canAdd());  // at the maximum
        GridTableModel sand(*t.layers.subTable(2, 0));
        EXPECT_FALSE(sand.rowButtonsVisible());  // 2..2 rows
    }
    EXPECT_FALSE(t.layers.windowOpen());
}

// Random definitions written and read back give the same columns.
TEST(GridTable, DefinitionRecordRoundTrip) {
    std::mt19937 rng(99);
    auto word = [&] { return QString::number(rng() % 1000) + "x"; };
    for (int trial = 0; trial < 50; ++trial) {
        TableRegistry reg;
        TGridTableChart a(reg), b(reg);
        const int n = 1 + static_cast<int>(rng() % 6);
        for (int c = 0; c < n; ++c) {
            switch (rng() % 4) {
                case 0:
                    a.addColumn(ColumnDef::pickList({word()}, {word(), word()}));
                    break;
                case 1:
                    a.addColumn(ColumnDef::integer({word(), word()}, int(rng() % 9), -3, 77));
                    break;
                case 2:
                    a.addColumn(ColumnDef::real({word()}, "F/L2^3", double(rng()) / 7));
                    break;
                default:
                    a.addColumn(ColumnDef::subTable({}, {int(rng() % 50)}));
                    break;
            }
        }
        a.graphic.xColumn = int(rng() % 5);
        a.graphic.spare2 = 3;
        DefinitionWriter w;
        a.writeDefinition(w);
        DefinitionReader r(w.bytes());
        ASSERT_EQ(b.readDefinition(r), "");
        ASSERT_EQ(b.columnCount(), n);
        for (int c = 0; c < n; ++c) {
            EXPECT_EQ(b.column(c).type, a.column(c).type);
            EXPECT_EQ(b.column(c).headers, a.column(c).headers);
            EXPECT_EQ(b.column(c).items, a.column(c).items);
            EXPECT_EQ(b.column(c).intDefault, a.column(c).intDefault);
            EXPECT_EQ(b.column(c).realDefault, a.column(c).realDefault);
            EXPECT_EQ(b.column(c).unitCode, a.column(c).unitCode);
            EXPECT_EQ(b.column(c).templates, a.column(c).templates);
        }
        EXPECT_EQ(b.graphic.xColumn, a.graphic.xColumn);
        EXPECT_EQ(b.graphic.spare2, 3);
    }
}

TEST(GridTable, DefinitionRecordErrors) {
    TableRegistry reg;
    TGridTableChart t(reg);
    DefinitionReader empty(QByteArray{});
    EXPECT_EQ(t.readDefinition(empty), "Error reading column count");

    DefinitionWriter bad_class;
    bad_class.writeInt(1);
    bad_class.writeInt(9);
    DefinitionReader r1(bad_class.bytes());
    EXPECT_EQ(t.readDefinition(r1), "Error Column Class not defined");

    DefinitionWriter cut;
    cut.writeInt(2);
    cut.writeInt(1);
    cut.writeTextList({"a"});
    cut.writeBool(true);
    cut.writeBool(false);
    cut.writeInt(0);
    cut.writeInt(0);
    cut.writeInt(5);
    cut.writeInt(2);
    cut.writeTextList({"b"});
    DefinitionReader r2(cut.bytes());
    EXPECT_EQ(t.readDefinition(r2), "Error occured when creating column 1: Error reading property");

    // Older forms: a real column without the marker, a sub-table column with one integer.
    DefinitionWriter old;
    old.writeInt(2);
    old.writeInt(2);
    old.writeTextList({"Depth"});
    old.writeBool(true);
    old.writeBool(false);
    old.writeBool(false);
    old.writeText("L2");
    old.writeInt(3);
    old.writeTextList({});
    old.writeBool(true);
    old.writeBool(false);
    old.writeInt(38);
    DefinitionReader r3(old.bytes());
    EXPECT_EQ(t.readDefinition(r3), "Error reading graphic parameters");
    EXPECT_EQ(t.column(0).unitCode, "L2");
    EXPECT_EQ(t.column(1).templates, QList<int>{38});
}

}  // namespace
}  // namespace vornel
