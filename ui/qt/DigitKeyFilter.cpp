#include "DigitKeyFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

namespace ui {

namespace {

// Keys that produce no character, even where the platform attaches one to the event.
bool IsCharacterlessKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
    }
}

// The characters a key press types: its text, or for keys whose text the platform may
// leave empty the control character they stand for.
QString TypedText(const QKeyEvent& event)
{
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(key - Qt::Key_A + 1);
    if (!event.text().isEmpty())
        return event.text();
    switch (key) {
    case Qt::Key_Backspace: return QChar(0x08);
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(0x0D);
    case Qt::Key_Escape: return QChar(0x1B);
    default: return {};
    }
}

} // namespace

DigitKeyFilter::DigitKeyFilter(int index, QObject* field)
    : QObject(field)
    , index_(index)
{
    field->installEventFilter(this);
}

// Backspace, Enter, Esc and the Ctrl+letter copy, paste and undo keys are characters too
// and are dropped as well: the fields have always taken digits alone from the keyboard.
// Delete, the arrows and the context menu still edit, and whatever a paste brings in is
// checked by the evaluation.
bool DigitKeyFilter::FilterKey(int, QChar character)
{
    return character >= u'0' && character <= u'9';
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: return dropsKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::InputMethod:
        filterCommit(static_cast<QInputMethodEvent&>(*event), watched->property("readOnly").toBool());
        return false;
    default: return QObject::eventFilter(watched, event);
    }
}

bool DigitKeyFilter::dropsKey(const QKeyEvent& event) const
{
    if (IsCharacterlessKey(event.key()))
        return false;
    const QString text = TypedText(event);
    return std::any_of(text.begin(), text.end(), [this](QChar c) { return !FilterKey(index_, c); });
}

// Qt 6.4's read-only QLineEdit takes what an input method commits (QTBUG-119182): a result
// field keeps none of it.
void DigitKeyFilter::filterCommit(QInputMethodEvent& event, bool readOnly) const
{
    QString digits;
    for (const QChar c : event.commitString()) {
        if (!readOnly && FilterKey(index_, c))
            digits.append(c);
    }
    if (digits != event.commitString())
        event.setCommitString(digits, event.replacementStart(), event.replacementLength());
}

} // namespace ui
