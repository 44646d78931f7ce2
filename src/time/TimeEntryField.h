#pragma once

#include <QLineEdit>

// A text field for a typed time of day or date. Slot fields select their text on entry and turn
// a bare number such as 730 into 7:30 on exit; every kind refuses to be left holding text that
// is not a date or time: it shows the "Data Format Error" box and keeps the focus.
class TimeEntryField : public QLineEdit
{
    Q_OBJECT

public:
    enum class Kind { Slot, Time, Date };

    explicit TimeEntryField(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};
