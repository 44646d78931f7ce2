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

QLabel* valueLabel(const char* objectName, const QString& caption)
{
    auto* label = named(new QLabel, objectName, caption);
    label->setProperty("caption", caption);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

void showValue(QLabel* label, const QString& value)
{
    const QString caption = label->property("caption").toString();
    label->setText(value);
    label->setAccessibleName(value.isEmpty() ? caption : caption + QStringLiteral(": ") + value);
}

QLabel* hintLabel(const char* objectName)
{
    auto* label = named(new QLabel, objectName, QString());
    label->setWordWrap(true);
    label->hide();
    return label;
}

void showHint(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}
