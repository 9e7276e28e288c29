// Saving pictures: sizes, formats by extension, and the failures that write nothing.
#include <QtTest>

#include <sys/stat.h>

#include "viewer/picture_export.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class PictureExportTest : public QObject {
    Q_OBJECT

  private slots:
    void sizeFromInchesAndPixelsPerInch();
    void formatByExtension();
    void everyFormatIsWritten();
    void tooLargeForMemoryWritesNothing();
    void failedWriteKeepsTheOldFile();
    void pipeIsNeverWritten();
};

void PictureExportTest::sizeFromInchesAndPixelsPerInch() {
    PictureSpec s;
    QCOMPARE(s.pixelSize(), QSize(432, 288));
    s.pixelsPerInch = 96;
    QCOMPARE(s.pixelSize(), QSize(576, 384));
    s.widthInches = 2.5;
    s.heightInches = 2.01;
    s.pixelsPerInch = 10;
    QCOMPARE(s.pixelSize(), QSize(25, 20));
    QCOMPARE(PictureSpec{}.metrics().baseFont, 11);  // 14 px at 96 ppi is 10.5 px at 72
}

void PictureExportTest::formatByExtension() {
    QCOMPARE(picture_format_for("a/b.BMP"), PictureFormat::Bmp);
    QCOMPARE(picture_format_for("b.png"), PictureFormat::Png);
    QCOMPARE(picture_format_for("b.svg"), PictureFormat::Svg);
    QCOMPARE(picture_format_for("b.pdf"), PictureFormat::Pdf);
    QVERIFY(!picture_format_for("b.jpg"));
    QCOMPARE(picture_extension(PictureFormat::Bmp), QStringLiteral("bmp"));
}

void PictureExportTest::everyFormatIsWritten() {
    OneCurveGraph g;
    QTemporaryDir dir;
    for (const char* ext : {"bmp", "png"}) {
        const QString path = dir.filePath(QStringLiteral("g.") + ext);
        QVERIFY(save_picture(g.v, path, PictureSpec{}).ok);
        QImage img(path);
        QCOMPARE(img.size(), QSize(432, 288));
    }
    const QString pdf = dir.filePath("g.pdf");
    QVERIFY(save_picture(g.v, pdf, PictureSpec{}).ok);
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    const PictureResult bad = save_picture(g.v, dir.filePath("g.gif"), PictureSpec{});
    QVERIFY(!bad.ok);
    QVERIFY(!QFile::exists(dir.filePath("g.gif")));
}

void PictureExportTest::tooLargeForMemoryWritesNothing() {
    OneCurveGraph g;
    QTemporaryDir dir;
    RecordingQuestions q;
    PictureSpec s;
    s.widthInches = 500;
    s.heightInches = 400;
    s.pixelsPerInch = 600;
    const QString path = dir.filePath("huge.bmp");
    const PictureResult r = save_picture(g.v, path, s, &q);
    QVERIFY(!r.ok);
    QCOMPARE(q.informed, QStringList{"There is not enough memory to complete this task."});
    QVERIFY(!QFile::exists(path));
}

void PictureExportTest::failedWriteKeepsTheOldFile() {
    OneCurveGraph g;
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/g.png");
    QVERIFY(!save_picture(g.v, path, PictureSpec{}).ok);
    const QString kept = dir.filePath("kept.png");
    QVERIFY(save_picture(g.v, kept, PictureSpec{}).ok);
    const QByteArray before = [&] {
        QFile f(kept);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    PictureSpec big;
    big.widthInches = big.heightInches = 5000;
    QVERIFY(!save_picture(g.v, kept, big).ok);
    QFile f(kept);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

// Save To Disk and vornel-plot on a name that is a pipe: refused, the pipe stays a pipe and
// nothing blocks.
void PictureExportTest::pipeIsNeverWritten() {
    OneCurveGraph g;
    QTemporaryDir dir;
    for (const char* name : {"pipe.png", "pipe.svg"}) {
        const QString path = dir.filePath(name);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const PictureResult r = save_picture(g.v, path, PictureSpec{});
        QVERIFY(!r.ok);
        QCOMPARE(r.message, "Cannot create file " + path + ": it is not a regular file");
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

QTEST_MAIN(PictureExportTest)
#include "picture_export_test.moc"
