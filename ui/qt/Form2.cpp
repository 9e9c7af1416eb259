#include "Form2.h"

#include "AboutWindow.h"
#include "Described.h"
#include "PictureBox.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <string_view>

namespace ui {

namespace layout = about_window;

// A label shows its text as written: Qt would read a text holding markup as rich text.
static_assert(std::ranges::none_of(layout::kLabels,
                                   [](const Label& label) { return label.text.find('<') != std::string_view::npos; }));

Form2::Form2(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(ToQString(layout::kCaption));
    setFixedSize(ToQRect(layout::kClientArea).size());
    // The labels take the window's background role, and with it the base colour behind their
    // text in the matching text colour.
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
    label->setGeometry(ToQRect(description.rect));
    if (description.wraps) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if (!description.clickHides)
        label->setAttribute(Qt::WA_NoMousePropagation);
}

void Form2::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
}

} // namespace ui
