// TProgramData: the project object.
//
// Every scalar of the model, the option switches, the stage counters and the file names.
// Scalars are held in the project's unit system: lengths in in (English) or m (SI), forces in
// lbs or kN, angles in degrees; the surface load in force per length squared. The tables of
// the project are held by ProjectTables, which this object refers to but does not own.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "editor/project_tables.h"
#include "editor/result_arrays.h"

namespace vornel {

class TProgramData {
  public:
    // Create: the defaults of a new project; every table reset.
    explicit TProgramData(ProjectTables& tables);

    ProjectTables& tables() const { return *tables_; }

    // ---- Scalars ----
    int UnitSystem = 1;
    QString FileName = QStringLiteral("NewWall.vn5d");
    QString Title = QStringLiteral("New Wall");
    int Increments = 0;
    double IncrementLength = 0.0;
    double MaxDeflection = 100.0;
    double ClosureTolerance = 0.00001;
    double FreeHeight = 0.0;
    double ActiveWidth = 0.0;
    double PYWidth = 0.0;
    double WaterDepthBackfill = 0.0;
    double WaterDepthExcavation = 0.0;
    double ActiveFactor = 1.0;
    int WallOptionCode = 1;
    double BackfillSlope = 0.0;
    double SurfaceLoad = 0.0;
    double LegacySurchargeX = 0.0, LegacyPointLoad = 0.0, LegacyLineLoad = 0.0,
           LegacyStripLoad = 0.0, LegacyStripWidth = 0.0;

    // ---- Option switches ----
    bool UseExternalPY = false;
    bool UseEICurves = false;
    bool UsePYModifiers = false;
    bool UseConcentratedLoads = false;
    bool UseTiebacks = false;
    bool UseRestraints = false;
    bool UseSprings = false;
    bool UseSurcharge = false;
    int GeneratePY = 1;
    bool LongTerm = false;
    int EarthPressureOption = 2;
    int StageCount = 1;
    int CurrentStage = 1;

    // ---- Derived ----
    bool GeneratedPressure = false;
    bool UserPressure() const { return EarthPressureOption == 1; }
    int LongTermMarker() const { return LongTerm ? 9 : 0; }
    int EarthPressureCode = 0;
    int PYCode = 0;
    int EICurveCount = 0;
    int TiebackCount = 0;

    // ---- Stage and file handling ----
    QString StageFileName;
    QString SaveTarget;
    QString OldFileName;
    bool HasEICount = true;
    bool HasTiebacks = true;

    // Result series read from the plot data file (filled by the results viewer).
    ResultArrays Results;

    // Before a data or stage file is written: empty the tables of switched-off options and
    // compute the codes of the control line. `long_term` gives the long-term problem's codes
    // (a generated earth pressure is then always code 2).
    void deriveCodes(bool long_term = false);

    // Change the unit system (clamped into 1..3), converting scalars, tables and the
    // surcharge magnitudes by their load type.
    void SetUnits(int system);

    // Table rows actually written for the options now set.
    int restraintRows() const;
    int pyModRows() const;
    int userCurveCount() const;

  private:
    ProjectTables* tables_;
};

}  // namespace vornel
