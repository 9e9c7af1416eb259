#include "ChineseLocale.h"
#include "Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::InstallChineseLocale(application);
    ui::Form1 form1;
    form1.show();
    return QApplication::exec();
}
