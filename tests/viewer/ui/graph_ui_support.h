// Scripted answers for graph window tests, and a graph with known curves.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "viewer/graph_plot.h"
#include "viewer/result_graphs.h"
#include "viewer/ui/graph_questions.h"

namespace vornel {

class ScriptedGraphQuestions : public GraphQuestions {
  public:
    std::optional<QString> askSaveFileName(const QString& title, const QString& filter,
                                           const QString& defaultSuffix) override;
    std::optional<ChosenFile> askSaveFileAndType(const QString& title, const QString& filter,
                                                 const QString& defaultSuffix) override;
    bool askPrint(QPrinter& printer) override;
    bool askPageSetup(QPrinter& printer) override;
    bool runDialog(QDialog& dialog) override;
    void inform(const QString& text) override {
        informed << text;
        if (onInform) onInform();
    }
    bool printerInstalled() override { return hasPrinter; }

    QStringList saveNames;  // answers of the save dialogs in turn; none left: cancelled
    QStringList saveFilters;
    QStringList saveTypes;  // the type chosen with each name in turn; none left: the first
    bool hasPrinter = false;
    bool printAnswer = true;
    std::function<bool(QPrinter&)> pageSetup;
    std::function<bool(QDialog&)> dialog;  // what the engineer does in the next dialog
    QStringList informed;
    std::function<void()> onInform;  // what a real message box does meanwhile (takes the focus)
};

// `n` curves: curve k (0-based) runs from (0, 0) to (k + 1, 10) over three points.
void fill_graph(TGraphPlot& g, int n);

// A golden plot data file of the engine's examples.
QString example_plot(const QString& name);

}  // namespace vornel
