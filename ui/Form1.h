#pragma once

#include "CalcState.h"
#include "Evaluate.h"
#include "Operation.h"
#include "WidgetFieldSet.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLineEdit;
class QPushButton;

namespace ui {

class Form2;
class PictureBox;

// The main window: two operands and the result as mixed numbers over a background
// picture, the operator buttons, "＝", "新运算" and the menus. Its handlers pass every
// calculation to the engine through the window's field set.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    QLineEdit* t(int index) const;
    const engine::CalcState& state() const { return state_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPicture();
    void createFields();
    void createButtons();
    void createActions();
    void createMenus();
    void orderTabs();
    void centreOnScreen();

    void chooseOperation(engine::Operation operation);
    void evaluate();
    void explainResult(engine::Operation operation);
    void showExplanation(const QString& tooltip, const QString& reading);
    void showWholeText(int index);
    void clearFields();
    void showAbout();
    void exitProgram();

    engine::CalcState state_;
    PictureBox* picture1_ = nullptr;
    std::array<QLineEdit*, engine::field::kCount> t_{};
    std::array<QPushButton*, engine::kOperations.size()> operators_{};
    QPushButton* dy_ = nullptr;
    QPushButton* new_ = nullptr;
    QAction* news_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* about_ = nullptr;
    WidgetFieldSet fields_;
    std::unique_ptr<Form2> form2_; // created on first use, without owner
    QString explanation_;          // the tooltip over the result fields
};

} // namespace ui
