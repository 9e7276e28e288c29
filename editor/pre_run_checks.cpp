#include "editor/pre_run_checks.h"

#include "editor/number_text.h"

namespace vornel {

namespace {

QString general(double v) {
    return format_general(v, 15);
}

QString stiffness_check(const TProgramData& d) {
    const TGridTable& t = d.tables().PileSect;
    for (int r = 0; r < t.rowCount(); ++r) {
        const struct {
            int node;
            const char* what;
        } ends[] = {{t.item(col::kPsFrom, r), "Initial Node, "},
                    {t.item(col::kPsTo, r), "End Node, "}};
        for (const auto& e : ends) {
            if (e.node <= d.Increments) continue;
            return QString::fromLatin1(e.what) + QString::number(e.node) +
                   QStringLiteral(" in row ") + QString::number(r + 1) +
                   QStringLiteral(" of Wall Stiffness definition\n") +
                   QStringLiteral("is greater than number of nodes defined, ") +
                   QString::number(d.Increments) + QStringLiteral(".\n") +
                   QStringLiteral(
                       "Please check on Wall Properties Windows and Wall Stiffness Table");
        }
    }
    return {};
}

QString slope_check(const TProgramData& d) {
    const double slope = d.BackfillSlope;
    if (!(slope > 0)) return {};
    const TGridTable& soil = d.tables().NewSoil;
    for (int j = 0; j < soil.rowCount(); ++j) {
        const int type = soil.item(col::kSlType, j);
        if (type != kSand && type != kSilt) continue;
        const TGridTable* p = soil.subTable(col::kSlParameters, j);
        if (!p || p->rowCount() < 1) continue;
        const double angle = p->real(1, 0);  // friction angle, top of the layer
        if (!(angle < slope)) continue;
        const QString layer = QStringLiteral("in layer ") + QString::number(j + 1) + '\n';
        if (type == kSand)
            return QStringLiteral("Slope of the Backfill: ") + general(slope) +
                   QStringLiteral(" deg.\nis greater than friction angle, ") + general(angle) +
                   QStringLiteral(" deg.,\n") + layer +
                   QStringLiteral("Please check on Wall Configuration and Soil Layers Windows");
        return QStringLiteral("Slope of the Backfill: ") + general(slope) +
               QStringLiteral("\nis greater than friction angle, ") + general(angle) +
               QStringLiteral(",\n") + layer + QStringLiteral("Please check Soil Layers");
    }
    return {};
}

}  // namespace

QString pre_run_check(const TProgramData& data) {
    QString message = stiffness_check(data);
    if (message.isEmpty()) message = slope_check(data);
    return message;
}

}  // namespace vornel
