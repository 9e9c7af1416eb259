#include "WindowHarness.h"

#include "Form2.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QtTest>

// The About window: where each part sits, what a click on it does, and how it looks.
class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form1_ = harness::OpenForm1();
        QPalette scheme;
        scheme.setColor(QPalette::Base, QColor(0x20, 0x30, 0x40));
        scheme.setColor(QPalette::Text, Qt::red);
        scheme.setColor(QPalette::WindowText, Qt::green);
        QApplication::setPalette(scheme);
    }
    void cleanup()
    {
        form1_.reset();
        QApplication::setPalette(QPalette());
    }
    void parts_data();
    void parts();
    void showsOneWindowThatLooksTheSameEachTime();

private:
    ui::Form2* showAbout();
    std::unique_ptr<ui::Form1> form1_;
};
VELMO_WINDOW_TEST(Form2Test);

// The one visible About window, after "关于".
ui::Form2* Form2Test::showAbout()
{
    form1_->findChild<QAction*>(QStringLiteral("about"))->trigger();
    QList<ui::Form2*> shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<ui::Form2*>(window); about && about->isVisible())
            shown << about;
    return shown.size() == 1 ? shown.front() : nullptr;
}

void Form2Test::parts_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("clickHides");
    QTest::addColumn<QString>("text"); // how it begins
    QTest::newRow("Form2") << QRect(0, 0, 311, 244) << true << "";
    QTest::newRow("Picture1") << QRect(176, 0, 137, 257) << true << "";
    QTest::newRow("Label3") << QRect(16, 8, 145, 17) << true << "Velmo分数计算器 Ver1.1";
    QTest::newRow("Label1") << QRect(8, 32, 161, 113) << true
                            << "    感谢您使用“分数计算器”您对“分数计算器”有何意见或建议，请与作者联系。";
    QTest::newRow("Label2") << QRect(16, 152, 145, 17) << true << "制作：";
    QTest::newRow("Label4") << QRect(0, 168, 169, 17) << true << "邮箱：";
    QTest::newRow("Label6") << QRect(24, 184, 129, 17) << false << "即时通讯：";
    QTest::newRow("Label5") << QRect(0, 203, 169, 41) << false << "更多小程序请访问：\n";
}

void Form2Test::parts()
{
    ui::Form2* about = showAbout();
    QVERIFY(about && about->windowTitle() == QStringLiteral("关于") && !about->parentWidget() && !about->isModal());
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget* part = name == QStringLiteral("Form2") ? about : about->findChild<QWidget*>(name);
    QTEST(part == about ? QRect(QPoint(), about->size()) : part->geometry(), "rect");
    if (auto* label = qobject_cast<QLabel*>(part)) {
        QFETCH(QString, text);
        QVERIFY2(label->text().startsWith(text), qPrintable(label->text()));
        QCOMPARE(label->wordWrap(), name == QStringLiteral("Label1"));
    }
    // The scheme's colours: the base behind, the text colour (red) for the labels' text.
    const QImage image = part->grab().toImage();
    const bool isLabel = part->inherits("QLabel");
    if (isLabel || part == about)
        QCOMPARE(image.pixelColor(part == about ? 4 : image.width() - 1, 0), QColor(0x20, 0x30, 0x40));
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixelColor(x, y).red() > 0x80 && image.pixelColor(x, y).green() < 0x40;
    QCOMPARE(red > 30, part != about->findChild<QWidget*>(QStringLiteral("Picture1")));
    if (name == QStringLiteral("Label1")) { // the paragraph starts at the top
        int redAtTop = 0;
        for (int x = 0; x < image.width(); ++x)
            redAtTop += image.pixelColor(x, 8).red() > 0x80 && image.pixelColor(x, 8).green() < 0x40;
        QVERIFY(redAtTop > 0);
    }
    // The window's own background is clicked in its top-left corner, where no part lies.
    QCOMPARE(about->childAt(QPoint(4, 4)), nullptr);
    QTest::mouseClick(part, Qt::LeftButton, {}, part == about ? QPoint(4, 4) : part->rect().center());
    QTEST(!about->isVisible(), "clickHides");
}

void Form2Test::showsOneWindowThatLooksTheSameEachTime()
{
    ui::Form2* about = showAbout();
    const QImage before = about->grab().toImage();
    QCOMPARE(showAbout(), about);
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(showAbout(), about);
    QCOMPARE(about->grab().toImage(), before);
}

#include "Form2Test.moc"
