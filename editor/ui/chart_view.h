// ChartView: draws a ChartPicture (axes, ticks, titles, curves, markers, legend).
#pragma once

#include <QWidget>

#include "editor/ui/chart_picture.h"

class QPainter;

namespace vornel {

void paint_chart(QPainter& p, const ChartPicture& picture, const QRectF& bounds);

class ChartView : public QWidget {
    Q_OBJECT
  public:
    explicit ChartView(QWidget* parent = nullptr);
    void setPicture(ChartPicture picture);
    const ChartPicture& picture() const { return picture_; }
    QSize sizeHint() const override { return {360, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChartPicture picture_;
};

}  // namespace vornel
