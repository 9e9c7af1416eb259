#pragma once

#include "Calculator.h"
#include "Evaluate.h"
#include "Operation.h"
#include "WidgetFieldSet.h"
#include "WindowDescription.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLineEdit;
class QPushButton;

namespace ui {

class Form2;
class PictureBox;

// The main window on Qt Widgets, as ui/MainWindow.h describes it. Its handlers pass every
// command to the window's Calculator, which reaches the fields through the field set.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    QLineEdit* t(int index) const;
    const engine::CalcState& state() const { return calculator_.state(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPicture();
    void createFields();
    void createButtons();
    QPushButton* createButton(const Control& control);
    void createMenus();
    void orderTabs();
    void centreOnScreen();

    void run(Command command);
    void evaluate();
    void clearFields();
    void showExplanation();
    void showWholeText(int index);
    void showAbout();
    QPoint besideThis(QSize client) const;
    void exitProgram();

    Calculator calculator_;
    PictureBox* picture1_ = nullptr;
    std::array<QLineEdit*, engine::field::kCount> t_{};
    QList<QPair<int, QWidget*>> tabStops_; // with their tab index
    WidgetFieldSet fields_;
    std::unique_ptr<Form2> form2_; // created on first use, without owner
};

} // namespace ui
