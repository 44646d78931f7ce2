#pragma once

#include <QStyledItemDelegate>

class QListView;

// For a long list of one-line entries in one font laid out with uniform item sizes, which asks
// the size of the first entry only and so spares shaping every entry: makes that size as wide
// as the widest entry, so the list still scrolls sideways to the end of each one.
class WidestEntryDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Lays the list out with uniform item sizes, sized by this delegate.
    static void install(QListView* list);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
