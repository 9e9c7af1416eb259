#include "WindowHarness.h"

#include "ChineseLocale.h"
#include "PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// The main window as a user meets it: what they do and what they then see, where each
// control sits and how it is lettered, and how the program ends.
class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = harness::OpenForm1(); }
    void cleanup() { form_.reset(); }
    void userActions_data();
    void userActions();
    void controls_data();
    void controls();
    void windowMenusAndBars();
    void longNumbersShowTheirWholeText();
    void programEnds_data();
    void programEnds();
    void chineseCatalogFoundInADeployedFolder();

private:
    std::unique_ptr<ui::Form1> form_;
};
VELMO_WINDOW_TEST(Form1Test);

void Form1Test::userActions_data()
{
    for (const char* column : {"script", "fields", "messages", "focus", "tooltip"})
        QTest::addColumn<QString>(column);
    // script: steps separated by ";" (harness::Perform); fields: t(1)..t(10) afterwards;
    // messages: the message boxes in order; focus: where the keyboard focus ends; tooltip: over the result fields.
    const auto row = [](const char* name, const QString& script, const char* fields, const char* messages,
                        const char* focus, const char* tooltip) {
        QTest::newRow(name) << script << QString::fromUtf8(fields) << QString::fromUtf8(messages) << focus
                            << QString::fromUtf8(tooltip);
    };
    const QString a = QStringLiteral("1:1;2:2;3:1;4:1;5:2;6:1;"), tab = QStringLiteral("key:Tab;"); // a: 1 1/2, 1 1/2
    const QString keys = QStringLiteral("key:Backspace;key:Return;key:Escape;key:Ctrl+A;key:Ctrl+X;key:Ctrl+V;");
    // clang-format off
    row("only digits are typed", "1:1a2 -+.e/;" + keys + "key:Ctrl+Z;7:5;10:5", "12,,,,,,,,,", "", "t10", "");
    row("editing keys", "2:123;key:Left;key:Left;key:Delete;key:Home;2:9", ",913,,,,,,,,", "", "t2", "");
    row("input method", "3:１2三3分之4", ",,234,,,,,,,", "", "t3", "");
    row("1 1/2 + 1 1/2", a + "js1;dy", "1,2,1,1,2,1,3,1,0,3", "", "dy", "= 3\n1又1/2 + 1又1/2 = 3/2 + 3/2 = 6/2 = 3");
    row("1/2 - 3/4", "2:2;3:1;5:4;6:3;js2;dy", "0,2,1,0,4,3,0,-4,1,-0.25", "", "dy", "= -1/4 = -0.25\n1/2 − 3/4 = 2/4 − 3/4 = -1/4");
    row("2 7/4 x 6/8", "1:2;2:4;3:7;5:8;6:6;js3;dy", "3,4,3,0,4,3,2,16,13,2.8125", "", "dy", "= 2又13/16 = 2.8125\n3又3/4 × 3/4 = 15/4 × 3/4 = 45/16 = 2又13/16");
    row("1/2 / 1/4", "2:2;3:1;5:4;6:1;js4;dy", "0,2,1,0,4,1,2,1,0,2", "", "dy", "= 2\n1/2 ÷ 1/4 = 1/2 × 4/1 = 4/2 = 2");
    row("Tab to = and Enter", a + "js3;6:;key:Tab;key:Return", "1,2,1,1,2,1,2,4,1,2.25", "", "dy", "= 2又1/4 = 2.25\n1又1/2 × 1又1/2 = 3/2 × 3/2 = 9/4 = 2又1/4");
    row("Tab to = and Space", a + "js3;6:;key:Tab;key:Space", "1,2,1,1,2,1,2,4,1,2.25", "", "dy", "= 2又1/4 = 2.25\n1又1/2 × 1又1/2 = 3/2 × 3/2 = 9/4 = 2又1/4");
    row("empty fields", "dy", "0,,,0,,,,,,", "请正确输入", "dy", "");
    row("each = uses up the operation", "1:1;3:1;4:1;5:2;6:1;js1;dy;2:2;dy;js1;key:Return;dy", "1,2,1,1,2,1,3,1,0,3", "请正确输入|请选择计算种类", "dy", "= 3\n1又1/2 + 1又1/2 = 3/2 + 3/2 = 6/2 = 3");
    row("failure keeps the result", a + "js1;dy;paste:2:x;js1;dy", "1,x2,1,1,2,1,3,1,0,3", "请正确输入", "dy", "");
    row("later operator wins", "1:2;2:1;3:0;4:3;5:1;6:0;js1;js3;dy", "2,1,0,3,1,0,6,1,0,6", "", "dy", "= 6\n2 × 3 = 6");
    row("新运算 keeps the operation", "js1;1:5;new;1:2;2:1;3:0;4:3;5:1;6:0;dy", "2,1,0,3,1,0,5,1,0,5", "", "dy", "= 5\n2 + 3 = 5");
    row("新运算 puts the focus in t(1)", "js1;1:5;key:Tab;new", ",,,,,,,,,", "", "t1", "");
    row("新运算 keeps no undo history", "paste:1:123;key:Ctrl+N;undo:1", ",,,,,,,,,", "", "t1", "");
    row("Ctrl+N clears", a + "js1;dy;key:Ctrl+N", ",,,,,,,,,", "", "t1", "");
    row("Enter in a field", a + "js1;6:;key:Return;key:Enter", "1,2,1,1,2,1,,,,", "", "t6", "");
    row("pasted full-width digit", a + "paste:6:１;js1;dy", "1,2,1,1,2,1１,,,,", "请正确输入", "dy", "");
    row("a million digits, then more", "paste:1:9*1000000;2:2;3:1;5:3;6:1;js1;dy;key:Ctrl+N;2:2;3:2;5:2;6:2;js3;dy", "1,1,0,1,1,0,1,1,0,1", "数值超出范围", "dy", "= 1\n1 × 1 = 1");
    row("tab to the denominator", tab, ",,,,,,,,,", "", "t2", "");
    row("tab to the numerator", tab.repeated(2), ",,,,,,,,,", "", "t3", "");
    row("tab to the operators", tab.repeated(3), ",,,,,,,,,", "", "js1", "");
    row("tab to B", tab.repeated(7), ",,,,,,,,,", "", "t4", "");
    row("tab to =", tab.repeated(10), ",,,,,,,,,", "", "dy", "");
    row("tab to the result", tab.repeated(14), ",,,,,,,,,", "", "t10", "");
    row("tab round", tab.repeated(16), ",,,,,,,,,", "", "t1", "");
    // clang-format on
}

