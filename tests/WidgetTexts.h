#pragma once

#include "app/Messages.h"

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

// What GUI tests read back: the entries of a list or drop-down as the user sees them, and the
// questions asked so far.

inline QStringList entryTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

inline QStringList entryTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// The texts of the "Confirmation" boxes shown since Messages::clear().
inline QStringList confirmations()
{
    QStringList texts;
    for (const Messages::Shown& shown : Messages::shown()) {
        if (shown.title == QLatin1String("Confirmation"))
            texts << shown.text;
    }
    return texts;
}
