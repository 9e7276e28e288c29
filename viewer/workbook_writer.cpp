#include "viewer/workbook_writer.h"

#include <locale.h>
#include <xlsxwriter.h>
#include <zip.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cmath>
#include <deque>
#include <string>

namespace vornel {

namespace {

namespace text = workbook_text;

constexpr lxw_row_t kTitleRow = 0;       // A1 caption, G1 link back to the index
constexpr lxw_row_t kLegendTextRow = 3;  // row 4: the curve's legend text
constexpr lxw_row_t kXYRow = 4;          // row 5: "X" and "Y"
constexpr lxw_row_t kFirstPointRow = 5;  // row 6: the first point
constexpr qint64 kMaxRows = 1048576;     // rows and columns of a worksheet
constexpr qint64 kMaxColumns = 16384;

QString page_name(int k) {
    return QLatin1String(text::kPagePrefix) + QString::number(k);
}
QString plot_name(int k) {
    return QLatin1String(text::kPlotPrefix) + QString::number(k);
}

// A worksheet has room for every curve (two columns each) and every point (from row 6).
QString check_limits(const std::vector<WorkbookGraph>& graphs) {
    if (graphs.empty()) return QStringLiteral("There is no graph to export.");
    for (const WorkbookGraph& g : graphs) {
        if (2 * qint64(g.curves.size()) > kMaxColumns)
            return QStringLiteral("The graph %1 has more curves than a worksheet can hold.")
                .arg(g.caption);
        for (const WorkbookCurve& c : g.curves)
            if (qint64(c.points.size()) + kFirstPointRow > kMaxRows)
                return QStringLiteral("The graph %1 has more points than a worksheet can hold.")
                    .arg(g.caption);
    }
    return {};
}

// Width of a column that shows `s`, in the spreadsheet's units (the width of a digit of the
// standard font): blanks and narrow letters take less room than digits, bold text a little more.
double fitted_width(const QString& s, bool bold) {
    double digits = 0.0;
    for (const QChar ch : s) {
        if (ch == QLatin1Char(' ') || QStringLiteral("il.,;:'!|I").contains(ch))
            digits += 0.45;
        else if (ch.isUpper() || ch == QLatin1Char('m') || ch == QLatin1Char('w'))
            digits += 1.2;
        else
            digits += 1.0;
    }
    return digits * (bold ? 1.08 : 1.0) + 1.0;
}

class WorkbookBuilder {
  public:
    explicit WorkbookBuilder(const QString& file) {
        wb_ = workbook_new(keep(file));
        if (!wb_) return;
        header_ = workbook_add_format(wb_);
        format_set_bold(header_);
        format_set_align(header_, LXW_ALIGN_VERTICAL_CENTER);
        legend_ = workbook_add_worksheet(wb_, text::kLegendSheet);
        if (!legend_) fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    ~WorkbookBuilder() {
        if (wb_) workbook_close(wb_);  // only after an earlier failure: the file is thrown away
    }

    bool ok() const { return wb_ && error_ == LXW_NO_ERROR; }
    void writeIndex(const std::vector<WorkbookGraph>& graphs);
    void writeGraph(int k, const WorkbookGraph& g);
    // Writes the package; the reason when it could not be written.
    QString close();

  private:
    const char* keep(const QString& s) { return kept_.emplace_back(s.toStdString()).c_str(); }
    void fail(lxw_error e) {
        if (error_ == LXW_NO_ERROR) error_ = e;
    }
    void string(lxw_worksheet* ws, lxw_row_t r, lxw_col_t c, const QString& s,
                lxw_format* f = nullptr) {
        fail(worksheet_write_string(ws, r, c, keep(s), f));
    }
    void link(lxw_worksheet* ws, lxw_row_t r, lxw_col_t c, const QString& target,
              const QString& shown) {
        const QString url = QStringLiteral("internal:") + target;
        fail(worksheet_write_url_opt(ws, r, c, keep(url), nullptr, keep(shown), nullptr));
    }
    // A point value as a number; one that is not a finite number stays text, which the file
    // format can hold and the chart leaves out.
    void number(lxw_worksheet* ws, lxw_row_t r, lxw_col_t c, double v) {
        if (std::isfinite(v))
            fail(worksheet_write_number(ws, r, c, v, nullptr));
        else
            string(ws, r, c, QString::number(v));
    }
    void writeDataSheet(int k, const WorkbookGraph& g);
    void writeChartSheet(int k, const WorkbookGraph& g);

    lxw_workbook* wb_ = nullptr;
    lxw_format* header_ = nullptr;
    lxw_worksheet* legend_ = nullptr;
    lxw_error error_ = LXW_NO_ERROR;
    std::deque<std::string> kept_;  // texts handed to the library live until the file is closed
};

// Row 2 the headers, row k+2 graph k: number, caption, link to its data sheet, chart sheet
// name, status. Columns B to F fitted to what they show.
void WorkbookBuilder::writeIndex(const std::vector<WorkbookGraph>& graphs) {
    const QString headers[] = {text::kHeaderNumber, text::kHeaderPlotName, text::kHeaderSheetName,
                               text::kHeaderChartName, text::kHeaderStatus};
    double width[5];
    for (int c = 0; c < 5; ++c) {
        string(legend_, 1, lxw_col_t(c + 1), headers[c], header_);
        width[c] = fitted_width(headers[c], true);
    }
    for (size_t i = 0; i < graphs.size(); ++i) {
        const int k = int(i) + 1;
        const lxw_row_t row = lxw_row_t(k + 1);
        const QString cells[] = {QString::number(k), graphs[i].caption, page_name(k), plot_name(k),
                                 QLatin1String(text::kComplete)};
        fail(worksheet_write_number(legend_, row, 1, k, nullptr));
        string(legend_, row, 2, cells[1]);
        link(legend_, row, 3, page_name(k) + QStringLiteral("!A1"), page_name(k));
        string(legend_, row, 4, cells[3]);
        string(legend_, row, 5, cells[4]);
        for (int c = 0; c < 5; ++c) width[c] = std::max(width[c], fitted_width(cells[c], false));
    }
    for (int c = 0; c < 5; ++c)
        fail(worksheet_set_column(legend_, lxw_col_t(c + 1), lxw_col_t(c + 1), width[c], nullptr));
}

void WorkbookBuilder::writeGraph(int k, const WorkbookGraph& g) {
    writeDataSheet(k, g);
    writeChartSheet(k, g);
}

void WorkbookBuilder::writeDataSheet(int k, const WorkbookGraph& g) {
    lxw_worksheet* ws = workbook_add_worksheet(wb_, keep(page_name(k)));
    if (!ws) return fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
    link(ws, kTitleRow, 6, QLatin1String(text::kLegendSheet) + QStringLiteral("!A1"),
         QLatin1String(text::kGoToLegend));
    string(ws, 0, 0, g.caption);
    string(ws, 1, 0, QStringLiteral("X"));
    string(ws, 1, 1, g.xTitle);
    string(ws, 2, 0, QStringLiteral("Y"));
    string(ws, 2, 1, g.yTitle);
    for (size_t c = 0; c < g.curves.size() && ok(); ++c) {
        const WorkbookCurve& curve = g.curves[c];
        const lxw_col_t xc = lxw_col_t(2 * c), yc = xc + 1;
        string(ws, kLegendTextRow, xc, curve.legendText);
        string(ws, kXYRow, xc, QStringLiteral("X"));
        string(ws, kXYRow, yc, QStringLiteral("Y"));
        for (size_t i = 0; i < curve.points.size(); ++i) {
            number(ws, lxw_row_t(kFirstPointRow + i), xc, curve.points[i].x);
            number(ws, lxw_row_t(kFirstPointRow + i), yc, curve.points[i].y);
        }
    }
}

void WorkbookBuilder::writeChartSheet(int k, const WorkbookGraph& g) {
    lxw_chartsheet* cs = workbook_add_chartsheet(wb_, keep(plot_name(k)));
    lxw_chart* chart = workbook_add_chart(wb_, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
    if (!cs || !chart) return fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
    const char* sheet = keep(page_name(k));
    for (size_t c = 0; c < g.curves.size(); ++c) {
        const WorkbookCurve& curve = g.curves[c];
        const lxw_col_t xc = lxw_col_t(2 * c), yc = xc + 1;
        // A curve without points still gets its series (one empty cell), so that the legend
        // lists every curve of the graph.
        const lxw_row_t last =
            lxw_row_t(kFirstPointRow + std::max<size_t>(curve.points.size(), 1) - 1);
        lxw_chart_series* s = chart_add_series(chart, nullptr, nullptr);
        if (!s) return fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
        chart_series_set_categories(s, sheet, kFirstPointRow, xc, last, xc);
        chart_series_set_values(s, sheet, kFirstPointRow, yc, last, yc);
        // A name that starts with "=" would be taken as a formula: refer to the cell instead.
        if (curve.legendText.startsWith(QLatin1Char('=')))
            chart_series_set_name_range(s, sheet, kLegendTextRow, xc);
        else
            chart_series_set_name(s, keep(curve.legendText));
    }
    // A chart needs a series: a graph without curves shows an empty one, left out of the legend.
    if (g.curves.empty()) {
        lxw_chart_series* s = chart_add_series(chart, nullptr, nullptr);
        if (!s) return fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
        chart_series_set_categories(s, sheet, kFirstPointRow, 0, kFirstPointRow, 0);
        chart_series_set_values(s, sheet, kFirstPointRow, 1, kFirstPointRow, 1);
        static int16_t first_entry[] = {0, -1};
        fail(chart_legend_delete_series(chart, first_entry));
    }
    chart_title_off(chart);
    chart_axis_set_name(chart->x_axis, keep(g.xTitle));
    chart_axis_set_name(chart->y_axis, keep(g.yTitle));
    chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
    chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
    if (g.xOnTop) chart_axis_set_reverse(chart->y_axis);
    fail(chartsheet_set_chart(cs, chart));
}

QString WorkbookBuilder::close() {
    if (!wb_) return QStringLiteral("The workbook could not be started.");
    const lxw_error closed = workbook_close(wb_);
    wb_ = nullptr;
    fail(closed);
    if (error_ == LXW_NO_ERROR) return {};
    return QString::fromUtf8(lxw_strerror(error_));
}

// The legend of a chart drawn in a black frame on white. The chart part holds one legend
// element; its shape properties come before its text properties.
QByteArray with_boxed_legend(QByteArray xml) {
    static const QByteArray box =
        "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill>"
        "<a:ln><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>";
    const qsizetype start = xml.indexOf("<c:legend>");
    const qsizetype end = xml.indexOf("</c:legend>", start);
    if (start < 0 || end < 0) return xml;
    const qsizetype txpr = xml.indexOf("<c:txPr>", start);
    xml.insert(txpr >= 0 && txpr < end ? txpr : end, box);
    return xml;
}

// A package in memory, opened, edited and written again through libzip.
class PackageInMemory {
  public:
    explicit PackageInMemory(const QByteArray& bytes) : buffer_(bytes) {
        zip_error_t err;
        zip_error_init(&err);
        source_ =
            zip_source_buffer_create(buffer_.constData(), zip_uint64_t(buffer_.size()), 0, &err);
        if (source_) {
            zip_source_keep(source_);  // the source outlives the archive: it holds the result
            archive_ = zip_open_from_source(source_, 0, &err);
        }
        if (!archive_) why_ = QString::fromUtf8(zip_error_strerror(&err));
        zip_error_fini(&err);
    }
    ~PackageInMemory() {
        if (archive_) zip_discard(archive_);
        if (source_) zip_source_free(source_);
    }
    PackageInMemory(const PackageInMemory&) = delete;
    PackageInMemory& operator=(const PackageInMemory&) = delete;

    zip_t* archive() const { return archive_; }
    const QString& why() const { return why_; }

    std::optional<QByteArray> member(zip_uint64_t index) {
        zip_stat_t st;
        if (zip_stat_index(archive_, index, 0, &st) != 0) return failed();
        QByteArray data(qsizetype(st.size), Qt::Uninitialized);
        zip_file_t* f = zip_fopen_index(archive_, index, 0);
        if (!f) return failed();
        const zip_int64_t n = zip_fread(f, data.data(), st.size);  // checks the CRC at the end
        zip_fclose(f);
        if (n < 0 || zip_uint64_t(n) != st.size) return failed();
        return data;
    }

    bool replace(zip_uint64_t index, const QByteArray& data) {
        kept_.push_back(data);  // the new member's bytes must live until the archive is written
        zip_source_t* s =
            zip_source_buffer(archive_, kept_.back().constData(), zip_uint64_t(data.size()), 0);
        if (s && zip_file_replace(archive_, index, s, 0) == 0) return true;
        if (s) zip_source_free(s);
        failed();
        return false;
    }

    // Writes the edited archive into the source and returns its bytes.
    std::optional<QByteArray> write() {
        if (zip_close(archive_) != 0) return failed();
        archive_ = nullptr;
        QByteArray out;
        zip_stat_t st;
        if (zip_source_open(source_) != 0) return std::nullopt;
        if (zip_source_stat(source_, &st) == 0) {
            out.resize(qsizetype(st.size));
            const zip_int64_t n = zip_source_read(source_, out.data(), st.size);
            if (n < 0 || zip_uint64_t(n) != st.size) out.clear();
        }
        zip_source_close(source_);
        if (out.isEmpty()) return std::nullopt;
        return out;
    }

  private:
    std::nullopt_t failed() {
        if (archive_) why_ = QString::fromUtf8(zip_strerror(archive_));
        return std::nullopt;
    }

    QByteArray buffer_;
    std::deque<QByteArray> kept_;
    zip_source_t* source_ = nullptr;
    zip_t* archive_ = nullptr;
    QString why_;
};

// The package as the library wrote it, with the chart parts finished.
std::optional<QByteArray> finished_package(const QString& file, QString& why) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        why = f.errorString();
        return std::nullopt;
    }
    PackageInMemory package(f.readAll());
    std::optional<QByteArray> out;
    if (zip_t* za = package.archive()) {
        bool ok = true;
        const zip_int64_t count = zip_get_num_entries(za, 0);
        for (zip_int64_t i = 0; i < count && ok; ++i) {
            const char* name = zip_get_name(za, zip_uint64_t(i), 0);
            if (!name || !QByteArray(name).startsWith("xl/charts/chart")) continue;
            const std::optional<QByteArray> xml = package.member(zip_uint64_t(i));
            ok = xml && package.replace(zip_uint64_t(i), with_boxed_legend(*xml));
        }
        if (ok) out = package.write();
    }
    if (!out)
        why = package.why().isEmpty() ? QStringLiteral("The workbook could not be packed.")
                                      : package.why();
    return out;
}

// The library prints numbers with the C library, in the locale of the calling thread; the
// program runs in the engineer's locale, where the decimal mark may be a comma ("0,1"), which
// the file format does not allow. Numbers are printed in the C locale while the workbook is
// written, for this thread only.
class CNumbersWhileWriting {
  public:
    CNumbersWhileWriting() : c_(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE))) {
        if (c_) previous_ = uselocale(c_);
    }
    ~CNumbersWhileWriting() {
        if (!c_) return;
        uselocale(previous_);
        freelocale(c_);
    }
    CNumbersWhileWriting(const CNumbersWhileWriting&) = delete;
    CNumbersWhileWriting& operator=(const CNumbersWhileWriting&) = delete;

