// Works 1 1/2 + 1 1/2 in the main window and saves the window as a PNG, so the program
// can be seen where there is no display and the README's picture can be refreshed.
// Usage: velmo-snapshot <output.png>
#include "ChineseLocale.h"
#include "Evaluate.h"
#include "Form1.h"

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmo-snapshot <output.png>\n");
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
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (!form.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s\n", argv[1]);
    return 0;
}
