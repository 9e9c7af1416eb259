#include "WindowHarness.h"

#include "PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

// The main window as a user meets it: what they do, and what they then see.
class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = harness::OpenForm1(); }
    void cleanup() { form_.reset(); }

    void userActions_data();
    void userActions();
    void controls_data();
    void controls();
    void windowAndBars();
    void tabWalksTheFieldsAndButtonsInOrder();
    void contextMenuIsChinese();
    void programEnds_data();
    void programEnds();

private:
    void perform(const QString& step, QStringList& messages);
    QString shownFields() const;

    std::unique_ptr<ui::Form1> form_;
};
VELMO_WINDOW_TEST(Form1Test);

// A step of a script: "N:text" types into t(N), "paste:N:text" pastes ("9*5" is 99999),
// "key:Ctrl+N" presses a key in the focused control, anything else clicks that button.
void Form1Test::perform(const QString& step, QStringList& messages)
{
    const QStringList parts = step.split(u':');
    bool isField = false;
    const int index = parts.front().toInt(&isField);
    if (isField) {
        harness::Type(harness::Field(*form_, index), parts.value(1));
    } else if (parts.front() == QStringLiteral("paste")) {
        const QStringList repeat = parts[2].split(u'*');
        QApplication::clipboard()->setText(repeat.size() == 2 ? repeat[0].repeated(repeat[1].toInt()) : parts[2]);
        harness::Field(*form_, parts[1].toInt())->paste();
    } else if (parts.front() == QStringLiteral("key")) {
        const QKeyCombination key = QKeySequence(parts[1])[0];
        harness::AnswerMessages(
            form_.get(), [&key] { QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers()); },
            messages);
    } else {
        QPushButton* button = harness::Button(*form_, step);
        harness::AnswerMessages(
            form_.get(), [button] { QTest::mouseClick(button, Qt::LeftButton); }, messages);
    }
}

QString Form1Test::shownFields() const
{
    QStringList texts;
    for (int i = 1; i <= 10; ++i)
        texts << harness::Field(*form_, i)->text();
    return texts.join(u',');
}

