#include "ListFill.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QItemSelection>
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
    QStringList texts;
    texts.reserve(entries.size());
    for (const RosterListEntry& entry : entries)
        texts.append(entry.text);
    int kept = 0;
    {
        const QSignalBlocker blocker(list);
        list->clear();
        // The entries join the list in one insertion, and their keys follow unannounced: an
        // insertion or a change announced for each entry of a long list costs far more.
        list->addItems(texts);
        int currentRow = -1;
        QItemSelection keep;
        {
            const QSignalBlocker quiet(list->model());
            for (int row = 0; row < entries.size(); ++row) {
                const RosterListEntry& entry = entries.at(row);
                QListWidgetItem* item = list->item(row);
                item->setData(Qt::UserRole, entry.key);
                if (entry.hidden)
                    markHidden(item);
                const QByteArray key = entry.key.toByteArray();
                if (!current.isEmpty() && key == current)
                    currentRow = row;
                if (!selected.contains(key))
                    continue;
                ++kept;
                // Runs of neighbours as one range each: a whole list selected stays one range.
                const QModelIndex index = list->model()->index(row, 0);
                if (!keep.isEmpty() && keep.last().bottom() == row - 1)
                    keep.last() = QItemSelectionRange(keep.last().topLeft(), index);
                else
                    keep.append(QItemSelectionRange(index));
            }
        }
        if (currentRow >= 0)
            list->setCurrentRow(currentRow, QItemSelectionModel::NoUpdate);
        list->selectionModel()->select(keep, QItemSelectionModel::Select);
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
