#include "viewer/ui/dlg_block.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMenu>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/project.h"
#include "editor/questions.h"
#include "viewer/ui/dlg_deformed_shape.h"
#include "viewer/ui/view_3d_text.h"

namespace vornel {

TDlgBlock::TDlgBlock(Project& project, Questions& questions, QWidget* parent)
    : QWidget(parent), project_(project), q_(questions) {
    setWindowTitle(QString::fromLatin1(view3d_text::kCaption));
    resize(870, 640);
    gl_ = new TglWindow(*this, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gl_);
    menu_ = new QMenu(this);
    connect(menu_->addAction(QString::fromLatin1(view3d_text::kSavePicture)), &QAction::triggered,
            this, [this] { savePicture(); });
    connect(menu_->addAction(QString::fromLatin1(view3d_text::kPrint)), &QAction::triggered, this,
            [this] { print(); });
}

TDlgBlock::~TDlgBlock() = default;

void TDlgBlock::setDeflection(DeflectionCurve curve) {
    deflection_ = std::move(curve);
    if (nav_.show.deformedShape) RedrawComplete();
}

// ---- Show options and redraws -------------------------------------------------------------

namespace {

template <class Options>
auto& flag(Options& o, ShowOption option) {
    switch (option) {
        case ShowOption::Wall:
            return o.wall;
        case ShowOption::SoilLayers:
            return o.soilLayers;
        case ShowOption::WaterLevel:
            return o.waterLevel;
        case ShowOption::AdditionalSurcharge:
            return o.surcharge;
        case ShowOption::LateralSprings:
            return o.lateralSprings;
        case ShowOption::TieBacks:
            return o.tieBacks;
        case ShowOption::ConcentratedLoads:
            return o.concentratedLoads;
        case ShowOption::BoundaryConditions:
            return o.boundaryConditions;
    }
    return o.wall;
}

}  // namespace

void TDlgBlock::toggleShow(ShowOption option) {
    bool& f = flag(nav_.show, option);
    f = !f;
    RedrawComplete();
}

bool TDlgBlock::isShown(ShowOption option) const {
    return flag(nav_.show, option);
}

void TDlgBlock::RedrawComplete() {
    stale_ = true;
    RedrawFigure();
}

void TDlgBlock::RedrawFigure() {
    gl_->update();
}

void TDlgBlock::Zooming(double factor) {
    nav_.zoomBy(factor);
    RedrawFigure();
}

void TDlgBlock::RestartViewButtonClick() {
    nav_.restart();
    RedrawFigure();
}

void TDlgBlock::setMouseMode(MouseMode mode) {
    nav_.setMode(mode);
}

TDlgDeformedShape* TDlgBlock::DeformedShapeWindow() {
    if (!dialog_) {
        dialog_ = new TDlgDeformedShape(
            nav_, q_, [this] { RedrawComplete(); }, this);
        dialog_->setWindowFlag(Qt::Tool);
    }
    dialog_->show();
    dialog_->raise();
    return dialog_;
}

// ---- Window events ------------------------------------------------------------------------

void TDlgBlock::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    activate();
    RedrawFigure();
}

// The first activation: the drawing surface may paint before the window's own show event
// arrives, so whichever comes first computes the extents.
void TDlgBlock::activate() {
    if (activated_) return;
    activated_ = true;
    extents_ = scene_extents(project_.data());
    stale_ = true;
}

void TDlgBlock::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    stale_ = true;
}

void TDlgBlock::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) RedrawFigure();
}

// ---- Painting -----------------------------------------------------------------------------

Scene3d TDlgBlock::buildScene() const {
    return build_scene(project_.data(), deflection_, nav_.show, extents_);
}

void TDlgBlock::glSetupRC() {
    nav_.setBaseScale(width(), height(), extents_);
    gl_->renderer().compile(buildScene());
    stale_ = false;
}

void TDlgBlock::DrawFigure() {
    // The painter of the previous frame may have left its program and buffers bound.
    QOpenGLFunctions* f = gl_->context()->functions();
    f->glUseProgram(0);
    f->glBindBuffer(GL_ARRAY_BUFFER, 0);
    f->glBindTexture(GL_TEXTURE_2D, 0);
    f->glDisable(GL_SCISSOR_TEST);
    f->glDisable(GL_STENCIL_TEST);
    f->glDepthMask(GL_TRUE);
    f->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    gl_->renderer().draw(nav_, extents_, gl_->width(), gl_->height(), gl_->devicePixelRatioF());
}

void TDlgBlock::glRender() {
    if (failed_) return;
    activate();
    try {
        if (stale_) glSetupRC();
        DrawFigure();
    } catch (const EOpenGL& e) {
        glFailed(QString::fromLatin1(e.what()));
        return;
    }
    drawOverlay();
}

