#include "ChineseLocale.h"
#include "Form1.h"
#include "MessageBoxAnswer.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The exact result explained over the result fields, and what assistive technology is told.
class ExplanationTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void equalsExplainsTheResult_data();
    void equalsExplainsTheResult();
    void resultFieldsDescribeTheResultToAssistiveTechnology();
    void newCalculationAndFailuresClearTheExplanation();
    void everyControlHasAChineseName();

private:
    QLineEdit* field(int index) const { return form_->t(index); }
    void enter(const QStringList& sixFields);
    void click(const char* name);
    void clickEqualsDismissingAnyMessage();

    std::unique_ptr<ui::Form1> form_;
};

void ExplanationTest::init()
{
    form_ = std::make_unique<ui::Form1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void ExplanationTest::cleanup()
{
    form_.reset();
}

void ExplanationTest::enter(const QStringList& sixFields)
{
    for (int i = 0; i < 6; ++i)
        QTest::keyClicks(field(i + 1), sixFields[i]);
}

void ExplanationTest::click(const char* name)
{
    QTest::mouseClick(form_->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

void ExplanationTest::clickEqualsDismissingAnyMessage()
{
    ClickAndAnswer(form_->findChild<QPushButton*>(QStringLiteral("dy")));
}

void ExplanationTest::equalsExplainsTheResult_data()
{
    QTest::addColumn<QStringList>("operands"); // whole A, den A, num A, whole B, den B, num B
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<QStringList>("shown");    // t(7)..t(10), unchanged by the explanation
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("reading");

    QTest::newRow("3 1/4 - 1 1/2") << QStringList{"3", "4", "1", "1", "2", "1"} << QByteArray("js2")
                                   << QStringList{"2", "-4", "1", "1.75"} << QStringLiteral("= 1又3/4 = 1.75")
                                   << QStringLiteral("1又4分之3，等于 1.75");
    QTest::newRow("1/2 - 3/4") << QStringList{"0", "2", "1", "0", "4", "3"} << QByteArray("js2")
                               << QStringList{"0", "-4", "1", "-0.25"} << QStringLiteral("= -1/4 = -0.25")
                               << QStringLiteral("负4分之1，等于 -0.25");
    QTest::newRow("1/2 + 1/3") << QStringList{"0", "2", "1", "0", "3", "1"} << QByteArray("js1")
                               << QStringList{"0", "6", "5", "0.833333333333333"}
                               << QStringLiteral("= 5/6 = 0.8(3)") << QStringLiteral("6分之5，等于 0.8(3)");
    const QString period = QStringLiteral("0.(96261682242990654205607476635514018691588785046728971)");
    QTest::newRow("101/107 x 1 2/101") << QStringList{"0", "107", "101", "0", "101", "103"} << QByteArray("js3")
                                       << QStringList{"0", "10807", "10403", "0.962616822429907"}
                                       << QStringLiteral("= 103/107 = ") + period
                                       << QStringLiteral("107分之103，等于 ") + period;
    QTest::newRow("1 1/2 + 1 1/2") << QStringList{"1", "2", "1", "1", "2", "1"} << QByteArray("js1")
                                   << QStringList{"3", "1", "0", "3"} << QStringLiteral("= 3") << QStringLiteral("3");
}

void ExplanationTest::equalsExplainsTheResult()
{
    QFETCH(QStringList, operands);
    QFETCH(QByteArray, operation);
    QFETCH(QStringList, shown);
    QFETCH(QString, tooltip);
    QFETCH(QString, reading);
    enter(operands);
    click(operation.constData());
    clickEqualsDismissingAnyMessage();
    for (int i = 7; i <= 10; ++i) {
        QCOMPARE(field(i)->text(), shown[i - 7]);
        QCOMPARE(field(i)->toolTip(), tooltip);
        QCOMPARE(field(i)->accessibleDescription(), reading);
    }
}

// The offscreen platform has no accessibility bridge to receive events, so this reads
// what a bridge would: the accessible interface of each result field.
void ExplanationTest::resultFieldsDescribeTheResultToAssistiveTechnology()
{
    enter({"1", "2", "1", "1", "4", "1"});
    click("js1");
    clickEqualsDismissingAnyMessage();
    for (int i = 7; i <= 10; ++i) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field(i));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Description), QStringLiteral("2又4分之3，等于 2.75"));
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
    }
}

void ExplanationTest::newCalculationAndFailuresClearTheExplanation()
{
    enter({"1", "2", "1", "1", "4", "1"});
    click("js1");
    clickEqualsDismissingAnyMessage();
    QVERIFY(!field(10)->toolTip().isEmpty());
    click("new");
    QCOMPARE(field(10)->toolTip(), QString());
    QCOMPARE(field(10)->accessibleDescription(), QString());

    enter({"1", "2", "1", "1", "4", "1"});
    click("js1");
    clickEqualsDismissingAnyMessage();
    field(2)->clear();
    click("js1");
    clickEqualsDismissingAnyMessage();
    QCOMPARE(field(10)->text(), QStringLiteral("2.75")); // the earlier result stays
    QCOMPARE(field(10)->toolTip(), QString());
    QCOMPARE(field(7)->accessibleDescription(), QString());
}

void ExplanationTest::everyControlHasAChineseName()
{
    const auto isChinese = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
    };
    for (int i = 1; i <= 10; ++i)
        QVERIFY2(isChinese(field(i)->accessibleName()), qPrintable(field(i)->objectName()));
    for (QPushButton* button : form_->findChildren<QPushButton*>())
        QVERIFY2(isChinese(button->accessibleName()), qPrintable(button->objectName()));
    for (QMenu* menu : form_->findChildren<QMenu*>())
        QVERIFY2(isChinese(menu->accessibleName()), qPrintable(menu->objectName()));
    for (QAction* action : form_->findChildren<QAction*>()) {
        if (!action->isSeparator() && !action->objectName().isEmpty())
            QVERIFY2(isChinese(action->text()), qPrintable(action->objectName()));
    }
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::InstallChineseLocale(application);
    ExplanationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ExplanationTest.moc"
