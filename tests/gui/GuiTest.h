#pragma once

#include "TestRoster.h"
#include "gui/ListFill.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <QTabWidget>
#include <QTest>

inline QStringList entryTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// "title: text" of every box shown since Messages::clear(), or the texts of those with this title.
inline QStringList boxes(const QString& title = {})
{
    QStringList texts;
    for (const Messages::Shown& box : Messages::shown()) {
        if (title.isEmpty() || box.title == title)
            texts << (title.isEmpty() ? box.title + ": " + box.text : box.text);
    }
    return texts;
}

// The one box shown since Messages::clear(), or an empty one when there were none or several.
inline Messages::Shown onlyBox()
{
    const QList<Messages::Shown> shown = Messages::shown();
    return shown.size() == 1 ? shown.first() : Messages::Shown {};
}

// An editable box's own name, not its line edit's.
inline QString focusName()
{
    QWidget* focused = QApplication::focusWidget();
    while (focused && focused->objectName().isEmpty())
        focused = focused->parentWidget();
    return focused ? focused->objectName() : QString();
}

inline void clickEntry(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {})
{
    QVERIFY(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
}

// The first press selects, as on screen.
inline void doubleClickEntry(QListWidget* list, int row)
{
    clickEntry(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Active, so focus moves are real.
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
    template<class Control> Control* find(const char* name) { return window.findChild<Control*>(name); }
    void showTab(frmTallyhold::Tab tab) { window.TabClan->setCurrentIndex(tab); }
    Roster& session() { return roster.session(); }

    TestRoster roster;
    frmTallyhold window;
};
