#include "ChineseLocale.h"
#include "Form1.h"

#include <QApplication>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char* argv[])
{
#if defined(__GLIBC__)
    // A field may hold a pasted million digits, and its text layout tens of megabytes. glibc
    // would raise its mmap threshold after the first such buffer is freed and keep every later
    // one in the heap, so memory would grow with each paste; a fixed threshold returns them.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QApplication application(argc, argv);
    ui::InstallChineseLocale(application);
    ui::Form1 form1;
    form1.show();
    return QApplication::exec();
}
