#include "Form1.h"

#include "Described.h"
#include "DigitKeyFilter.h"
#include "Form2.h"
#include "MainWindow.h"
#include "PictureBox.h"
#include "PushButton.h"
#include "ScreenRect.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <cstddef>
#include <limits>

namespace ui {

namespace {

namespace layout = main_window;

QFont WindowFont(qreal points, bool bold)
{
    return ToQFont(layout::kFontFamilies, points, bold);
}

QFont WindowFont(const Font& font)
{
    return WindowFont(font.points, font.bold);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent)
    , fields_(t_, this)
{
    setWindowTitle(ToQString(layout::kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icon.bmp")));
    setFont(WindowFont(QApplication::font().pointSizeF(), false));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createPicture();
    createFields();
    createButtons();
    createMenus();
    orderTabs();
    t_[engine::field::kWholeA]->setFocus();
    centreOnScreen();
}

Form1::~Form1() = default;

QLineEdit* Form1::t(int index) const
{
    return t_.at(static_cast<std::size_t>(index));
}

void Form1::createPicture()
{
    auto* clientArea = new QWidget(this);
    clientArea->setFixedSize(ToQRect(layout::kClientArea).size());
    setCentralWidget(clientArea);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    picture1_ = new PictureBox(QPixmap(QStringLiteral(":/background.bmp")), clientArea);
    picture1_->setObjectName(ToQString(layout::kPictureName));
    picture1_->setGeometry(ToQRect(layout::kPicture));
    for (const TwipsLine& bar : layout::kFractionBars)
        picture1_->addLine(ToQLine(bar));
}

void Form1::createFields()
{
    for (std::size_t i = 0; i < t_.size(); ++i) {
        const Control& control = layout::kFields[i];
        auto* field = new QLineEdit(picture1_);
        field->setObjectName(ToQString(control.name));
        field->setGeometry(ToQRect(control.rect));
        field->setAccessibleName(ToQString(control.accessibleName));
        field->setFont(WindowFont(control.font));
        // A field takes any number of digits: a value too large gets the out-of-range message, not a cut.
        field->setMaxLength(std::numeric_limits<int>::max());
        // Dropped text would bypass the digit filter, and dragging is no way to enter a number.
        field->setAcceptDrops(false);
        field->setReadOnly(control.readOnly);
        new DigitKeyFilter(static_cast<int>(i), field);
        connect(field, &QLineEdit::textChanged, this, [this, i] { showWholeText(static_cast<int>(i)); });
        if (control.tabStop)
            tabStops_.append({control.tabIndex, field});
        else
            field->setFocusPolicy(Qt::NoFocus);
        t_[i] = field;
    }
}

void Form1::createButtons()
{
    for (std::size_t i = 0; i < layout::kOperatorButtons.size(); ++i) {
        const engine::Operation operation = engine::kOperations[i];
        QPushButton* button = createButton(layout::kOperatorButtons[i]);
        connect(button, &QPushButton::clicked, this, [this, operation] { calculator_.chooseOperation(operation); });
    }
    connect(createButton(layout::kEquals), &QPushButton::clicked, this, &Form1::evaluate);
    connect(createButton(layout::kNew), &QPushButton::clicked, this, &Form1::clearFields);
}

QPushButton* Form1::createButton(const Control& control)
{
    auto* button = new PushButton(ToQString(control.caption), picture1_);
    button->setObjectName(ToQString(control.name));
    button->setAccessibleName(ToQString(control.accessibleName));
    button->setGeometry(ToQRect(control.rect));
    button->setFont(WindowFont(control.font));
    tabStops_.append({control.tabIndex, button});
    return button;
}

void Form1::createMenus()
{
    for (const Menu& description : layout::kMenus) {
        QMenu* menu = menuBar()->addMenu(ToQString(description.caption));
        menu->setObjectName(ToQString(description.name));
        menu->setAccessibleName(ToQString(description.caption));
        menu->setFont(font()); // a menu is a window of its own and takes no font from this one
        for (const MenuItem& item : description.items) {
            if (item.isSeparator()) {
                menu->addSeparator()->setObjectName(ToQString(item.name));
                continue;
            }
            QAction* action = menu->addAction(ToQString(item.caption));
            action->setObjectName(ToQString(item.name));
            if (item.ctrlShortcut != '\0')
                action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(item.ctrlShortcut)));
            const Command command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { run(command); });
        }
    }
}

void Form1::orderTabs()
{
    std::stable_sort(tabStops_.begin(), tabStops_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 1; i < tabStops_.size(); ++i)
        setTabOrder(tabStops_[i - 1].second, tabStops_[i].second);
}

void Form1::centreOnScreen()
{
    adjustSize();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void Form1::run(Command command)
{
    switch (command) {
    case Command::None: break;
    case Command::NewCalculation: clearFields(); break;
    case Command::Exit: exitProgram(); break;
    case Command::About: showAbout(); break;
    }
}

void Form1::evaluate()
{
    calculator_.evaluate(fields_);
    showExplanation();
}

void Form1::clearFields()
{
    calculator_.clear(fields_);
    showExplanation();
    t_[engine::field::kWholeA]->setFocus();
}

// The exact result over the result fields: a tooltip for the eye, a description for screen
// readers, which Qt announces on every change.
void Form1::showExplanation()
{
    const QString reading = QString::fromStdString(calculator_.reading());
    for (int i = engine::field::kWholeR; i <= engine::field::kDecimal; ++i) {
        showWholeText(i);
        t(i)->setAccessibleDescription(reading);
    }
}

void Form1::showWholeText(int index)
{
    QLineEdit* field = t(index);
    const bool cut = Calculator::IsCut(field->fontMetrics().horizontalAdvance(field->text()), field->width());
    field->setToolTip(QString::fromStdString(calculator_.fieldTooltip(index, field->text().toStdString(), cut)));
}

// The first time beside this window; after that where the user left it.
void Form1::showAbout()
{
    if (!form2_) {
        form2_ = std::make_unique<Form2>();
        form2_->move(besideThis(form2_->size()));
    }
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
}

// Where a window of this client size goes beside this one, its frame taken as wide as this one's.
QPoint Form1::besideThis(QSize client) const
{
    const auto onScreen = [](const QRect& rect) { return ScreenRect{rect.x(), rect.y(), rect.width(), rect.height()}; };
    QRect fields;
    for (int i = engine::field::kWholeA; i <= engine::field::kDecimal; ++i)
        fields |= QRect(t(i)->mapToGlobal(QPoint()), t(i)->size());
    const QSize frame = client + (frameGeometry().size() - geometry().size());
    const ScreenRect placed = PlaceBeside(onScreen(frameGeometry()), onScreen(fields), frame.width(), frame.height(),
                                          onScreen(screen()->availableGeometry()));
    return {placed.left, placed.top};
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The About window has no owner: left open, it would keep the program running.
    form2_.reset();
    QMainWindow::closeEvent(event);
}

// "退出" ends the program at once, as it always has: leaving the event loop sends no close
// event, so nothing runs on the way out and any open About window simply goes with it.
void Form1::exitProgram()
{
    QCoreApplication::exit(0);
}

} // namespace ui
