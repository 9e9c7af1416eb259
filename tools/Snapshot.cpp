// Works 1 1/2 + 1 1/2 in the main window and saves the window as a PNG, so the program
// can be seen where there is no display and the README's picture can be refreshed.
// Usage: velmo-snapshot <main.png> [<about.png>]
#include "ChineseLocale.h"
#include "Evaluate.h"
#include "Form1.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

namespace {

void Type(const ui::Form1& form, int index, const char* text)
{
    form.t(index)->setText(QString::fromLatin1(text));
}

void Click(const ui::Form1& form, const char* name)
{
    form.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

QWidget* AboutWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("Form2"))
            return window;
    }
    return nullptr;
}

bool Save(QWidget& window, const char* path)
{
    if (!window.grab().save(QString::fromLocal8Bit(path))) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return false;
    }
    std::printf("%s\n", path);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: velmo-snapshot <main.png> [<about.png>]\n");
        return 2;
    }
    ui::InstallChineseLocale(application);
    ui::Form1 form;
    form.show();
    using namespace engine::field;
    Type(form, kWholeA, "1");
    Type(form, kNumeratorA, "1");
    Type(form, kDenominatorA, "2");
    Type(form, kWholeB, "1");
    Type(form, kNumeratorB, "1");
    Type(form, kDenominatorB, "2");
    Click(form, "js1");
    Click(form, "dy");
    QApplication::processEvents();
    if (!Save(form, argv[1]))
        return 1;
    if (argc == 3) {
        form.findChild<QAction*>(QStringLiteral("about"))->trigger();
        QApplication::processEvents();
        if (!Save(*AboutWindow(), argv[2]))
            return 1;
    }
    return 0;
}
