#pragma once

#include "TestRoster.h"
#include "gui/ListFill.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPair>
#include <QStringList>
#include <QTabWidget>
#include <QTest>

// What GUI tests share: boxes answered through the message layer, list entries as the user sees
// them, clicks on list entries, and the real main window on a fresh roster.

inline QStringList entryTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

using Boxes = QList<QPair<QString, QString>>;

// Title and text of every box shown since Messages::clear().
inline Boxes shownBoxes()
{
    Boxes boxes;
    for (const Messages::Shown& box : Messages::shown())
        boxes.append({box.title, box.text});
    return boxes;
}

// The texts of the boxes shown since Messages::clear().
inline QStringList boxTexts()
{
    QStringList texts;
    for (const Messages::Shown& shown : Messages::shown())
        texts << shown.text;
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

// The one box shown since Messages::clear(), or an empty one when there were none or several.
inline Messages::Shown onlyBox()
{
    const QList<Messages::Shown> shown = Messages::shown();
    return shown.size() == 1 ? shown.first() : Messages::Shown {};
}

// The objectName of the control holding the focus (an editable box's own, not its line edit's).
inline QString focusName()
{
    QWidget* focused = QApplication::focusWidget();
    while (focused && focused->objectName().isEmpty())
        focused = focused->parentWidget();
    return focused ? focused->objectName() : QString();
}

// Clicks the entry of the row as a user would.
inline void clickEntry(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {})
{
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

inline void doubleClickEntry(QListWidget* list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    // A double click's first press selects, as on screen.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Shows a tab or dialog built on its own as the active window, so focus moves are real.
inline void showActive(QWidget& widget)
{
    widget.show();
    QApplication::setActiveWindow(&widget);
    if (!QTest::qWaitForWindowActive(&widget))
        qFatal("the window did not become active");
}

// Keeps a list filled from the session, as the main window does, for a tab built without it.
template<class Target>
void follow(Roster& roster, void (Roster::*changed)(), Target* target,
            QList<RosterListEntry> (Roster::*entries)() const)
{
    const auto fill = [&roster, target, entries] {
        if constexpr (std::is_same_v<Target, QComboBox>)
            fillCombo(target, (roster.*entries)());
        else
            fillList(target, (roster.*entries)());
    };
    fill();
    QObject::connect(&roster, changed, target, fill);
}

// The main window on a fresh roster, shown and active, with boxes scripted.
struct MainWindow
{
    explicit MainWindow(const Preferences& preferences = {})
        : roster(preferences)
        , window(roster.session())
    {
        Messages::setScripted(true);
        Messages::clear();
        showActive(window);
    }

    template<class Control> Control* find(const char* objectName)
    {
        return window.findChild<Control*>(QLatin1String(objectName));
    }
    void showTab(frmTallyhold::Tab tab) { window.TabClan->setCurrentIndex(tab); }
    Roster& session() { return roster.session(); }

    TestRoster roster;
    frmTallyhold window;
};
