#pragma once

#include "WindowDescription.h"

#include <QWidget>

namespace ui {

// The About window on Qt Widgets, as ui/AboutWindow.h describes it.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void createPicture();
    void addLabel(const Label& description);
};

} // namespace ui
