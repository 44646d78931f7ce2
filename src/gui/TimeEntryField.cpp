#include "TimeEntryField.h"

#include "gui/Messages.h"
#include "time/TimeText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace {

// Swallows the mouse press that is being delivered right now, after a click elsewhere was
// refused: the clicked button must not go down (and stay down) or run its command. It is gone
// by the next turn of the event loop, so it can never eat a later click.
class RefusedPress : public QObject
{
public:
    RefusedPress()
    {
        qApp->installEventFilter(this);
        deleteLater();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return false;
        qApp->removeEventFilter(this);
        return true;
    }
};

bool isAttemptToLeave(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace

TimeEntryField::TimeEntryField(Kind kind, QWidget* parent)
    : QLineEdit(parent)
    , m_kind(kind)
{
}

bool TimeEntryField::acceptText()
{
    if (m_refusing)
        return false;
    tidyText();
    if (text().isEmpty() || IsDateTimeText(text()))
        return true;
    m_refusing = true;
    Messages::refuseEntry(this, tr("Data Format Error"),
                          m_kind == Kind::Date
                              ? tr("This field must be in a valid date format!  MM/DD/YYYY")
                              : tr("This field must be in a valid time format!  HH:MM AM/PM"),
                          Messages::Icon::Information);
    m_refusing = false;
    // What is typed next (perhaps while the box was up) replaces the refused text.
    selectAll();
    return false;
}

void TimeEntryField::tidyText()
{
    if (m_kind == Kind::Date)
        return;
    const QString shown = TimeFieldText(text());
    if (shown != text())
        setText(shown);
}

void TimeEntryField::keyPressEvent(QKeyEvent* event)
{
    // Enter runs a command on the text (Show Available): it gets the time as the field shows it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        tidyText();
    QLineEdit::keyPressEvent(event);
}

void TimeEntryField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_kind != Kind::Slot)
        return;
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        // The press that gave the focus places the cursor next; select after it.
        m_selectOnPress = true;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        selectAll();
        break;
    }
}

void TimeEntryField::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (m_selectOnPress) {
        m_selectOnPress = false;
        selectAll();
    }
}

bool TimeEntryField::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab are refused here, before the focus moves at all.
    if (!acceptText())
        return true;
    return QLineEdit::focusNextPrevChild(next);
}

void TimeEntryField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    m_selectOnPress = false;
    if (!isAttemptToLeave(event->reason()) || acceptText())
        return;
    setFocus(Qt::OtherFocusReason);
    if (event->reason() == Qt::MouseFocusReason)
        new RefusedPress;
}
