#include "ChineseLocale.h"
#include "Form1.h"
#include "Form2.h"
#include "MessageBoxAnswer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// What a person can do to the window that no ordinary use does: paste huge text, and
// repeat everything many times (run under the sanitizers, this also finds leaks).
class AbuseTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void millionPastedDigitsGetAClearMessage();
    void thousandRoundsOfEverything();

private:
    QLineEdit* field(int index) const { return form_->t(index); }
    void click(const char* name);
    QString clickEqualsAndAnswer();
    static ui::Form2* aboutWindow();

    std::unique_ptr<ui::Form1> form_;
};

void AbuseTest::init()
{
    form_ = std::make_unique<ui::Form1>();
    form_->show();
    QApplication::setActiveWindow(form_.get());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void AbuseTest::cleanup()
{
    form_.reset();
}

void AbuseTest::click(const char* name)
{
    QTest::mouseClick(form_->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

QString AbuseTest::clickEqualsAndAnswer()
{
    return ClickAndAnswerText(form_->findChild<QPushButton*>(QStringLiteral("dy")));
}

ui::Form2* AbuseTest::aboutWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<ui::Form2*>(window))
            return about;
    }
    return nullptr;
}

void AbuseTest::millionPastedDigitsGetAClearMessage()
{
    const QString million(1000000, u'9');
    QApplication::clipboard()->setText(million);
    field(1)->paste();
    QCOMPARE(field(1)->text().size(), million.size());
    QTest::keyClicks(field(2), "2");
    QTest::keyClicks(field(3), "1");
    QTest::keyClicks(field(5), "3");
    QTest::keyClicks(field(6), "1");
    click("js1");
    QCOMPARE(clickEqualsAndAnswer(), QStringLiteral("数值超出范围"));

    // The window still answers: a fresh calculation works.
    // Offscreen there is no window manager to hand activation back after the message box.
    QApplication::setActiveWindow(form_.get());
    QTest::keyClick(field(1), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(field(1)->text(), QString());
    for (int i : {2, 3, 5, 6})
        QTest::keyClicks(field(i), "2");
    click("js3");
    QCOMPARE(clickEqualsAndAnswer(), QString());
    QCOMPARE(field(10)->text(), QStringLiteral("1"));
}

void AbuseTest::thousandRoundsOfEverything()
{
    auto* about = form_->findChild<QAction*>(QStringLiteral("about"));
    auto* news = form_->findChild<QAction*>(QStringLiteral("news"));
    for (int round = 0; round < 1000; ++round) {
        const QString whole = QString::number(round);
        for (int i : {1, 4})
            field(i)->setText(whole);
        for (int i : {2, 3, 5, 6})
            field(i)->setText(QStringLiteral("7"));
        click(round % 2 ? "js2" : "js4");
        QCOMPARE(clickEqualsAndAnswer(), QString());
        about->trigger();
        ui::Form2* window = aboutWindow();
        QVERIFY(window && window->isVisible());
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!window->isVisible());
        news->trigger();
        QCOMPARE(field(7)->text(), QString());
    }
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::InstallChineseLocale(application);
    AbuseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AbuseTest.moc"
