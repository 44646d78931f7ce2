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
