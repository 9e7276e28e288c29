#include "viewer/ui/dlg_side_view.h"

#include <cstdio>

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include "editor/project.h"
#include "editor/questions.h"
#include "viewer/profile_painter.h"

namespace vornel {

// The drawing area: paints what the window's geometry lays out and reports the pointer.
class TDlgSideView::Canvas : public QWidget {
  public:
    explicit Canvas(TDlgSideView& view) : QWidget(&view), view_(view) {
        setMouseTracking(true);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const ProfileColours colours{palette().color(QPalette::Window),
                                     palette().color(QPalette::WindowText),
                                     palette().color(QPalette::WindowText)};
        paint_profile(p, view_.drawing(), colours);
    }
    void resizeEvent(QResizeEvent*) override { view_.canvasResized(size()); }
    void mouseMoveEvent(QMouseEvent* e) override { view_.pointerMoved(e->position()); }

  private:
    TDlgSideView& view_;
};

TDlgSideView::TDlgSideView(Project& project, Questions& questions, QWidget* parent)
    : QWidget(parent), project_(project), questions_(questions) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(side_view_text::kCaption));
    Label1 = new QLabel(QString::fromLatin1(side_view_text::kLabel), this);
    Button1 = new QPushButton(QString::fromLatin1(side_view_text::kPrint), this);
    canvas_ = new Canvas(*this);
    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addStretch();
    top->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(4);
    top->setContentsMargins(8, 0, 8, 0);
    layout->addLayout(top);
    layout->addWidget(canvas_, 1);
    connect(Button1, &QPushButton::clicked, this, &TDlgSideView::Button1Click);
    resize(580, 431);
}

TDlgSideView::~TDlgSideView() = default;

QWidget* TDlgSideView::canvas() const {
    return canvas_;
}

void TDlgSideView::setEarthPressurePoints(int count) {
    earth_points_ = count;
    if (canvas_) canvas_->update();
}

// The view is rebuilt on every activation, also after a degenerate one, so that a corrected
// free height shows at once rather than only in a new window.
void TDlgSideView::FormActivate() {
    geometry_.rebuild(project_.data());
    geometry_.resize(QSizeF(canvas_->size()));
    canvas_->update();
}

// Activation: of the window itself, or of the sub-window that holds it in the main window's
// document area (which does not activate the top-level window).
bool TDlgSideView::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) FormActivate();
    if (e->type() == QEvent::ParentChange) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(sub, &QMdiSubWindow::aboutToActivate, this, &TDlgSideView::FormActivate,
                    Qt::UniqueConnection);
    }
    return QWidget::event(e);
}

void TDlgSideView::closeEvent(QCloseEvent* e) {
    emit closed();
    QWidget::closeEvent(e);
}

void TDlgSideView::canvasResized(QSize size) {
    geometry_.resize(QSizeF(size));
    canvas_->update();
}

void TDlgSideView::pointerMoved(QPointF pixel) {
    if (const std::optional<double> depth = geometry_.depthAt(pixel))
        setWindowTitle(depth_caption(*depth));
}

ProfileDrawing TDlgSideView::drawing() const {
    const ProfileDevice device{QSizeF(canvas_->size()), ProfileMedium::Screen,
                               QFontMetricsF(canvas_->font()).height()};
    return build_profile_drawing(geometry_, project_.data(), device, earth_points_);
}

bool TDlgSideView::printOn(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromLatin1(profile_text::kPrintTitle));
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QSizeF page(printer.width(), printer.height());
    paint_profile_page(p, page, geometry_, project_.data(), earth_points_, Label1->font());
    return p.end();
}

QString TDlgSideView::suggestedPdfName() const {
    const QFileInfo data(project_.dataFilePath());
    return data.dir().filePath(data.completeBaseName() + QStringLiteral("_profile.pdf"));
}

// Without a printer the page goes to a PDF file, written beside the target first so that a
// print that fails half-way never replaces a good file.
bool TDlgSideView::printToPdf(const QString& path) {
    const QFileInfo target(path);
    QTemporaryFile part(
        target.dir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".XXXXXX")));
    if (!target.dir().exists() || !part.open()) return false;
    part.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setOutputFileName(part.fileName());
    if (!printOn(printer)) return false;
    if (std::rename(QFile::encodeName(part.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return false;
    part.setAutoRemove(false);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

void TDlgSideView::Button1Click() {
    bool printed = false;
    QString target;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const std::optional<QString> name =
            questions_.askPdfFileName({QString::fromLatin1(side_view_text::kPdfDialogTitle),
                                       suggestedPdfName(),
                                       QStringLiteral("PDF (*.pdf)"),
                                       {}});
        if (!name) return;
        target = *name;
        printed = printToPdf(target);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        target = printer.printerName();
        printed = printOn(printer);
    }
    if (!printed)
        questions_.inform(QString::fromLatin1(side_view_text::kPrintFailed).arg(target),
                          QString::fromLatin1(side_view_text::kCaption));
}

}  // namespace vornel