void Form1Test::userActions_data()
{
    QTest::addColumn<QString>("script");   // steps separated by ";"
    QTest::addColumn<QString>("fields");   // t(1)..t(10) afterwards
    QTest::addColumn<QString>("messages"); // the message boxes, in order
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("tooltip"); // over the result fields

    const QString a = QStringLiteral("1:1;2:2;3:1;4:1;5:2;6:1;"); // 1 1/2 and 1 1/2
    QTest::newRow("only digits are typed")
        << "1:1a2 -+.e/;key:Backspace;key:Return;key:Escape;key:Ctrl+A;key:Ctrl+X;key:Ctrl+V;key:Ctrl+Z;7:5;10:5"
        << "12,,,,,,,,,"
        << ""
        << "t10"
        << "";
    QTest::newRow("editing keys work") << "2:123;key:Left;key:Left;key:Delete;key:Home;2:9"
                                       << ",913,,,,,,,,"
                                       << ""
                                       << "t2"
                                       << "";
    QTest::newRow("input method keeps digits") << "3:１2三3分之4"
                                               << ",,234,,,,,,,"
                                               << ""
                                               << "t3"
                                               << "";
    QTest::newRow("1 1/2 + 1 1/2") << a + "js1;dy"
                                   << "1,2,1,1,2,1,3,1,0,3"
                                   << ""
                                   << "dy"
                                   << "= 3";
    QTest::newRow("1/2 - 3/4") << "2:2;3:1;5:4;6:3;js2;dy"
                               << "0,2,1,0,4,3,0,-4,1,-0.25"
                               << ""
                               << "dy"
                               << "= -1/4 = -0.25";
    QTest::newRow("2 7/4 x 6/8") << "1:2;2:4;3:7;5:8;6:6;js3;dy"
                                 << "3,4,3,0,4,3,2,16,13,2.8125"
                                 << ""
                                 << "dy"
                                 << "= 2又13/16 = 2.8125";
    QTest::newRow("1/2 / 1/4") << "2:2;3:1;5:4;6:1;js4;dy"
                               << "0,2,1,0,4,1,2,1,0,2"
                               << ""
                               << "dy"
                               << "= 2";
    QTest::newRow("empty fields") << "dy"
                                  << "0,,,0,,,,,,"
                                  << "请正确输入"
                                  << "dy"
                                  << "";
    QTest::newRow("each = uses up the operation") << "1:1;3:1;4:1;5:2;6:1;js1;dy;2:2;dy;js1;dy"
                                                  << "1,2,1,1,2,1,3,1,0,3"
                                                  << "请正确输入|请选择计算种类"
                                                  << "dy"
                                                  << "= 3";
    QTest::newRow("failure keeps the result, drops its explanation") << a + "js1;dy;paste:2:x;js1;dy"
                                                                     << "1,2x,1,1,2,1,3,1,0,3"
                                                                     << "请正确输入"
                                                                     << "dy"
                                                                     << "";
    QTest::newRow("later operator replaces") << "1:2;2:1;3:0;4:3;5:1;6:0;js1;js3;dy"
                                             << "2,1,0,3,1,0,6,1,0,6"
                                             << ""
                                             << "dy"
                                             << "= 6";
    QTest::newRow("新运算 keeps the operation") << "js1;1:5;new;1:2;2:1;3:0;4:3;5:1;6:0;dy"
                                                << "2,1,0,3,1,0,5,1,0,5"
                                                << ""
                                                << "dy"
                                                << "= 5";
    QTest::newRow("Ctrl+N clears") << a + "js1;dy;key:Ctrl+N"
                                   << ",,,,,,,,,"
                                   << ""
                                   << "dy"
                                   << "";
    QTest::newRow("Enter in a field presses nothing") << a + "js1;6:;key:Return;key:Enter"
                                                      << "1,2,1,1,2,1,,,,"
                                                      << ""
                                                      << "t6"
                                                      << "";
    QTest::newRow("pasted full-width digit") << a + "paste:6:１;js1;dy"
                                             << "1,2,1,1,2,1１,,,,"
                                             << "请正确输入"
                                             << "dy"
                                             << "";
    QTest::newRow("a million pasted digits, then more work")
        << "paste:1:9*1000000;2:2;3:1;5:3;6:1;js1;dy;key:Ctrl+N;2:2;3:2;5:2;6:2;js3;dy"
        << "1,1,0,1,1,0,1,1,0,1"
        << "数值超出范围"
        << "dy"
        << "= 1";
}

void Form1Test::userActions()
{
    QFETCH(QString, script);
    QStringList messages;
    for (const QString& step : script.split(u';'))
        perform(step, messages);
    QTEST(shownFields(), "fields");
    QTEST(messages.join(u'|'), "messages");
    QTEST(QApplication::focusWidget()->objectName(), "focus");
    QFETCH(QString, tooltip);
    for (int i = 7; i <= 10; ++i) {
        QCOMPARE(harness::Field(*form_, i)->toolTip(), tooltip);
        QCOMPARE(harness::Field(*form_, i)->accessibleDescription().isEmpty(), tooltip.isEmpty());
    }
}

void Form1Test::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // pixels, 15 twips each
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accessibleName");

    const auto row
        = [](const char* name, QRect rect, qreal points, bool bold, const char* caption, const char* accessibleName) {
              QTest::newRow(name) << QString::fromLatin1(name) << rect << points << bold << QString::fromUtf8(caption)
                                  << QString::fromUtf8(accessibleName);
          };
    row("new", {53, 3, 73, 25}, 12, false, "新运算", "新运算");
    row("t3", {96, 32, 81, 25}, 12, false, "", "第一个数 分子");
    row("t1", {8, 56, 81, 25}, 12, false, "", "第一个数 整数部分");
    row("t2", {96, 72, 81, 25}, 12, false, "", "第一个数 分母");
    row("js1", {16, 100, 33, 33}, 14.25, true, "＋", "加");
    row("js2", {56, 100, 33, 33}, 14.25, true, "－", "减");
    row("js3", {96, 100, 33, 33}, 14.25, true, "×", "乘");
    row("js4", {136, 100, 33, 33}, 14.25, true, "÷", "除");
    row("t6", {96, 136, 81, 25}, 12, false, "", "第二个数 分子");
    row("t4", {8, 160, 81, 25}, 12, false, "", "第二个数 整数部分");
    row("t5", {96, 176, 81, 25}, 12, false, "", "第二个数 分母");
    row("dy", {56, 205, 73, 25}, 15, true, "＝", "等于");
    row("t9", {96, 232, 81, 25}, 12, false, "", "结果 分子");
    row("t7", {8, 256, 81, 25}, 12, false, "", "结果 整数部分");
    row("t8", {96, 272, 81, 25}, 12, false, "", "结果 分母");
    row("t10", {8, 312, 169, 25}, 12, false, "", "结果 小数");
    row("t0", {0, 400, 81, 25}, 12, false, "", "备用");
}

