// DialogPicture: the explanatory drawings of the dialogs and the help pictures of tables
// (wall and soil in section and in plan, surcharge types, concentrated loads, a ground anchor,
// springs, a distributed pressure diagram). `draw_dialog_picture` draws into any painter.
#pragma once

#include <QWidget>

class QPainter;

namespace vornel {

class DialogPicture : public QWidget {
    Q_OBJECT
  public:
    enum Kind { WallSection, WallPlan, Surcharge, ConcentratedLoads, Tieback, Springs, Pressure };
    explicit DialogPicture(Kind kind, QWidget* parent = nullptr);
    Kind kind() const { return kind_; }
    QSize sizeHint() const override;

    // The picture named by a table's help picture ("tieback", "pressure"); false when none.
    static bool kindOfHelpPicture(const QString& name, Kind& kind);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Kind kind_;
};

void draw_dialog_picture(QPainter& p, DialogPicture::Kind kind, const QRectF& area);

}  // namespace vornel
