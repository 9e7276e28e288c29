#include "xlsx_package.h"

#include <zip.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <vector>

namespace vornel::test {

namespace {

QByteArray unzip(const QStringList& args, bool* ok) {
    QProcess p;
    p.start(QStringLiteral("unzip"), args);
    *ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return p.readAllStandardOutput();
}

// Target of relationship `id` in a relationships part.
QString rel_target(const QString& rels, const QString& id) {
    const QStringList ids = xml_texts(rels, QStringLiteral("Relationship"), QStringLiteral("Id"));
    const QStringList targets =
        xml_texts(rels, QStringLiteral("Relationship"), QStringLiteral("Target"));
    const qsizetype i = ids.indexOf(id);
    return i < 0 ? QString() : targets.value(i);
}

QString first_target(const QString& rels) {
    const QStringList t = xml_texts(rels, QStringLiteral("Relationship"), QStringLiteral("Target"));
    return t.isEmpty() ? QString() : t.first();
}

// "../charts/chart1.xml" seen from folder "xl/drawings" -> "xl/charts/chart1.xml".
QString resolve(const QString& folder, const QString& target) {
    QStringList parts = folder.split(QLatin1Char('/'));
    for (const QString& p : target.split(QLatin1Char('/'))) {
        if (p == QLatin1String(".."))
            parts.removeLast();
        else
            parts << p;
    }
    return parts.join(QLatin1Char('/'));
}

QString rels_of(const QString& part) {
    const QFileInfo f(part);
    return f.path() + QStringLiteral("/_rels/") + f.fileName() + QStringLiteral(".rels");
}

}  // namespace

QStringList xml_texts(const QString& xml, const QString& tag, const QString& attr) {
    QStringList out;
    QXmlStreamReader x(xml);
    x.setNamespaceProcessing(false);  // fragments of a part carry prefixes declared outside them
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement() || x.qualifiedName() != tag) continue;
        if (!attr.isEmpty())
            out << x.attributes().value(attr).toString();
        else
            out << x.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return out;
}

QString xml_element(const QString& xml, const QString& tag, qsizetype from) {
    const QRegularExpression open(QStringLiteral("<%1[ >/]").arg(QRegularExpression::escape(tag)));
    const qsizetype start = xml.indexOf(open, from);
    if (start < 0) return {};
    const QString close = QStringLiteral("</%1>").arg(tag);
    const qsizetype end = xml.indexOf(close, start);
    if (end < 0) {
        const qsizetype selfEnd = xml.indexOf(QStringLiteral("/>"), start);
        return xml.mid(start, selfEnd + 2 - start);
    }
    return xml.mid(start, end + close.size() - start);
}

bool XlsxPackage::load(const QString& path) {
    path_ = path;
    bool ok = false;
    unzip({QStringLiteral("-tq"), path}, &ok);  // every member's CRC
    if (!ok) {
        error_ = QStringLiteral("unzip finds the archive damaged: ") + path;
        return false;
    }
    // The members are read through libzip, the library that finished the package.
    int err = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &err);
    if (!za) {
        error_ = QStringLiteral("libzip cannot open ") + path;
        return false;
    }
    members_.clear();
    for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i)
        members_ << QString::fromUtf8(zip_get_name(za, zip_uint64_t(i), 0));
    zip_discard(za);
    const QString wb = QString::fromUtf8(member(QStringLiteral("xl/workbook.xml")));
    const QString rels = QString::fromUtf8(member(QStringLiteral("xl/_rels/workbook.xml.rels")));
    sheets_ = xml_texts(wb, QStringLiteral("sheet"), QStringLiteral("name"));
    const QStringList ids = xml_texts(wb, QStringLiteral("sheet"), QStringLiteral("r:id"));
    for (qsizetype i = 0; i < sheets_.size(); ++i)
        sheetTargets_[sheets_[i]] = resolve(QStringLiteral("xl"), rel_target(rels, ids[i]));
    const QString sst = QString::fromUtf8(member(QStringLiteral("xl/sharedStrings.xml")));
    sharedStrings_ = xml_texts(sst, QStringLiteral("si"));
    return !sheets_.isEmpty();
}

QByteArray XlsxPackage::member(const QString& name) const {
    int err = 0;
    zip_t* za = zip_open(QFile::encodeName(path_).constData(), ZIP_RDONLY, &err);
    if (!za) return {};
    QByteArray data;
    zip_stat_t st;
    if (zip_stat(za, name.toUtf8().constData(), 0, &st) == 0) {
        if (zip_file_t* f = zip_fopen(za, name.toUtf8().constData(), 0)) {
            data.resize(qsizetype(st.size));
            const zip_int64_t n = zip_fread(f, data.data(), st.size);  // checks the CRC
            if (n < 0 || zip_uint64_t(n) != st.size) data.clear();
            zip_fclose(f);
        }
    }
    zip_discard(za);
    return data;
}

