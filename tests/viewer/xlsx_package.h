// Reading a written workbook back for the tests: the system's unzip checks every member's CRC,
// the members are read through libzip (the library that finished the package) and the parts
// are parsed as a spreadsheet application would: sheet order from the workbook part, cells with
// their shared strings and styles, hyperlinks, and the chart part of each chart sheet.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace vornel::test {

struct XlsxCell {
    bool isNumber = false;
    double number = 0.0;
    QString text;  // the string of a text cell, the stored value of a number cell
    int style = 0;
};

struct XlsxLink {
    QString location;  // internal target, "Page_1!A1"
    QString display;
};

class XlsxPackage {
  public:
    // False (and `error()` set) when the file is not a readable package.
    bool load(const QString& path);
    const QString& error() const { return error_; }

    QStringList members() const { return members_; }
    QByteArray member(const QString& name) const;
    // Sheet names in workbook order, and whether each is a chart sheet.
    QStringList sheetNames() const { return sheets_; }
    bool isChartSheet(const QString& sheet) const;
    QMap<QString, XlsxCell> cells(const QString& sheet) const;
    QMap<QString, XlsxLink> links(const QString& sheet) const;
    // The chart XML shown on a chart sheet.
    QString chartXml(const QString& chartSheet) const;
    // Whether style index `s` is bold and vertically centred.
    bool styleBold(int s) const;
    QString styleVertical(int s) const;
    // Column widths of a worksheet: first column (1-based) -> width.
    QMap<int, double> columnWidths(const QString& sheet) const;

  private:
    QString sheetPart(const QString& sheet) const;  // "xl/worksheets/sheet1.xml"
    QString error_;
    QString path_;
    QStringList members_, sheets_;
    QMap<QString, QString> sheetTargets_;
    QStringList sharedStrings_;
};

// The texts between <tag ...> and </tag> (or the value of attribute `attr` of every such
// element when given), in document order.
QStringList xml_texts(const QString& xml, const QString& tag, const QString& attr = {});
// The first element <tag>...</tag> with its content, empty when none.
QString xml_element(const QString& xml, const QString& tag, qsizetype from = 0);

}  // namespace vornel::test
