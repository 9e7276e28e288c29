// Pictures of the profile: what a bitmap shows where the mapping puts it, the texts of an
// SVG, and the printed page as a PDF (landscape, titled, not empty).
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/viewer/profile_test_support.h"
#include "viewer/profile_geometry.h"
#include "viewer/profile_painter.h"
#include "viewer/profile_picture.h"

using namespace vornel;

namespace {

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The document title of a PDF written by Qt (UTF-16 with a byte-order mark).
QString pdf_title(const QByteArray& pdf) {
    const qsizetype at = pdf.indexOf("/Title (");
    if (at < 0) return {};
    const qsizetype begin = at + 8, end = pdf.indexOf(")\n", begin);
    QByteArray utf16 = pdf.mid(begin, end - begin);
    if (utf16.startsWith("\xfe\xff")) utf16.remove(0, 2);
    QString s;
    for (qsizetype i = 0; i + 1 < utf16.size(); i += 2)
        s += QChar(static_cast<ushort>((uchar(utf16[i]) << 8) | uchar(utf16[i + 1])));
    return s;
}

}  // namespace

class ProfilePictureTest : public QObject {
    Q_OBJECT
  private slots:
    void bitmapShowsWallAndGround();
    void svgHoldsTheTexts();
    void pdfIsTheLandscapePage();
    void failedWriteLeavesNoFile();
};

void ProfilePictureTest::bitmapShowsWallAndGround() {
    auto p = test::small_cantilever();
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.png");
    QCOMPARE(write_profile_picture(p->data(), 0, path, PictureFormat::Png, QSize(580, 400)),
             QString());
    const QImage image(path);
    QCOMPARE(image.size(), QSize(580, 400));
    ProfileGeometry g;
    g.rebuild(p->data());
    g.resize(QSizeF(580, 400));
    const ProfileMapping m = g.screen();
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    QCOMPARE(image.pixel(290, int(m.row(144))), black);      // wall, mid-height
    QCOMPARE(image.pixel(50, int(m.row(24))), black);        // backfill ground line
    QCOMPARE(image.pixel(450, int(m.row(144))), black);      // excavation ground line
    QCOMPARE(image.pixel(450, int(m.row(24 + 60))), white);  // first layer ends on the backfill
    QCOMPARE(image.pixel(560, 300), white);
}

void ProfilePictureTest::svgHoldsTheTexts() {
    auto p = test::small_cantilever();
    p->data().ActiveWidth = p->data().PYWidth = 12.0;
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.svg");
    QCOMPARE(write_profile_picture(p->data(), 0, path, PictureFormat::Svg), QString());
    const QString svg = QString::fromUtf8(read_all(path));
    QVERIFY(svg.contains(">Soft clay<"));
    QVERIFY(svg.contains(">c= 250; gamma= 110<"));
    QVERIFY(svg.contains(QString::fromUtf8(">ø= 34; gamma= 120<")));
    QVERIFY(svg.contains(">side view<"));
    QVERIFY(svg.contains(">top view<"));
}

void ProfilePictureTest::pdfIsTheLandscapePage() {
    auto p = test::open_example("cantilever_layered.vn5d");
    QCOMPARE(p->data().FreeHeight, 144.0);
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.pdf");
    QCOMPARE(write_profile_picture(p->data(), 0, path, PictureFormat::Pdf), QString());
    const QByteArray pdf = read_all(path);
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.size() > 2000);
    QCOMPARE(pdf_title(pdf), QStringLiteral("Soil-Pile Profile"));
    const QRegularExpression box("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]");
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(pdf));
    QVERIFY(match.hasMatch());
    QVERIFY(match.captured(1).toDouble() > match.captured(2).toDouble());
}

void ProfilePictureTest::failedWriteLeavesNoFile() {
    auto p = test::small_cantilever();
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/profile.png");
    const QString error = write_profile_picture(p->data(), 0, path, PictureFormat::Png);
    QVERIFY(error.startsWith("Cannot create file " + path));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(ProfilePictureTest)
#include "profile_picture_test.moc"
