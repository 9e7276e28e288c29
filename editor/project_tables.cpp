#include "editor/project_tables.h"

namespace vornel {

namespace {

const QString kConstant = QStringLiteral("Constant or Interpolate?          ");
const QString kInterpolateNote = QStringLiteral(
    "Linear interpolation (when selected) is performed from START node of previous line to "
    "END node of the following line.");
const QString kEarthPressureNote = QStringLiteral(
    "The user may optionally enter an earth pressure coefficient for generating \rlateral "
    "earth pressure that is equal to the vertical soil pressure multiplied \rby this "
    "user-specified coefficient. If the user does not intend to use this option, \rplease "
    "leave the optional earth pressure coefficient as zero and the program will \ruse the "
    "active earth pressure coefficient calculated internally.");

void define(TGridTable& t, int id, const char* caption, int min_rows, int max_rows,
            const char* top_left = "") {
    t.setIdentifier(id);
    t.Caption = QString::fromLatin1(caption);
    t.TopLeft = QString::fromLatin1(top_left);
    t.setMinRows(min_rows);
    t.setMaxRows(max_rows);
}

void defineWall(ProjectTables& p) {
    define(p.PileSect, 15, "Wall Stiffness", 1, 10, "Section");
    p.PileSect.addColumn(ColumnDef::integer({"From Node No. (Start)"}, 0, 0, 2147483600));
    p.PileSect.addColumn(ColumnDef::integer({"To Node No. (End)"}, 1, 0, 2147483647));
    p.PileSect.addColumn(
        ColumnDef::pickList({kConstant}, {"Use Constant Value for all Nodes on this Line",
                                          "Linear Interpolate to End Node of Next Line"}));
    p.PileSect.addColumn(ColumnDef::real({"Flexural Stiffness (EI)"}, "F-L^2"));
    p.PileSect.Comments =
        "The nodal number at the top of the wall is set to be 0.\rValues of "
        "Flexural Stiffness (EI) must be specified for all nodes of the wall.\r" +
        kInterpolateNote;

    define(p.SoilLayer, 0, "Specify Deflection and Slope on Wall", 1, 10, "No");
    p.SoilLayer.addColumn(
        ColumnDef::pickList({"Case          "}, {"Specify Deflection", "Specify Slope"}));
    p.SoilLayer.addColumn(ColumnDef::integer({"Nodal No."}, 0, 0, 2147483600));
    p.SoilLayer.addColumn(ColumnDef::real({"Deflection"}, "L"));
    p.SoilLayer.addColumn(ColumnDef::real({"Slope"}));

    define(p.SoilStrength, 4, "Lateral Spring and Rotation Spring", 1, 20, "Point");
    p.SoilStrength.addColumn(
        ColumnDef::pickList({kConstant}, {"Use Constant Values for all Nodes on this Line  ",
                                          "Linear Interpolate to End Node of Next Line"}));
    p.SoilStrength.addColumn(
        ColumnDef::integer({"From Node No.", "     (Start)"}, 0, 0, 2147483647));
    p.SoilStrength.addColumn(
        ColumnDef::integer({"To Node No.", "   (End)"}, 0, -2147483647 - 1, 2147483647));
    p.SoilStrength.addColumn(ColumnDef::real({"Lateral Spring", "Stiffness"}, "F/L"));
    p.SoilStrength.addColumn(ColumnDef::real({"Rotational Spr.", "Stiff."}, "F-L/RAD."));
    p.SoilStrength.Comments =
        "The spring stiffnesses are applied at nodal points only "
        "(including the specified START and END nodes).\r" +
        kInterpolateNote;
    p.SoilStrength.HelpPicture = "tieback";

    define(p.BoundCond, 123, "Concentrated Loads on Wall", 1, 20);
    p.BoundCond.addColumn(
        ColumnDef::pickList({kConstant}, {"Use Constant Values for all Nodes on this Line",
                                          "Linear Interpolate to End Node of Next Line"}));
    p.BoundCond.addColumn(ColumnDef::integer({"From Node No.", "(Start)"}, 0, 0, 2147483600));
    p.BoundCond.addColumn(ColumnDef::integer({"To Node No.", "(End)"}, 1, 0, 2147483647));
    p.BoundCond.addColumn(ColumnDef::real({"Lateral Load"}, "F"));
    p.BoundCond.addColumn(ColumnDef::real({"Moment"}, "F-L"));
    p.BoundCond.addColumn(ColumnDef::real({"Axial Load"}, "F"));
    p.BoundCond.Comments =
        "The concentrated loads are applied at nodal points only "
        "(including the specified START and END nodes).\r" +
        kInterpolateNote;
}

void defineLoads(ProjectTables& p) {
    define(p.PYMod, 16, "p-y Modification Factors", 2, 30);
    p.PYMod.addColumn(ColumnDef::real({"Depth"}, "L2"));
    p.PYMod.addColumn(ColumnDef::real({"p-Multiplier"}, {}, 1.0));
    p.PYMod.addColumn(ColumnDef::real({"y-Multiplier"}, {}, 1.0));

    define(p.DistLoad, 22, "Distributed Loads", 2, 100);
    define(p.LongDist, 104, "Distributed Load (Long-Term)", 1, 0);
    for (TGridTable* t : {&p.DistLoad, &p.LongDist}) {
        t->addColumn(ColumnDef::real({"Depth measured from the top of the wall,"}, "L2"));
        t->addColumn(ColumnDef::real({"Lateral distributed line load, "}, "F/L2"));
        t->HelpPicture = "pressure";
    }

    define(p.SurchargeTable, 23, "Surcharge Loads", 1, 20);
    p.SurchargeTable.addColumn(
        ColumnDef::pickList({"Load Types"}, {"Point Load", "Line Load", "Strip Load"}));
    p.SurchargeTable.addColumn(ColumnDef::real({"Load Magnitude"}, "SEE NOTES"));
    p.SurchargeTable.addColumn(ColumnDef::real({"Distance, X"}, "L1"));
    p.SurchargeTable.addColumn(ColumnDef::real({"Width of Strip Load, W"}, "L1"));
    p.SurchargeTable.Comments =
        "The unit for point load is lbs or kN \rThe unit for line load is lbs/in. or kN/m "
        "\rThe unit for strip load is lbs/in^2 or kN/m^2 \rFor strip load, Distance X goes "
        "from the wall to the middle of the strip width";

    define(p.TiebackTable1, 77, "Tieback (ground anchor) Table", 1, 20);
    auto& tb = p.TiebackTable1;
    tb.addColumn(ColumnDef::real({"Depth from top", "of wall,"}, "L2"));
    tb.addColumn(ColumnDef::real({"Cross sectional area", "of steel rod,"}, "L^2"));
    tb.addColumn(ColumnDef::real({"Elastic modulus", "of steel,"}, "F/L^2"));
    tb.addColumn(ColumnDef::real({"Unbonded anchor", "length,"}, "L2"));
    tb.addColumn(ColumnDef::real({"Angle from", "horizontal,"}, "DEG."));
    tb.addColumn(ColumnDef::real({"Anchor spacing", "in each row,"}, "L2"));
}

void defineSoil(ProjectTables& p) {
    const QList<int> templates{18, 18, 18, 17, 29, 30, 31};
    define(p.NewSoil, 19, "Soil Layers", 1, 10);
    p.NewSoil.addColumn(ColumnDef::pickList(
        {"Soil ", "Type"}, {"Soft Clay", "Stiff Clay with Free Water", "Stiff Clay w/o Free Water",
                            "Sand", "Silt (c-phi soil)", "Strong Rock", "Weak Rock"}));
    define(p.LongSoil, 44, "Soil Layers (Long-Term)", 1, 10);
    p.LongSoil.addColumn(ColumnDef::pickList(
        {"Soil ", "Type"}, {"Soft Clay", "Stiff Clay with Free water", "Stiff Clay w/o Free Water",
                            "Sand", "Silt (c-phi soil)", "Strong Rock", "Weak Rock"}));
    for (TGridTable* t : {&p.NewSoil, &p.LongSoil}) {
        t->addColumn(ColumnDef::real({"Depth at Bottom", "of the Layer,"}, "L2"));
        t->addColumn(ColumnDef::subTable({"Edit Soil", "Parameters"}, templates));
    }
    const ColumnDef weight = ColumnDef::real({"Total Unit", "Weight,"}, "F/L2^3");
    const ColumnDef cohesion = ColumnDef::real({"Cohesive", "Strength,"}, "F/L2^2");
    const ColumnDef friction = ColumnDef::real({"Friction", "Angle, deg."});
    const ColumnDef coefficient = ColumnDef::real({"Optional Earth", "Pressure Coefficient"});
    const ColumnDef uniaxial = ColumnDef::real({"Uniaxial Compressive", "Strength,"}, "F/L^2");
    define(p.TblClay1, 18, "Clay", 2, 2);
    for (const auto& c : {weight, cohesion, ColumnDef::real({"E50"}),
                          ColumnDef::real({"k(py)"}, "F/L^3"), coefficient})
        p.TblClay1.addColumn(c);
    define(p.TblSand1, 17, "Sand", 2, 2);
    for (const auto& c : {weight, friction, ColumnDef::real({"k(py)"}, "F/L^3"), coefficient})
        p.TblSand1.addColumn(c);
    define(p.TblSilt1, 29, "Silt", 2, 2);
    for (const auto& c :
         {ColumnDef::real({"Total Unit ", "Weight,"}, "F/L2^3"), friction, cohesion,
          ColumnDef::real({"E50"}), ColumnDef::real({"K(py)"}, "F/L^3"), coefficient})
        p.TblSilt1.addColumn(c);
    for (TGridTable* t : {&p.TblClay1, &p.TblSand1, &p.TblSilt1}) t->Comments = kEarthPressureNote;
    define(p.TblRock1, 30, "Strong Rock", 2, 2);
    p.TblRock1.addColumn(weight);
    p.TblRock1.addColumn(uniaxial);
    define(p.TblRock2, 31, "Weak Rock", 2, 2);
    for (const auto& c :
         {weight, uniaxial, ColumnDef::real({"krm *"}),
          ColumnDef::real({"Elastic", "Modulus,"}, "F/L^2"), ColumnDef::real({"RQD", "%"})})
        p.TblRock2.addColumn(c);
    p.TblRock2.Comments =
        "* krm is a strain constant that seve to establish the overall stiffness of the curves";
}

void defineCurves(ProjectTables& p) {
    define(p.Rows2, 0, "Moment and EI data", 1, 100, "Point");
    p.Rows2.addColumn(ColumnDef::real({"Bending moment"}, "F-L"));
    p.Rows2.addColumn(ColumnDef::real({"Flexural rigidity"}, "F-L^2"));
    define(p.MEICurves2, 36, "Nonlinear Moment vs EI Curves", 1, 20, "Section");
    p.MEICurves2.addColumn(ColumnDef::integer({"From Node No. (Start)"}, 0, 0, 1000));
    p.MEICurves2.addColumn(ColumnDef::integer({"To Node No. (End)"}, 0, 0, 1000));
    p.MEICurves2.addColumn(ColumnDef::subTable({}, {0}));

    define(p.PYCurve2, 38, "External p-y Curve", 2, 17, "Point");
    p.PYCurve2.addColumn(ColumnDef::real({"Lateral Deflection, y (*)"}, "L"));
    p.PYCurve2.addColumn(ColumnDef::real({"Soil Resistance, p"}, "F/L"));
    p.PYCurve2.Comments =
        "* Use negative (-) values for deflections to the left (to backfill)\r     and "
        "positive (+) to the right (to excavation).\rLateral movement (y) should start from "
        "negative deflection\r     (towards backfill) and gradually increase to positive\r   "
        "  deflection (towards excavation) for the range of the response.\rPositive soil "
        "resistance (p) should correspond to the negative\r     soil movement (-y) and "
        "negative soil resistance (-p) should\r     correspond to the positive soil movement "
        "(y).";
    define(p.PYCurves2, 37, "Sets of Ext. p-y Curves", 2, 30);
    p.PYCurves2.addColumn(ColumnDef::integer({"Node # "}, 0, -2147483647 - 1, 2147483647));
    p.PYCurves2.addColumn(ColumnDef::subTable({"Curve Sets"}, {38}));
    p.PYCurves2.addColumn(ColumnDef::real({"Multiplier for p-value"}, {}, 1.0));
    p.PYCurves2.addColumn(ColumnDef::real({"Multiplier for y-value"}, {}, 1.0));
    for (TGridTableChart* t : {&p.Rows2, &p.MEICurves2, &p.PYCurve2, &p.PYCurves2}) {
        t->GetDataFromFile = t == &p.Rows2 || t == &p.PYCurve2;
        t->OKCancelButtons = true;
    }
    p.PYCurve2.InvertedYAxis = false;
}

}  // namespace

ProjectTables::ProjectTables() {
    defineWall(*this);
    defineLoads(*this);
    defineSoil(*this);
    defineCurves(*this);
    reset();
}

std::vector<TGridTable*> ProjectTables::dataTables() {
    return {&PileSect,      &SoilLayer,  &SoilStrength, &BoundCond, &PYMod,
            &DistLoad,      &LongDist,   &NewSoil,      &LongSoil,  &SurchargeTable,
            &TiebackTable1, &MEICurves2, &PYCurves2};
}

void ProjectTables::reset() {
    emptyAll(kEnglish);
    for (TGridTable* t : dataTables()) t->fillToMinimum();
    resetChanged();
}

void ProjectTables::emptyAll(int unit_system) {
    for (TGridTable* t : dataTables()) {
        t->setRowCount(0);
        t->setUnits(unit_system);  // nothing to convert in an empty table
    }
}

void ProjectTables::fillNonChartToMinimum() {
    for (TGridTable* t : dataTables())
        if (!dynamic_cast<TGridTableChart*>(t)) t->fillToMinimum();
}

void ProjectTables::setUnits(int unit_system) {
    for (TGridTable* t : dataTables()) t->setUnits(unit_system);
}

bool ProjectTables::anyChanged() {
    for (TGridTable* t : dataTables())
        if (t->changed()) return true;
    return false;
}

void ProjectTables::resetChanged() {
    for (TGridTable* t : dataTables()) t->resetChanged();
}

}  // namespace vornel
