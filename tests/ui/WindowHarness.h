#pragma once

#include "Form1.h"

#include <QStringList>

#include <functional>
#include <memory>

class QLineEdit;

// What every window test shares: the one main(), which runs each registered test object
// on the offscreen platform; opening the main window; typing; answering message boxes.
namespace harness {

int Register(const std::function<QObject*()>& make);
#define VELMO_WINDOW_TEST(Class) static const int kRegistered##Class = harness::Register([] { return new Class; })

// The main window shown and active, the focus in t(1).
std::unique_ptr<ui::Form1> OpenForm1();
QLineEdit* Field(const QWidget& form, int index);

// Runs a step of a script: "N:text" types into t(N) (key presses, or an input method's
// commit beyond Latin-1), "paste:N:text" pastes ("9*5" is 99999), "undo:N" undoes as the
// field's context menu does, "key:Ctrl+N" presses a
// key in the focused control, anything else clicks the button of that name. A message box
// it opens is checked for its title and one "确定" button, answered, and its text added to
// messages; activation then returns to the window, as a window manager hands it back.
void Perform(ui::Form1& form, const QString& step, QStringList& messages);

// Runs the application's event loop after scheduling the action; its exit code, or -1
// when nothing ended it within five seconds.
int RunEventLoop(const std::function<void()>& action);

} // namespace harness
