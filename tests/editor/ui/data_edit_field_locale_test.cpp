// The numeric field on a German desktop: typed and shown numbers keep the point, a shown
// value keeps every digit until the engineer types, and a value no file could hold is
// refused with its reason while the focus stays in the field.
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "editor/ui/data_edit_field.h"
#include "tests/editor/comma_locale.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class DataEditFieldLocaleTest : public QObject {
    Q_OBJECT

    struct Form {
        explicit Form(RecordingQuestions& q) : field(new DataEditField(q, &dialog)) {
            auto* layout = new QVBoxLayout(&dialog);
            layout->addWidget(field->label());
            layout->addWidget(field);
            other = new QLineEdit(&dialog);
            layout->addWidget(other);
            dialog.show();
            dialog.activateWindow();
            (void)QTest::qWaitForWindowActive(&dialog);
            field->setFocus();
        }
        QDialog dialog;
        DataEditField* field;
        QLineEdit* other;
    };

    std::unique_ptr<CommaLocale> locale_;

  private slots:
    // The application object took the locale from the environment; the desktop's is German.
    void initTestCase() {
        locale_ = std::make_unique<CommaLocale>();
        QVERIFY2(locale_->active(), CommaLocale::kMissing);
    }
    void cleanupTestCase() { locale_.reset(); }

    void typedNumbersKeepThePoint_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("value");
        QTest::newRow("product") << "1.5*2"
                                 << "3" << 3.0;
        QTest::newRow("fraction") << "0.06655093"
                                  << "0.06655093" << 0.06655093;
        QTest::newRow("exponent") << "5.34E9"
                                  << "5.34E9" << 5.34e9;
        QTest::newRow("root") << "sqrt(2.25)"
                              << "1.5" << 1.5;
    }
    void typedNumbersKeepThePoint() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, value);
        RecordingQuestions q;
        Form f(q);
        type_over(f.field, typed);
        press_tab(f.field);
        QCOMPARE(f.field->text(), shown);
        QCOMPARE(f.field->number(), value);
        QVERIFY(q.informed.isEmpty());
    }

    void decimalCommaIsNotANumber() {
        RecordingQuestions q;
        Form f(q);
        f.field->setNumber(2);
        type_over(f.field, "1,5");
        press_tab(f.field);
        QTRY_COMPARE(
            q.informed,
            QStringList{"Entry could not be evaluated:\ninvalid character(s) in expression"});
        QTRY_VERIFY(f.field->hasFocus());
        QCOMPARE(f.field->number(), 2.0);
    }

    void shownValueKeepsEveryDigit() {
        RecordingQuestions q;
        Form f(q);
        const double noisy = 0.17779999999999999;
        f.field->setNumber(noisy);
        QCOMPARE(f.field->text(), QString("0.1778"));
        press_enter(f.field);
        press_tab(f.field);
        QCOMPARE(f.field->number(), noisy);
        QVERIFY(q.informed.isEmpty());
    }

    void valueNoFileCouldHoldIsRefused() {
        RecordingQuestions q;
        Form f(q);
        f.field->setNumber(0.0665);
        type_over(f.field, "1E306");
        press_tab(f.field);
        QTRY_COMPARE(q.informed, QStringList{"Entry is too large to be stored: a value must lie "
                                             "between -1E300 and 1E300."});
        QTRY_VERIFY(f.field->hasFocus());
        QCOMPARE(f.field->number(), 0.0665);
        QVERIFY(!f.field->checkEntry());
    }
};

QTEST_MAIN(DataEditFieldLocaleTest)
#include "data_edit_field_locale_test.moc"
