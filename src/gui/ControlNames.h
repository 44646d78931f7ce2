#pragma once

#include <QString>

class QLabel;
class QWidget;

// Gives a control its name (also its objectName), the name screen readers announce and, when
// given, its tooltip, which is also set as the accessible description because Qt does not pass
// every widget's tooltip on by itself.
void nameControl(QWidget* control, const char* objectName, const QString& accessibleName,
                 const QString& toolTip = {});

template<class Control>
Control* named(Control* control, const char* objectName, const QString& accessibleName,
               const QString& toolTip = {})
{
    nameControl(control, objectName, accessibleName, toolTip);
    return control;
}

// A caption label beside a control; the buddy lets screen readers tie the two together.
QLabel* captionFor(QWidget* buddy, const QString& text);

// A label that shows a value beside its caption. Screen readers read its accessible name, so
// the name carries the value: "Real: Robert O'Neil", or the caption alone while it is empty.
QLabel* valueLabel(const char* objectName, const QString& caption);
void showValue(QLabel* label, const QString& value);

// A line that tells the user what to do while a list is empty; hidden while it has no text.
QLabel* hintLabel(const char* objectName);
void showHint(QLabel* label, const QString& text);
