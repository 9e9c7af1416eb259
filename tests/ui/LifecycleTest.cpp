#include "Form1.h"
#include "Form2.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <algorithm>

// Each test runs the application's own event loop and checks how it ends.
class LifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void closingTheMainWindowEndsTheProgram();
    void exitEndsAtOnce();

private:
    static constexpr int kTimedOut = 99;
    static int runEventLoop();
    static bool anyWindowVisible();
};

// Runs until something ends the loop, or reports kTimedOut after five seconds.
int LifecycleTest::runEventLoop()
{
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(kTimedOut); });
    return QApplication::exec();
}

bool LifecycleTest::anyWindowVisible()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

void LifecycleTest::closingTheMainWindowEndsTheProgram()
{
    ui::Form1 form1;
    form1.show();
    form1.findChild<QAction*>(QStringLiteral("about"))->trigger();
    QVERIFY(anyWindowVisible());
    QTimer::singleShot(0, &form1, &QWidget::close);
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(!anyWindowVisible());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<ui::Form2*>(w); }));
}

void LifecycleTest::exitEndsAtOnce()
{
    ui::Form1 form1;
    form1.show();
    form1.findChild<QAction*>(QStringLiteral("about"))->trigger();
    QTimer::singleShot(0, &form1, [&form1] { form1.findChild<QAction*>(QStringLiteral("exit"))->trigger(); });
    QCOMPARE(runEventLoop(), 0);
    // The loop ended without asking any window to close.
    QVERIFY(form1.isVisible());
}

QTEST_MAIN(LifecycleTest)

#include "LifecycleTest.moc"
