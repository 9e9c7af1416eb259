#include "WindowHarness.h"

#include "ChineseLocale.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <vector>

namespace harness {

namespace {

std::vector<std::function<QObject*()>>& Tests()
{
    static std::vector<std::function<QObject*()>> tests;
    return tests;
}

void AnswerOpenBox(QStringList& messages)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    messages << box->text();
    QVERIFY(box->windowTitle() == QStringLiteral("Velmo分数计算器") && box->icon() == QMessageBox::NoIcon);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->buttons().front()->text(), QStringLiteral("确定"));
    QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
}

} // namespace

int Register(std::function<QObject*()> make)
{
    Tests().push_back(std::move(make));
    return 0;
}

std::unique_ptr<ui::Form1> OpenForm1()
{
    auto form = std::make_unique<ui::Form1>();
    form->show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("the main window never became active");
    return form;
}

QLineEdit* Field(const QWidget& form, int index)
{
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("t%1").arg(index));
    Q_ASSERT(field);
    return field;
}

QPushButton* Button(const QWidget& form, const QString& name)
{
    auto* button = form.findChild<QPushButton*>(name);
    Q_ASSERT(button);
    return button;
}

void Type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    if (text.toLatin1() == text.toUtf8()) {
        QTest::keyClicks(field, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(field, &commit);
}

void AnswerMessages(QWidget* window, const std::function<void()>& action, QStringList& messages)
{
    // A message box runs its own loop; the answer is queued to run inside it.
    QTimer::singleShot(0, window, [&messages] { AnswerOpenBox(messages); });
    action();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

int RunEventLoop(const std::function<void()>& action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(-1); });
    return QApplication::exec();
}

} // namespace harness

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::InstallChineseLocale(application);
    int failures = 0;
    for (const auto& make : harness::Tests()) {
        const std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
