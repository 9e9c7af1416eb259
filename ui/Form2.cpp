#include "Form2.h"

#include "PictureBox.h"
#include "Product.h"
#include "Twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace ui {

namespace {

constexpr QRect kClientArea = TwipsRect(0, 0, 4665, 3660);

const QString kThanks = QStringLiteral("    感谢您使用“分数计算器”您对“分数计算器”有何意见或建议，请与作者联系。"
                                       "祝您学习愉快！");
const QString kMaker = QStringLiteral("制作：Velmo 工作室");
const QString kMail = QStringLiteral("邮箱：velmo@example.com");
const QString kMessaging = QStringLiteral("即时通讯：velmo2026");
const QString kMorePrograms = QStringLiteral("更多小程序请访问：\nwww.example.com/velmo");

} // namespace

Form2::Form2(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(kClientArea.size());
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    createPicture();
    createLabels();
}

void Form2::createPicture()
{
    auto* picture = new PictureBox(QPixmap(QStringLiteral(":/about.bmp")), this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(TwipsRect(2640, 0, 2055, 3855));
}

void Form2::createLabels()
{
    addLabel(QStringLiteral("Label3"), product::kName + QStringLiteral(" Ver") + product::kVersion,
             TwipsRect(240, 120, 2175, 255));
    QLabel* thanks = addLabel(QStringLiteral("Label1"), kThanks, TwipsRect(120, 480, 2415, 1695));
    thanks->setWordWrap(true);
    thanks->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addLabel(QStringLiteral("Label2"), kMaker, TwipsRect(240, 2280, 2175, 255));
    addLabel(QStringLiteral("Label4"), kMail, TwipsRect(0, 2520, 2535, 255));
    // Clicks on the contact line and the note stay there, so reading them never closes the window.
    for (QLabel* label : {addLabel(QStringLiteral("Label6"), kMessaging, TwipsRect(360, 2760, 1935, 255)),
                          addLabel(QStringLiteral("Label5"), kMorePrograms, TwipsRect(0, 3050, 2535, 615))})
        label->setAttribute(Qt::WA_NoMousePropagation);
}

QLabel* Form2::addLabel(const QString& name, const QString& text, const QRect& rect)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    // On the base colour a label's text takes the matching text colour.
    label->setBackgroundRole(QPalette::Base);
    label->setAutoFillBackground(true);
    return label;
}

void Form2::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
}

} // namespace ui
