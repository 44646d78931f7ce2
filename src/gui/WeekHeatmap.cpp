#include "WeekHeatmap.h"

#include "gui/ControlNames.h"
#include "time/DateTime.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

const char* const DayNames[7]
    = {QT_TRANSLATE_NOOP("WeekHeatmap", "Mon"), QT_TRANSLATE_NOOP("WeekHeatmap", "Tue"),
       QT_TRANSLATE_NOOP("WeekHeatmap", "Wed"), QT_TRANSLATE_NOOP("WeekHeatmap", "Thu"),
       QT_TRANSLATE_NOOP("WeekHeatmap", "Fri"), QT_TRANSLATE_NOOP("WeekHeatmap", "Sat"),
       QT_TRANSLATE_NOOP("WeekHeatmap", "Sun")};
constexpr int TimeColumn = 0;
constexpr int NamesShown = 30;

// The cell's colour stays readable under the hatch, so a plan not met still shows its count.
QBrush hatched(const QColor& colour = Qt::white)
{
    QPixmap tile(8, 8);
    tile.fill(colour);
    QPainter painter(&tile);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.5));
    painter.drawLine(0, 8, 8, 0);
    return QBrush(tile);
}

QPixmap swatch(const QBrush& brush, int width = 14)
{
    QPixmap pixmap(width, 14);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.fillRect(pixmap.rect(), brush);
    painter.setPen(Qt::gray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

QLabel* legendLabel(const QPixmap& pixmap)
{
    auto* label = new QLabel;
    label->setPixmap(pixmap);
    return label;
}

} // namespace

WeekHeatmap::WeekHeatmap(QWidget* parent)
    : QWidget(parent)
{
    grdWeek = named(new QTableWidget(0, 8), "grdWeek", tr("Week heatmap"), tr("Click a time and show who!"));
    setWeekOf({});
    grdWeek->verticalHeader()->hide();
    grdWeek->verticalHeader()->setMinimumSectionSize(3);
    // Every row of the same height (stretching gives some a pixel more): set on each resize.
    grdWeek->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdWeek->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdWeek->horizontalHeader()->setSectionResizeMode(TimeColumn, QHeaderView::Fixed);
    grdWeek->setColumnWidth(TimeColumn, fontMetrics().horizontalAdvance(QStringLiteral("00:00 AM")) + 8);
    grdWeek->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // No selection colour: it would hide the cell's own; the focus frame shows the current cell.
    grdWeek->setSelectionMode(QAbstractItemView::NoSelection);
    grdWeek->setShowGrid(false);
    grdWeek->setWordWrap(false);
    grdWeek->viewport()->installEventFilter(this);
    grdWeek->installEventFilter(this);
    connect(grdWeek, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (const PlanPoint* point = pointAt(row, column))
            emit momentChosen(point->weekMinute);
    });

    lblHeatmapNote = named(new QLabel, "lblHeatmapNote", QString());
    lblHeatmapNote->setWordWrap(true);

    // Legend: nobody, the scale from one to all, and the hatch of a plan not met.
    QLinearGradient gradient(0, 0, 80, 0);
    for (int step = 0; step <= 8; ++step)
        gradient.setColorAt(step / 8.0, colourFor(1 + step, 9));
    auto* legend = new QHBoxLayout;
    legend->setSpacing(4);
    legend->addWidget(legendLabel(swatch(Qt::white)));
    legend->addWidget(new QLabel(QStringLiteral("0")));
    legend->addSpacing(6);
    // The scale from one to all players, shown only while there are players to count.
    m_legendScale = new QWidget;
    m_legendScale->setObjectName(QStringLiteral("legendScale"));
    m_legendScale->setAccessibleName(tr("Scale"));
    auto* scale = new QHBoxLayout(m_legendScale);
    scale->setContentsMargins(0, 0, 0, 0);
    scale->setSpacing(4);
    scale->addWidget(m_legendLow = new QLabel(QStringLiteral("1")));
    m_scalePixmap = swatch(gradient, 80);
    scale->addWidget(m_legendSwatch = legendLabel(m_scalePixmap));
    m_legendHigh = new QLabel;
    m_legendHigh->setObjectName(QStringLiteral("lblLegendHigh"));
    scale->addWidget(m_legendHigh);
    legend->addWidget(m_legendScale);
    legend->addSpacing(6);
    legend->addWidget(legendLabel(swatch(hatched())));
    legend->addWidget(new QLabel(tr("plan not met")));
    legend->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grdWeek, 1);
    layout->addLayout(legend);
    layout->addWidget(lblHeatmapNote);
    clear(tr("Select members to see their week."));
}

