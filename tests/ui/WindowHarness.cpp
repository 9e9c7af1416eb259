#include "WindowHarness.h"

#include "ChineseLocale.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <vector>

namespace harness {

namespace {

std::vector<std::function<QObject*()>>& Tests()
{
    static std::vector<std::function<QObject*()>> tests;
    return tests;
}

void Type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    if (text.toLatin1() == text.toUtf8())
        QTest::keyClicks(field, text);
    else
        QApplication::sendEvent(field, &commit);
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

int Register(const std::function<QObject*()>& make)
{
    Tests().push_back(make);
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
    return form.findChild<QLineEdit*>(QStringLiteral("t%1").arg(index));
}

void Perform(ui::Form1& form, const QString& step, QStringList& messages)
{
    const QStringList parts = step.split(u':');
    bool isField = false;
    const int index = parts.front().toInt(&isField);
    if (isField)
        return Type(Field(form, index), parts.value(1));
    if (parts.front() == QStringLiteral("undo"))
        return Field(form, parts[1].toInt())->undo();
    if (parts.front() == QStringLiteral("paste")) {
        const QStringList repeat = parts[2].split(u'*');
        QApplication::clipboard()->setText(repeat.size() == 2 ? repeat[0].repeated(repeat[1].toInt()) : parts[2]);
        return Field(form, parts[1].toInt())->paste();
    }
    // A message box runs a loop of its own; the answer is queued to run inside it.
    QTimer::singleShot(0, &form, [&messages] { AnswerOpenBox(messages); });
    if (parts.front() == QStringLiteral("key")) {
        const QKeyCombination key = QKeySequence(parts[1])[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    } else {
        QTest::mouseClick(form.findChild<QPushButton*>(step), Qt::LeftButton);
    }
    QApplication::setActiveWindow(&form);
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
