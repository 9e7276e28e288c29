#include "viewer/graph_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include "viewer/graph_envelope.h"

namespace vornel {

namespace {

QJsonArray range_json(const AxisRange& a) {
    return QJsonArray{a.min, a.max};
}

QJsonArray points_json(const TLine& line) {
    QJsonArray points;
    for (const TFloatPoint& p : line.Points) points.append(QJsonArray{p.X, p.Y});
    return points;
}

QJsonArray envelope_json(const CurveEnvelope& e) {
    QJsonArray out;
    for (const TLine* side : {&e.max, &e.min})
        out.append(QJsonObject{{"legend", side->Name}, {"points", points_json(*side)}});
    return out;
}

QJsonArray curves_json(const TGraphPlot& g, const TLineList& list) {
    QJsonArray out;
    for (size_t i = 0; i < list.size() && i < g.Lines.size(); ++i) {
        const TLine& flags = g.Lines[i];
        out.append(QJsonObject{{"legend", g.legendText(static_cast<int>(i))},
                               {"shown", flags.Shown},
                               {"active", flags.Active},
                               {"points", points_json(list[i])}});
    }
    return out;
}

QString number(double v) {
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

// Indented JSON, with arrays of numbers kept on one line.
void write_value(QString& out, const QJsonValue& v, int indent) {
    const QString pad(indent * 2, QLatin1Char(' ')), inner((indent + 1) * 2, QLatin1Char(' '));
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        out += QLatin1String("{\n");
        int n = 0;
        for (auto it = o.begin(); it != o.end(); ++it, ++n) {
            out += inner + QLatin1Char('"') + it.key() + QLatin1String("\": ");
            write_value(out, it.value(), indent + 1);
            out += (n + 1 < o.size() ? QLatin1String(",\n") : QLatin1String("\n"));
        }
        out += pad + QLatin1Char('}');
    } else if (v.isArray()) {
        const QJsonArray a = v.toArray();
        const bool flat = !a.isEmpty() && a.first().isDouble();
        out += QLatin1Char('[');
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (!flat) out += QLatin1Char('\n') + inner;
            write_value(out, a[i], indent + 1);
            if (i + 1 < a.size()) out += flat ? QLatin1String(", ") : QLatin1String(",");
        }
        if (!flat && !a.isEmpty()) out += QLatin1Char('\n') + pad;
        out += QLatin1Char(']');
    } else if (v.isDouble()) {
        out += number(v.toDouble());
    } else if (v.isBool()) {
        out += v.toBool() ? QLatin1String("true") : QLatin1String("false");
    } else if (v.isString()) {
        const QByteArray s = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
        out += QString::fromUtf8(s.mid(1, s.size() - 2));
    } else {
        out += QLatin1String("null");
    }
}

}  // namespace

QJsonObject graph_json(GraphView& view, const QString& short_name) {
    view.open();
    const TGraphPlot& g = view.graph();
    QJsonArray panels;
    const TLineList* lists[3] = {&g.Lines, &g.Lines2, &g.Lines3};
    for (int p = 0; p < view.panelCount(); ++p) {
        const PanelRange& r = view.fullRange(p);
        QJsonObject panel{{"xTitle", g.xTitle(p + 1)},
                          {"yTitle", g.yTitle(p + 1)},
                          {"xRange", range_json(r.x)},
                          {"yRange", range_json(r.y)},
                          {"curves", curves_json(g, *lists[p])}};
        const GraphFamily family[3] = {GraphFamily::Main, GraphFamily::Second, GraphFamily::Third};
        if (const auto e = drawn_envelope(g, family[p]))
            panel.insert("envelope", envelope_json(*e));
        panels.append(panel);
    }
    QJsonObject o{{"graph", short_name},
                  {"caption", g.Caption},
                  {"units", g.Units()},
                  {"xOnTop", g.XOnTop},
                  {"panels", panels}};
    if (g.hasLayerLines()) {
        QJsonArray layers;
        for (const TLine& l : g.LayerLines) {
            const TFloatPoint p = l.Points.empty() ? TFloatPoint{} : l.Points.front();
            layers.append(QJsonObject{{"name", l.Name}, {"code", p.X}, {"depth", p.Y}});
        }
        o.insert("layers", layers);
        o.insert("wallLineCount", g.WallLineCount);
    }
    return o;
}

QByteArray graphs_json_document(const QString& source, const std::vector<QJsonObject>& graphs) {
    QJsonArray a;
    for (const QJsonObject& g : graphs) a.append(g);
    QString out;
    write_value(out, QJsonObject{{"source", source}, {"graphs", a}}, 0);
    out += QLatin1Char('\n');
    return out.toUtf8();
}

}  // namespace vornel
