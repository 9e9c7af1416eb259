#pragma once

#include <QChar>
#include <QObject>

class QInputMethodEvent;
class QKeyEvent;

namespace ui {

// Lets only the digits 0-9 be typed into one text field: key presses that produce any
// other character (Backspace, Enter, Esc and Ctrl+letter included) and non-digits
// committed by an input method are dropped, and a read-only field keeps nothing an input method
// commits; keys that produce no character pass.
class DigitKeyFilter : public QObject {
    Q_OBJECT

public:
    DigitKeyFilter(int index, QObject* field);

    // The rule for every field: the index plays no part.
    static bool FilterKey(int index, QChar character);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dropsKey(const QKeyEvent& event) const;
    void filterCommit(QInputMethodEvent& event, bool readOnly) const;

    int index_;
};

} // namespace ui
