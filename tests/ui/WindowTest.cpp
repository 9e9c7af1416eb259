#include "AboutWindow.h"
#include "ChineseLocale.h"
#include "Described.h"
#include "DescribedControls.h"
#include "Form1.h"
#include "Form2.h"
#include "MainWindow.h"
#include "PictureBox.h"
#include "Pixels.h"
#include "PlainMessage.h"
#include "ScreenRect.h"
#include "Step.h"
#include "StoryOutcome.h"
#include "UserStories.h"
#include "Walk.h"

#include <QtTest>
#include <QtWidgets>

// The two windows as a user meets them on the offscreen platform: what they do and then
// see, where each control sits and how it is lettered, the About window, how the program ends.
namespace {

const auto Field
    = [](const QWidget& form, int index) { return form.findChild<QLineEdit*>(QStringLiteral("t%1").arg(index)); };

ui::Form2* AboutWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<ui::Form2*>(window))
            return about;
    return nullptr;
}

// Where the description puts a rectangle, worked out here at 96 DPI: Qt scales to the screen itself.
QRect InPixels(const ui::TwipsRect& rect)
{
    using support::Pixels;
    return {Pixels(rect.left), Pixels(rect.top), Pixels(rect.width), Pixels(rect.height)};
}

// Performs one step of a script (UserStories.h). A click activates its window, as a window
// manager does, and a message box the step opens is answered; activation then returns to the
// main window, as a window manager hands it back. Returns the messages shown.
QString Perform(ui::Form1& form, const std::string& text)
{
    using Kind = support::Step::Kind;
    const support::Step step = support::Step::Parse(text);
    const QString said = ui::ToQString(step.text);
    QStringList messages;
    if (step.kind == Kind::Type) {
        QLineEdit* field = Field(form, step.field);
        if (QApplication::focusWidget() != field) { // a click at its right end
            QApplication::setActiveWindow(&form);
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 3, field->height() / 2));
        }
        QInputMethodEvent commit;
        commit.setCommitString(said);
        step.inputMethod || said.toLatin1() != said.toUtf8() ? void(QApplication::sendEvent(field, &commit))
                                                             : QTest::keyClicks(field, said);
    } else if (step.kind == Kind::Paste) {
        // From the field's context menu, which offers no paste into a read-only field.
        QApplication::clipboard()->setText(said);
        const std::unique_ptr<QMenu> menu(Field(form, step.field)->createStandardContextMenu());
        for (QAction* item : menu->actions())
            if (item->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste")) && item->isEnabled())
                item->trigger();
    } else if (step.kind == Kind::Select) { // a double-click on the field's first character
        QApplication::setActiveWindow(&form);
        QTest::mouseDClick(Field(form, step.field), Qt::LeftButton, {},
                           QPoint(6, Field(form, step.field)->height() / 2));
    } else if (step.kind == Kind::Menu) {
        form.findChild<QAction*>(said)->trigger();
        QApplication::processEvents();
    } else if (ui::Form2* about = AboutWindow(); step.kind == Kind::About) {
        QWidget* part = said == QStringLiteral("Form2") ? about : about->findChild<QWidget*>(said);
        QApplication::setActiveWindow(about);
        QTest::mouseClick(part, Qt::LeftButton, {}, part == about ? QPoint(4, 4) : part->rect().center());
        if (!about->isVisible())
            QApplication::setActiveWindow(&form);
    } else {
        // A message box runs a loop of its own; the answer is queued to run inside it, and
        // answers whatever box shows, so that a wrong one fails the comparison, not the run.
        QTimer::singleShot(0, &form, [&messages] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                std::vector<std::string> buttons;
                for (QAbstractButton* button : box->buttons())
                    buttons.push_back(button->text().toStdString());
                messages << QString::fromStdString(support::PlainMessage(box->text().toStdString(),
                                                                         box->windowTitle().toStdString(), buttons,
                                                                         box->icon() != QMessageBox::NoIcon));
                QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
            }
        });
        const QKeyCombination key = QKeySequence(said)[0];
        if (step.kind == Kind::Key)
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        else
            QTest::mouseClick(form.findChild<QPushButton*>(said), Qt::LeftButton);
        QApplication::setActiveWindow(&form);
        QApplication::processEvents();
    }
    return messages.join(u'|');
}

