#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <optional>

// What a message box showed before the test closed it.
struct SeenMessage {
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon;
};

// Clicks the button; if that opens a message box, records it and closes it with its
// first button, as a person would. Empty when no message box opened.
inline std::optional<SeenMessage> ClickAndAnswer(QAbstractButton* button)
{
    std::optional<SeenMessage> seen;
    QTimer::singleShot(0, button, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QStringList buttons;
        for (QAbstractButton* b : box->buttons())
            buttons << b->text();
        seen = SeenMessage{box->windowTitle(), box->text(), buttons, box->icon()};
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return seen;
}

// The text of the message the click opened, or "" when none opened.
inline QString ClickAndAnswerText(QAbstractButton* button)
{
    const std::optional<SeenMessage> seen = ClickAndAnswer(button);
    return seen ? seen->text : QString();
}
