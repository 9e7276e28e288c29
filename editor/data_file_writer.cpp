#include "editor/data_file_writer.h"

#include <QStringList>

#include "editor/data_file_layout.h"
#include "editor/number_text.h"

namespace vornel {

namespace {

class DeckWriter {
  public:
    explicit DeckWriter(TProgramData& d) : d_(d), t_(d.tables()) {}

    void problem(const QString& title, bool long_term, int continuation);
    QByteArray bytes() const { return out_; }

  private:
    static QString r(double v) { return format_file_real(v); }
    static QString i(int v) { return QString::number(v); }
    void line(const QString& s) { out_ += s.toLatin1() + "\r\n"; }
    void tabs(const QStringList& values) { line(values.join(QLatin1Char('\t'))); }
    double lengthToFile(double ft) const { return english() ? ft * kInchesPerFoot : ft; }
    double perLengthToFile(double v) const { return english() ? v / kInchesPerFoot : v; }
    bool english() const { return d_.UnitSystem == 1; }

    void control();
    void wallRecords();
    void rangeTables();
    void pressureTable(const TGridTable& dist);
    void soilRecords(const TGridTable& layers);
    void soilLayer(const TGridTable& layers, int r);
    void curves();

    TProgramData& d_;
    ProjectTables& t_;
    QByteArray out_;
};

void DeckWriter::control() {
    const QStringList v{i(d_.UnitSystem),       i(d_.restraintRows()),   i(t_.PileSect.rowCount()),
                        i(d_.pyModRows()),      i(d_.EarthPressureCode), i(d_.PYCode),
                        i(d_.userCurveCount()), i(d_.StageCount),        i(d_.EICurveCount),
                        i(d_.TiebackCount)};
    line(v[0] + ' ' + v[1] + '\t' + v[2] + '\t' + v[3] + '\t' + v[4] + '\t' + v[5] + ' ' + v[6] +
         ' ' + v[7] + ' ' + v[8] + ' ' + v[9]);
}

void DeckWriter::wallRecords() {
    line(i(d_.Increments) + ' ' +
         QStringList{r(d_.IncrementLength), r(d_.MaxDeflection), r(d_.ClosureTolerance),
                     r(d_.FreeHeight), r(d_.ActiveWidth)}
             .join(QLatin1Char('\t')));
    const TGridTable& rs = t_.SoilLayer;
    for (int k = 0; k < d_.restraintRows(); ++k)
        tabs({i(rs.item(col::kRsCase, k)), i(rs.item(col::kRsNode, k)),
              r(rs.real(col::kRsDeflection, k)), r(rs.real(col::kRsSlope, k))});
    const TGridTable& ps = t_.PileSect;
    for (int k = 0; k < ps.rowCount(); ++k) {
        const bool last = k == ps.rowCount() - 1;
        tabs({i(ps.item(col::kPsFrom, k)), i(ps.item(col::kPsTo, k)),
              i(last ? 1 : ps.item(col::kPsFlag, k)), r(ps.real(col::kPsEI, k))});
    }
}

void DeckWriter::rangeTables() {
    const TGridTable& cl = t_.BoundCond;
    line(i(cl.rowCount()));
    for (int k = 0; k < cl.rowCount(); ++k)
        tabs({i(cl.item(col::kClFlag, k)), i(cl.item(col::kClFrom, k)), i(cl.item(col::kClTo, k)),
              r(cl.real(col::kClLoad, k)), r(cl.real(col::kClMoment, k)),
              r(cl.real(col::kClAxial, k))});
    const TGridTable& sp = t_.SoilStrength;
    line(i(sp.rowCount()));
    for (int k = 0; k < sp.rowCount(); ++k)
        tabs({i(sp.item(col::kSpFrom, k)), i(sp.item(col::kSpTo, k)), i(sp.item(col::kSpFlag, k)),
              r(sp.real(col::kSpLateral, k)), r(sp.real(col::kSpRotational, k))});
    const TGridTable& tb = t_.TiebackTable1;
    for (int k = 0; k < d_.TiebackCount; ++k) {
        QStringList v;
        for (int c = col::kTbDepth; c <= col::kTbSpacing; ++c) v << r(tb.real(c, k));
        tabs(v);
    }
    const TGridTable& pm = t_.PYMod;
    for (int k = 0; k < d_.pyModRows(); ++k)
        tabs({r(lengthToFile(pm.real(col::kPmDepth, k))), r(pm.real(col::kPmP, k)),
              r(pm.real(col::kPmY, k))});
}

void DeckWriter::pressureTable(const TGridTable& dist) {
    line(i(dist.rowCount()));
    for (int k = 0; k < dist.rowCount(); ++k)
        tabs({r(lengthToFile(dist.real(col::kDlDepth, k))),
              r(perLengthToFile(dist.real(col::kDlLoad, k)))});
}

void DeckWriter::soilLayer(const TGridTable& layers, int k) {
    const int type = layers.item(col::kSlType, k);
    line(i(type) + ' ' + r(lengthToFile(layers.real(col::kSlDepth, k))));
    const TGridTable* p = layers.subTable(col::kSlParameters, k);
    const SoilRow& layout = soil_row_layout(type);
    for (int row = 0; row < 2; ++row) {
        QString s;
        for (const SoilValue& v : layout) {
            const double x = (p && v.column >= 0 ? p->real(v.column, row) : 0.0) *
                             soil_file_factor(v.unit, d_.UnitSystem);
            s += (x == 0.0 ? QStringLiteral("0.0") : r(x)) + QStringLiteral("  ");
        }
        line(s);
    }
}

void DeckWriter::soilRecords(const TGridTable& layers) {
    tabs({r(d_.FreeHeight), r(d_.ActiveWidth), r(d_.PYWidth), r(d_.WaterDepthBackfill),
          r(d_.WaterDepthExcavation), r(d_.ActiveFactor), i(d_.WallOptionCode),
          r(d_.BackfillSlope)});
    tabs({r(d_.SurfaceLoad), r(d_.LegacySurchargeX), r(d_.LegacyPointLoad), r(d_.LegacyLineLoad),
          r(d_.LegacyStripLoad), r(d_.LegacyStripWidth)});
    const TGridTable& su = t_.SurchargeTable;
    line(i(su.rowCount()));
    for (int k = 0; k < su.rowCount(); ++k)
        tabs({i(su.item(col::kSuType, k)), r(su.real(col::kSuMagnitude, k)),
              r(su.real(col::kSuDistance, k)), r(su.real(col::kSuWidth, k))});
    line(i(layers.rowCount()));
    for (int k = 0; k < layers.rowCount(); ++k) soilLayer(layers, k);
}

void DeckWriter::curves() {
    const TGridTable& py = t_.PYCurves2;
    for (int k = 0; k < d_.userCurveCount(); ++k) {
        const TGridTable* pts = py.subTable(col::kPyPoints, k);
        const int n = pts ? pts->rowCount() : 0;
        tabs({i(py.item(col::kPyNode, k)), i(n), r(py.real(col::kPyPMult, k)),
              r(py.real(col::kPyYMult, k))});
        for (int p = 0; p < n; ++p)
            tabs({r(pts->real(col::kPyDeflection, p)), r(pts->real(col::kPyResistance, p))});
    }
    const TGridTable& ei = t_.MEICurves2;
    for (int k = 0; k < d_.EICurveCount; ++k) {
        const TGridTable* pts = ei.subTable(col::kEiPoints, k);
        const int n = pts ? pts->rowCount() : 0;
        tabs({i(ei.item(col::kEiFrom, k)), i(ei.item(col::kEiTo, k)), i(n)});
        for (int p = 0; p < n; ++p)
            tabs({r(pts->real(col::kEiMoment, p)), r(pts->real(col::kEiRigidity, p))});
    }
}

void DeckWriter::problem(const QString& title, bool long_term, int continuation) {
    d_.deriveCodes(long_term);
    // The title is one line of at most 80 characters: a line break in it would shift every
    // record that follows.
    QString t = title.left(80);
    t.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    line(t);
    control();
    wallRecords();
    rangeTables();
    if (d_.EarthPressureCode == 1) pressureTable(long_term ? t_.LongDist : t_.DistLoad);
    if (d_.EarthPressureCode >= 2 || d_.PYCode == 2)
        soilRecords(long_term ? t_.LongSoil : t_.NewSoil);
    curves();
    line(i(continuation));
}

}  // namespace

QString stage_title(int stage) {
    return QStringLiteral(" Stage No : ") + QString::number(stage);
}

QByteArray write_data_file(TProgramData& data) {
    DeckWriter w(data);
    w.problem(data.Title, false, data.LongTerm ? 9 : 0);
    if (data.LongTerm) {
        w.problem(data.Title, true, 0);
        data.deriveCodes(false);
    }
    return w.bytes();
}

QByteArray write_stage_deck(TProgramData& data, int stage) {
    DeckWriter w(data);
    w.problem(stage == 1 ? data.Title : stage_title(stage), false, stage);
    return w.bytes();
}

}  // namespace vornel
