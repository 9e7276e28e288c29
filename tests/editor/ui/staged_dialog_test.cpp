// The Staged Construction Options dialog and the stage commands: stage files written and
// deleted as the count changes, Copy Previous Stage, the stage title in the Title dialog.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "editor/ui/data_edit_field.h"
#include "editor/ui/staged_dialog.h"
#include "editor/ui/title_dialog.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class StagedDialogTest : public QObject {
    Q_OBJECT

    static QStringList lines(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromLatin1(f.readAll()).split("\r\n");
    }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    static void setStages(Workbench& w, int n) {
        TDlgStaged* dlg = w.host->openStaged(true);
        if (!dlg->StageAnalysis->isChecked()) click(dlg->StageAnalysis);
        type_over(dlg->deStage, QString::number(n));
        click(dlg->okButton);
        settle();
    }

  private slots:
    void switchingOnWritesOneStageFilePerStage() {
        Workbench w;
        w.data().Increments = 60;
        w.data().IncrementLength = 4.0;
        w.data().FreeHeight = 120.0;
        TDlgStaged* dlg = w.host->openStaged(true);
        const QPointer<TDlgStaged> guard(dlg);
        QVERIFY(dlg->isModal());
        QCOMPARE(dlg->windowTitle(), QString("Staged Construction Options"));
        QVERIFY(!dlg->StageAnalysis->isChecked());
        QCOMPARE(dlg->deStage->text(), QString("1"));
        QVERIFY(!dlg->deStage->isEnabled() && !dlg->upButton->isEnabled());
        click(dlg->StageAnalysis);
        QCOMPARE(dlg->deStage->text(), QString("2"));
        QVERIFY(dlg->deStage->isEnabled() && dlg->upButton->isEnabled());
        click(dlg->upButton);
        QCOMPARE(dlg->deStage->text(), QString("3"));
        click(dlg->okButton);
        settle();
        QVERIFY(!guard || !guard->isVisible());  // OK closes (and frees) the dialog
        QCOMPARE(w.data().StageCount, 3);
        QVERIFY(w.project->isModified());
        const QStringList one = lines(w.project->stageFilePath(1));
        const QStringList two = lines(w.project->stageFilePath(2));
        const QStringList three = lines(w.project->stageFilePath(3));
        QVERIFY(one.size() > 5);
        QCOMPARE(one.first(), QString("New Wall"));
        QCOMPARE(two.first(), QString(" Stage No : 2"));
        QCOMPARE(three.first(), QString(" Stage No : 3"));
        QCOMPARE(one.mid(1, one.size() - 3), two.mid(1, two.size() - 3));
        QCOMPARE(one.mid(1, one.size() - 3), three.mid(1, three.size() - 3));
        QCOMPARE(three.at(three.size() - 2).trimmed(), QString("3"));
        QVERIFY(!QFile::exists(w.project->stageFilePath(4)));
    }

    void upAndDownStayWithinTwoToFive() {
        Workbench w;
        TDlgStaged* dlg = w.host->openStaged(false);
        QVERIFY(!dlg->isModal());
        click(dlg->StageAnalysis);
        for (int i = 0; i < 5; ++i) click(dlg->upButton);
        QCOMPARE(dlg->deStage->text(), QString("5"));
        for (int i = 0; i < 5; ++i) click(dlg->downButton);
        QCOMPARE(dlg->deStage->text(), QString("2"));
        click(dlg->StageAnalysis);
        QCOMPARE(dlg->deStage->text(), QString("1"));
        QVERIFY(!dlg->deStage->isEnabled());
        QStringList panel = dlg->panel->toPlainText().split('\n');
        QCOMPARE(panel.size(), 22);
        QCOMPARE(panel[1], QString("and to compare the predicted  deflection, bending moment, "));
        QCOMPARE(panel[19], QString("on the user's judgement to interpret the predicted results."));
        click(dlg->cancelButton);
        settle();
        QCOMPARE(w.data().StageCount, 1);
        QVERIFY(!w.project->isModified());
    }

    void loweringTheCountDeletesTheLastStages() {
        Workbench w;
        setStages(w, 4);
        QCOMPARE(w.data().StageCount, 4);
        QVERIFY(w.host->switchStage(3));
        QCOMPARE(w.data().CurrentStage, 3);
        TDlgStaged* dlg = w.host->openStaged(true);
        QVERIFY(dlg->StageAnalysis->isChecked());
        QCOMPARE(dlg->deStage->text(), QString("4"));
        click(dlg->downButton);
        click(dlg->downButton);
        click(dlg->downButton);
        QCOMPARE(dlg->deStage->text(), QString("2"));
        click(dlg->okButton);
        settle();
        QCOMPARE(w.data().StageCount, 2);
        QCOMPARE(w.data().CurrentStage, 1);
        QVERIFY(QFile::exists(w.project->stageFilePath(2)));
        QVERIFY(!QFile::exists(w.project->stageFilePath(3)));
        QVERIFY(!QFile::exists(w.project->stageFilePath(4)));
        // Switching staging off deletes the rest.
        dlg = w.host->openStaged(true);
        click(dlg->StageAnalysis);
        click(dlg->okButton);
        settle();
        QCOMPARE(w.data().StageCount, 1);
        QVERIFY(!QFile::exists(w.project->stageFilePath(1)));
        QVERIFY(!QFile::exists(w.project->stageFilePath(2)));
    }

    // A stage switch closes every child window (they show the stage they were opened on);
    // the dialog opened again shows the new stage.
    void copyPreviousAndTheStageTitle() {
        Workbench w;
        w.data().Title = "Quay wall";
        setStages(w, 2);
        QVERIFY(!w.host->copyPreviousEnabled());
        QVERIFY(!w.host->copyPreviousStage());
        QVERIFY(w.questions.asked.isEmpty());
        QPointer<TdlgTitle> title = w.host->openTitle();
        QCOMPARE(title->TitleMemo->text(), QString("Quay wall"));
        QVERIFY(w.host->switchStage(2));
        QVERIFY(!title);
        QVERIFY(w.host->children().isEmpty());
        QCOMPARE(w.host->openTitle()->TitleMemo->text(), QString(" Stage No : 2"));
        QVERIFY(w.host->copyPreviousEnabled());
        w.data().Increments = 77;
        w.questions.yesNo.push_back(false);
        QVERIFY(!w.host->copyPreviousStage());
        QCOMPARE(w.questions.asked,
                 QStringList{"Do you want to copy all information from Stage 1 to Stage 2"});
        QCOMPARE(w.data().Increments, 77);
        QVERIFY(w.host->switchStage(1));
        QCOMPARE(w.host->openTitle()->TitleMemo->text(), QString("Quay wall"));
        QVERIFY(!w.host->switchStage(1));  // already current: nothing happens
        QVERIFY(w.host->child(ChildKind::Title));
    }
};

QTEST_MAIN(StagedDialogTest)
#include "staged_dialog_test.moc"
