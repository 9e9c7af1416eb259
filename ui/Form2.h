#pragma once

#include <QWidget>

class QLabel;

namespace ui {

// The About window: a picture on the right and lines of text on the left. A click
// anywhere in it hides it, except on the contact line and the note below it.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void createPicture();
    void createLabels();
    QLabel* addLabel(const QString& name, const QString& text, const QRect& rect);
};

} // namespace ui
