#include "ControlNames.h"

#include <QLabel>

void nameControl(QWidget* control, const char* objectName, const QString& accessibleName,
                 const QString& toolTip)
{
    control->setObjectName(QLatin1String(objectName));
    control->setAccessibleName(accessibleName);
    if (!toolTip.isEmpty()) {
        control->setToolTip(toolTip);
        control->setAccessibleDescription(toolTip);
    }
}

QLabel* captionFor(QWidget* buddy, const QString& text)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}
