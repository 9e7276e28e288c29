// The series of result graphs as JSON, for scripts and for checking a plot file's graphs:
// per graph its caption, axis titles with units, the full axis ranges the window opens with,
// and per curve its legend text, shown and active flags and points (per panel for the
// three-panel graph), with the soil-layer lines where the graph has them, and the envelope
// pair of each panel ("envelope": legend text and points of its maximum, then its minimum)
// while the graph shows it.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <vector>

#include "viewer/graph_view.h"

namespace vornel {

// One graph, its window opened (ranges computed, curves made active).
QJsonObject graph_json(GraphView& view, const QString& short_name);
// A document of several graphs; points stay on one line each so that files compare well.
QByteArray graphs_json_document(const QString& source, const std::vector<QJsonObject>& graphs);

}  // namespace vornel
