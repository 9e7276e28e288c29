#include "editor/data_file_reader.h"

#include <functional>

#include "editor/word_reader.h"

namespace vornel {

namespace {

// Rows of a table without a maximum are still bounded: no deck holds more.
constexpr int kUnlimitedRows = 100000;

class DeckReader {
  public:
    DeckReader(const QByteArray& content, TProgramData& d, const DeckLayout& layout, bool stage)
        : w_(content), d_(d), t_(d.tables()), layout_(layout), stage_(stage) {}

    ReadOutcome read();

  private:
    struct Codes {
        int earthPressure = 0, py = 0;
    };
    using Row = std::function<bool(int)>;
    bool problem(bool long_term);
    bool control();
    bool wall();
    bool rows(TGridTable& table, int count, const Row& row);
    bool count(const TGridTable& table, int& n);
    bool real(double& v);
    bool integer(int& v, int min = -2147483647 - 1, int max = 2147483647);
    bool realCell(TGridTable& t, int c, int r, double factor = 1.0);
    bool integerCell(TGridTable& t, int c, int r);
    bool pickCell(TGridTable& t, int c, int r);
    bool rangeTables();
    bool pressureRows(TGridTable& dist);
    bool configuration(TGridTable& layers);
    bool surcharges();
    bool soilLayer(TGridTable& layers, int r, double& depth);
    bool curves();
    void convertSingleSurcharge();
    void rebuildSwitches(bool long_term_marker);
    double lengthFromFile(double v) const { return english() ? v / kInchesPerFoot : v; }
    bool english() const { return d_.UnitSystem == 1; }

