#include "Form2.h"

#include "AboutWindow.h"
#include "Described.h"
#include "PictureBox.h"

#include <QLabel>
#include <QMouseEvent>

namespace ui {

namespace layout = about_window;

Form2::Form2(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(ToQString(layout::kCaption));
    setFixedSize(ToQRect(layout::kClientArea).size());
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    createPicture();
    for (const Label& label : layout::kLabels)
        addLabel(label);
}

void Form2::createPicture()
{
    auto* picture = new PictureBox(QPixmap(QStringLiteral(":/about.bmp")), this);
    picture->setObjectName(ToQString(layout::kPictureName));
    picture->setGeometry(ToQRect(layout::kPicture));
}

void Form2::addLabel(const Label& description)
{
    auto* label = new QLabel(ToQString(description.text), this);
    label->setObjectName(ToQString(description.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(ToQRect(description.rect));
    if (description.wraps) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    // On the base colour a label's text takes the matching text colour.
    label->setBackgroundRole(QPalette::Base);
    label->setAutoFillBackground(true);
    if (!description.clickHides)
        label->setAttribute(Qt::WA_NoMousePropagation);
}

void Form2::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
}

} // namespace ui
