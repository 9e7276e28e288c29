// The "Results Summary" child window: the summary of the last analysis as a table with a column
// per problem or stage and a line per quantity, the quantity's name first. It opens at the size
// that shows the whole table; Ctrl+C copies the table as shown, tab-separated, header line
// first.
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
    // The size that shows every cell without scrolling.
    QSize tableSize() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ResultsSummary summary_;
    QTableWidget* table_;
};

}  // namespace vornel
