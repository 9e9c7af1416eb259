#include "WidgetFieldSet.h"

#include "Described.h"
#include "Product.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>

#include <cstddef>

namespace ui {

WidgetFieldSet::WidgetFieldSet(const std::array<QLineEdit*, engine::field::kCount>& fields, QWidget* owner)
    : fields_(fields)
    , owner_(owner)
{
}

QLineEdit* WidgetFieldSet::field(int index) const
{
    return fields_.at(static_cast<std::size_t>(index));
}

std::string WidgetFieldSet::read(int index) const
{
    return field(index)->text().toStdString();
}

void WidgetFieldSet::write(int index, const std::string& text)
{
    // Replacing the text also drops the field's undo history; the cursor at the start shows
    // the leading digits of a number wider than the field.
    field(index)->setText(QString::fromStdString(text));
    field(index)->setCursorPosition(0);
}

void WidgetFieldSet::message(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, ToQString(product::kName), QString::fromStdString(text), QMessageBox::Ok,
                    owner_);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

} // namespace ui
