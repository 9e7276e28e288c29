// The graph window's dialogs and outputs: the graph title, the legend names, the active
// curves, printing, page setup and saving a picture.
#include <QPrinter>
#include <QRadioButton>
#include <cmath>

#include "editor/questions.h"
#include "viewer/graph_page.h"
#include "viewer/picture_export.h"
#include "viewer/ui/active_lines_dialog.h"
#include "viewer/ui/format_dialog.h"
#include "viewer/ui/graph_canvas.h"
#include "viewer/ui/graph_caption_dialog.h"
#include "viewer/ui/graph_window.h"
#include "viewer/ui/legend_box.h"
#include "viewer/ui/line_names_dialog.h"
#include "viewer/viewer_questions.h"

namespace vornel {

namespace {

QStringList legend_texts(const TGraphPlot& g) {
    QStringList names;
    for (int i = 0; i < g.curveCount(); ++i) names << g.legendText(i);
    return names;
}

}  // namespace

void TGraphWindow::editTitle() {
    TfrmGraphCaption d(graph().Title, graph().TitleAtTop, this);
    questions_->runDialog(d);  // only OK: what the dialog holds is taken
    graph().Title = d.title();
    graph().TitleAtTop = d.atTop();
    relayout();
}

void TGraphWindow::editLegend() {
    TfrmLineNames d(legend_texts(graph()), *questions_, this);
    if (!questions_->runDialog(d)) return;
    const QStringList names = d.names();
    for (int i = 0; i < graph().curveCount() && i < names.size(); ++i)
        graph().curve(i).Name = names[i];
    legend_->setItems(view_.legendItems());
    fitLegend();
    rebuildCurveEntries();
}

void TGraphWindow::editActiveCurves() {
    std::vector<bool> active;
    for (int i = 0; i < graph().curveCount(); ++i) active.push_back(graph().curve(i).Active);
    TfrmActiveLines d(legend_texts(graph()), active, this);
    if (!questions_->runDialog(d)) return;
    const std::vector<bool> states = d.states();
    for (int i = 0; i < graph().curveCount(); ++i)
        graph().curve(i).Active = states[static_cast<size_t>(i)];
    legend_->setItems(view_.legendItems());
    fitLegend();
    rebuildCurveEntries();
    canvas_->update();
}

GraphLayout TGraphWindow::printLayout() {
    return page_layout(printer(), graph(), margins);
}

// Where no printer is installed the graph goes into a PDF file the engineer chooses.
void TGraphWindow::print() {
    QPrinter& pr = printer();
    if (questions_->printerInstalled()) {
        pr.setOutputFormat(QPrinter::NativeFormat);
        if (!questions_->askPrint(pr)) return;
    } else {
        const std::optional<QString> file =
            questions_->askPdfFileName({tr("Print To PDF File"), {}, tr("PDF (*.pdf)"), "pdf"});
        if (!file) return;
        pr.setOutputFormat(QPrinter::PdfFormat);
        pr.setOutputFileName(*file);
    }
    pr.setDocName(graph().Caption);
    pr.setCreator(QStringLiteral("VORNEL 2015"));
    if (!print_graph(pr, view_, margins))
        questions_->inform(tr("The graph could not be printed."), {});
    relayout();
}

// The dialog edits the page margins in thousandths of an inch; the printer keeps its own
// unprintable edges, which printing never goes below.
void TGraphWindow::pageSetup() {
    QPrinter& pr = printer();
    if (!questions_->printerInstalled()) pr.setOutputFormat(QPrinter::PdfFormat);
    const QMarginsF device = pr.pageLayout().margins(QPageLayout::Millimeter);
    pr.setPageMargins(QMarginsF(margins.left, margins.top, margins.right, margins.bottom) / 1000.0,
                      QPageLayout::Inch);
    const bool ok = questions_->askPageSetup(pr);
    if (ok) {
        const QMarginsF m = pr.pageLayout().margins(QPageLayout::Inch);
        auto thousandths = [](double inches) {
            return static_cast<int>(std::lround(inches * 1000));
        };
        margins = {thousandths(m.left()), thousandths(m.top()), thousandths(m.right()),
                   thousandths(m.bottom())};
    }
    pr.setPageMargins(device, QPageLayout::Millimeter);
}

// The chosen file type decides the format and gives a name without a picture extension its
// extension; a name that carries a picture extension keeps it and is written in that format,
// so that the file's content always matches its name (the name typed is taken at its word).
void TGraphWindow::saveToDisk() {
    const auto file = questions_->askSaveFileName(
        {tr("Save To Disk"),
         {},
         tr("Bitmap (*.bmp);;PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"),
         QStringLiteral("bmp")});
    if (!file) return;
    QString path = file->path;
    if (!picture_format_for(path)) {
        // The extension of the chosen type, in the order of the filter above.
        static const char* const kTypes[] = {"bmp", "png", "svg", "pdf"};
        const int k = file->filterIndex >= 1 && file->filterIndex <= 4 ? file->filterIndex : 1;
        path += QLatin1Char('.') + QLatin1String(kTypes[k - 1]);
    }
    TdlgFormat d(this);
    if (!questions_->runDialog(d)) return;
    const PictureResult r = save_picture(view_, path, d.spec(), questions_);
    if (!r.ok && r.message != QString::fromLatin1(viewer_text::kNoMemory))
        questions_->inform(r.message, {});
    relayout();
}

}  // namespace vornel