QColor WeekHeatmap::colourFor(int count, int players)
{
    // Viridis at nine stops, from its yellow end to its purple end.
    static const QColor stops[9]
        = {QColor(0xfd, 0xe7, 0x25), QColor(0xb5, 0xde, 0x2b), QColor(0x6e, 0xce, 0x58),
           QColor(0x35, 0xb7, 0x79), QColor(0x1f, 0x9e, 0x89), QColor(0x26, 0x82, 0x8e),
           QColor(0x31, 0x68, 0x8e), QColor(0x3e, 0x49, 0x89), QColor(0x44, 0x01, 0x54)};
    if (count <= 0 || players <= 0)
        return Qt::white;
    const double at = players == 1 ? 8.0 : 8.0 * (count - 1) / (players - 1);
    const int low = std::clamp(int(at), 0, 7);
    const double t = std::clamp(at - low, 0.0, 1.0);
    const QColor a = stops[low];
    const QColor b = stops[low + 1];
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

void WeekHeatmap::fitRows()
{
    const int rows = grdWeek->rowCount();
    if (rows > 0)
        grdWeek->verticalHeader()->setDefaultSectionSize(std::max(3, grdWeek->viewport()->height() / rows));
}

void WeekHeatmap::layOutRows(int step)
{
    const int rows = (1440 + step - 1) / step;
    if (grdWeek->rowCount() == rows)
        return;
    // Rows get their height before they exist, so the table never scrolls to fit them.
    grdWeek->verticalHeader()->setDefaultSectionSize(std::max(3, grdWeek->viewport()->height() / rows));
    grdWeek->clearSpans();
    grdWeek->setRowCount(rows);
    // Time labels span the rows up to the next full hour, so they stay readable however
    // thin the rows get.
    int labelRow = 0;
    for (int row = 0; row <= rows; ++row) {
        if (row < rows && row != 0 && row * step % 60 != 0)
            continue;
        if (row > labelRow + 1)
            grdWeek->setSpan(labelRow, TimeColumn, row - labelRow, 1);
        if (row == rows)
            break;
        const int minute = row * step;
        auto* label = new QTableWidgetItem(DateTime::fromTime(minute / 60, minute % 60).toShownTime());
        // Not a cell of the week: the arrow keys pass it by.
        label->setFlags(Qt::NoItemFlags);
        label->setForeground(palette().text());
        label->setTextAlignment(Qt::AlignRight | Qt::AlignTop);
        grdWeek->setItem(row, TimeColumn, label);
        labelRow = row;
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 1; column <= 7; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled);
            grdWeek->setItem(row, column, cell);
        }
    }
    fitRows();
}

void WeekHeatmap::setWeekOf(const QDate& weekOf)
{
    m_firstDay = weekOf.isValid() ? weekOf.dayOfWeek() - 1 : 0;
    QStringList headers {QString()};
    for (int column = 1; column <= 7; ++column)
        headers << tr(DayNames[dayOf(column)])
                + (weekOf.isValid() ? weekOf.addDays(column - 1).toString(QStringLiteral("\nM/d"))
                                    : QString());
    grdWeek->setHorizontalHeaderLabels(headers);
}

int WeekHeatmap::dayOf(int column) const
{
    return (m_firstDay + column - 1) % 7;
}

