#pragma once

#include <QLine>
#include <QList>
#include <QPixmap>
#include <QWidget>

namespace ui {

// A bitmap drawn unscaled from the top-left corner and clipped at the edges, with
// straight lines drawn over it and under any child controls. Clicks pass on to the parent.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(const QPixmap& picture, QWidget* parent = nullptr);

    void addLine(const QLine& line);
    const QList<QLine>& lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QList<QLine> lines_;
};

} // namespace ui