void Form1Test::userActions()
{
    QFETCH(QString, script);
    QStringList messages, fields;
    for (const QString& step : script.split(u';', Qt::SkipEmptyParts))
        harness::Perform(*form_, step, messages);
    for (int i = 1; i <= 10; ++i)
        fields << harness::Field(*form_, i)->text();
    QTEST(fields.join(u','), "fields");
    QTEST(messages.join(u'|'), "messages");
    QTEST(QApplication::focusWidget()->objectName(), "focus");
    QFETCH(QString, tooltip);
    for (int i = 7; i <= 10; ++i) {
        QCOMPARE(harness::Field(*form_, i)->toolTip(), tooltip);
        QCOMPARE(harness::Field(*form_, i)->cursorPosition(), 0); // the leading digits show
        QCOMPARE(harness::Field(*form_, i)->accessibleDescription().isEmpty(), tooltip.isEmpty());
    }
}

void Form1Test::controls_data()
{
    QTest::addColumn<QRect>("rect"); // pixels, 15 twips each
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accessibleName");
    const auto row = [](const char* name, QRect rect, qreal points, const char* caption, const char* accessible) {
        QTest::newRow(name) << rect << points << QString::fromUtf8(caption) << QString::fromUtf8(accessible);
    };
    // clang-format off
    row("new", {53, 3, 73, 25}, 12, "新运算", "新运算");
    row("t3", {96, 32, 81, 25}, 12, "", "第一个数 分子");
    row("t1", {8, 56, 81, 25}, 12, "", "第一个数 整数部分");
    row("t2", {96, 72, 81, 25}, 12, "", "第一个数 分母");
    row("js1", {16, 100, 33, 33}, 14.25, "＋", "加");
    row("js2", {56, 100, 33, 33}, 14.25, "－", "减");
    row("js3", {96, 100, 33, 33}, 14.25, "×", "乘");
    row("js4", {136, 100, 33, 33}, 14.25, "÷", "除");
    row("t6", {96, 136, 81, 25}, 12, "", "第二个数 分子");
    row("t4", {8, 160, 81, 25}, 12, "", "第二个数 整数部分");
    row("t5", {96, 176, 81, 25}, 12, "", "第二个数 分母");
    row("dy", {56, 205, 73, 25}, 15, "＝", "等于");
    row("t9", {96, 232, 81, 25}, 12, "", "结果 分子");
    row("t7", {8, 256, 81, 25}, 12, "", "结果 整数部分");
    row("t8", {96, 272, 81, 25}, 12, "", "结果 分母");
    row("t10", {8, 312, 169, 25}, 12, "", "结果 小数");
    row("t0", {0, 400, 81, 25}, 12, "", "备用");
    // clang-format on
}

