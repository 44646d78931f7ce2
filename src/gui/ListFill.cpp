#include "ListFill.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

void fillList(QListWidget* list, const QList<RosterListEntry>& entries)
{
    list->clear();
    for (const RosterListEntry& entry : entries) {
        // The key goes in before the entry joins the list: a change to an entry already in a
        // long list costs far more than adding it whole.
        auto* item = new QListWidgetItem(entry.text);
        item->setData(Qt::UserRole, entry.key);
        list->addItem(item);
    }
}

void fillCombo(QComboBox* combo, const QList<RosterListEntry>& entries)
{
    const QSignalBlocker blocker(combo);
    const QString typed = combo->currentText();
    combo->clear();
    for (const RosterListEntry& entry : entries)
        combo->addItem(entry.text, entry.key);
    combo->setCurrentIndex(-1);
    combo->setEditText(typed);
}