  private:
    locale_t c_;
    locale_t previous_ = LC_GLOBAL_LOCALE;
};

}  // namespace

QString workbook_column_letters(int column) {
    QString s;
    for (int c = column; c > 0; c = (c - 1) / 26) s.prepend(QChar(char16_t(u'A' + (c - 1) % 26)));
    return s;
}

QString write_workbook(const QString& path, const std::vector<WorkbookGraph>& graphs,
                       const std::optional<WriteFault>& fault) {
    if (QString bad = check_limits(graphs); !bad.isEmpty()) return bad;
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryFile draft(folder + QStringLiteral("/.vornel_workbook_XXXXXX"));
    if (!draft.open())
        return QStringLiteral("Cannot create file %1: %2").arg(path, draft.errorString());
    draft.close();
    QString why;
    {
        const CNumbersWhileWriting numbers;
        WorkbookBuilder b(draft.fileName());
        if (b.ok()) b.writeIndex(graphs);
        for (size_t i = 0; i < graphs.size() && b.ok(); ++i) b.writeGraph(int(i) + 1, graphs[i]);
        why = b.close();
    }
    std::optional<QByteArray> package;
    if (why.isEmpty()) package = finished_package(draft.fileName(), why);
    if (!package) return QStringLiteral("Error writing file %1: %2").arg(path, why);
    return write_file_atomically(path, *package, fault, Durability::ToDisk);
}

}  // namespace vornel