    TWordReader w_;
    TProgramData& d_;
    ProjectTables& t_;
    DeckLayout layout_;
    bool stage_;
    Codes codes_;
    int restraints_ = 0, stiffness_ = 0, pyMods_ = 0, curves_ = 0, eiSets_ = 0, tiebacks_ = 0;
};

bool DeckReader::real(double& v) {
    const auto x = w_.readReal();
    if (x) v = *x;
    return x.has_value();
}

bool DeckReader::integer(int& v, int min, int max) {
    const auto x = w_.readInteger(min, max);
    if (x) v = *x;
    return x.has_value();
}

bool DeckReader::count(const TGridTable& table, int& n) {
    return integer(n, 0, table.MaxRows() > 0 ? table.MaxRows() : kUnlimitedRows);
}

bool DeckReader::realCell(TGridTable& t, int c, int r, double factor) {
    double v = 0;
    if (!real(v)) return false;
    t.setReal(c, r, v * factor);
    return true;
}

bool DeckReader::integerCell(TGridTable& t, int c, int r) {
    int v = 0;
    if (!integer(v)) return false;
    t.setInteger(c, r, v);
    return true;
}

bool DeckReader::pickCell(TGridTable& t, int c, int r) {
    int v = 0;
    if (!integer(v, 1, static_cast<int>(t.column(c).items.size()))) return false;
    t.setItem(c, r, v);
    return true;
}

// The table takes the announced count at once: rows not reached keep their defaults.
bool DeckReader::rows(TGridTable& table, int n, const Row& row) {
    table.setRowCount(n);
    for (int r = 0; r < n; ++r)
        if (!row(r)) return false;
    return true;
}

bool DeckReader::control() {
    int stages = 1;
    if (!integer(d_.UnitSystem, 1, 3)) return false;
    t_.setUnits(d_.UnitSystem);
    if (!integer(restraints_, 0, t_.SoilLayer.MaxRows()) ||
        !integer(stiffness_, 0, t_.PileSect.MaxRows()) ||
        !integer(pyMods_, 0, t_.PYMod.MaxRows()) || !integer(codes_.earthPressure, 0, 3) ||
        !integer(codes_.py, 0, 2) || !integer(curves_, 0, t_.PYCurves2.MaxRows()))
        return false;
    if (layout_.stageCount && !integer(stages, 0, 5)) return false;
    d_.StageCount = stages < 1 ? 1 : stages;
    eiSets_ = tiebacks_ = 0;
    if (layout_.eiCount && !integer(eiSets_, 0, t_.MEICurves2.MaxRows())) return false;
    return !layout_.tiebacks || integer(tiebacks_, 0, t_.TiebackTable1.MaxRows());
}

bool DeckReader::wall() {
    if (!integer(d_.Increments) || !real(d_.IncrementLength) || !real(d_.MaxDeflection) ||
        !real(d_.ClosureTolerance) || !real(d_.FreeHeight))
        return false;
    // The wall width: the configuration record repeats it when present, but a deck without
    // that record holds it only here.
    if (layout_.tiebacks && !real(d_.ActiveWidth)) return false;
    TGridTable& rs = t_.SoilLayer;
    if (!rows(rs, restraints_, [&](int r) {
            return pickCell(rs, col::kRsCase, r) && integerCell(rs, col::kRsNode, r) &&
                   realCell(rs, col::kRsDeflection, r) && realCell(rs, col::kRsSlope, r);
        }))
        return false;
    TGridTable& ps = t_.PileSect;
    return rows(ps, stiffness_, [&](int r) {
        return integerCell(ps, col::kPsFrom, r) && integerCell(ps, col::kPsTo, r) &&
               pickCell(ps, col::kPsFlag, r) && realCell(ps, col::kPsEI, r);
    });
}

bool DeckReader::rangeTables() {
    int n = 0;
    TGridTable& cl = t_.BoundCond;
    if (!count(cl, n) || !rows(cl, n, [&](int r) {
            return pickCell(cl, col::kClFlag, r) && integerCell(cl, col::kClFrom, r) &&
                   integerCell(cl, col::kClTo, r) && realCell(cl, col::kClLoad, r) &&
                   realCell(cl, col::kClMoment, r) && realCell(cl, col::kClAxial, r);
        }))
        return false;
    TGridTable& sp = t_.SoilStrength;
    if (!count(sp, n) || !rows(sp, n, [&](int r) {
            return integerCell(sp, col::kSpFrom, r) && integerCell(sp, col::kSpTo, r) &&
                   pickCell(sp, col::kSpFlag, r) && realCell(sp, col::kSpLateral, r) &&
                   realCell(sp, col::kSpRotational, r);
        }))
        return false;
    TGridTable& tb = t_.TiebackTable1;
    if (!rows(tb, tiebacks_, [&](int r) {
            for (int c = col::kTbDepth; c <= col::kTbSpacing; ++c)
                if (!realCell(tb, c, r)) return false;
            return true;
        }))
        return false;
    TGridTable& pm = t_.PYMod;
    return rows(pm, pyMods_, [&](int r) {
        return realCell(pm, col::kPmDepth, r, english() ? 1.0 / kInchesPerFoot : 1.0) &&
               realCell(pm, col::kPmP, r) && realCell(pm, col::kPmY, r);
    });
}

bool DeckReader::pressureRows(TGridTable& dist) {
    int n = 0;
    const double depth = english() ? 1.0 / kInchesPerFoot : 1.0;
    const double load = english() ? kInchesPerFoot : 1.0;
    return count(dist, n) && rows(dist, n, [&](int r) {
               return realCell(dist, col::kDlDepth, r, depth) &&
                      realCell(dist, col::kDlLoad, r, load);
           });
}

bool DeckReader::surcharges() {
    if (!layout_.eiCount) {
        convertSingleSurcharge();
        return true;
    }
    int n = 0;
    TGridTable& su = t_.SurchargeTable;
    return count(su, n) && rows(su, n, [&](int r) {
               return pickCell(su, col::kSuType, r) && realCell(su, col::kSuMagnitude, r) &&
                      realCell(su, col::kSuDistance, r) && realCell(su, col::kSuWidth, r);
           });
}

// Older formats carry one surcharge of each kind at one distance: it becomes three rows.
void DeckReader::convertSingleSurcharge() {
    if (!(d_.LegacySurchargeX > 0.0)) return;
    TGridTable& su = t_.SurchargeTable;
    const double magnitude[3] = {d_.LegacyPointLoad, d_.LegacyLineLoad, d_.LegacyStripLoad};
    su.setRowCount(3);
    for (int r = 0; r < 3; ++r) {
        su.setItem(col::kSuType, r, r + 1);
        su.setReal(col::kSuMagnitude, r, magnitude[r]);
        su.setReal(col::kSuDistance, r, d_.LegacySurchargeX);
        su.setReal(col::kSuWidth, r, d_.LegacyStripWidth);
    }
    d_.UseSurcharge = true;
}

bool DeckReader::soilLayer(TGridTable& layers, int r, double& depth) {
    if (!pickCell(layers, col::kSlType, r)) return false;
    const int type = layers.item(col::kSlType, r);
    TGridTable* p = layers.subTable(col::kSlParameters, r);
    double v = 0;
    if (layout_.soil20) {  // thickness and one set of parameters for both rows
        if (!real(v)) return false;
        depth += v;
        layers.setReal(col::kSlDepth, r, depth);
        for (int column : soil_row_layout_20(type)) {
            if (type == kWeakRock) break;
            if (!real(v)) return false;
            for (int row = 0; p && column >= 0 && row < 2; ++row) p->setReal(column, row, v);
        }
        return true;
    }
    if (!real(v)) return false;
    layers.setReal(col::kSlDepth, r, lengthFromFile(v));
    for (int row = 0; row < 2; ++row)
        for (const SoilValue& s : soil_row_layout(type)) {
            if (!real(v)) return false;
            if (p && s.column >= 0)
                p->setReal(s.column, row, v / soil_file_factor(s.unit, d_.UnitSystem));
        }
    return true;
}

bool DeckReader::configuration(TGridTable& layers) {
    if (!real(d_.FreeHeight) || !real(d_.ActiveWidth) || !real(d_.PYWidth) ||
        !real(d_.WaterDepthBackfill) || !real(d_.WaterDepthExcavation) || !real(d_.ActiveFactor) ||
        !integer(d_.WallOptionCode) || !real(d_.BackfillSlope))
        return false;
    // Older projects stored the water unit weight where the factor belongs.
    if (d_.ActiveFactor == 0.036) d_.ActiveFactor = 1.0;
    if (!real(d_.SurfaceLoad) || !real(d_.LegacySurchargeX) || !real(d_.LegacyPointLoad) ||
        !real(d_.LegacyLineLoad) || !real(d_.LegacyStripLoad) || !real(d_.LegacyStripWidth))
        return false;
    if (!surcharges()) return false;
    int n = 0;
    double depth = 0.0;
    return count(layers, n) && rows(layers, n, [&](int r) { return soilLayer(layers, r, depth); });
}

bool DeckReader::curves() {
    TGridTableChart& py = t_.PYCurves2;
    if (!rows(py, curves_, [&](int r) {
            int n = 0;
            if (!integerCell(py, col::kPyNode, r) || !integer(n, 0, t_.PYCurve2.MaxRows()))
                return false;
            if (layout_.eiCount &&
                (!realCell(py, col::kPyPMult, r) || !realCell(py, col::kPyYMult, r)))
                return false;
            TGridTable* pts = py.subTable(col::kPyPoints, r);
            if (!pts) return false;
            return rows(*pts, n, [&](int p) {
                return realCell(*pts, col::kPyDeflection, p) &&
                       realCell(*pts, col::kPyResistance, p);
            });
        }))
        return false;
    TGridTableChart& ei = t_.MEICurves2;
    return rows(ei, eiSets_, [&](int r) {
        int n = 0;
        if (!integerCell(ei, col::kEiFrom, r) || !integerCell(ei, col::kEiTo, r) ||
            !integer(n, 0, t_.Rows2.MaxRows()))
            return false;
        TGridTable* pts = ei.subTable(col::kEiPoints, r);
        if (!pts) return false;
        return rows(*pts, n, [&](int p) {
            return realCell(*pts, col::kEiMoment, p) && realCell(*pts, col::kEiRigidity, p);
        });
    });
}

bool DeckReader::problem(bool long_term) {
    if (!control() || !wall() || !rangeTables()) return false;
    if (codes_.earthPressure == 1 && !pressureRows(long_term ? t_.LongDist : t_.DistLoad))
        return false;
    if ((codes_.earthPressure >= 2 || codes_.py == 2) &&
        !configuration(long_term ? t_.LongSoil : t_.NewSoil))
        return false;
    return curves();
}

void DeckReader::rebuildSwitches(bool long_term_marker) {
    auto has = [](const TGridTable& t) { return t.rowCount() >= 1; };
    d_.UseRestraints = has(t_.SoilLayer);
    d_.UseConcentratedLoads = has(t_.BoundCond);
    d_.UsePYModifiers = has(t_.PYMod);
    d_.UseEICurves = has(t_.MEICurves2);
    d_.UseExternalPY = has(t_.PYCurves2);
    for (auto [on, table] : {std::pair{&d_.UseSprings, &t_.SoilStrength},
                             std::pair{&d_.UseTiebacks, &t_.TiebackTable1},
                             std::pair{&d_.UseSurcharge, &t_.SurchargeTable}})
        *on = has(*table);
    if (codes_.py == 1) d_.UseExternalPY = true;
    if (codes_.py == 0) d_.UseExternalPY = false;
    d_.GeneratePY = codes_.py == 2 ? 1 : 0;
    d_.EarthPressureOption = codes_.earthPressure;
    if (codes_.earthPressure == 0) d_.GeneratePY = 0;
    if (codes_.earthPressure <= 1)
        d_.GeneratedPressure = false;
    else if (codes_.earthPressure == 2 || !stage_)
        d_.GeneratedPressure = true;
    d_.LongTerm = long_term_marker;
}

ReadOutcome DeckReader::read() {
    ReadOutcome out;
    t_.emptyAll(d_.UnitSystem);
    d_.UseSurcharge = false;
    bool marker = false;
    bool ok = false;
    if (const auto title = w_.readLine()) {
        d_.Title = title->left(80);
        ok = problem(false);
    }
    int code = 0;
    if (ok && !(layout_.soil20 && w_.atEnd())) ok = integer(code);
    if (ok && code == 9 && layout_.longTerm && !stage_) {
        marker = true;
        out.longTermRead = true;
        ok = w_.readLine().has_value();  // the rest of the marker line
        if (const auto title = ok ? w_.readLine() : std::nullopt) {
            d_.Title = title->left(80);
            ok = problem(true) && integer(code);
        } else {
            ok = false;
        }
    } else if (ok && stage_) {
        marker = code == 9;
    }
    rebuildSwitches(marker);
    t_.fillNonChartToMinimum();
    out.moreProblems = ok && !stage_ && d_.StageCount <= 1 && code != 0 && code != 1;
    out.ok = ok;
    if (!ok) out.error = w_.error();
    return out;
}

}  // namespace

ReadOutcome read_data_file(const QByteArray& content, TProgramData& data,
                           const DeckLayout& layout) {
    return DeckReader(content, data, layout, false).read();
}

ReadOutcome read_stage_file(const QByteArray& content, TProgramData& data,
                            const DeckLayout& layout) {
    DeckLayout l = layout;
    l.longTerm = false;
    return DeckReader(content, data, l, true).read();
}

}  // namespace vornel