void Form1Test::controls()
{
    QFETCH(QString, name);
    auto* control = form_->findChild<QWidget*>(name);
    QVERIFY(control && control->parentWidget()->objectName() == QStringLiteral("Picture1"));
    QTEST(control->geometry(), "rect");
    QTEST(control->font().pointSizeF(), "points");
    QTEST(control->font().bold(), "bold");
    QTEST(control->property("text").toString(), "caption");
    QTEST(control->accessibleName(), "accessibleName");
    const QString family = QFontInfo(control->font()).family();
    QVERIFY2(family.contains(QStringLiteral("SimSun")) || family.contains(QStringLiteral("UMing")), qPrintable(family));
}

void Form1Test::windowAndBars()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral("Velmo分数计算器 V1.1"));
    QCOMPARE(form_->centralWidget()->size(), QSize(192, 373));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QVERIFY(!form_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    auto* picture = form_->findChild<ui::PictureBox*>(QStringLiteral("Picture1"));
    QCOMPARE(picture->geometry(), QRect(0, 0, 193, 373));
    const QList<QLine> bars{{96, 64, 177, 64}, {96, 168, 177, 168}, {96, 264, 177, 264}};
    QCOMPARE(picture->lines(), bars);
    QVERIFY(!harness::Field(*form_, 1)->isReadOnly() && harness::Field(*form_, 7)->isReadOnly());

    QStringList menus;
    for (QAction* menu : form_->menuBar()->actions()) {
        menus << menu->menu()->objectName() + u'=' + menu->text();
        for (QAction* item : menu->menu()->actions())
            menus << item->objectName() + u'=' + item->text() + u'=' + item->shortcut().toString();
    }
    QCOMPARE(menus,
             QStringList({"gongneng=功能", "news=新运算=Ctrl+N", "hhh==", "exit=退出=", "help=帮助", "about=关于="}));
}

void Form1Test::tabWalksTheFieldsAndButtonsInOrder()
{
    QStringList walked;
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked.join(u' '), QStringLiteral("t2 t3 js1 js2 js3 js4 t4 t5 t6 dy t7 t8 t9 t10 new t1"));
}

void Form1Test::contextMenuIsChinese()
{
    const std::unique_ptr<QMenu> menu(harness::Field(*form_, 1)->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    QVERIFY2(texts.join(u' ').contains(QStringLiteral("粘贴")), qPrintable(texts.join(u' ')));
}

void Form1Test::programEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("mainWindowClosed");
    QTest::newRow("close box, About open") << "close" << true;
    QTest::newRow("退出, About open") << "exit" << false; // ends at once, closing nothing
}

void Form1Test::programEnds()
{
    QFETCH(QString, how);
    form_->findChild<QAction*>(QStringLiteral("about"))->trigger();
    const int code = harness::RunEventLoop([this, how] {
        if (how == QStringLiteral("close"))
            form_->close();
        else
            form_->findChild<QAction*>(QStringLiteral("exit"))->trigger();
    });
    QCOMPARE(code, 0);
    QTEST(!form_->isVisible(), "mainWindowClosed");
    if (how == QStringLiteral("close")) {
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible() && !window->inherits("ui::Form2"), qPrintable(window->objectName()));
    }
}

#include "Form1Test.moc"
