// The "Deformed Shape" dialog driven as a user does: the check boxes, typing a factor, the
// arrows beside it, and what each does to the view's state.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "view_3d_test_support.h"
#include "viewer/ui/dlg_deformed_shape.h"
#include "viewer/view_navigation.h"

using namespace vornel;
using namespace vornel::test;

class DeformedShapeTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheViewsState();
    void checkBoxesSetFlagsAndEnable();
    void typedFactor();
    void factorNotANumber_data();
    void factorNotANumber();
    void arrowsStepTheFactor();
    void closeDestroys();
};

namespace {

struct Fixture {
    ViewNavigation nav;
    RecordingQuestions q;
    int redraws = 0;
    TDlgDeformedShape* dialog = new TDlgDeformedShape(nav, q, [this] { ++redraws; });
    ~Fixture() { delete dialog; }
};

}  // namespace

void DeformedShapeTest::showsTheViewsState() {
    Fixture f;
    f.nav.show.deformationFactor = 2.5e-7;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog));
    QCOMPARE(f.dialog->windowTitle(), QString("Deformed Shape"));
    QCOMPARE(f.dialog->CheckBoxDeformedShape->text(), QString("Show Deformed Shape"));
    QCOMPARE(f.dialog->CheckBoxUndeformedModel->text(), QString("Show Undeformed Model"));
    QVERIFY(f.dialog->findChild<QLabel*>()->text() == "Deformed Shape Factor");
    QCOMPARE(f.dialog->findChild<QPushButton*>("Button1")->text(), QString("Close"));
    QCOMPARE(f.dialog->EditDefFactor->text(), QString("2.5e-07"));
    QVERIFY(!f.dialog->CheckBoxDeformedShape->isChecked());
    // Only the deformed shape's own box is live while it is off.
    QVERIFY(!f.dialog->CheckBoxUndeformedModel->isEnabled());
    QVERIFY(!f.dialog->EditDefFactor->isEnabled());
    QVERIFY(!f.dialog->UpButton->isEnabled());
    QCOMPARE(f.dialog->upDownPosition(), 0);
    QCOMPARE(f.redraws, 0);
}

void DeformedShapeTest::checkBoxesSetFlagsAndEnable() {
    Fixture f;
    f.dialog->show();
    QTest::mouseClick(f.dialog->CheckBoxDeformedShape, Qt::LeftButton);
    QVERIFY(f.nav.show.deformedShape);
    QCOMPARE(f.redraws, 1);
    QVERIFY(f.dialog->CheckBoxUndeformedModel->isEnabled());
    QVERIFY(f.dialog->EditDefFactor->isEnabled());
    QVERIFY(f.dialog->DownButton->isEnabled());
    QTest::mouseClick(f.dialog->CheckBoxUndeformedModel, Qt::LeftButton);
    QVERIFY(f.nav.show.undeformedModel);
    QCOMPARE(f.redraws, 2);
    QTest::mouseClick(f.dialog->CheckBoxDeformedShape, Qt::LeftButton);
    QVERIFY(!f.nav.show.deformedShape);
    QVERIFY(!f.dialog->EditDefFactor->isEnabled());
    QCOMPARE(f.redraws, 3);
}

void DeformedShapeTest::typedFactor() {
    Fixture f;
    f.nav.show.deformedShape = true;
    f.dialog->show();
    f.dialog->refresh();
    f.dialog->EditDefFactor->selectAll();
    QTest::keyClicks(f.dialog->EditDefFactor, "25");
    QCOMPARE(f.nav.show.deformationFactor, 25.0);
    QVERIFY(f.redraws >= 1);
    // Clearing the field leaves the factor as it was.
    f.dialog->EditDefFactor->selectAll();
    QTest::keyClick(f.dialog->EditDefFactor, Qt::Key_Backspace);
    QCOMPARE(f.nav.show.deformationFactor, 25.0);
}

// A text no typing can make a number is reported at the first key that makes it so; one still
// on its way to a number ("1e", "-") when Return is pressed.
void DeformedShapeTest::factorNotANumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "a" << false << "a is not a valid number."
                            << "3";
    QTest::newRow("after digits") << "2x" << false << "2x is not a valid number."
                                  << "2";
    QTest::newRow("exponent") << "1e" << true << "1e is not a valid number."
                              << "1";
    QTest::newRow("sign") << "-" << true << "- is not a valid number."
                          << "3";
}

void DeformedShapeTest::factorNotANumber() {
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    Fixture f;
    f.nav.show.deformedShape = true;
    f.nav.show.deformationFactor = 3;
    f.dialog->show();
    f.dialog->refresh();
    f.dialog->EditDefFactor->setFocus();
    f.dialog->EditDefFactor->selectAll();
    QTest::keyClicks(f.dialog->EditDefFactor, typed);
    if (enter) QTest::keyClick(f.dialog->EditDefFactor, Qt::Key_Return);
    QCOMPARE(f.q.informed, QStringList{message});
    QCOMPARE(f.dialog->EditDefFactor->text(), shown);
    QCOMPARE(f.nav.show.deformationFactor, shown.toDouble());
}

void DeformedShapeTest::arrowsStepTheFactor() {
    Fixture f;
    f.nav.show.deformedShape = true;
    f.dialog->show();
    f.dialog->refresh();
    const struct {
        QToolButton* button;
        const char* shows;
    } steps[] = {{f.dialog->UpButton, "2"},     {f.dialog->DownButton, "1"},
                 {f.dialog->DownButton, "0.9"}, {f.dialog->DownButton, "0.8"},
                 {f.dialog->UpButton, "0.9"},   {f.dialog->UpButton, "1"}};
    int redraws = f.redraws;
    for (const auto& s : steps) {
        QTest::mouseClick(s.button, Qt::LeftButton);
        QCOMPARE(f.dialog->EditDefFactor->text(), QString(s.shows));
        QCOMPARE(f.nav.show.deformationFactor, QString(s.shows).toDouble());
        QCOMPARE(f.dialog->upDownPosition(), 0);
        QVERIFY(f.redraws > redraws);
        redraws = f.redraws;
    }
    f.dialog->EditDefFactor->selectAll();
    QTest::keyClicks(f.dialog->EditDefFactor, "0");
    QTest::mouseClick(f.dialog->DownButton, Qt::LeftButton);
    QCOMPARE(f.dialog->EditDefFactor->text(), QString("1"));
}

void DeformedShapeTest::closeDestroys() {
    ViewNavigation nav;
    RecordingQuestions q;
    QPointer<TDlgDeformedShape> d = new TDlgDeformedShape(nav, q, [] {});
    d->show();
    QTest::mouseClick(d->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QTRY_VERIFY(d.isNull());
}

QTEST_MAIN(DeformedShapeTest)
#include "deformed_shape_test.moc"
