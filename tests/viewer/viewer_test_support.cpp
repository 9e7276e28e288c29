#include "viewer_test_support.h"

#include <QFile>

namespace vornel::test {

namespace {
QByteArray e(double v) {
    return QByteArray::number(v, 'E', 4);
}
}  // namespace

QByteArray PlotBlock::text() const {
    QByteArray t = QByteArray::number(static_cast<int>(pressure.size())) + "\n";
    for (const auto& p : pressure)
        t += "  " + e(p[0]) + "  " + e(p[1]) + "  " + e(p[2]) + "  " + e(p[3]) + "\n";
    t += " " + QByteArray::number(units) + " " +
         QByteArray::number(static_cast<int>(pyCurves.size())) + "\n";
    for (const auto& [label, points] : pyCurves) {
        t += " " + QByteArray::number(label) + " " +
             QByteArray::number(static_cast<int>(points.size())) + "\n";
        for (const auto& [y, p] : points) t += " " + e(y) + " " + e(p) + "\n";
    }
    t += " " + QByteArray::number(nres) + " " + QByteArray::number(static_cast<int>(nodes.size())) +
         " " + QByteArray::number(units) + "\n";
    for (const NodeRecord& n : nodes)
        t += " " + e(n.depth) + " " + e(n.deflection) + " " + e(n.moment) + " " + e(n.shear) + " " +
             e(n.reaction) + "\n";
    return t;
}

QByteArray plot_text(const std::vector<PlotBlock>& blocks) {
    QByteArray t;
    for (const PlotBlock& b : blocks) t += b.text();
    return t;
}

std::vector<NodeRecord> simple_nodes(int n, double h) {
    std::vector<NodeRecord> out;
    for (int j = 0; j < n; ++j) out.push_back({j * h, 0.1 + j, 1000.0 * j, 100.0 * j, -10.0 * j});
    return out;
}

QStringList example_names() {
    return {"anchored_tieback",
            "cantilever_user_py",
            "two_stage",
            "anchored_three_stage",
            "anchored_trapezoid_strip",
            "cantilever_layered",
            "cantilever_layered_long_term",
            "cantilever_sand_clay_water"};
}

QString example_plot_file(const QString& name) {
    const QString root = QStringLiteral(VORNEL_SOURCE_DIR) + "/tests/engine/";
    const QString core = root + "core/golden/" + name + ".vn5p";
    return QFile::exists(core) ? core : root + "soil/golden/" + name + ".vn5p";
}

QString example_deck(const QString& name) {
    return QStringLiteral(VORNEL_SOURCE_DIR) + "/examples/" + name + ".vn5d";
}

QString compare_lines(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
        if (a[i] != e[i])
            return QStringLiteral("line %1: expected '%2', got '%3'")
                .arg(i + 1)
                .arg(QString::fromUtf8(e[i]), QString::fromUtf8(a[i]));
    if (a.size() != e.size())
        return QStringLiteral("%1 lines, expected %2").arg(a.size()).arg(e.size());
    return {};
}

QString check_golden(const QString& golden_path, const QByteArray& actual) {
    if (qEnvironmentVariable("UPDATE_GOLDEN") == QLatin1String("1")) {
        QFile f(golden_path);
        if (!f.open(QIODevice::WriteOnly) || f.write(actual) != actual.size())
            return QStringLiteral("cannot write ") + golden_path;
        return {};
    }
    QFile f(golden_path);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("no golden file ") + golden_path;
    const QString diff = compare_lines(actual, f.readAll());
    if (!diff.isEmpty()) {
        QFile out(golden_path + QStringLiteral(".actual"));
        if (out.open(QIODevice::WriteOnly)) out.write(actual);
        return golden_path + QStringLiteral(": ") + diff;
    }
    return {};
}

}  // namespace vornel::test
