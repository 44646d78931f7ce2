#pragma once

#include "scheduling/WeekAvailability.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

class QLabel;
class QTableWidget;

// The user's week at a glance: seven day columns by one row per grid step, each cell coloured by
// how many of the selection can play a whole match from then. Darker is more; cells where the
// plan's required players or minimum are not met are hatched. Hovering tells who, a click or
// Enter on a cell chooses that moment.
class QDate;

class WeekHeatmap : public QWidget
{
    Q_OBJECT

public:
    explicit WeekHeatmap(QWidget* parent = nullptr);

    // names(weekMinute) gives the players of a cell, asked only when its tooltip shows.
    void setPlan(const WeekPlan& plan, const std::function<QStringList(int)>& names);
    // The seven days from weekOf in date order, each with its date under the day's name ("Sun",
    // "12/6"); Monday to Sunday, names alone, for an invalid date.
    void setWeekOf(const QDate& weekOf);
    // An empty week, with a line saying why.
    void clear(const QString& why);

    // "Tue 08:00 PM: 5 of 9"
    QString cellName(int row, int column) const;
    // The cell's name, then who can play.
    QString cellToolTip(int row, int column) const;
    // Light yellow for one player to dark purple for all (viridis, read backwards): ordered in
    // lightness, so it stays readable without telling red from green.
    static QColor colourFor(int count, int players);

    QTableWidget* grdWeek = nullptr;
    QLabel* lblHeatmapNote = nullptr;

signals:
    void momentChosen(int weekMinute);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const PlanPoint* pointAt(int row, int column) const;
    // The weekday of a column, 0 for Monday: the plan's points are Monday first.
    int dayOf(int column) const;
    void layOutRows(int step);
    void fitRows();

    WeekPlan m_plan;
    std::function<QStringList(int)> m_names;
    int m_firstDay = 0;
    QWidget* m_legendScale = nullptr;
    QLabel* m_legendLow = nullptr;
    QLabel* m_legendSwatch = nullptr;
    QLabel* m_legendHigh = nullptr;
    QPixmap m_scalePixmap;
};
