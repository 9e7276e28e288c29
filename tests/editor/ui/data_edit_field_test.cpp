// The numeric field as a user types into it: validation on leaving and on Enter, the
// messages of the information box, the focus kept while invalid, operators that extend the
// value, and the label with its unit.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "editor/ui/data_edit_field.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class DataEditFieldTest : public QObject {
    Q_OBJECT

    struct Form {
        explicit Form(RecordingQuestions& q) : field(new DataEditField(q, &dialog)) {
            auto* layout = new QVBoxLayout(&dialog);
            layout->addWidget(field->label());
            layout->addWidget(field);
            other = new QLineEdit(&dialog);
            layout->addWidget(other);
            ok = new QPushButton(QStringLiteral("OK"), &dialog);
            ok->setDefault(true);
            layout->addWidget(ok);
            dialog.show();
            dialog.activateWindow();
            (void)QTest::qWaitForWindowActive(&dialog);
        }
        QDialog dialog;
        DataEditField* field;
        QLineEdit* other;
        QPushButton* ok;
    };

  private slots:
    void enterValidatesSelectsAllAndIsNotPassedOn() {
        RecordingQuestions q;
        Form f(q);
        int clicks = 0;
        connect(f.ok, &QPushButton::clicked, [&] { ++clicks; });
        type_over(f.field, "2+3*4");
        press_enter(f.field);
        QCOMPARE(f.field->text(), QString("14"));
        QCOMPARE(f.field->selectedText(), QString("14"));
        QCOMPARE(f.field->number(), 14.0);
        QCOMPARE(clicks, 0);
        QVERIFY(f.dialog.isVisible());
        QVERIFY(q.informed.isEmpty());
    }

    void operatorOverWholeSelectionExtendsTheValue() {
        RecordingQuestions q;
        Form f(q);
        f.field->setNumber(7.5);
        f.field->setFocus();
        f.field->selectAll();
        QTest::keyClicks(f.field, "*2");
        QCOMPARE(f.field->text(), QString("7.5*2"));
        press_enter(f.field);
        QCOMPARE(f.field->text(), QString("15"));
        // A digit over the selection replaces the value as usual.
        QTest::keyClicks(f.field, "3");
        QCOMPARE(f.field->text(), QString("3"));
    }

    void valueAboveTheBoundIsReplacedByIt() {
        RecordingQuestions q;
        Form f(q);
        f.field->setBounds(1, 300);
        type_over(f.field, "500");
        press_tab(f.field);
        QCOMPARE(q.informed, QStringList{"Entry must be less than or equal to 300"});
        QCOMPARE(f.field->text(), QString("300"));
        QCOMPARE(f.field->number(), 300.0);
        QTRY_VERIFY(f.field->hasFocus());
        // A minus over the whole text extends the value too: 300-400 is below the bound.
        type_over(f.field, "-400");
        QCOMPARE(f.field->text(), QString("300-400"));
        press_enter(f.field);
        QCOMPARE(q.informed.last(), QString("Entry must be greater than or equal to 1"));
        QCOMPARE(f.field->text(), QString("1"));
    }

    void invalidEntryKeepsTheFocusAndTheOldValue() {
        RecordingQuestions q;
        Form f(q);
        f.field->setNumber(4);
        type_over(f.field, "2*");
        press_tab(f.field);
        QCOMPARE(q.informed, QStringList{"Entry could not be evaluated:\ninvalid expression"});
        QTRY_VERIFY(f.field->hasFocus());
        QCOMPARE(f.field->text(), QString("2*"));
        QVERIFY(!f.field->isValid());
        QCOMPARE(f.field->number(), 4.0);
        // The dialog's own check does not repeat a message already shown.
        QVERIFY(!f.field->checkEntry());
        QCOMPARE(q.informed.size(), 1);
        type_over(f.field, "sqrt(16)");
        press_tab(f.field);
        QCOMPARE(f.field->text(), QString("4"));
        QVERIFY(f.other->hasFocus());
        QCOMPARE(q.informed.size(), 1);
    }

    void integerFieldMessages() {
        RecordingQuestions q;
        Form f(q);
        f.field->setIntegerOnly(true);
        type_over(f.field, "abc");
        press_enter(f.field);
        type_over(f.field, "3.5");
        press_enter(f.field);
        QCOMPARE(q.informed,
                 (QStringList{"Entry must be a valid integer.", "Entry must be an integer."}));
        QVERIFY(!f.field->isValid());
    }

    void labelShowsCaptionAndUnitAndFollowsEnabling() {
        RecordingQuestions q;
        Form f(q);
        f.field->setCaption("Free Height of Wall");
        f.field->setUnitsString("L2");
        QCOMPARE(f.field->label()->text(), QString("Free Height of Wall (ft)"));
        f.field->setUnits(2);
        QCOMPARE(f.field->label()->text(), QString("Free Height of Wall (m)"));
        f.field->setUnits(3);
        QCOMPARE(f.field->label()->text(), QString("Free Height of Wall (L2)"));
        f.field->setEnabled(false);
        QVERIFY(!f.field->label()->isEnabled());
        f.field->setEnabled(true);
        QVERIFY(f.field->label()->isEnabled());
    }
};

QTEST_MAIN(DataEditFieldTest)
#include "data_edit_field_test.moc"
