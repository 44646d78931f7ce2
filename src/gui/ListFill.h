#pragma once

#include "roster/RosterLists.h"

class QComboBox;
class QListWidget;

// Puts roster entries into a list or drop-down, each carrying its row's key as Qt::UserRole
// data. The entries chosen stay chosen while they are still listed (another officer's write
// refills the lists under the user's hands); losing one emits itemSelectionChanged.
void fillList(QListWidget* list, const QList<RosterListEntry>& entries);
// Keeps what the user typed into the box: a refill changes the choices, not the text.
void fillCombo(QComboBox* combo, const QList<RosterListEntry>& entries);
