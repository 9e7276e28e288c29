// A whole project entered through the windows, saved, is byte for byte the project written
// through the model: every value typed reaches the data file with its units and display rules.
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "editor/data_file_writer.h"
#include "editor/ui/data_edit_field.h"
#include "editor/ui/table_dialogs.h"
#include "editor/ui/table_form.h"
#include "editor/ui/title_dialog.h"
#include "editor/ui/wall_configuration_dialog.h"
#include "editor/ui/wall_properties_dialog.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class RoundTripTest : public QObject {
    Q_OBJECT

    static void enter(DataEditField* f, const QString& text) {
        type_over(f, text);
        press_tab(f);
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void throughTheWindows(Workbench& w) {
        TdlgTitle* title = w.host->openTitle();
        type_over(title->TitleMemo, "Anchored sheet pile, Pier 4");

        TDlgProp* prop = w.host->openWallProperties();
        enter(prop->deNI, "60");
        enter(prop->deXGS, "4");
        enter(prop->DeFH, "20");
        enter(prop->deXLN, "10");
        enter(prop->deSlope, "1e-4");
        QTest::mouseClick(prop->btnSect, Qt::LeftButton);
        TTableForm* sect = w.host->tableWindow(w.tables().PileSect);
        type_in_cell(sect, 0, col::kPsTo, "60");
        type_in_cell(sect, 0, col::kPsEI, "2.5e10");

        TdlgCSD* csd = w.host->openWallConfiguration();
        enter(csd->deWidth, "24");
        enter(csd->deHW, "5");
        enter(csd->dePYW, "18");
        enter(csd->DeHW2, "12");
        enter(csd->beta, "10");
        enter(csd->deSP, "250");

        TTableForm* soil = w.host->openTable(w.tables().NewSoil);
        choose_item(soil, 0, col::kSlType, kSand - 1);
        type_in_cell(soil, 0, col::kSlDepth, "15");
        QTest::mouseClick(soil->addButton(), Qt::LeftButton);
        choose_item(soil, 1, col::kSlType, kStiffClayNoFreeWater - 1);
        type_in_cell(soil, 1, col::kSlDepth, "40");
        const QStringList sand[] = {{"115", "32", "90", "0"}, {"118", "34", "90", "0.3"}};
        const QStringList clay[] = {{"120", "1500", "0.007", "500", "0"},
                                    {"125", "1800", "0.005", "500", "0"}};
        fillParameters(w, soil, 0, sand);
        fillParameters(w, soil, 1, clay);

        w.data().UseTiebacks = true;  // Options menu
        TDlgConLoads* loads = w.host->openConcentratedLoads();
        QTest::mouseClick(loads->ChkConLoads(), Qt::LeftButton);
        QTest::mouseClick(loads->btnConLoads(), Qt::LeftButton);
        TTableForm* bc = w.host->tableWindow(w.tables().BoundCond);
        type_in_cell(bc, 0, col::kClTo, "0");
        type_in_cell(bc, 0, col::kClLoad, "5000");
        type_in_cell(bc, 0, col::kClAxial, "10000");

        TDlgTieback* tieback = w.host->openTieback();
        QTest::mouseClick(tieback->button, Qt::LeftButton);
        TTableForm* tb = w.host->tableWindow(w.tables().TiebackTable1);
        const char* anchor[] = {"5", "1.5", "29000000", "20", "15", "8"};
        for (int c = 0; c < 6; ++c) type_in_cell(tb, 0, c, anchor[c]);
        w.host->openTitle();  // the last dialog stores when it is left
        settle();
    }

    static void fillParameters(Workbench& w, TTableForm* soil, int layer,
                               const QStringList (&rows)[2]) {
        auto* button = qobject_cast<QPushButton*>(soil->cellWidget(layer, col::kSlParameters));
        QTest::mouseClick(button, Qt::LeftButton);
        TGridTable* t = w.tables().NewSoil.subTable(col::kSlParameters, layer);
        TTableForm* form = w.host->tableWindow(*t);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < rows[r].size(); ++c) type_in_cell(form, r, c, rows[r][c]);
        w.host->closeTableWindows(*t);
    }

    static void throughTheModel(Project& p) {
        TProgramData& d = p.data();
        ProjectTables& t = p.tables();
        d.Title = "Anchored sheet pile, Pier 4";
        d.Increments = 60;
        d.IncrementLength = 4;
        d.FreeHeight = 240;
        d.MaxDeflection = 10;
        d.ClosureTolerance = 1e-4;
        t.PileSect.setInteger(col::kPsTo, 0, 60);
        t.PileSect.setReal(col::kPsEI, 0, 2.5e10);
        d.ActiveWidth = 24;
        d.WaterDepthBackfill = 60;
        d.PYWidth = 18;
        d.WaterDepthExcavation = 144;
        d.BackfillSlope = 10;
        d.SurfaceLoad = 250.0 / 144.0;
        t.NewSoil.setRowCount(2);
        t.NewSoil.setItem(col::kSlType, 0, kSand);
        t.NewSoil.setReal(col::kSlDepth, 0, 15);
        t.NewSoil.setItem(col::kSlType, 1, kStiffClayNoFreeWater);
        t.NewSoil.setReal(col::kSlDepth, 1, 40);
        const double sand[2][4] = {{115, 32, 90, 0}, {118, 34, 90, 0.3}};
        const double clay[2][5] = {{120, 1500, 0.007, 500, 0}, {125, 1800, 0.005, 500, 0}};
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 4; ++c)
                t.NewSoil.subTable(col::kSlParameters, 0)->setReal(c, r, sand[r][c]);
            for (int c = 0; c < 5; ++c)
                t.NewSoil.subTable(col::kSlParameters, 1)->setReal(c, r, clay[r][c]);
        }
        d.UseTiebacks = true;
        d.UseConcentratedLoads = true;
        t.BoundCond.setInteger(col::kClTo, 0, 0);
        t.BoundCond.setReal(col::kClLoad, 0, 5000);
        t.BoundCond.setReal(col::kClAxial, 0, 10000);
        const double anchor[] = {5, 1.5, 29000000, 20, 15, 8};
        for (int c = 0; c < 6; ++c) t.TiebackTable1.setReal(c, 0, anchor[c]);
    }

  private slots:
    void projectBuiltThroughTheWindowsEqualsTheModelsFile() {
        Workbench w;
        throughTheWindows(w);
        QVERIFY2(w.questions.informed.isEmpty(), qPrintable(w.questions.informed.join('|')));
        // What the windows stored, before the file says the same.
        QCOMPARE(w.data().FreeHeight, 240.0);
        QCOMPARE(w.data().WaterDepthExcavation, 144.0);
        QCOMPARE(w.data().SurfaceLoad, 250.0 / 144.0);
        QVERIFY(w.data().UseConcentratedLoads);
        QCOMPARE(w.tables().NewSoil.item(col::kSlType, 1), int(kStiffClayNoFreeWater));
        QCOMPARE(w.tables().NewSoil.subTable(col::kSlParameters, 1)->real(2, 1), 0.005);
        QCOMPARE(w.tables().NewSoil.subTable(col::kSlParameters, 0)->real(3, 1), 0.3);
        QCOMPARE(w.tables().TiebackTable1.real(col::kTbModulus, 0), 29000000.0);
        QCOMPARE(w.tables().BoundCond.real(col::kClAxial, 0), 10000.0);
        QCOMPARE(w.tables().PileSect.real(col::kPsEI, 0), 2.5e10);
        const QString typed = w.path("wall.vn5d");
        QVERIFY(w.project->saveAsPath(typed));

        Workbench m;
        throughTheModel(*m.project);
        const QString modelled = m.path("wall.vn5d");
        QVERIFY(m.project->saveAsPath(modelled));

        const QByteArray a = contents(typed), b = contents(modelled);
        QVERIFY(a.size() > 200);
        if (a != b) {
            const QList<QByteArray> la = a.split('\n'), lb = b.split('\n');
            for (int i = 0; i < std::min(la.size(), lb.size()); ++i)
                QVERIFY2(la[i] == lb[i], qPrintable(QString("line %1: '%2' vs '%3'")
                                                        .arg(i + 1)
                                                        .arg(QString(la[i]), QString(lb[i]))));
        }
        QCOMPARE(a, b);
        // The file carries what was typed: 20 ft of free height as 240 in, the tieback row.
        QVERIFY(a.startsWith("Anchored sheet pile, Pier 4\r\n"));
        if (qEnvironmentVariableIsSet("VORNEL_KEEP_ROUND_TRIP")) {
            QFile keep(qEnvironmentVariable("VORNEL_KEEP_ROUND_TRIP"));
            if (keep.open(QIODevice::WriteOnly)) keep.write(a);
        }
    }
};

QTEST_MAIN(RoundTripTest)
#include "round_trip_test.moc"
