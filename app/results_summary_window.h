// The "Results Summary" child window: the summary rows of the last analysis in a table,
// copied to the clipboard as a tab-separated table (header row first) with Ctrl+C.
#pragma once

#include <QWidget>

#include "viewer/results_summary.h"

class QTableWidget;

namespace vornel {

class TResultsSummaryWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TResultsSummaryWindow(ResultsSummary summary, QWidget* parent = nullptr);
    void copyTable();
    QTableWidget* table() const { return table_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ResultsSummary summary_;
    QTableWidget* table_;
};

}  // namespace vornel
