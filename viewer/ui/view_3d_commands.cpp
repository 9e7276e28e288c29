#include "viewer/ui/view_3d_commands.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace vornel {

View3dCommands::View3dCommands(Project& project, View3dQuestions& questions, QObject* parent)
    : QObject(parent), project_(project), q_(questions) {}

View3dCommands::~View3dCommands() {
    if (frame_) delete frame_.data();
}

TDlgBlock* View3dCommands::open(QMdiArea* area) {
    if (!view_) {
        auto* view = new TDlgBlock(project_, q_);
        view->setDeflection(deflection_);
        view->setAttribute(Qt::WA_DeleteOnClose);
        QWidget* frame = view;
        if (area) {
            QMdiSubWindow* sub = area->addSubWindow(view);
            sub->setAttribute(Qt::WA_DeleteOnClose);
            sub->resize(870, 640);
            frame = sub;
        }
        view_ = view;
        frame_ = frame;
        connect(view, &QObject::destroyed, this, [this] { emit openChanged(false); });
        frame->show();
        emit openChanged(true);
    }
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
    return view_;
}

void View3dCommands::close() {
    if (frame_) frame_->close();
}

void View3dCommands::setDeflection(DeflectionCurve curve) {
    deflection_ = std::move(curve);
    if (view_) view_->setDeflection(deflection_);
}

void View3dCommands::setMode(MouseMode m) {
    if (view_) view_->setMouseMode(m);
}

MouseMode View3dCommands::mouseMode() const {
    return view_ ? view_->navigation().mode : MouseMode::None;
}

void View3dCommands::zoomIn() {
    if (view_) view_->ZoomIn();
}

void View3dCommands::zoomOut() {
    if (view_) view_->ZoomOut();
}

void View3dCommands::restartView() {
    if (view_) view_->RestartViewButtonClick();
}

void View3dCommands::deformedShape() {
    if (view_ && deformedShapeEnabled()) view_->DeformedShapeWindow();
}

void View3dCommands::toggleShow(ShowOption option) {
    if (view_) view_->toggleShow(option);
}

bool View3dCommands::isShown(ShowOption option) const {
    return view_ && view_->isShown(option);
}

}  // namespace vornel
