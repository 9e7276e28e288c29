#include "editor_test_support.h"

#include <QFile>
#include <QList>
#include <cstdlib>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace vornel::test {

SmallDisk::SmallDisk(int kilobytes) {
    if (::geteuid() != 0 || !dir_.isValid()) return;
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                       options.constData()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void SmallDisk::fill(qint64 spare) {
    struct statvfs st {};
    if (::statvfs(QFile::encodeName(dir_.path()).constData(), &st) != 0) return;
    const qint64 free = static_cast<qint64>(st.f_bavail) * static_cast<qint64>(st.f_frsize);
    QFile filler(path(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly)) return;
    filler.write(QByteArray(std::max<qint64>(free - spare, 0), 'x'));
    filler.close();
}

namespace {

void fill_soil(TGridTable& layers, std::initializer_list<int> types, double scale) {
    layers.setRowCount(static_cast<int>(types.size()));
    int r = 0;
    for (int type : types) {
        layers.setItem(col::kSlType, r, type);
        layers.setReal(col::kSlDepth, r, scale * (r + 1) * 5.0);
        TGridTable* p = layers.subTable(col::kSlParameters, r);
        for (int row = 0; row < 2; ++row)
            for (int c = 0; c < p->columnCount(); ++c)
                p->setReal(c, row, scale * (100.0 + 10 * r + c + 0.5 * row));
        ++r;
    }
}

void fill_ranges(ProjectTables& t) {
    t.PileSect.setRowCount(2);
    t.PileSect.setInteger(col::kPsTo, 0, 20);
    t.PileSect.setItem(col::kPsFlag, 0, 2);
    t.PileSect.setReal(col::kPsEI, 0, 3.6e10);
    t.PileSect.setInteger(col::kPsFrom, 1, 20);
    t.PileSect.setInteger(col::kPsTo, 1, 40);
    t.PileSect.setItem(col::kPsFlag, 1, 2);
    t.PileSect.setReal(col::kPsEI, 1, 1.8e10);
    t.SoilLayer.setRowCount(2);
    t.SoilLayer.setItem(col::kRsCase, 1, 2);
    t.SoilLayer.setInteger(col::kRsNode, 1, 40);
    t.SoilLayer.setReal(col::kRsDeflection, 0, 0.25);
    t.BoundCond.setRowCount(1);
    t.BoundCond.setReal(col::kClLoad, 0, 1000.0);
    t.BoundCond.setReal(col::kClMoment, 0, -2500.5);
    t.BoundCond.setReal(col::kClAxial, 0, 3.0e4);
    t.SoilStrength.setRowCount(1);
    t.SoilStrength.setInteger(col::kSpFrom, 0, 10);
    t.SoilStrength.setInteger(col::kSpTo, 0, 10);
    t.SoilStrength.setReal(col::kSpLateral, 0, 5.0e4);
    t.SoilStrength.setReal(col::kSpRotational, 0, 1.0e-6);
    t.TiebackTable1.setRowCount(1);
    for (int c = 0; c < 6; ++c) t.TiebackTable1.setReal(c, 0, 1.5 * (c + 1));
    t.PYMod.setRowCount(2);
    t.PYMod.setReal(col::kPmDepth, 1, 12.5);
    t.PYMod.setReal(col::kPmP, 1, 0.5);
    t.SurchargeTable.setRowCount(2);
    t.SurchargeTable.setItem(col::kSuType, 1, 3);
    t.SurchargeTable.setReal(col::kSuMagnitude, 0, 2000.0);
    t.SurchargeTable.setReal(col::kSuMagnitude, 1, 3.5);
    t.SurchargeTable.setReal(col::kSuDistance, 1, 60.0);
    t.SurchargeTable.setReal(col::kSuWidth, 1, 24.0);
}

void fill_curves(ProjectTables& t) {
    t.PYCurves2.setRowCount(2);
    for (int r = 0; r < 2; ++r) {
        t.PYCurves2.setInteger(col::kPyNode, r, 30 + 5 * r);
        t.PYCurves2.setReal(col::kPyPMult, r, 0.9);
        TGridTable* pts = t.PYCurves2.subTable(col::kPyPoints, r);
        pts->setRowCount(3);
        for (int p = 0; p < 3; ++p) {
            pts->setReal(col::kPyDeflection, p, -1.0 + p);
            pts->setReal(col::kPyResistance, p, 100.0 * (1 - p));
        }
    }
    t.MEICurves2.setRowCount(1);
    t.MEICurves2.setInteger(col::kEiTo, 0, 40);
    TGridTable* pts = t.MEICurves2.subTable(col::kEiPoints, 0);
    pts->setRowCount(2);
    pts->setReal(col::kEiMoment, 1, 1.0e6);
    pts->setReal(col::kEiRigidity, 0, 3.6e10);
    pts->setReal(col::kEiRigidity, 1, 2.0e10);
}

}  // namespace

void fill_project(TProgramData& d) {
    d.Title = "Anchored sheet pile, all tables";
    d.Increments = 40;
    d.IncrementLength = 6.0;
    d.FreeHeight = 120.0;
    d.ActiveWidth = 12.0;
    d.PYWidth = 12.0;
    d.WaterDepthBackfill = 60.0;
    d.WaterDepthExcavation = 150.0;
    d.BackfillSlope = 10.0;
    d.SurfaceLoad = 2.0;
    d.UseExternalPY = d.UseEICurves = d.UsePYModifiers = d.UseConcentratedLoads = true;
    d.UseTiebacks = d.UseRestraints = d.UseSprings = d.UseSurcharge = true;
    ProjectTables& t = d.tables();
    fill_ranges(t);
    fill_curves(t);
    fill_soil(t.NewSoil, {1, 4, 5, 6, 7}, 1.0);
    fill_soil(t.LongSoil, {2, 3}, 0.5);
    t.DistLoad.setReal(col::kDlDepth, 1, 10.0);
    t.DistLoad.setReal(col::kDlLoad, 1, 120.0);
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void write_file(const QString& path, const QByteArray& content) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
}

QString source_path(const QString& relative) {
    return QStringLiteral(VORNEL_SOURCE_DIR) + QLatin1Char('/') + relative;
}

QString compare_golden(const QString& golden_path, const QByteArray& actual) {
    if (qEnvironmentVariableIntValue("UPDATE_GOLDEN") == 1) {
        write_file(golden_path, actual);
        return {};
    }
    const QByteArray expected = read_file(golden_path);
    auto lines = [](const QByteArray& text) {
        QList<QByteArray> l = text.split('\n');
        if (!l.isEmpty() && l.back().isEmpty()) l.removeLast();
        return l;
    };
    const QList<QByteArray> e = lines(expected), a = lines(actual);
    QString diff;
    for (qsizetype i = 0; i < std::min(e.size(), a.size()) && diff.isEmpty(); ++i)
        if (e[i] != a[i])
            diff = QStringLiteral("line %1 differs:\n  expected: %2\n  actual:   %3")
                       .arg(i + 1)
                       .arg(QString::fromLatin1(e[i]), QString::fromLatin1(a[i]));
    if (diff.isEmpty() && e.size() != a.size())
        diff = QStringLiteral("line count differs: expected %1, actual %2")
                   .arg(e.size())
                   .arg(a.size());
    if (!diff.isEmpty()) write_file(golden_path + ".actual", actual);
    return diff;
}

}  // namespace vornel::test