QString XlsxPackage::sheetPart(const QString& sheet) const {
    return sheetTargets_.value(sheet);
}

bool XlsxPackage::isChartSheet(const QString& sheet) const {
    return sheetPart(sheet).contains(QLatin1String("/chartsheets/"));
}

QMap<QString, XlsxCell> XlsxPackage::cells(const QString& sheet) const {
    QMap<QString, XlsxCell> out;
    QXmlStreamReader x(member(sheetPart(sheet)));
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement() || x.name() != QLatin1String("c")) continue;
        const QString ref = x.attributes().value(QLatin1String("r")).toString();
        const QString type = x.attributes().value(QLatin1String("t")).toString();
        XlsxCell c;
        c.style = x.attributes().value(QLatin1String("s")).toInt();
        while (!(x.isEndElement() && x.name() == QLatin1String("c")) && !x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("v")) c.text = x.readElementText();
        }
        if (type == QLatin1String("s")) {
            c.text = sharedStrings_.value(c.text.toInt());
        } else if (type.isEmpty() || type == QLatin1String("n")) {
            c.isNumber = true;
            c.number = c.text.toDouble();
        }
        out[ref] = c;
    }
    return out;
}

QMap<QString, XlsxLink> XlsxPackage::links(const QString& sheet) const {
    QMap<QString, XlsxLink> out;
    const QString xml = QString::fromUtf8(member(sheetPart(sheet)));
    const QStringList refs = xml_texts(xml, QStringLiteral("hyperlink"), QStringLiteral("ref"));
    const QStringList locs =
        xml_texts(xml, QStringLiteral("hyperlink"), QStringLiteral("location"));
    const QStringList shown =
        xml_texts(xml, QStringLiteral("hyperlink"), QStringLiteral("display"));
    for (qsizetype i = 0; i < refs.size(); ++i) out[refs[i]] = {locs[i], shown[i]};
    return out;
}

QString XlsxPackage::chartXml(const QString& chartSheet) const {
    const QString part = sheetPart(chartSheet);
    const QString drawing =
        resolve(QFileInfo(part).path(), first_target(QString::fromUtf8(member(rels_of(part)))));
    const QString chart = resolve(QFileInfo(drawing).path(),
                                  first_target(QString::fromUtf8(member(rels_of(drawing)))));
    return QString::fromUtf8(member(chart));
}

// The cell formats of the styles part: font of each, its boldness and vertical alignment.
struct CellFormat {
    bool bold = false;
    QString vertical;
};

static std::vector<CellFormat> cell_formats(const QByteArray& styles) {
    std::vector<bool> bold_fonts;
    std::vector<CellFormat> out;
    QXmlStreamReader x(styles);
    QString section;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement()) continue;
        const auto n = x.name();
        if (n == QLatin1String("fonts") || n == QLatin1String("cellXfs") ||
            n == QLatin1String("cellStyleXfs"))
            section = n.toString();
        else if (section == QLatin1String("fonts") && n == QLatin1String("font"))
            bold_fonts.push_back(false);
        else if (section == QLatin1String("fonts") && n == QLatin1String("b"))
            bold_fonts.back() = true;
        else if (section == QLatin1String("cellXfs") && n == QLatin1String("xf"))
            out.push_back(
                {bold_fonts.at(x.attributes().value(QLatin1String("fontId")).toUInt()), {}});
        else if (section == QLatin1String("cellXfs") && n == QLatin1String("alignment"))
            out.back().vertical = x.attributes().value(QLatin1String("vertical")).toString();
    }
    return out;
}

bool XlsxPackage::styleBold(int s) const {
    const auto f = cell_formats(member(QStringLiteral("xl/styles.xml")));
    return size_t(s) < f.size() && f[size_t(s)].bold;
}

QString XlsxPackage::styleVertical(int s) const {
    const auto f = cell_formats(member(QStringLiteral("xl/styles.xml")));
    return size_t(s) < f.size() ? f[size_t(s)].vertical : QString();
}

QMap<int, double> XlsxPackage::columnWidths(const QString& sheet) const {
    const QString xml = QString::fromUtf8(member(sheetPart(sheet)));
    const QStringList mins = xml_texts(xml, QStringLiteral("col"), QStringLiteral("min"));
    const QStringList widths = xml_texts(xml, QStringLiteral("col"), QStringLiteral("width"));
    QMap<int, double> out;
    for (qsizetype i = 0; i < mins.size(); ++i) out[mins[i].toInt()] = widths[i].toDouble();
    return out;
}

}  // namespace vornel::test
