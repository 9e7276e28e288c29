#include "viewer/ui/view_3d_commands.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "viewer/scene_deflection.h"

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
    for (const QPointer<QAction>& a : deformedActions_)
        if (a) a->setEnabled(deformedShapeEnabled());
}

void View3dCommands::setDeflection(const TGraphPlot& pltDef) {
    setDeflection(first_deflection_curve(pltDef));
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

namespace {

QString text(const char* t) {
    return QString::fromLatin1(t);
}

}  // namespace

void View3dCommands::fillShowMenu(QMenu* menu) {
    menu->setTitle(text(view3d_text::kMenu));
    for (ShowOption o : kShowMenuOrder) {
        QAction* a = menu->addAction(text(view3d_text::kShowItems[int(o)]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, o] { toggleShow(o); });
        connect(menu, &QMenu::aboutToShow, a, [this, a, o] { a->setChecked(isShown(o)); });
    }
    QAction* deformed = menu->addAction(text(view3d_text::kTools[7]));
    connect(deformed, &QAction::triggered, this, &View3dCommands::deformedShape);
    connect(menu, &QMenu::aboutToShow, deformed,
            [this, deformed] { deformed->setEnabled(deformedShapeEnabled()); });
    deformedActions_ << deformed;
    menu->menuAction()->setVisible(isOpen());
    connect(this, &View3dCommands::openChanged, menu->menuAction(), &QAction::setVisible);
}

QList<QAction*> View3dCommands::createToolActions(QObject* parent) {
    QList<QAction*> actions;
    for (const char* t : view3d_text::kTools) {
        QAction* a = new QAction(text(t), parent);
        a->setToolTip(text(t));
        a->setVisible(isOpen());
        connect(this, &View3dCommands::openChanged, a, &QAction::setVisible);
        actions << a;
    }
    auto* modes = new QActionGroup(parent);
    const MouseMode mode[] = {MouseMode::Pan, MouseMode::ZoomWindow, MouseMode::Zoom,
                              MouseMode::Rotate};
    for (int i = 0; i < 4; ++i) {
        actions[i]->setCheckable(true);
        modes->addAction(actions[i]);
        connect(actions[i], &QAction::triggered, this, [this, m = mode[i]] { setMode(m); });
    }
    // A newly opened view starts without a mouse mode.
    connect(this, &View3dCommands::openChanged, modes, [modes] {
        if (QAction* c = modes->checkedAction()) c->setChecked(false);
    });
    modes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    connect(actions[4], &QAction::triggered, this, &View3dCommands::zoomIn);
    connect(actions[5], &QAction::triggered, this, &View3dCommands::zoomOut);
    connect(actions[6], &QAction::triggered, this, &View3dCommands::restartView);
    connect(actions[7], &QAction::triggered, this, &View3dCommands::deformedShape);
    actions[7]->setEnabled(deformedShapeEnabled());
    deformedActions_ << actions[7];
    return actions;
}

}  // namespace vornel
