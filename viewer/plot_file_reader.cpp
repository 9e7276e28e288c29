#include "viewer/plot_file_reader.h"

#include <QFile>
#include <cmath>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "editor/program_data.h"
#include "editor/word_reader.h"

namespace vornel {

namespace {

struct ReadFailure {
    QString why;
};

constexpr int kMaxPyCurves = 10000;
constexpr int kMaxPyPoints = 100000;
constexpr double kPadTolerance = 1.0e-7;
// An analysis writes at most a few hundred kilobytes; the reader's capacity (11 result sets and
// the p-y curves) stays far below this.
constexpr qint64 kMaxPlotFileBytes = 64LL * 1024 * 1024;

bool is_padding(double x, double y) {
    return std::fabs(x) < kPadTolerance && std::fabs(y) < kPadTolerance;
}

// Points that are still (0, 0) after the first repeat the point before them, so that a curve
// padded to the common length ends in its last real point.
void repeat_last_point(TLine& c) {
    for (int j = 1; j < c.pointCount(); ++j)
        if (is_padding(c.point(j).X, c.point(j).Y)) c.point(j) = c.point(j - 1);
}

void grow_points(TLine& c, int n) {
    if (c.pointCount() < n) c.setPointCount(n);
}

// One pass over the file, block by block; throws ReadFailure at the first bad item.
class BlockReader {
  public:
    BlockReader(const QByteArray& content, ResultGraphs& g, ResultArrays& a,
                const PlotProjectFacts& f)
        : r_(content), g_(g), a_(a), f_(f) {}

    void run();
    int units = 0;

  private:
    double real();
    int count(int max, const char* what);
    void resetGraphs();
    void readFirstPressure();
    void readLaterPressure(int k);
    void readUnitsAndCurves(int k);
    void readPyCurves();
    int readHeader();
    void readNodes(int k, int nodes);
    void nameCurves(int k);
    void buildLayerLines();
    void equalise();
    void setCaptions();
    std::vector<TGraphPlot*> nodeGraphs() {
        return {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil};
    }

