#include "ListFill.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPalette>
#include <QSet>
#include <QSignalBlocker>

namespace {

// Greyed and in italics, with words for those who cannot see either; the text stays the name.
void markHidden(QListWidgetItem* item)
{
    const QString hidden
        = QCoreApplication::translate("ListFill", "Hidden: its members are left out of the member lists");
    QFont font = item->font();
    font.setItalic(true);
    item->setFont(font);
    // Half-way between text and background: visibly set apart, still readable.
    const QPalette palette;
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    item->setForeground(QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                               (text.blue() + base.blue()) / 2));
    item->setToolTip(hidden);
    item->setData(Qt::AccessibleDescriptionRole, hidden);
}

} // namespace

void fillList(QListWidget* list, const QList<RosterListEntry>& entries)
{
    QSet<QByteArray> selected;
    for (const QListWidgetItem* item : list->selectedItems())
        selected.insert(item->data(Qt::UserRole).toByteArray());
    const QByteArray current
        = list->currentItem() ? list->currentItem()->data(Qt::UserRole).toByteArray() : QByteArray();
    int kept = 0;
    {
        const QSignalBlocker blocker(list);
        list->clear();
        for (const RosterListEntry& entry : entries) {
            // The key goes in before the entry joins the list: a change to an entry already in a
            // long list costs far more than adding it whole.
            auto* item = new QListWidgetItem(entry.text);
            item->setData(Qt::UserRole, entry.key);
            if (entry.hidden)
                markHidden(item);
            list->addItem(item);
            const QByteArray key = entry.key.toByteArray();
            if (!current.isEmpty() && key == current)
                list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
            if (selected.contains(key)) {
                item->setSelected(true);
                ++kept;
            }
        }
    }
    if (kept != selected.size())
        emit list->itemSelectionChanged();
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
