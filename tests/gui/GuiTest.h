#pragma once

#include "TestRoster.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"

#include <QComboBox>
#include <QListWidget>
#include <QPair>
#include <QStringList>
#include <QTabWidget>
#include <QTest>

// What GUI tests share: boxes answered through the message layer, list and drop-down entries
// as the user sees them, clicks on list entries, and the real main window on a fresh roster.

inline QStringList entryTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

inline QStringList entryTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
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

// Clicks the entry of the row as a user would.
inline void clickEntry(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {})
{
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
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
        window.show();
        window.activateWindow();
    }

    template<class Control> Control* find(const char* objectName)
    {
        return window.findChild<Control*>(QLatin1String(objectName));
    }
    void showTab(frmTallyhold::Tab tab) { window.TabClan->setCurrentIndex(tab); }

    TestRoster roster;
    frmTallyhold window;
};