// The column of every pixel, inside the margin, whose colour passes the test.
template <typename Test> QList<int> Columns(const QImage& image, Test test, int margin = 0)
{
    QList<int> columns;
    for (int y = margin; y < image.height() - margin; ++y)
        for (int x = margin; x < image.width() - margin; ++x)
            if (test(image.pixelColor(x, y)))
                columns << x;
    return columns;
}

const auto IsRed = [](const QColor& colour) { return colour.red() > 0x80 && colour.green() < 0x40; };
const auto IsDark = [](const QColor& colour) { return qGray(colour.rgb()) < 128; };

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // Qt's own texts (context menus) in Chinese.
    void initTestCase()
    {
        ui::InstallChineseLocale(*qApp);
        QVERIFY(QCoreApplication::translate("QLineEdit", "&Paste").contains(QStringLiteral("粘贴")));
    }
    // The main window shown and active, the focus in t(1).
    void init()
    {
        form_ = std::make_unique<ui::Form1>();
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void userActions_data()
    {
        QTest::addColumn<std::size_t>("story");
        for (std::size_t i = 0; i < support::kUserStories.size(); ++i)
            QTest::newRow(support::kUserStories[i].name.data()) << i;
    }

    void userActions()
    {
        QFETCH(std::size_t, story);
        const support::UserStory& told = support::kUserStories[story];
        QStringList messages, fields;
        for (const std::string& step : support::Split(told.script, ';'))
            if (const QString shown = Perform(*form_, step); !shown.isEmpty())
                messages << shown;
        for (int i = 1; i <= 10; ++i)
            fields << Field(*form_, i)->text();
        const support::StoryOutcome seen{messages.join(u'|').toStdString(), fields.join(u',').toStdString(),
                                         QApplication::focusWidget()->objectName().toStdString(),
                                         Field(*form_, 10)->toolTip().toStdString(),
                                         Field(*form_, 10)->accessibleDescription().toStdString()};
        const std::string differences = seen.differences(told);
        QVERIFY2(differences.empty(), differences.c_str());
        for (int i = 7; i <= 10; ++i) { // every result field explains as t(10) does, its leading digits shown
            const QString shown = Field(*form_, i)->toolTip();
            QVERIFY2(told.tooltip.empty() ? shown.isEmpty() : shown.endsWith(ui::ToQString(told.tooltip)),
                     qPrintable(shown));
            QCOMPARE(Field(*form_, i)->cursorPosition(), 0);
            QCOMPARE(Field(*form_, i)->accessibleDescription(), Field(*form_, 10)->accessibleDescription());
        }
    }

    // Thousands of random actions, the window compared with the model after each.
    void walk()
    {
        support::Walk walk(20000, 32);
        const std::string report
            = walk.replay([this](const std::string& step) { return Perform(*form_, step).toStdString(); },
                          [this](support::Observed& seen) {
                              for (int i = 0; i <= 10; ++i)
                                  seen.fields[static_cast<std::size_t>(i)] = Field(*form_, i)->text().toStdString();
                              seen.operation = form_->state().OpCode;
                              if (QWidget* focus = QApplication::focusWidget())
                                  seen.focus = focus->objectName().toStdString();
                              for (QWidget* window : QApplication::topLevelWidgets())
                                  if (const auto* about = qobject_cast<ui::Form2*>(window))
                                      ++seen.aboutWindows, seen.aboutShown = about->isVisible();
                          },
                          [](const auto& check) { check(); });
        QVERIFY2(report.empty(), report.c_str());
    }

    // Every control as described: in pixels at 96 DPI, 15 twips each.
    void controls_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("accessibleName");
        for (const ui::Control& c : support::DescribedControls())
            QTest::newRow(c.name.data()) << InPixels(c.rect) << c.font.points << ui::ToQString(c.caption)
                                         << ui::ToQString(c.accessibleName);
    }

    void controls()
    {
        auto* control = form_->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control && control->parentWidget()->objectName() == QStringLiteral("Picture1"));
        QTEST(control->geometry(), "rect");
        QTEST(control->font().pointSizeF(), "points");
        QCOMPARE(control->font().bold(), control->font().pointSizeF() > 12);
        QTEST(control->property("text").toString(), "caption");
        QTEST(control->accessibleName(), "accessibleName");
        QCOMPARE(control->inherits("QLineEdit") && !control->property("readOnly").toBool(),
                 QStringLiteral("t1 t2 t3 t4 t5 t6 t0").split(u' ').contains(control->objectName()));
        QVERIFY(!control->acceptDrops()); // dropped text would pass by the digit filter
        const QString family = QFontInfo(control->font()).family();
        QVERIFY2(family.contains(QStringLiteral("SimSun")) || family.contains(QStringLiteral("Noto Serif CJK")),
                 qPrintable(family));
        // One font list for the whole window, the menus in its regular weight.
        const QFont menu = form_->findChild<QMenu*>(QStringLiteral("gongneng"))->font();
        QVERIFY(QFontInfo(form_->menuBar()->font()).family() == family && QFontInfo(menu).family() == family);
        QVERIFY(!form_->menuBar()->font().bold() && !menu.bold());
        // Ten digits are too wide for a narrow field: its tooltip shows them whole.
        if (auto* field = qobject_cast<QLineEdit*>(control); field && (field->setText("1234567890"), true))
            QCOMPARE(field->toolTip(), field->width() < 100 ? field->text() : QString());
        // "×" and "÷" are drawn as wide as "＋" and "－" (AR PL UMing's "×" is 6 pixels).
        if (const QList<int> ink = Columns(control->grab().toImage(), IsDark, 4); control->inherits("QPushButton")) {
            QVERIFY2(!ink.isEmpty(), "no caption drawn");
            const auto [left, right] = std::minmax_element(ink.begin(), ink.end());
            QVERIFY2(*right - *left >= 10, qPrintable(QString::number(*right - *left)));
        }
    }

    void windowMenusAndBars()
    {
        QCOMPARE(form_->windowTitle(), ui::ToQString(ui::product::kCaption));
        QCOMPARE(form_->centralWidget()->size(), QSize(192, 373));
        QVERIFY(form_->minimumSize() == form_->maximumSize());
        auto* picture = form_->findChild<ui::PictureBox*>(QStringLiteral("Picture1"));
        QCOMPARE(picture->geometry(), QRect(0, 0, 193, 373));
        QCOMPARE(picture->lines(), QList<QLine>({{96, 64, 177, 64}, {96, 168, 177, 168}, {96, 264, 177, 264}}));
        // The background shows, the bars over it, and the window opens in the middle of the screen.
        const QImage shown = picture->grab().toImage(), background(QStringLiteral(":/background.bmp"));
        QCOMPARE(shown.pixelColor(185, 360), background.pixelColor(185, 360));
        const QColor bar = picture->palette().color(QPalette::WindowText);
        QVERIFY(shown.pixelColor(120, 168) == bar && shown.pixelColor(120, 167) != bar
                && shown.pixelColor(120, 169) != bar);
        QVERIFY((form_->frameGeometry().center() - form_->screen()->availableGeometry().center()).manhattanLength()
                < 8);
        QStringList menus;
        for (QAction* menu : form_->menuBar()->actions()) {
            // A screen reader names the open menu as the bar does.
            menus << menu->menu()->objectName() + u'=' + menu->text() + u'='
                    + QAccessible::queryAccessibleInterface(menu->menu())->text(QAccessible::Name);
            for (QAction* item : menu->menu()->actions())
                menus << item->objectName() + u'=' + item->text() + u'=' + item->shortcut().toString();
        }
        QCOMPARE(menus.join(u' '),
                 QStringLiteral("gongneng=功能=功能 news=新运算=Ctrl+N hhh== exit=退出= help=帮助=帮助 about=关于="));
    }

    void about_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        namespace layout = ui::about_window;
        QTest::newRow("Form2") << InPixels(layout::kClientArea) << "";
        QTest::newRow("Picture1") << InPixels(layout::kPicture) << "";
        for (const ui::Label& label : layout::kLabels)
            QTest::newRow(label.name.data()) << InPixels(label.rect) << ui::ToQString(label.text);
    }

    // Under a colour scheme of its own, the base behind and the text colour (red) for the labels.
    void about()
    {
        ui::Form2* about = showAbout();
        QVERIFY(about && about->windowTitle() == ui::ToQString(ui::about_window::kCaption) && !about->parentWidget()
                && !about->isModal());
        about->setPalette(QPalette(Qt::green, Qt::gray, Qt::white, Qt::black, Qt::gray, Qt::red, Qt::white,
                                   QColor(0x20, 0x30, 0x40), Qt::gray));
        QCOMPARE(showAbout(), about); // in front again
        for (int i = 1; i <= 10; ++i) // beside the main window, over none of its fields
            QVERIFY(!about->frameGeometry().intersects(
                QRect(Field(*form_, i)->mapToGlobal(QPoint()), QSize(Field(*form_, i)->size()))));
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QWidget* part = name == QStringLiteral("Form2") ? about : about->findChild<QWidget*>(name);
        QTEST(part == about ? QRect(QPoint(), about->size()) : part->geometry(), "rect");
        QFETCH(QString, text);
        QCOMPARE(part->property("text").toString().left(text.size()), text);
        QCOMPARE(part->property("wordWrap").toBool(), name == QStringLiteral("Label1"));
        const QImage image = about->grab(part == about ? about->rect() : part->geometry()).toImage(); // as shown
        if (part->inherits("QLabel") || part == about)
            QCOMPARE(image.pixelColor(part == about ? 4 : image.width() - 1, 0), QColor(0x20, 0x30, 0x40));
        QCOMPARE(Columns(image, IsRed).size() > 30, name != QStringLiteral("Picture1"));
        // The paragraph starts at the top.
        QVERIFY(name != QStringLiteral("Label1") || !Columns(image.copy(0, 8, image.width(), 1), IsRed).isEmpty());
        // The walk clicks the window's own background in its top-left corner, where no part lies.
        QCOMPARE(about->childAt(QPoint(4, 4)), nullptr);
    }

    // Where the About window first opens, from the main window's frame and the work area.
    void placeBeside_data()
    {
        for (const char* column : {"main", "work"})
            QTest::addColumn<QRect>(column);
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("right") << QRect(100, 100, 200, 400) << QRect(0, 0, 1000, 800) << QPoint(300, 100);
        QTest::newRow("left") << QRect(600, 100, 200, 400) << QRect(0, 0, 1000, 800) << QPoint(300, 100);
        QTest::newRow("below") << QRect(250, 100, 300, 400) << QRect(0, 0, 800, 800) << QPoint(250, 500);
        QTest::newRow("clear of the fields") << QRect(300, 100, 200, 400) << QRect(5, 0, 785, 600) << QPoint(490, 100);
        QTest::newRow("covering least") << QRect(0, 0, 200, 400) << QRect(0, 0, 400, 400) << QPoint(100, 0);
    }

    // The fields lie nearer the main window's left edge than its right, as in the window.
    void placeBeside()
    {
        QFETCH(QRect, main);
        QFETCH(QRect, work);
        const auto onScreen = [](QRect r) { return ui::ScreenRect{r.x(), r.y(), r.width(), r.height()}; };
        const ui::ScreenRect placed
            = ui::PlaceBeside(onScreen(main), onScreen(main.adjusted(2, 50, -20, -10)), 300, 250, onScreen(work));
        QTEST(QPoint(placed.left, placed.top), "placed");
    }

    void endingTheProgram_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("closing the main window") << false;
        QTest::newRow("退出") << true;
    }

    // Either way the program ends with 0, the About window open. It has no owner: left open, it
    // would keep the program running after the main window closes.
    void endingTheProgram()
    {
        QFETCH(bool, byExit);
        form_->findChild<QAction*>(QStringLiteral("about"))->trigger();
        QTimer::singleShot(0, form_.get(), [this, byExit] {
            byExit ? form_->findChild<QAction*>(QStringLiteral("exit"))->trigger() : void(form_->close());
        });
        QTimer stuck; // nothing ended the program
        stuck.callOnTimeout([] { QCoreApplication::exit(-1); });
        stuck.start(5000);
        QCOMPARE(QApplication::exec(), 0);
    }

private:
    ui::Form2* showAbout()
    {
        form_->findChild<QAction*>(QStringLiteral("about"))->trigger();
        QApplication::processEvents();
        return qobject_cast<ui::Form2*>(QApplication::activeWindow()); // in front, ready to be read
    }

    std::unique_ptr<ui::Form1> form_;
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
