#include "Form1.h"

#include "DigitKeyFilter.h"
#include "Evaluate.h"
#include "ExactValue.h"
#include "Form2.h"
#include "PictureBox.h"
#include "Product.h"
#include "PushButton.h"
#include "ResultExplanation.h"
#include "Twips.h"
#include "Working.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <cstddef>
#include <limits>

namespace ui {

namespace {

constexpr QRect kClientArea = TwipsRect(0, 0, 2880, 5595);
constexpr QRect kPictureRect = TwipsRect(0, 0, 2890, 5600);

struct FieldSpec {
    QRect rect;
    const char16_t* accessibleName;
};

// Where each text field t(0)..t(10) sits on the picture; t(0) is a spare below its edge.
constexpr std::array<FieldSpec, engine::field::kCount> kFields{{
    {TwipsRect(0, 6000, 1215, 375), u"备用"},
    {TwipsRect(120, 840, 1215, 375), u"第一个数 整数部分"},
    {TwipsRect(1440, 1080, 1215, 375), u"第一个数 分母"},
    {TwipsRect(1440, 480, 1215, 375), u"第一个数 分子"},
    {TwipsRect(120, 2400, 1215, 375), u"第二个数 整数部分"},
    {TwipsRect(1440, 2640, 1215, 375), u"第二个数 分母"},
    {TwipsRect(1440, 2040, 1215, 375), u"第二个数 分子"},
    {TwipsRect(120, 3840, 1215, 375), u"结果 整数部分"},
    {TwipsRect(1440, 4080, 1215, 375), u"结果 分母"},
    {TwipsRect(1440, 3480, 1215, 375), u"结果 分子"},
    {TwipsRect(120, 4680, 2535, 375), u"结果 小数"},
}};

// The fraction bars of A, B and R, each between its numerator and denominator.
constexpr std::array<QLine, 3> kFractionBars{
    TwipsLine(1440, 960, 2650, 960),
    TwipsLine(1440, 2520, 2650, 2520),
    TwipsLine(1440, 3960, 2650, 3960),
};

struct ButtonSpec {
    const char16_t* caption;
    QRect rect;
    const char16_t* accessibleName;
};

// The button that chooses each operation; its objectName is js1..js4 in button order.
constexpr ButtonSpec OperatorButton(engine::Operation operation)
{
    switch (operation) {
    case engine::Operation::None: break;
    case engine::Operation::Add: return {u"＋", TwipsRect(240, 1500, 495, 495), u"加"};
    case engine::Operation::Subtract: return {u"－", TwipsRect(840, 1500, 495, 495), u"减"};
    case engine::Operation::Multiply: return {u"×", TwipsRect(1440, 1500, 495, 495), u"乘"};
    case engine::Operation::Divide: return {u"÷", TwipsRect(2040, 1500, 495, 495), u"除"};
    }
    return {};
}

constexpr QRect kEqualsRect = TwipsRect(840, 3080, 1095, 375);
constexpr QRect kNewRect = TwipsRect(800, 50, 1095, 375);

constexpr int kFirstResultField = engine::field::kWholeR;

// 宋体 where it is installed, else a Ming-style CJK font that, like 宋体, draws "×" and "÷"
// full-width (AR PL UMing draws them half as large as "＋"). The one list serves the whole
// window, so that one CJK font is loaded.
QFont SongTi(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("AR PL UMing CN")});
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QPushButton* MakeButton(const QString& caption, const QString& name, const QString& accessibleName, const QRect& rect,
                        const QFont& font, QWidget* parent)
{
    auto* button = new PushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setGeometry(rect);
    button->setFont(font);
    return button;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent)
    , fields_(t_, this)
{
    setWindowTitle(product::kName + QStringLiteral(" V") + product::kVersion);
    setWindowIcon(QIcon(QStringLiteral(":/icon.bmp")));
    setFont(SongTi(QApplication::font().pointSizeF(), false));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createPicture();
    createFields();
    createButtons();
    createActions();
    createMenus();
    orderTabs();
    state_.OpCode = engine::ToOpCode(engine::Operation::None);
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
    clientArea->setFixedSize(kClientArea.size());
    setCentralWidget(clientArea);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    picture1_ = new PictureBox(QPixmap(QStringLiteral(":/background.bmp")), clientArea);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(kPictureRect);
    for (const QLine& bar : kFractionBars)
        picture1_->addLine(bar);
}

void Form1::createFields()
{
    const QFont font = SongTi(12, false);
    for (std::size_t i = 0; i < t_.size(); ++i) {
        auto* field = new QLineEdit(picture1_);
        field->setObjectName(QStringLiteral("t%1").arg(i));
        field->setGeometry(kFields[i].rect);
        field->setAccessibleName(QString::fromUtf16(kFields[i].accessibleName));
        field->setFont(font);
        // A field takes any number of digits: a value too large gets the out-of-range message, not a cut.
        field->setMaxLength(std::numeric_limits<int>::max());
        // Dropped text would bypass the digit filter, and dragging is no way to enter a number.
        field->setAcceptDrops(false);
        field->setReadOnly(static_cast<int>(i) >= kFirstResultField);
        new DigitKeyFilter(static_cast<int>(i), field);
        connect(field, &QLineEdit::textChanged, this, [this, i] { showWholeText(static_cast<int>(i)); });
        t_[i] = field;
    }
    t_[engine::field::kSpare]->setFocusPolicy(Qt::NoFocus);
}

void Form1::createButtons()
{
    const QFont operatorFont = SongTi(14.25, true);
    for (std::size_t i = 0; i < operators_.size(); ++i) {
        const engine::Operation operation = engine::kOperations[i];
        const ButtonSpec entry = OperatorButton(operation);
        operators_[i] = MakeButton(QString::fromUtf16(entry.caption), QStringLiteral("js%1").arg(i + 1),
                                   QString::fromUtf16(entry.accessibleName), entry.rect, operatorFont, picture1_);
        connect(operators_[i], &QPushButton::clicked, this, [this, operation] { chooseOperation(operation); });
    }
    dy_ = MakeButton(QStringLiteral("＝"), QStringLiteral("dy"), QStringLiteral("等于"), kEqualsRect, SongTi(15, true),
                     picture1_);
    connect(dy_, &QPushButton::clicked, this, &Form1::evaluate);
    new_ = MakeButton(QStringLiteral("新运算"), QStringLiteral("new"), QStringLiteral("新运算"), kNewRect,
                      SongTi(12, false), picture1_);
    connect(new_, &QPushButton::clicked, this, &Form1::clearFields);
}

void Form1::createActions()
{
    news_ = new QAction(QStringLiteral("新运算"), this);
    news_->setObjectName(QStringLiteral("news"));
    news_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(news_, &QAction::triggered, this, &Form1::clearFields);

    exit_ = new QAction(QStringLiteral("退出"), this);
    exit_->setObjectName(QStringLiteral("exit"));
    connect(exit_, &QAction::triggered, this, &Form1::exitProgram);

    about_ = new QAction(QStringLiteral("关于"), this);
    about_->setObjectName(QStringLiteral("about"));
    connect(about_, &QAction::triggered, this, &Form1::showAbout);
}

void Form1::createMenus()
{
    QMenu* gongneng = menuBar()->addMenu(QStringLiteral("功能"));
    gongneng->setObjectName(QStringLiteral("gongneng"));
    gongneng->setAccessibleName(QStringLiteral("功能"));
    gongneng->setFont(font()); // a menu is a window of its own and takes no font from this one
    gongneng->addAction(news_);
    gongneng->addSeparator()->setObjectName(QStringLiteral("hhh"));
    gongneng->addAction(exit_);

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    help->setObjectName(QStringLiteral("help"));
    help->setAccessibleName(QStringLiteral("帮助"));
    help->setFont(font());
    help->addAction(about_);
}

// Operand A's fields, the operator buttons, B's fields, "＝", the result's fields, "新运算".
void Form1::orderTabs()
{
    namespace field = engine::field;
    QList<QWidget*> order;
    const auto addFields = [this, &order](int first, int last) {
        for (int i = first; i <= last; ++i)
            order << t(i);
    };
    addFields(field::kWholeA, field::kNumeratorA);
    order.append(QList<QWidget*>(operators_.begin(), operators_.end()));
    addFields(field::kWholeB, field::kNumeratorB);
    order << dy_;
    addFields(field::kWholeR, field::kDecimal);
    order << new_;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::centreOnScreen()
{
    adjustSize();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void Form1::chooseOperation(engine::Operation operation)
{
    state_.OpCode = engine::ToOpCode(operation);
}

void Form1::evaluate()
{
    const engine::Operation operation = engine::ToOperation(state_.OpCode); // used up by the evaluation
    engine::Evaluate(state_, fields_);
    if (state_.hasResult())
        explainResult(operation);
    else
        showExplanation({}, {});
}

// Replacing the text, unlike clear(), keeps no undo history of what was there.
void Form1::clearFields()
{
    for (QLineEdit* field : t_)
        field->setText(QString());
    showExplanation({}, {});
    t_[engine::field::kWholeA]->setFocus();
}

void Form1::explainResult(engine::Operation operation)
{
    const engine::ExactValue value = engine::ToExactValue(state_.number(engine::Slot::R));
    const QString working = QString::fromStdString(
        engine::Working(state_.number(engine::Slot::A), state_.number(engine::Slot::B), operation));
    showExplanation(QString::fromStdString(engine::ResultTooltip(value)) + u'\n' + working,
                    QString::fromStdString(engine::ChineseReading(value)) + QStringLiteral("；") + working);
}

// The exact result over the result fields: a tooltip for the eye, a description for screen
// readers, which Qt announces on every change.
void Form1::showExplanation(const QString& tooltip, const QString& reading)
{
    explanation_ = tooltip;
    for (int i = kFirstResultField; i <= engine::field::kDecimal; ++i) {
        showWholeText(i);
        t(i)->setAccessibleDescription(reading);
    }
}

// A field's tooltip shows the whole of a text too wide for it, above a result's explanation.
void Form1::showWholeText(int index)
{
    QLineEdit* field = t(index);
    // The frame and the field's inner margin take about 4 pixels on each side.
    const bool cut = field->fontMetrics().horizontalAdvance(field->text()) > field->width() - 8;
    const QString explanation = index >= kFirstResultField ? explanation_ : QString();
    QStringList lines;
    if (cut)
        lines << field->text();
    if (!explanation.isEmpty())
        lines << explanation;
    field->setToolTip(lines.join(u'\n'));
}

void Form1::showAbout()
{
    if (!form2_)
        form2_ = std::make_unique<Form2>();
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
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
