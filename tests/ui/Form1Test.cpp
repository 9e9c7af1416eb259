#include "ChineseLocale.h"
#include "Form1.h"
#include "MessageBoxAnswer.h"
#include "PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typingKeepsOnlyDigits();
    void editingKeysStillWork();
    void inputMethodCommitKeepsOnlyDigits();
    void tabWalksTheDocumentedOrder();
    void contextMenuIsChinese();
    void fontIsAnInstalledCjkFont();
    void controlsLieInsideTheWindowWithoutOverlap();
    void barsSitBetweenTheirFields();
    void windowHasFixedSize();
    void evaluatesThroughTheButtons_data();
    void evaluatesThroughTheButtons();
    void emptyFieldsAskForCorrectInput();
    void operationIsUsedUpByEachEquals();
    void laterOperatorReplacesEarlier();
    void newCalculationKeepsTheOperation();
    void ctrlNClearsEveryField();
    void enterPressesNoButton();
    void pastedBadTextAsksForCorrectInput();

private:
    QLineEdit* field(int index) const;
    QPushButton* button(const char* name) const;
    void type(int index, const QString& text);
    void enter(const QStringList& sixFields);
    void click(const char* name);
    std::optional<SeenMessage> clickEqualsAndAnswer();

    std::unique_ptr<ui::Form1> form_;
};

QLineEdit* Form1Test::field(int index) const
{
    auto* edit = form_->findChild<QLineEdit*>(QStringLiteral("t%1").arg(index));
    Q_ASSERT(edit);
    return edit;
}

