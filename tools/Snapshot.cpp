// Works examples in the calculator's windows and saves them as PNGs, so the program can
// be seen where there is no display and the README's pictures can be refreshed.
// Usage: velmo-snapshot <main.png> [--about <about.png>] [--tooltip <tooltip.png>]
//   main.png     the main window after 1 1/2 + 1 1/2
//   about.png    the About window
//   tooltip.png  the main window after 3 1/4 - 1 1/2, with the result's tooltip showing
#include "ChineseLocale.h"
#include "Evaluate.h"
#include "Form1.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolTip>

#include <cstdio>

namespace {

// Types whole A, numerator A, denominator A, whole B, numerator B, denominator B and works them out.
void Work(const ui::Form1& form, const QStringList& operands, const char* operation)
{
    using namespace engine::field;
    const int fields[] = {kWholeA, kNumeratorA, kDenominatorA, kWholeB, kNumeratorB, kDenominatorB};
    for (int i = 0; i < 6; ++i)
        form.t(fields[i])->setText(operands[i]);
    form.findChild<QPushButton*>(QString::fromLatin1(operation))->click();
    form.findChild<QPushButton*>(QStringLiteral("dy"))->click();
    QApplication::processEvents();
}

QWidget* TopLevel(const char* className)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits(className) && window->isVisible())
            return window;
    }
    return nullptr;
}

bool Save(const QPixmap& picture, const QString& path)
{
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The main window with the tooltip of the decimal field drawn where it shows.
QPixmap WithTooltip(ui::Form1& form)
{
    QLineEdit* decimal = form.t(engine::field::kDecimal);
    QToolTip::showText(decimal->mapToGlobal(QPoint(decimal->width() / 3, decimal->height())), decimal->toolTip(),
                       decimal);
    QApplication::processEvents();
    QWidget* tip = TopLevel("QTipLabel");
    if (!tip)
        return form.grab();
    const QRect area = form.frameGeometry().united(tip->frameGeometry());
    QPixmap picture(area.size());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(form.pos() - area.topLeft(), form.grab());
    painter.drawPixmap(tip->pos() - area.topLeft(), tip->grab());
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("main.png"), QStringLiteral("the main window after 1 1/2 + 1 1/2"));
    const QCommandLineOption about(QStringLiteral("about"), QStringLiteral("the About window"),
                                   QStringLiteral("about.png"));
    const QCommandLineOption tooltip(QStringLiteral("tooltip"), QStringLiteral("3 1/4 - 1 1/2 with its tooltip"),
                                     QStringLiteral("tooltip.png"));
    parser.addOptions({about, tooltip});
    parser.addHelpOption();
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    ui::InstallChineseLocale(application);
    ui::Form1 form;
    form.show();
    Work(form, {"1", "1", "2", "1", "1", "2"}, "js1");
    if (!Save(form.grab(), parser.positionalArguments().front()))
        return 1;
    if (parser.isSet(about)) {
        form.findChild<QAction*>(QStringLiteral("about"))->trigger();
        QApplication::processEvents();
        if (!Save(TopLevel("ui::Form2")->grab(), parser.value(about)))
            return 1;
    }
    if (parser.isSet(tooltip)) {
        Work(form, {"3", "1", "4", "1", "1", "2"}, "js2");
        if (!Save(WithTooltip(form), parser.value(tooltip)))
            return 1;
    }
    return 0;
}
