#pragma once

#include <QPushButton>

namespace ui {

// A push button that Enter and Return press as well as Space, as on the Windows desktop,
// while it has the focus. It is never a default button: keys typed in a field stay there.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace ui
