#pragma once

#include "Form1.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QAbstractButton;
class QLineEdit;
class QPushButton;

// What every window test shares: one main() that runs each registered test object on
// the offscreen platform, opening the main window, typing, and answering message boxes.
namespace harness {

int Register(std::function<QObject*()> make);
#define VELMO_WINDOW_TEST(Class)                                                                                       \
    static const int kRegistered##Class = harness::Register([] { return new Class; }) // NOLINT

// The main window shown and active, the focus in t(1).
std::unique_ptr<ui::Form1> OpenForm1();

QLineEdit* Field(const QWidget& form, int index);
QPushButton* Button(const QWidget& form, const QString& name);

// Types into the field as a person would: key presses, or an input method's commit for
// text beyond Latin-1.
void Type(QLineEdit* field, const QString& text);

// Runs the action; every message box it opens is checked for its title and single
// button, closed with "确定", and its text appended to messages. Activation is handed
// back to the window afterwards, as a window manager does.
void AnswerMessages(QWidget* window, const std::function<void()>& action, QStringList& messages);

// Runs the application's event loop after scheduling the action, until something ends
// it; returns its exit code, or -1 after five seconds.
int RunEventLoop(const std::function<void()>& action);

} // namespace harness
