// Reading the plot data file into the result graphs and the result arrays.
//
// The file is a sequence of result blocks, one per problem (a single analysis, short and long
// term, or one per construction stage), each with an earth-pressure section, the unit flag and
// the p-y curves, a results header and the node records (depth, deflection, moment, shear and
// soil reaction per station). English values are shown in ft, kip-in and kips: depths are
// divided by 12, moments and shears by 1000.
//
// Only a regular file of at most 64 MiB is read. Reading stops at the first item that is missing or
// not a number of the expected kind, and at a file that holds more than 11 result sets or more than
// 302 points in a set (0 result sets announced, as by a deck whose stage count is 0, is one block);
// what was read up to there stays in the graphs. When failure reporting is on, the failure is told
// to the questions interface as "An error occured in running the main program.".
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "editor/result_arrays.h"
#include "viewer/result_graphs.h"
#include "viewer/viewer_questions.h"

namespace vornel {

class TProgramData;

// What the reader needs to know of the project: its unit system (the combined pressure graph
// and the wall lines are shown in ft when English), whether the two blocks are the short and
// the long term, and the soil layers and wall for the layer lines of the combined graph.
struct PlotProjectFacts {
    struct Layer {
        int soilType = 0;     // 1..7 in the order of the soil-layer pick list
        double bottom = 0.0;  // bottom depth as the layer table holds it (ft or m)
    };
    bool hasProject = false;        // without a project no layer lines are built
    std::optional<int> unitSystem;  // none: the file's unit flag decides
    bool longTerm = false;
    std::vector<Layer> layers;
    double wallLength = 0.0;  // increments x increment length (in or m)
    double freeHeight = 0.0;  // (in or m)

    static PlotProjectFacts of(const TProgramData& data);
};

class PlotFileReader {
  public:
    PlotFileReader(ResultGraphs& graphs, ResultArrays& arrays, Questions* questions = nullptr)
        : graphs_(graphs), arrays_(arrays), questions_(questions) {}

    // True when the whole file was read.
    bool read(const QString& path, bool report, const PlotProjectFacts& facts = {});
    bool readContent(const QByteArray& content, bool report, const PlotProjectFacts& facts = {});

    // Why the last read failed (the word reader's message or the capacity exceeded); empty
    // after a complete read. Not shown to the user by the reader.
    const QString& error() const { return error_; }
    // The last unit flag read (1 English, 2 SI; 0 when none was read).
    int units() const { return units_; }

  private:
    bool fail(bool report, const QString& why);

    ResultGraphs& graphs_;
    ResultArrays& arrays_;
    Questions* questions_;
    QString error_;
    int units_ = 0;
};

// The main window's read: the project gives the facts and takes the result arrays.
bool read_plot_file(const QString& path, bool report, ResultGraphs& graphs, TProgramData& data,
                    Questions* questions);

}  // namespace vornel
