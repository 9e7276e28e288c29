// The export dialog driven as the engineer does: the check list follows the Graphics menu,
// Select All and Unselect All, Generate with the Save dialog, the offer to open and the
// messages of a failed write.
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/recording_questions.h"
#include "viewer/ui/export_dialog.h"

using namespace vornel;

namespace {

const QStringList kCaptions = {"p-y Curves",
                               "Deflection vs Depth",
                               "Shear vs Depth",
                               "Moment vs Depth",
                               "Soil Reaction vs Depth",
                               "Earth Pressure Distribution",
                               "Earth Pressure Combined"};

class FakeSource : public ExportSource {
  public:
    std::vector<ExportItem> exportItems() const override {
        std::vector<ExportItem> items;
        for (int i = 0; i < 7; ++i) items.push_back({kCaptions[i], offered[i], offered[i]});
        return items;
    }
    WorkbookGraph exportGraph(int position) const override {
        asked.push_back(position);
        WorkbookGraph g{kCaptions[position], "X title", "Depth", position != 0, {}};
        g.curves.push_back({"Load #1", {{0.0, 0.0}, {1.5, 1.0}, {2.5, 2.0}}});
        return g;
    }
    QString dataFileName() const override { return dataFile; }

    std::array<bool, 7> offered{};
    QString dataFile;
    mutable std::vector<int> asked;
};

// The save dialogs shown, each as "SUGGESTED|TITLE".
QStringList save_dialogs(const test::RecordingQuestions& q) {
    QStringList titles = q.log.filter(QRegularExpression("^save: "));
    for (int i = 0; i < titles.size(); ++i)
        titles[i] = q.suggested.value(i) + "|" + titles[i].mid(6);
    return titles;
}

QStringList sheet_names(const QString& xlsx) {
    QProcess p;
    p.start("unzip", {"-p", xlsx, "xl/workbook.xml"});
    p.waitForFinished();
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    QStringList names;
    static const QRegularExpression re("<sheet name=\"([^\"]*)\"");
    for (auto m = re.globalMatch(xml); m.hasNext();) names << m.next().captured(1);
    return names;
}

}  // namespace

class ExportDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void showsItsTexts();
    void noResultsOffersNothing();
    void itemsFollowTheGraphicsMenu();
    void tickingByKeyboardEnablesGenerate();
    void generatesTheTickedGraphsAndOffersToOpen();
    void cancelledSaveWritesNothing();
    void failedWriteTellsWhyAndLeavesNoFile();
    void openingCanBeDeclinedOrFail();
    void listIsFilledAgainWhenShown();

  private:
    QPushButton* button(const char* text) {
        for (QPushButton* b : dlg->findChildren<QPushButton*>())
            if (b->text() == QLatin1String(text)) return b;
        return nullptr;
    }
    QListWidget* list() { return dlg->findChild<QListWidget*>("CheckListBoxPlots"); }
    QStringList ticked() {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            if (list()->item(i)->checkState() == Qt::Checked) out << list()->item(i)->text();
        return out;
    }
    QStringList enabled() {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            if (list()->item(i)->flags().testFlag(Qt::ItemIsEnabled))
                out << list()->item(i)->text();
        return out;
    }
    void open() {
        dlg = std::make_unique<TDlgExport>(source, questions);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }

    FakeSource source;
    test::RecordingQuestions questions;
    std::unique_ptr<TDlgExport> dlg;
    std::unique_ptr<QTemporaryDir> dir;
};

void ExportDialogTest::init() {
    source = FakeSource();
    questions = test::RecordingQuestions();
    dir = std::make_unique<QTemporaryDir>();
    source.dataFile = dir->filePath("wall.vn5d");
}

void ExportDialogTest::cleanup() {
    dlg.reset();
}

void ExportDialogTest::showsItsTexts() {
    open();
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Export to Excel"));
    QCOMPARE(dlg->findChild<QGroupBox*>()->title(), QStringLiteral("Available Plots"));
    for (const char* t : {"Select All", "Unselect All", "Generate Excel File", "Close Window"})
        QVERIFY2(button(t) && button(t)->isVisible(), t);
    QStringList notes;
    for (QLabel* l : dlg->findChildren<QLabel*>()) notes << l->text();
    QCOMPARE(notes, QStringList({"An Excel instance (if available) will open. ",
                                 "Please wait until all the data has been exported to Excel.",
                                 "Please note that you need to save the excel file afterwards."}));
    QTest::mouseClick(button("Close Window"), Qt::LeftButton);
    QVERIFY(!dlg->isVisible());
}

void ExportDialogTest::noResultsOffersNothing() {
    open();
    QCOMPARE(list()->count(), 7);
    for (int i = 0; i < 7; ++i) QCOMPARE(list()->item(i)->text(), kCaptions[i]);
    QVERIFY(enabled().isEmpty() && ticked().isEmpty());
    QVERIFY(!button("Generate Excel File")->isEnabled());
    QTest::mouseClick(button("Select All"), Qt::LeftButton);
    QVERIFY(ticked().isEmpty());
    QVERIFY(!button("Generate Excel File")->isEnabled());
}

