#include "ChineseLocale.h"
#include "Form1.h"
#include "Form2.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include <memory>

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aboutTwiceGivesOneWindow();
    void clicksHideOrKeepTheWindow_data();
    void clicksHideOrKeepTheWindow();
    void hideThenShowLooksTheSame();
    void textsAreAsWritten();
    void coloursFollowTheColourScheme();

private:
    ui::Form2* showAbout();
    static QList<ui::Form2*> visibleAboutWindows();

    std::unique_ptr<ui::Form1> form1_;
};

void Form2Test::init()
{
    form1_ = std::make_unique<ui::Form1>();
    form1_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1_.get()));
}

void Form2Test::cleanup()
{
    form1_.reset();
    QApplication::setPalette(QPalette());
}

ui::Form2* Form2Test::showAbout()
{
    form1_->findChild<QAction*>(QStringLiteral("about"))->trigger();
    const QList<ui::Form2*> windows = visibleAboutWindows();
    return windows.size() == 1 ? windows.front() : nullptr;
}

QList<ui::Form2*> Form2Test::visibleAboutWindows()
{
    QList<ui::Form2*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<ui::Form2*>(widget); about && about->isVisible())
            found << about;
    }
    return found;
}

void Form2Test::aboutTwiceGivesOneWindow()
{
    ui::Form2* first = showAbout();
    QVERIFY(first);
    QCOMPARE(first->parentWidget(), nullptr);
    QCOMPARE(first->windowTitle(), QStringLiteral("关于"));
    QVERIFY(!first->isModal());
    QCOMPARE(showAbout(), first);
    QCOMPARE(visibleAboutWindows().size(), 1);
}

void Form2Test::clicksHideOrKeepTheWindow_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("hides");
    QTest::newRow("background") << QStringLiteral("Form2") << true;
    QTest::newRow("picture") << QStringLiteral("Picture1") << true;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    for (const char* name : {"Label5", "Label6"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void Form2Test::clicksHideOrKeepTheWindow()
{
    QFETCH(QString, target);
    QFETCH(bool, hides);
    ui::Form2* about = showAbout();
    QVERIFY(about);
    QWidget* widget = target == QStringLiteral("Form2") ? about : about->findChild<QWidget*>(target);
    QVERIFY(widget);
    // The window's own background is clicked in its top-left corner, where no control lies.
    const QPoint where = widget == about ? QPoint(4, 4) : widget->rect().center();
    QCOMPARE(about->childAt(QPoint(4, 4)), nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, where);
    QCOMPARE(about->isVisible(), !hides);
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

void Form2Test::textsAreAsWritten()
{
    ui::Form2* about = showAbout();
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Velmo分数计算器 Ver1.1"));
    const QString thanks = about->findChild<QLabel*>(QStringLiteral("Label1"))->text();
    QVERIFY(thanks.startsWith(
        QStringLiteral("    感谢您使用“分数计算器”您对“分数计算器”有何意见或建议，请与作者联系。")));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label5"))->text().count(u'\n'), 1);
}

void Form2Test::coloursFollowTheColourScheme()
{
    QPalette scheme;
    scheme.setColor(QPalette::Base, QColor(0x20, 0x30, 0x40));
    QApplication::setPalette(scheme);
    ui::Form2* about = showAbout();
    const QImage image = about->grab().toImage();
    QCOMPARE(image.pixelColor(4, 4), QColor(0x20, 0x30, 0x40));
    const QLabel* mail = about->findChild<QLabel*>(QStringLiteral("Label4"));
    QCOMPARE(image.pixelColor(mail->geometry().bottomRight() - QPoint(1, 1)), QColor(0x20, 0x30, 0x40));
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::InstallChineseLocale(application);
    Form2Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "Form2Test.moc"