    TWordReader r_;
    ResultGraphs& g_;
    ResultArrays& a_;
    const PlotProjectFacts& f_;
    int sets_ = 1;  // r: the result-set count
    int max_nodes_ = 0;
    std::vector<std::array<double, 4>> combined_;  // depth, total, soils, surcharge
};

double BlockReader::real() {
    const std::optional<double> v = r_.readReal();
    if (!v) throw ReadFailure{r_.error()};
    return *v;
}

int BlockReader::count(int max, const char* what) {
    const std::optional<int> v = r_.readInteger();
    if (!v) throw ReadFailure{r_.error()};
    if (*v < 0 || *v > max)
        throw ReadFailure{QStringLiteral("%1 %2 out of range 0..%3 (line %4)")
                              .arg(QLatin1String(what))
                              .arg(*v)
                              .arg(max)
                              .arg(r_.lineNumber())};
    return *v;
}

void BlockReader::resetGraphs() {
    for (TGraphPlot* g : g_.all()) {
        for (TLineList* l : {&g->Lines, &g->Lines2, &g->Lines3})
            for (TLine& c : *l) c.setPointCount(0);
    }
    g_.pltInter.setCurveCount(1);
    g_.pltDMS.LayerLines.clear();
    g_.pltDMS.WallLineCount = 0;
    a_.clear();
}

void BlockReader::readFirstPressure() {
    g_.pltLD.setCurveCount(1);
    g_.PltCombine.setCurveCount(3);
    const int n = count(kResultPoints, "earth-pressure record count");
    for (TLine& c : g_.pltLD.Lines) c.setPointCount(n);
    for (TLine& c : g_.PltCombine.Lines) c.setPointCount(n);
    a_.PressurePointCount = n;
    combined_.clear();
    for (int j = 0; j < n; ++j) {
        const double depth = real(), total = real(), soils = real(), surcharge = real();
        g_.pltLD.curve(0).point(j) = {total, depth};
        a_.PressureDepth[0][j] = depth;
        a_.Pressure[0][j] = total;
        combined_.push_back({depth, total, soils, surcharge});
    }
}

void BlockReader::readLaterPressure(int k) {
    g_.pltLD.setCurveCount(sets_);
    const int n = count(kResultPoints, "earth-pressure record count");
    // Only the block's own curve takes its count: earlier curves keep all their points.
    g_.pltLD.curve(k).setPointCount(n);
    a_.PressurePointCount = std::max(a_.PressurePointCount, n);
    for (int j = 0; j < n; ++j) {
        const double depth = real(), total = real();
        real();
        real();
        g_.pltLD.curve(k).point(j) = {total, depth};
        a_.PressureDepth[k][j] = depth;
        a_.Pressure[k][j] = total;
    }
}

void BlockReader::readUnitsAndCurves(int k) {
    units = count(2147483647, "unit flag");
    if (units == 1)
        for (TFloatPoint& p : g_.pltLD.curve(k).Points) p.Y /= 12.0;
    if (k == 0) {
        TLineList& c = g_.PltCombine.Lines;
        c[0].Name = QStringLiteral("Total Earth Pressure");
        c[1].Name = QStringLiteral("from Soils ");
        c[2].Name = QStringLiteral("from Surcharge Loads");
        const bool feet = f_.unitSystem ? *f_.unitSystem == 1 : units == 1;
        for (size_t j = 0; j < combined_.size(); ++j) {
            const double depth = feet ? combined_[j][0] / 12.0 : combined_[j][0];
            for (int i = 0; i < 3; ++i)
                c[i].point(static_cast<int>(j)) = {combined_[j][i + 1], depth};
        }
    }
    readPyCurves();
}

void BlockReader::readPyCurves() {
    const int n = count(kMaxPyCurves, "p-y curve count");
    TGraphPlot& py = g_.pltPY;
    py.setCurveCount(n);
    int longest = 0;
    for (int i = 0; i < n; ++i) {
        TLine& c = py.curve(i);
        c.Value = real();
        const int np = count(kMaxPyPoints, "p-y point count");
        c.setPointCount(np);
        for (int j = 0; j < np; ++j) {
            const double y = real(), p = real();
            c.point(j) = {y, p};
        }
        longest = std::max(longest, np);
    }
    for (TLine& c : py.Lines) {
        const TFloatPoint last = c.Points.empty() ? TFloatPoint{} : c.Points.back();
        while (c.pointCount() < longest) c.Points.push_back(last);
    }
}

int BlockReader::readHeader() {
    // A deck that is not staged may give its stage count as 0 or 1; with 0 the engine
    // announces 0 result sets, which means one block, as 1 does.
    const int nres = std::max(1, count(kResultSets, "result set count"));
    sets_ = std::max(sets_, nres);
    const int nodes = count(kResultPoints, "node count");
    if (!r_.readInteger()) throw ReadFailure{r_.error()};  // the unit flag again
    max_nodes_ = std::max(max_nodes_, nodes);
    return nodes;
}

void BlockReader::readNodes(int k, int nodes) {
    TGraphPlot& d = g_.pltDMS;
    for (int j = 0; j < nodes; ++j) {
        double depth = real(), defl = real(), mom = real(), shear = real();
        const double reaction = real();
        if (units == 1) {
            depth /= 12.0;
            mom /= 1000.0;
            shear /= 1000.0;
        }
        g_.pltDef.curve(k).point(j) = {defl, depth};
        g_.pltMom.curve(k).point(j) = {mom, depth};
        g_.pltShear.curve(k).point(j) = {shear, depth};
        g_.pltSoil.curve(k).point(j) = {reaction, depth};
        d.Lines[k].point(j) = {defl, depth};
        d.Lines2[k].point(j) = {mom, depth};
        d.Lines3[k].point(j) = {shear, depth};
        a_.NodeDepth[k][j] = depth;
        a_.Deflection[k][j] = defl;
        a_.Moment[k][j] = mom;
        a_.Shear[k][j] = shear;
        a_.Reaction[k][j] = reaction;
    }
    a_.SetCount = std::max(a_.SetCount, k + 1);
    a_.NodeCount = max_nodes_;
}

void BlockReader::nameCurves(int k) {
    for (TGraphPlot* g : {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil, &g_.pltDMS}) {
        if (f_.longTerm) {
            g->curve(0).Name = QStringLiteral("Short-Term");
            g->curve(1).Name = QStringLiteral("Long-Term");
        } else {
            g->curve(0).Name = QStringLiteral("Stage: 1");
            g->curve(k).Name = QStringLiteral("Stage: ") + QString::number(k + 1);
        }
    }
}

void BlockReader::buildLayerLines() {
    TGraphPlot& d = g_.pltDMS;
    if (!f_.hasProject || !d.holdsData()) return;
    int row = 0;
    for (const PlotProjectFacts::Layer& l : f_.layers) {
        ++row;
        TLine line(static_cast<double>(d.LayerLines.size() + 1));
        double code = 0.0;
        if (l.soilType < 4)
            line.Name = QStringLiteral(" CLAY "), code = 1;
        else if (l.soilType == 4)
            line.Name = QStringLiteral(" SAND "), code = 7;
        else if (l.soilType == 5)
            line.Name = QStringLiteral(" SILT "), code = 8;
        else if (l.soilType == 6)
            line.Name = QStringLiteral("STRONG ROCK"), code = 9;
        else if (l.soilType == 7)
            line.Name = QStringLiteral("WEAK ROCK"), code = 10;
        else
            line.Name = QStringLiteral("LAYER ") + QString::number(row);
        line.Points = {{code, l.bottom}};
        d.LayerLines.push_back(line);
    }
    d.WallLineCount = static_cast<int>(f_.layers.size());
    const double scale = f_.unitSystem.value_or(units) == 1 ? 1.0 / 12.0 : 1.0;
    for (double y : {f_.wallLength * scale, f_.freeHeight * scale}) {
        TLine wall(static_cast<double>(d.LayerLines.size() + 1));
        wall.Name = QStringLiteral("PILE");
        wall.Points = {{0.0, y}};
        d.LayerLines.push_back(wall);
    }
}

void BlockReader::equalise() {
    for (TLine& c : g_.pltLD.Lines) {
        grow_points(c, a_.PressurePointCount);
        repeat_last_point(c);
    }
    std::vector<TLineList*> lists;
    for (TGraphPlot* g : nodeGraphs()) lists.push_back(&g->Lines);
    lists.insert(lists.end(), {&g_.pltDMS.Lines, &g_.pltDMS.Lines2, &g_.pltDMS.Lines3});
    for (TLineList* l : lists)
        for (TLine& c : *l) {
            grow_points(c, max_nodes_);
            repeat_last_point(c);
        }
    for (int k = 0; k < kResultSets; ++k) {
        for (int j = 1; j < a_.PressurePointCount; ++j)
            if (is_padding(a_.PressureDepth[k][j], a_.Pressure[k][j])) {
                a_.PressureDepth[k][j] = a_.PressureDepth[k][j - 1];
                a_.Pressure[k][j] = a_.Pressure[k][j - 1];
            }
        if (k >= a_.SetCount) continue;
        for (int j = 1; j < max_nodes_; ++j) {
            ResultArrays::Sets* v[] = {&a_.NodeDepth, &a_.Deflection, &a_.Moment, &a_.Shear,
                                       &a_.Reaction};
            bool pad = true;
            for (ResultArrays::Sets* s : v) pad = pad && std::fabs((*s)[k][j]) < kPadTolerance;
            if (pad)
                for (ResultArrays::Sets* s : v) (*s)[k][j] = (*s)[k][j - 1];
        }
    }
}

void BlockReader::setCaptions() {
    const bool en = units == 1;
    auto pick = [en](const char* e, const char* s) { return QString::fromLatin1(en ? e : s); };
    const QString depth = pick("Depth (ft)", "Depth (m)");
    const QString moment = pick("Moment (in-kips)", "Moment (m-kN)");
    const QString bending = pick("Bending Moment (in-kips)", "Bending Moment (m-kN)");
    g_.pltMomEi.XCaption = moment;
    g_.pltMomEi.YCaption = pick("EI (kips-in^2)", "EI (kN-m^2)");
    g_.pltMomCurv.YCaption = moment;
    g_.pltInter.XCaption = bending;
    g_.pltInter.YCaption = pick("Axial Load (kips)", "Axial Load (kN)");
    g_.pltDef.YCaption = depth;
    g_.pltMom.XCaption = bending;
    g_.pltMom.YCaption = depth;
    g_.pltShear.XCaption = pick("Shear (kips)", "Shear (kN)");
    g_.pltShear.YCaption = depth;
    g_.pltSoil.YCaption = depth;
    g_.pltLM.XCaption = pick("Maximum Moment (in-kips)", "Maximum Moment (m-kN)");
    g_.pltLM.YCaption = pick("Lateral Load (kips)", "Lateral Load (kN)");
    g_.pltLD.YCaption = depth;
    TGraphPlot& d = g_.pltDMS;
    d.XCaption = g_.pltDef.XCaption, d.YCaption = g_.pltDef.YCaption, d.XUnits = g_.pltDef.XUnits;
    d.XCaption2 = g_.pltMom.XCaption, d.YCaption2 = g_.pltMom.YCaption;
    d.XUnits2 = g_.pltMom.XUnits;
    d.XCaption3 = g_.pltShear.XCaption, d.YCaption3 = g_.pltShear.YCaption;
    d.XUnits3 = g_.pltShear.XUnits;
    for (TGraphPlot* g : g_.all()) g->setUnits(units);
}

void BlockReader::run() {
    resetGraphs();
    readFirstPressure();
    readUnitsAndCurves(0);
    readHeader();
    const int blocks = sets_;
    const int nodes = max_nodes_;
    for (TGraphPlot* g : nodeGraphs()) {
        g->setCurveCount(blocks);
        for (TLine& c : g->Lines) c.setPointCount(nodes);
    }
    TGraphPlot& d = g_.pltDMS;
    for (GraphFamily f : {GraphFamily::Main, GraphFamily::Second, GraphFamily::Third}) {
        d.setCurveCount(f, blocks);
        for (TLine& c : d.list(f)) c.setPointCount(nodes);
    }
    d.ShowThree = true;
    readNodes(0, nodes);
    buildLayerLines();
    for (int k = 1; k < blocks; ++k) {
        readLaterPressure(k);
        readUnitsAndCurves(k);
        const int n = readHeader();
        nameCurves(k);
        for (TGraphPlot* g : nodeGraphs()) grow_points(g->curve(k), n);
        for (TLineList* l : {&d.Lines, &d.Lines2, &d.Lines3}) grow_points((*l)[k], n);
        readNodes(k, n);
        for (TGraphPlot* g : nodeGraphs()) g->setCurveCount(sets_);
        g_.pltLD.setCurveCount(sets_);
    }
    equalise();
    setCaptions();
}

}  // namespace

PlotProjectFacts PlotProjectFacts::of(const TProgramData& data) {
    PlotProjectFacts f;
    f.hasProject = true;
    f.unitSystem = data.UnitSystem;
    f.longTerm = data.LongTerm;
    const TGridTable& soil = data.tables().NewSoil;
    for (int r = 0; r < soil.rowCount(); ++r)
        f.layers.push_back({soil.item(col::kSlType, r), soil.real(col::kSlDepth, r)});
    f.wallLength = data.Increments * data.IncrementLength;
    f.freeHeight = data.FreeHeight;
    return f;
}

bool PlotFileReader::fail(bool report, const QString& why) {
    error_ = why.isEmpty() ? QStringLiteral("the file cannot be read") : why;
    if (report && questions_) questions_->inform(QString::fromLatin1(viewer_text::kRunFailed));
    return false;
}

bool PlotFileReader::read(const QString& path, bool report, const PlotProjectFacts& facts) {
    error_.clear();
    // Opened without waiting and looked at before reading: a pipe would block the reader for
    // ever and a device such as /dev/zero never ends.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return fail(report, file.errorString());
    }
    struct stat st {};
    QString refused;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        refused = QStringLiteral("Cannot open file %1: it is not a regular file").arg(path);
    else if (st.st_size > kMaxPlotFileBytes)
        refused = QStringLiteral(
                      "Cannot open file %1: at %2 bytes it is far larger than any "
                      "plot data file (at most %3 bytes are read)")
                      .arg(path)
                      .arg(st.st_size)
                      .arg(kMaxPlotFileBytes);
    if (!refused.isEmpty()) {
        ::close(fd);
        return fail(report, refused);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(report, file.errorString());
    }
    return readContent(file.readAll(), report, facts);
}

bool PlotFileReader::readContent(const QByteArray& content, bool report,
                                 const PlotProjectFacts& facts) {
    error_.clear();
    BlockReader reader(content, graphs_, arrays_, facts);
    try {
        reader.run();
    } catch (const ReadFailure& f) {
        units_ = reader.units;
        return fail(report, f.why);
    }
    units_ = reader.units;
    return true;
}

bool read_plot_file(const QString& path, bool report, ResultGraphs& graphs, TProgramData& data,
                    Questions* questions) {
    PlotFileReader reader(graphs, data.Results, questions);
    return reader.read(path, report, PlotProjectFacts::of(data));
}

}  // namespace vornel
