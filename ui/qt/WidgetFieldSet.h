#pragma once

#include "Evaluate.h"
#include "FieldSet.h"

#include <QString>

#include <array>

class QLineEdit;
class QWidget;

namespace ui {

// The evaluation's view of the main window: its eleven text fields, and a modal
// message box over it. Refers to the window's own field array, filled in later.
class WidgetFieldSet : public engine::FieldSet {
public:
    WidgetFieldSet(const std::array<QLineEdit*, engine::field::kCount>& fields, QWidget* owner);

    std::string read(int index) const override;
    void write(int index, const std::string& text) override;
    void message(const std::string& text) override;

private:
    QLineEdit* field(int index) const;

    const std::array<QLineEdit*, engine::field::kCount>& fields_;
    QWidget* owner_;
};

} // namespace ui