// Axis labels at the ends of the axes, and the rubber band of a zoom window being dragged.
void TDlgBlock::drawOverlay() {
    QPainter p(gl_);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = p.font();
    font.setBold(true);
    font.setPointSize(11);
    p.setFont(font);
    const double l = nav_.axisLength() * 1.12;
    const QMatrix4x4& t = gl_->renderer().lastTransform();
    const struct {
        QVector3D end;
        QColor color;
        const char* text;
    } axes[] = {{{float(l), 0, 0}, Qt::blue, "X"},
                {{0, float(l), 0}, QColor(0, 160, 0), "Y"},
                {{0, 0, float(-l)}, Qt::red, "D"}};
    for (const auto& a : axes) {
        const QVector3D n = t.map(a.end);
        const QPointF at((n.x() + 1) / 2 * gl_->width(), (1 - n.y()) / 2 * gl_->height());
        p.setPen(a.color);
        p.drawText(QRectF(at.x() - 10, at.y() - 10, 20, 20), Qt::AlignCenter,
                   QString::fromLatin1(a.text));
    }
    if (nav_.banding) {
        p.setPen(QPen(QColor(0, 255, 0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QPointF(nav_.x0, nav_.y0), QPointF(nav_.cx, nav_.cy)).normalized());
    }
}

void TDlgBlock::glFailed(const QString& message) {
    failed_ = true;
    if (!reported_.insert(message).second) return;
    // Reported once the paint is over: a message box must not open inside a paint.
    QTimer::singleShot(0, this, [this, message] { q_.inform(message); });
}

// ---- Mouse --------------------------------------------------------------------------------

void TDlgBlock::glMouseDown(QMouseEvent* e) {
    nav_.press(e->position().x(), e->position().y(), e->button() == Qt::LeftButton);
}

void TDlgBlock::glMouseMove(QMouseEvent* e) {
    const Qt::KeyboardModifiers extra =
        e->modifiers() & ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier);
    const bool left = e->buttons() == Qt::LeftButton && extra == Qt::NoModifier;
    if (nav_.move(e->position().x(), e->position().y(), left,
                  e->modifiers().testFlag(Qt::ShiftModifier), gl_->width(), gl_->height()))
        RedrawFigure();
}

void TDlgBlock::glMouseUp(QMouseEvent* e) {
    if (nav_.release(e->position().x(), e->position().y(),
                     e->modifiers().testFlag(Qt::ShiftModifier), gl_->width(), gl_->height()))
        RedrawFigure();
}

void TDlgBlock::glContextMenu(const QPoint& global) {
    menu_->popup(global);
}

// ---- Picture ------------------------------------------------------------------------------

bool TDlgBlock::savePicture() {
    const QFileInfo data(project_.dataFilePath());
    const QString suggested = data.absolutePath() + QLatin1Char('/') + data.completeBaseName() +
                              QStringLiteral("_3D.png");
    const auto name = q_.askSaveFileName(
        {QString::fromLatin1(view3d_text::kSavePicture).remove(QStringLiteral("...")),
         suggested,
         QStringLiteral("PNG picture (*.png)"),
         {}});
    return name && savePicture(name->path);
}

bool TDlgBlock::savePicture(const QString& path) {
    const QImage image = gl_->grabFramebuffer();
    // Written beside the target and moved over it only when complete: a failed write
    // leaves an earlier picture of the same name intact.
    QSaveFile file(path);
    QString error;
    if (image.isNull())
        error = QStringLiteral("no picture was drawn");
    else if (!file.open(QIODevice::WriteOnly))
        error = file.errorString();
    else if (!image.save(&file, "PNG"))
        error = QStringLiteral("the PNG could not be written");
    else if (!file.commit())
        error = file.errorString();
    if (error.isEmpty()) return true;
    file.cancelWriting();
    q_.inform(QString::fromLatin1(view3d_text::kPictureNotWritten).arg(path, error));
    return false;
}

// The picture is the one "Save Picture..." writes, fitted to the page's printable area and
// centred on it, its proportions kept.
bool TDlgBlock::printOn(QPrinter& printer) {
    const QImage image = gl_->grabFramebuffer();
    if (image.isNull()) return false;
    printer.setDocName(QString::fromLatin1(view3d_text::kCaption));
    if (image.width() > image.height()) printer.setPageOrientation(QPageLayout::Landscape);
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRect page = p.viewport();
    const QSize fitted = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.left() + (page.width() - fitted.width()) / 2,
                       page.top() + (page.height() - fitted.height()) / 2, fitted.width(),
                       fitted.height());
    p.drawImage(target, image);
    return p.end();
}

bool TDlgBlock::print() {
    QString target;
    bool printed = false;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const QFileInfo data(project_.dataFilePath());
        const auto name = q_.askPdfFileName(
            {QString::fromLatin1(view3d_text::kPrint).remove(QStringLiteral("...")),
             data.absolutePath() + QLatin1Char('/') + data.completeBaseName() +
                 QStringLiteral("_3D.pdf"),
             QStringLiteral("PDF file (*.pdf)"),
             {}});
        if (!name) return false;
        target = *name;
        // Printed beside the target and moved over it when complete.
        const QString part = target + QStringLiteral(".part");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(part);
        printed = printOn(printer);
        if (printed) {
            QFile::remove(target);
            printed = QFile::rename(part, target);
        }
        if (!printed) QFile::remove(part);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        target = printer.printerName();
        printed = printOn(printer);
    }
    if (!printed) q_.inform(QString::fromLatin1(view3d_text::kPrintFailed).arg(target));
    return printed;
}

}  // namespace vornel