void ExportDialogTest::itemsFollowTheGraphicsMenu() {
    source.offered = {false, true, true, false, false, false, true};
    open();
    const QStringList offered = {"Deflection vs Depth", "Shear vs Depth",
                                 "Earth Pressure Combined"};
    QCOMPARE(enabled(), offered);
    QCOMPARE(ticked(), offered);
    QVERIFY(button("Generate Excel File")->isEnabled());
    QTest::mouseClick(button("Unselect All"), Qt::LeftButton);
    QVERIFY(ticked().isEmpty());
    QVERIFY(!button("Generate Excel File")->isEnabled());
    QTest::mouseClick(button("Select All"), Qt::LeftButton);
    QCOMPARE(ticked(), offered);
    QVERIFY(button("Generate Excel File")->isEnabled());
}

void ExportDialogTest::tickingByKeyboardEnablesGenerate() {
    source.offered = {false, false, true, false, false, false, false};
    open();
    QTest::mouseClick(button("Unselect All"), Qt::LeftButton);
    QVERIFY(!button("Generate Excel File")->isEnabled());
    list()->setFocus();
    list()->setCurrentRow(2);
    QTest::keyClick(list(), Qt::Key_Space);
    QCOMPARE(ticked(), QStringList({"Shear vs Depth"}));
    QVERIFY(button("Generate Excel File")->isEnabled());
    // A graph that is not offered cannot be ticked.
    list()->setCurrentRow(3);
    QTest::keyClick(list(), Qt::Key_Space);
    QCOMPARE(ticked(), QStringList({"Shear vs Depth"}));
}

void ExportDialogTest::generatesTheTickedGraphsAndOffersToOpen() {
    source.offered = {true, false, true, false, false, false, false};
    const QString path = dir->filePath("wall.xlsx");
    questions.files = {path};
    questions.yesNo = {true};
    open();
    QTest::mouseClick(button("Generate Excel File"), Qt::LeftButton);
    QCOMPARE(save_dialogs(questions), QStringList({path + "|Export to Excel"}));
    QCOMPARE(source.asked, std::vector<int>({0, 2}));
    QCOMPARE(sheet_names(path), QStringList({"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
    QCOMPARE(questions.asked, QStringList({"The workbook " + QDir::toNativeSeparators(path) +
                                           " has been written. Do you want to open it?"}));
    QCOMPARE(questions.opened, QStringList({path}));
    QVERIFY(questions.informed.isEmpty());
    QVERIFY(dlg->isVisible());

    // A name typed without extension gets ".xlsx".
    questions.files = {dir->filePath("book")};
    questions.yesNo = {true};
    QTest::mouseClick(button("Generate Excel File"), Qt::LeftButton);
    QVERIFY(QFile::exists(dir->filePath("book.xlsx")));
    QCOMPARE(questions.opened.last(), dir->filePath("book.xlsx"));
}

void ExportDialogTest::cancelledSaveWritesNothing() {
    source.offered = {false, false, true, false, false, false, false};
    source.dataFile.clear();
    open();
    dlg->setFallbackFolder(dir->path());
    QTest::mouseClick(button("Generate Excel File"), Qt::LeftButton);
    QCOMPARE(save_dialogs(questions),
             QStringList({dir->filePath("Untitled.xlsx") + "|Export to Excel"}));
    QVERIFY(source.asked.empty());
    QVERIFY(questions.asked.isEmpty() && questions.informed.isEmpty());
    QVERIFY(QDir(dir->path()).isEmpty());
}

void ExportDialogTest::failedWriteTellsWhyAndLeavesNoFile() {
    source.offered = {false, false, true, false, false, false, false};
    const QString path = dir->filePath("gone/wall.xlsx");
    questions.files = {path};
    open();
    QTest::mouseClick(button("Generate Excel File"), Qt::LeftButton);
    QCOMPARE(questions.informed.size(), 1);
    const QString m = questions.informed.first();
    QVERIFY2(m.startsWith("The workbook was not written. Cannot create file " + path + ": "),
             qPrintable(m));
    QVERIFY(m.endsWith('.'));
    QVERIFY(questions.asked.isEmpty() && questions.opened.isEmpty());
    QVERIFY(QDir(dir->path()).isEmpty());
}

void ExportDialogTest::openingCanBeDeclinedOrFail() {
    source.offered = {false, false, true, false, false, false, false};
    const QString path = dir->filePath("wall.xlsx");
    questions.files = {path};
    questions.yesNo = {false};
    open();
    QTest::mouseClick(button("Generate Excel File"), Qt::LeftButton);
    QCOMPARE(questions.asked.size(), 1);
    QVERIFY(questions.opened.isEmpty() && questions.informed.isEmpty());
    QVERIFY(QFile::exists(path));

    questions.files = {path};
    questions.yesNo = {true};
    questions.desktopOpens = false;
    QTest::mouseClick(button("Generate Excel File"), Qt::LeftButton);
    QCOMPARE(questions.informed, QStringList({"No application is available to open " +
                                              QDir::toNativeSeparators(path) + "."}));
}

void ExportDialogTest::listIsFilledAgainWhenShown() {
    open();
    QVERIFY(enabled().isEmpty());
    dlg->hide();
    source.offered = {true, true, true, true, true, true, true};  // an analysis has run
    dlg->show();
    QCOMPARE(ticked(), kCaptions);
    QVERIFY(button("Generate Excel File")->isEnabled());
}

QTEST_MAIN(ExportDialogTest)
#include "export_dialog_test.moc"
