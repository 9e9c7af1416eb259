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
    void init() { form1_ = harness::OpenForm1(); }
    void cleanup()
    {
        form1_.reset();
        QApplication::setPalette(QPalette());
    }

    void parts_data();
    void parts();
    void aboutTwiceGivesOneWindowWithoutOwner();
    void hideThenShowLooksTheSame();
    void coloursFollowTheColourScheme();

private:
    ui::Form2* showAbout();

    std::unique_ptr<ui::Form1> form1_;
};
VELMO_WINDOW_TEST(Form2Test);

ui::Form2* Form2Test::showAbout()
{
    form1_->findChild<QAction*>(QStringLiteral("about"))->trigger();
    ui::Form2* shown = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<ui::Form2*>(window); about && about->isVisible()) {
            if (shown)
                return nullptr; // more than one
            shown = about;
        }
    }
    return shown;
}

void Form2Test::parts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("clickHides");
    QTest::addColumn<QString>("textStart");

    QTest::newRow("window") << "Form2" << QRect(0, 0, 311, 244) << true << "";
    QTest::newRow("Picture1") << "Picture1" << QRect(176, 0, 137, 257) << true << "";
    QTest::newRow("Label3") << "Label3" << QRect(16, 8, 145, 17) << true << "Velmo分数计算器 Ver1.1";
    QTest::newRow("Label1") << "Label1" << QRect(8, 32, 161, 113) << true
                            << "    感谢您使用“分数计算器”您对“分数计算器”有何意见或建议，请与作者联系。";
    QTest::newRow("Label2") << "Label2" << QRect(16, 152, 145, 17) << true << "制作：";
    QTest::newRow("Label4") << "Label4" << QRect(0, 168, 169, 17) << true << "邮箱：";
    QTest::newRow("Label6") << "Label6" << QRect(24, 184, 129, 17) << false << "即时通讯：";
    QTest::newRow("Label5") << "Label5" << QRect(0, 203, 169, 41) << false << "更多小程序请访问：\n";
}

void Form2Test::parts()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    ui::Form2* about = showAbout();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("关于"));
    QWidget* part = name == QStringLiteral("Form2") ? about : about->findChild<QWidget*>(name);
    QVERIFY(part);
    QCOMPARE(part == about ? QRect(QPoint(), about->size()) : part->geometry(), rect);
    if (auto* label = qobject_cast<QLabel*>(part)) {
        QFETCH(QString, textStart);
        QVERIFY2(label->text().startsWith(textStart), qPrintable(label->text()));
        QCOMPARE(label->wordWrap(), name == QStringLiteral("Label1"));
    }
    // The window's own background is clicked in its top-left corner, where no part lies.
    QCOMPARE(about->childAt(QPoint(4, 4)), nullptr);
    QTest::mouseClick(part, Qt::LeftButton, {}, part == about ? QPoint(4, 4) : part->rect().center());
    QTEST(!about->isVisible(), "clickHides");
}

void Form2Test::aboutTwiceGivesOneWindowWithoutOwner()
{
    ui::Form2* first = showAbout();
    QVERIFY(first && !first->parentWidget() && !first->isModal());
    QCOMPARE(showAbout(), first);
}

void Form2Test::hideThenShowLooksTheSame()
{
    ui::Form2* about = showAbout();
    const QImage before = about->grab().toImage();
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(!about->isVisible());
    QCOMPARE(showAbout(), about);
    QCOMPARE(about->grab().toImage(), before);
}

// Backgrounds take the scheme's base colour, the paragraph its text colour.
void Form2Test::coloursFollowTheColourScheme()
{
    QPalette scheme;
    scheme.setColor(QPalette::Base, QColor(0x20, 0x30, 0x40));
    scheme.setColor(QPalette::Text, QColor(0xff, 0x00, 0x00));
    scheme.setColor(QPalette::WindowText, QColor(0x00, 0xff, 0x00));
    QApplication::setPalette(scheme);
    ui::Form2* about = showAbout();
    const QImage image = about->grab().toImage();
    QCOMPARE(image.pixelColor(4, 4), QColor(0x20, 0x30, 0x40));
    const auto* mail = about->findChild<QLabel*>(QStringLiteral("Label4"));
    QCOMPARE(image.pixelColor(mail->geometry().bottomRight() - QPoint(1, 1)), QColor(0x20, 0x30, 0x40));
    const QImage thanks = about->findChild<QLabel*>(QStringLiteral("Label1"))->grab().toImage();
    int textPixels = 0;
    for (int y = 0; y < thanks.height(); ++y)
        for (int x = 0; x < thanks.width(); ++x)
            textPixels += thanks.pixelColor(x, y).red() > 0x80 && thanks.pixelColor(x, y).green() < 0x40;
    QVERIFY(textPixels > 100);
}

#include "Form2Test.moc"
