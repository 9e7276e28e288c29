// The verification cases of the technical manual: each analyses its deck in
// docs/verification through the engine, in process, and sets what the engine computed beside
// the value that the mechanics give (verification_formulas.h), with a tolerance.
#pragma once

#include <QDir>
#include <QString>
#include <vector>

namespace vornel::verify {

struct Check {
    QString quantity;
    QString unit;
    double computed = 0.0;
    double expected = 0.0;
    double tolerance = 0.0;  // relative to |expected| (or to `scale` when given)
    double scale = 0.0;      // > 0: the tolerance is taken of this value instead
    bool absolute = false;   // the tolerance is an absolute difference
    double difference() const { return computed - expected; }
    bool pass() const;
};

struct Series {
    QString name;
    std::vector<std::pair<double, double>> points;  // (x, y) as the graph shows them
};

struct CaseGraph {
    QString caption, xCaption, yCaption;
    bool depthDown = true;  // y is a depth: the x axis on top, depth growing downwards
    std::vector<Series> series;
};

struct CaseResult {
    QString id;     // the deck's and the reference's file name without extension
    QString name;   // the case's title in the manual
    QString decks;  // the decks it analyses, as the manual lists them
    std::vector<Check> checks;
    CaseGraph graph;
    QString failure;  // the engine stopped or a deck is missing; the case then fails
    bool pass() const;
};

// Runs every case; decks and references are read from `cases`, the engine's output files
// go to `work`.
std::vector<CaseResult> run_all_cases(const QDir& cases, const QDir& work);

}  // namespace vornel::verify