QPushButton* Form1Test::button(const char* name) const
{
    auto* found = form_->findChild<QPushButton*>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

void Form1Test::type(int index, const QString& text)
{
    QTest::keyClicks(field(index), text);
}

// Types t(1)..t(6) in order: whole A, denominator A, numerator A, whole B, denominator B, numerator B.
void Form1Test::enter(const QStringList& sixFields)
{
    for (int i = 0; i < 6; ++i)
        type(i + 1, sixFields[i]);
}

void Form1Test::click(const char* name)
{
    QTest::mouseClick(button(name), Qt::LeftButton);
}

std::optional<SeenMessage> Form1Test::clickEqualsAndAnswer()
{
    return ClickAndAnswer(button("dy"));
}

void Form1Test::init()
{
    form_ = std::make_unique<ui::Form1>();
    form_->show();
    QApplication::setActiveWindow(form_.get());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void Form1Test::cleanup()
{
    form_.reset();
}

void Form1Test::typingKeepsOnlyDigits()
{
    QCOMPARE(QApplication::focusWidget(), field(1));
    type(1, QStringLiteral("1a2 -+.,e/"));
    QCOMPARE(field(1)->text(), QStringLiteral("12"));

    for (const int key : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(field(1), Qt::Key(key));
    QCOMPARE(field(1)->text(), QStringLiteral("12"));

    field(1)->selectAll();
    for (const int key : {Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z, Qt::Key_A})
        QTest::keyClick(field(1), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(field(1)->text(), QStringLiteral("12"));

    for (int i = 7; i <= 10; ++i) {
        type(i, QStringLiteral("5"));
        QCOMPARE(field(i)->text(), QString()); // results are read, not typed
    }
}

void Form1Test::editingKeysStillWork()
{
    type(2, QStringLiteral("123"));
    QTest::keyClick(field(2), Qt::Key_Left);
    QTest::keyClick(field(2), Qt::Key_Left);
    QTest::keyClick(field(2), Qt::Key_Delete);
    QCOMPARE(field(2)->text(), QStringLiteral("13"));
    QTest::keyClick(field(2), Qt::Key_Home);
    type(2, QStringLiteral("9"));
    QCOMPARE(field(2)->text(), QStringLiteral("913"));
    field(2)->selectAll();
    type(2, QStringLiteral("5"));
    QCOMPARE(field(2)->text(), QStringLiteral("5"));
}

void Form1Test::inputMethodCommitKeepsOnlyDigits()
{
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１2三3分之4"));
    QApplication::sendEvent(field(3), &commit);
    QCOMPARE(field(3)->text(), QStringLiteral("234"));
}

void Form1Test::tabWalksTheDocumentedOrder()
{
    const QStringList expected{"t2", "t3", "js1", "js2", "js3", "js4", "t4", "t5", "t6",
                               "dy", "t7", "t8", "t9", "t10", "new", "t1"};
    QStringList walked;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("new"));
}

void Form1Test::contextMenuIsChinese()
{
    std::unique_ptr<QMenu> menu(field(1)->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    const QString joined = texts.join(u' ');
    for (const char16_t* word : {u"撤消", u"剪切", u"复制", u"粘贴"})
        QVERIFY2(joined.contains(QString::fromUtf16(word)), qPrintable(joined));
}

void Form1Test::fontIsAnInstalledCjkFont()
{
    const QString family = QFontInfo(field(1)->font()).family();
    QVERIFY2(family.contains(QStringLiteral("SimSun")) || family.contains(QStringLiteral("宋体"))
                 || family.contains(QStringLiteral("UMing")),
             qPrintable(family));
}

void Form1Test::controlsLieInsideTheWindowWithoutOverlap()
{
    auto* picture = form_->findChild<ui::PictureBox*>(QStringLiteral("Picture1"));
    QVERIFY(picture);
    const QRect visible = picture->rect() & form_->centralWidget()->rect();
    QList<QWidget*> controls;
    for (QWidget* child : picture->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() == QStringLiteral("t0")) {
            QVERIFY(!visible.intersects(child->geometry()));
            continue;
        }
        QVERIFY2(visible.contains(child->geometry()), qPrintable(child->objectName()));
        for (QWidget* other : controls)
            QVERIFY2(!other->geometry().intersects(child->geometry()),
                     qPrintable(other->objectName() + QStringLiteral(" overlaps ") + child->objectName()));
        controls << child;
    }
    QCOMPARE(controls.size(), 16);
}

void Form1Test::barsSitBetweenTheirFields()
{
    const auto* picture = form_->findChild<ui::PictureBox*>(QStringLiteral("Picture1"));
    const QList<QLine>& bars = picture->lines();
    QCOMPARE(bars.size(), 3);
    const int numerators[] = {3, 6, 9};
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const QRect above = field(numerators[i])->geometry();
        const QRect below = field(numerators[i] - 1)->geometry();
        QCOMPARE(bars[i].y1(), bars[i].y2());
        QVERIFY(bars[i].y1() > above.bottom() && bars[i].y1() < below.top());
        QCOMPARE(bars[i].x1(), above.left());
        QVERIFY(qAbs(bars[i].x2() - above.right()) <= 1);
    }
}

void Form1Test::windowHasFixedSize()
{
    QCOMPARE(form_->centralWidget()->size(), QSize(192, 373));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QVERIFY(!form_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Velmo分数计算器 V1.1"));
}

void Form1Test::evaluatesThroughTheButtons_data()
{
    QTest::addColumn<QStringList>("operands"); // whole A, den A, num A, whole B, den B, num B
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<QStringList>("shown");    // t(1)..t(10)

    QTest::newRow("1 1/2 + 1 1/2") << QStringList{"1", "2", "1", "1", "2", "1"} << QByteArray("js1")
                                   << QStringList{"1", "2", "1", "1", "2", "1", "3", "1", "0", "3"};
    QTest::newRow("1/2 - 3/4") << QStringList{"", "2", "1", "", "4", "3"} << QByteArray("js2")
                               << QStringList{"0", "2", "1", "0", "4", "3", "0", "-4", "1", "-0.25"};
    QTest::newRow("2 7/4 x 6/8") << QStringList{"2", "4", "7", "0", "8", "6"} << QByteArray("js3")
                                 << QStringList{"3", "4", "3", "0", "4", "3", "2", "16", "13", "2.8125"};
    QTest::newRow("1/2 / 1/4") << QStringList{"0", "2", "1", "0", "4", "1"} << QByteArray("js4")
                               << QStringList{"0", "2", "1", "0", "4", "1", "2", "1", "0", "2"};
}

void Form1Test::evaluatesThroughTheButtons()
{
    QFETCH(QStringList, operands);
    QFETCH(QByteArray, operation);
    QFETCH(QStringList, shown);
    enter(operands);
    click(operation.constData());
    QVERIFY(!clickEqualsAndAnswer());
    QStringList fields;
    for (int i = 1; i <= 10; ++i)
        fields << field(i)->text();
    QCOMPARE(fields, shown);
}

void Form1Test::emptyFieldsAskForCorrectInput()
{
    const auto seen = clickEqualsAndAnswer();
    QVERIFY(seen);
    QCOMPARE(seen->text, QStringLiteral("请正确输入"));
    QCOMPARE(seen->title, QStringLiteral("Velmo分数计算器"));
    QCOMPARE(seen->buttons, QStringList{QStringLiteral("确定")});
    QCOMPARE(seen->icon, QMessageBox::NoIcon);
    QCOMPARE(field(1)->text(), QStringLiteral("0"));
    QCOMPARE(field(4)->text(), QStringLiteral("0"));
    QCOMPARE(field(2)->text(), QString());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void Form1Test::operationIsUsedUpByEachEquals()
{
    enter({"1", "", "1", "1", "2", "1"});
    click("js1");
    QCOMPARE(clickEqualsAndAnswer()->text, QStringLiteral("请正确输入"));
    type(2, QStringLiteral("2"));
    QCOMPARE(clickEqualsAndAnswer()->text, QStringLiteral("请选择计算种类"));
    click("js1");
    QVERIFY(!clickEqualsAndAnswer());
    QCOMPARE(field(7)->text(), QStringLiteral("3"));
}

void Form1Test::laterOperatorReplacesEarlier()
{
    enter({"2", "1", "0", "3", "1", "0"});
    click("js1");
    click("js3");
    QVERIFY(!clickEqualsAndAnswer());
    QCOMPARE(field(7)->text(), QStringLiteral("6"));
}

void Form1Test::newCalculationKeepsTheOperation()
{
    click("js1");
    type(1, QStringLiteral("5"));
    click("new");
    QCOMPARE(field(1)->text(), QString());
    enter({"2", "1", "0", "3", "1", "0"});
    QVERIFY(!clickEqualsAndAnswer());
    QCOMPARE(field(7)->text(), QStringLiteral("5"));
}

void Form1Test::ctrlNClearsEveryField()
{
    for (int i = 0; i <= 10; ++i)
        field(i)->setText(QStringLiteral("7"));
    QTest::keyClick(field(1), Qt::Key_N, Qt::ControlModifier);
    for (int i = 0; i <= 10; ++i)
        QCOMPARE(field(i)->text(), QString());
    auto* news = form_->findChild<QAction*>(QStringLiteral("news"));
    QCOMPARE(news->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
}

void Form1Test::enterPressesNoButton()
{
    enter({"1", "2", "1", "1", "2", "1"});
    click("js1");
    for (int i = 1; i <= 6; ++i) {
        QTest::keyClick(field(i), Qt::Key_Return);
        QTest::keyClick(field(i), Qt::Key_Enter);
    }
    QCOMPARE(field(7)->text(), QString());
    QCOMPARE(form_->state().OpCode, 1);
}

void Form1Test::pastedBadTextAsksForCorrectInput()
{
    enter({"1", "2", "1", "1", "2", ""});
    QApplication::clipboard()->setText(QStringLiteral("１"));
    field(6)->paste();
    QCOMPARE(field(6)->text(), QStringLiteral("１"));
    click("js1");
    QCOMPARE(clickEqualsAndAnswer()->text, QStringLiteral("请正确输入"));
    QCOMPARE(field(7)->text(), QString());
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::InstallChineseLocale(application);
    Form1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "Form1Test.moc"
