#pragma once

#include <QLineEdit>

// A text field for a typed time of day or date. Slot fields select their text on entry. Time and
// slot fields read what people type ("7pm", "7:30p", "1930") as tallyhold-cli and the sign-up
// page do, and show an accepted time as the roster fills them ("07:00 PM"). Every kind refuses to be left by
// the user (Tab, Shift+Tab, a click elsewhere in the window, a shortcut) holding text that is not a date or
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

    // Rewrites a time field's text into its display form, then checks it. False (after the box) when the
    // text is refused; an empty field is always accepted.
    bool acceptText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void tidyText();

    Kind m_kind;
    bool m_selectOnPress = false;
    bool m_refusing = false;
};
