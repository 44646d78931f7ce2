#include "WidestEntryDelegate.h"

#include <QFontMetricsF>
#include <QHash>
#include <QListView>
#include <QtMath>
#include <algorithm>

QSize WidestEntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (!index.isValid())
        return size;
    // The sum of the characters' own advances is within a pixel or two of a text's width (kerning
    // mostly narrows it) at a small part of the cost of shaping the text; fractions are kept, as
    // rounding each advance would lose a pixel every few letters.
    const QFontMetricsF metrics(option.font);
    QHash<char16_t, qreal> advances;
    const auto width = [&](const QString& text) {
        qreal sum = 0;
        for (const QChar letter : text) {
            auto advance = advances.constFind(letter.unicode());
            if (advance == advances.cend())
                advance = advances.insert(letter.unicode(), metrics.horizontalAdvance(letter));
            sum += *advance;
        }
        return sum;
    };
    // The few entries in a font of their own (a required member in bold) are measured whole.
    const auto entryWidth = [&](const QModelIndex& entry) {
        const QVariant font = entry.data(Qt::FontRole);
        return font.isValid() ? QFontMetricsF(font.value<QFont>()).horizontalAdvance(entry.data().toString())
                              : width(entry.data().toString());
    };
    const QAbstractItemModel* model = index.model();
    qreal widest = 0;
    for (int row = 0, rows = model->rowCount(index.parent()); row < rows; ++row)
        widest = std::max(widest, entryWidth(model->index(row, index.column(), index.parent())));
    size.setWidth(size.width() + std::max(0, qCeil(widest - entryWidth(index))));
    return size;
}

void WidestEntryDelegate::install(QListView* list)
{
    list->setUniformItemSizes(true);
    list->setItemDelegate(new WidestEntryDelegate(list));
}
