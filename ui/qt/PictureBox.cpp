#include "PictureBox.h"

#include <QPainter>

namespace ui {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent)
    : QWidget(parent)
    , picture_(picture)
{
}

void PictureBox::addLine(const QLine& line)
{
    lines_.append(line);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLines(lines_);
}

} // namespace ui