void Form1Test::controls()
{
    auto* control = form_->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control && control->parentWidget()->objectName() == QStringLiteral("Picture1"));
    QTEST(control->geometry(), "rect");
    QTEST(control->font().pointSizeF(), "points");
    QCOMPARE(control->font().bold(), control->inherits("QPushButton") && control->objectName() != "new");
    QTEST(control->property("text").toString(), "caption");
    QTEST(control->accessibleName(), "accessibleName");
    QCOMPARE(control->inherits("QLineEdit") && !control->property("readOnly").toBool(),
             QStringLiteral("t1 t2 t3 t4 t5 t6 t0").split(u' ').contains(control->objectName()));
    QVERIFY(!control->acceptDrops()); // dropped text would pass by the digit filter
    const QString family = QFontInfo(control->font()).family();
    QVERIFY2(family.contains(QStringLiteral("SimSun")) || family.contains(QStringLiteral("Noto Serif CJK")),
             qPrintable(family));
    QCOMPARE(QFontInfo(form_->menuBar()->font()).family(), family); // one font list for the whole window
    // "×" and "÷" are drawn as large as "＋" and "－".
    if (QString(QTest::currentDataTag()).startsWith("js")) {
        const QImage image = control->grab().toImage();
        int left = image.width(), right = 0;
        for (int y = 4; y < image.height() - 4; ++y)
            for (int x = 4; x < image.width() - 4; ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    left = std::min(left, x), right = std::max(right, x);
        QVERIFY2(right - left >= 10, qPrintable(QString::number(right - left))); // AR PL UMing's "×": 6
    }
}

void Form1Test::windowMenusAndBars()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral("Velmo分数计算器 V1.1"));
    QCOMPARE(form_->centralWidget()->size(), QSize(192, 373));
    QVERIFY(form_->minimumSize() == form_->maximumSize());
    auto* picture = form_->findChild<ui::PictureBox*>(QStringLiteral("Picture1"));
    QCOMPARE(picture->geometry(), QRect(0, 0, 193, 373));
    QCOMPARE(picture->lines(), QList<QLine>({{96, 64, 177, 64}, {96, 168, 177, 168}, {96, 264, 177, 264}}));
    // The background shows, the bars over it, and the window opens in the middle of the screen.
    const QImage shown = picture->grab().toImage(), background(QStringLiteral(":/background.bmp"));
    QCOMPARE(shown.pixelColor(185, 360), background.pixelColor(185, 360));
    const QColor bar = picture->palette().color(QPalette::WindowText);
    QVERIFY(shown.pixelColor(120, 168) == bar && shown.pixelColor(120, 167) != bar
            && shown.pixelColor(120, 169) != bar);
    QVERIFY((form_->frameGeometry().center() - form_->screen()->availableGeometry().center()).manhattanLength() < 8);
    QStringList menus;
    for (QAction* menu : form_->menuBar()->actions()) {
        menus << menu->menu()->objectName() + u'=' + menu->text();
        QCOMPARE(QFontInfo(menu->menu()->font()).family(), QFontInfo(form_->font()).family());
        for (QAction* item : menu->menu()->actions())
            menus << item->objectName() + u'=' + item->text() + u'=' + item->shortcut().toString();
    }
    QCOMPARE(menus.join(u' '),
             QStringLiteral("gongneng=功能 news=新运算=Ctrl+N hhh== exit=退出= help=帮助 about=关于="));
}

void Form1Test::longNumbersShowTheirWholeText()
{
    QStringList messages;
    const QString half = QStringLiteral("4503599627370496"); // half of 9007199254740992
    for (const QString& step : QStringList{"1:" + half, "2:1", "3:0", "4:" + half, "5:1", "6:0", "js1", "dy"})
        harness::Perform(*form_, step, messages);
    QCOMPARE(harness::Field(*form_, 1)->toolTip(), half);
    QVERIFY(harness::Field(*form_, 7)->toolTip().startsWith("9007199254740992\n= 9007199254740992\n"));
    QCOMPARE(harness::Field(*form_, 8)->toolTip(), harness::Field(*form_, 9)->toolTip());
    QVERIFY(!harness::Field(*form_, 8)->toolTip().startsWith(u'1'));
}

void Form1Test::programEnds_data()
{
    QTest::addColumn<bool>("closeBox"); // else "退出", which ends at once and closes nothing
    QTest::newRow("close box, About open") << true;
    QTest::newRow("退出, About open") << false;
}

void Form1Test::programEnds()
{
    QFETCH(bool, closeBox);
    form_->findChild<QAction*>(QStringLiteral("about"))->trigger();
    QCOMPARE(harness::RunEventLoop([this, closeBox] {
                 closeBox ? void(form_->close()) : form_->findChild<QAction*>(QStringLiteral("exit"))->trigger();
             }),
             0);
    QCOMPARE(form_->isVisible(), !closeBox);
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!closeBox || (!window->isVisible() && !window->inherits("ui::Form2")));
}

// A deployment leaves one merged qt_zh_CN.qm beside the program.
void Form1Test::chineseCatalogFoundInADeployedFolder()
{
    const QTemporaryDir deployed;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QVERIFY(QFile::copy(qtFolder + "/qtbase_zh_CN.qm", deployed.path() + "/qt_zh_CN.qm"));
    QTranslator translator;
    QVERIFY(ui::LoadChineseCatalog(translator, {deployed.path() + "/translations", deployed.path()}));
    QVERIFY(translator.translate("QLineEdit", "&Paste").contains(QStringLiteral("粘贴")));
    QVERIFY(ui::CatalogFolders().contains(QCoreApplication::applicationDirPath()));
}

#include "Form1Test.moc"
