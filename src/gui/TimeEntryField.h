#pragma once

#include <QLineEdit>

// A text field for a typed time of day or date. Slot fields select their text on entry and turn
// a bare number such as 730 into 7:30 on exit. Every kind refuses to be left by the user (Tab,
// Shift+Tab, a click elsewhere in the window, a shortcut) holding text that is not a date or
// time: it shows the "Data Format Error" box once for that attempt and keeps the focus. The
// window losing focus, a menu or a dialog opening, and focus moves made by the program are not
// attempts to leave, so they never bring the box: a refusal can never start a loop of boxes.
class TimeEntryField : public QLineEdit
{
    Q_OBJECT

public:
    enum class Kind { Slot, Time, Date };

    explicit TimeEntryField(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }

    // Rewrites a slot field's bare number, then checks the text. False (after the box) when the
    // text is refused; an empty field is always accepted.
    bool acceptText();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Kind m_kind;
    bool m_selectOnPress = false;
    bool m_refusing = false;
};
