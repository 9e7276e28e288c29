#include "graph_ui_support.h"

#include <QFile>

namespace vornel {

std::optional<QString> ScriptedGraphQuestions::askSaveFileName(const QString&,
                                                               const QString& filter,
                                                               const QString&) {
    saveFilters << filter;
    if (saveNames.isEmpty()) return std::nullopt;
    return saveNames.takeFirst();
}

std::optional<ChosenFile> ScriptedGraphQuestions::askSaveFileAndType(const QString& title,
                                                                     const QString& filter,
                                                                     const QString& defaultSuffix) {
    const std::optional<QString> name = askSaveFileName(title, filter, defaultSuffix);
    if (!name) return std::nullopt;
    const QString type =
        saveTypes.isEmpty() ? filter.section(QStringLiteral(";;"), 0, 0) : saveTypes.takeFirst();
    return ChosenFile{*name, type};
}

bool ScriptedGraphQuestions::askPrint(QPrinter&) {
    return printAnswer;
}

bool ScriptedGraphQuestions::askPageSetup(QPrinter& printer) {
    return pageSetup ? pageSetup(printer) : false;
}

bool ScriptedGraphQuestions::runDialog(QDialog& d) {
    if (!dialog) return false;
    const bool ok = dialog(d);
    dialog = nullptr;
    return ok;
}

void fill_graph(TGraphPlot& g, int n) {
    g.Caption = QStringLiteral("Moment vs Depth");
    g.CurveName = QStringLiteral("Load #");
    g.setCurveCount(n);
    for (int k = 0; k < n; ++k) {
        TLine& c = g.curve(k);
        c.setPointCount(3);
        c.point(0) = {0.0, 0.0};
        c.point(1) = {(k + 1) / 2.0, 5.0};
        c.point(2) = {double(k + 1), 10.0};
    }
}

QString example_plot(const QString& name) {
    const QString root = QStringLiteral(VORNEL_SOURCE_DIR) + "/tests/engine/";
    const QString core = root + "core/golden/" + name + ".vn5p";
    return QFile::exists(core) ? core : root + "soil/golden/" + name + ".vn5p";
}

}  // namespace vornel