void WeekHeatmap::setPlan(const WeekPlan& plan, const std::function<QStringList(int)>& names)
{
    m_plan = plan;
    m_names = names;
    layOutRows(plan.step);
    m_legendScale->setVisible(plan.players > 0);
    // One player has one colour, not a scale from 1 to 1.
    m_legendLow->setVisible(plan.players > 1);
    m_legendSwatch->setPixmap(plan.players > 1 ? m_scalePixmap : swatch(colourFor(1, 1)));
    m_legendHigh->setText(plan.players == 1 ? tr("1 player") : tr("%n players", nullptr, plan.players));
    m_legendHigh->setAccessibleName(m_legendHigh->text());
    for (int row = 0; row < grdWeek->rowCount(); ++row) {
        for (int column = 1; column <= 7; ++column) {
            QTableWidgetItem* cell = grdWeek->item(row, column);
            const PlanPoint* point = pointAt(row, column);
            const bool hatch = point && point->count > 0 && !point->suits;
            cell->setBackground(hatch ? hatched()
                                      : QBrush(colourFor(point ? point->count : 0, plan.players)));
            cell->setData(Qt::AccessibleTextRole, cellName(row, column));
            cell->setData(Qt::UserRole, point ? point->weekMinute : QVariant());
        }
    }
    lblHeatmapNote->setText(
        plan.reason.isEmpty()
            ? tr("Darker: more of the %n players can play. Click a time to see who.", nullptr, plan.players)
            : plan.reason);
    lblHeatmapNote->setAccessibleName(lblHeatmapNote->text());
}

void WeekHeatmap::clear(const QString& why)
{
    WeekPlan empty;
    empty.step = grdWeek->rowCount() > 0 ? 1440 / grdWeek->rowCount() : 30;
    setPlan(empty, {});
    lblHeatmapNote->setText(why);
    lblHeatmapNote->setAccessibleName(why);
}

const PlanPoint* WeekHeatmap::pointAt(int row, int column) const
{
    const int rows = grdWeek->rowCount();
    if (column < 1 || column > 7 || row < 0 || row >= rows)
        return nullptr;
    const qsizetype at = qsizetype(dayOf(column)) * rows + row;
    return at < m_plan.points.size() ? &m_plan.points[at] : nullptr;
}

QString WeekHeatmap::cellName(int row, int column) const
{
    if (column < 1 || column > 7)
        return {};
    const int minute = row * m_plan.step;
    const PlanPoint* point = pointAt(row, column);
    QString name
        = tr("%1 %2: %3 of %4")
              .arg(tr(DayNames[dayOf(column)]), DateTime::fromTime(minute / 60, minute % 60).toShownTime())
              .arg(point ? point->count : 0)
              .arg(m_plan.players);
    if (point && point->count > 0 && !point->suits)
        name += tr(", plan not met");
    return name;
}

QString WeekHeatmap::cellToolTip(int row, int column) const
{
    const PlanPoint* point = pointAt(row, column);
    if (!point)
        return {};
    QString text = cellName(row, column);
    if (point->count > 0 && m_names) {
        const QStringList names = m_names(point->weekMinute);
        text += QLatin1Char('\n') + names.mid(0, NamesShown).join(QStringLiteral(", "));
        if (names.size() > NamesShown)
            text += tr(" and %n more", nullptr, int(names.size() - NamesShown));
    }
    return text;
}

bool WeekHeatmap::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grdWeek->viewport() && event->type() == QEvent::Resize)
        fitRows();
    if (watched == grdWeek->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = grdWeek->indexAt(help->pos());
        const QString text = cellToolTip(index.row(), index.column());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, grdWeek->viewport());
        return true;
    }
    if (watched == grdWeek && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const PlanPoint* point = pointAt(grdWeek->currentRow(), grdWeek->currentColumn());
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && point) {
            emit momentChosen(point->weekMinute);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
