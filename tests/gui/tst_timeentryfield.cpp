#include "TestRoster.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "gui/TimeEntryField.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

// The time entry fields of the member form and the match fields, in the real main window.
class tst_TimeEntryField : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init();
    void cleanup();
    void leavingChecksTheText_data();
    void leavingChecksTheText();
    void everyAttemptToLeaveShowsOneBox();
    void slotFieldSelectsItsTextOnEntry();
    void realBoxesOnScreenDoNotLoop();

private:
    TimeEntryField* field(const char* name) const
    {
        auto* found = m_window->findChild<TimeEntryField*>(QLatin1String(name));
        if (!found)
            qFatal("no field %s", name);
        return found;
    }
    // Focuses the field on its tab and types text into it.
    TimeEntryField* typeInto(const char* name, const QString& text);
    static int boxes() { return int(Messages::shown().size()); }

    TestRoster* m_roster = nullptr;
    frmTallyhold* m_window = nullptr;
};

void tst_TimeEntryField::init()
{
    Messages::clear();
    m_roster = new TestRoster;
    m_window = new frmTallyhold(m_roster->db(), Preferences());
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_TimeEntryField::cleanup()
{
    delete m_window;
    delete m_roster;
}

TimeEntryField* tst_TimeEntryField::typeInto(const char* name, const QString& text)
{
    TimeEntryField* target = field(name);
    m_window->TabClan->setCurrentIndex(target->kind() == TimeEntryField::Kind::Slot
                                           ? frmTallyhold::AddEditMembers
                                           : frmTallyhold::Scheduling);
    target->setFocus(Qt::OtherFocusReason);
    target->clear();
    QTest::keyClicks(target, text);
    return target;
}

void tst_TimeEntryField::leavingChecksTheText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("message");
    const QString time = QStringLiteral("This field must be in a valid time format!  HH:MM AM/PM");
    const QString date = QStringLiteral("This field must be in a valid date format!  MM/DD/YYYY");
    // Only slot fields rewrite a bare number; the rewriting itself is tst_DateTime's business.
    const auto row
        = [](const char* tag, const char* name, const char* typed, const char* left, const QString& message) {
              QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(typed)
                                 << QString::fromLatin1(left) << message;
          };
    row("slot 730", "txtWSlot2Start", "730", "7:30", {});
    row("slot 2400", "txtWSlot2Start", "2400", "24:00", time);
    row("slot 99", "txtWSlot2Start", "99", "99", time);
    row("slot word", "txtWSlot2Start", "soon", "soon", time);
    row("slot 7:30 PM", "txtWSlot2Start", "7:30 PM", "7:30 PM", {});
    row("slot empty", "txtWSlot2Start", "", "", {});
    row("time 730 stays", "txtMatchTime", "730", "730", time);
    row("time 7:30 PM", "txtMatchTime", "7:30 PM", "7:30 PM", {});
    row("date 12/25/1999", "txtMatchDate", "12/25/1999", "12/25/1999", {});
    row("date word", "txtMatchDate", "Friday", "Friday", date);
    row("date 13/45/2020", "txtMatchDate", "13/45/2020", "13/45/2020", date);
    row("date empty", "txtMatchDate", "", "", {});
}

void tst_TimeEntryField::leavingChecksTheText()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QFETCH(QString, message);

    TimeEntryField* target = typeInto(name.toLatin1().constData(), typed);
    QTest::keyClick(target, Qt::Key_Tab);

    QCOMPARE(target->text(), left);
    if (message.isEmpty()) {
        QCOMPARE(boxes(), 0);
        QVERIFY(QApplication::focusWidget() != target);
    } else {
        QCOMPARE(boxes(), 1);
        const Messages::Shown box = Messages::shown().constFirst();
        QCOMPARE(box.title, QStringLiteral("Data Format Error"));
        QCOMPARE(box.text, message);
        QCOMPARE(box.icon, Messages::Icon::Information);
        QCOMPARE(box.buttons, Messages::Buttons::Ok);
        QCOMPARE(QApplication::focusWidget(), target);
    }
}

void tst_TimeEntryField::everyAttemptToLeaveShowsOneBox()
{
    // The clicked field is bad too: it must not refuse in turn and start a ping-pong of boxes.
    field("txtFSlot1End")->setText(QStringLiteral("bad too"));
    TimeEntryField* slot = typeInto("txtMSlot1Start", QStringLiteral("2400"));

    // A dialog taking the focus and giving it back, or a move made by the program, is not the
    // user leaving the field.
    QDialog dialog(m_window);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.hide();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    field("txtMSlot1End")->setFocus(Qt::OtherFocusReason);
    slot->setFocus(Qt::OtherFocusReason);
    QCOMPARE(boxes(), 0);

    QTest::keyClick(slot, Qt::Key_Tab);
    QCOMPARE(boxes(), 1);
    QTest::keyClick(slot, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(boxes(), 2);
    QTest::mouseClick(field("txtFSlot1End"), Qt::LeftButton);
    QCOMPARE(boxes(), 3);
    QCOMPARE(QApplication::focusWidget(), slot);

    // Corrected, it lets go at once, and an emptied field always does.
    slot->setText(QStringLiteral("2300"));
    QTest::keyClick(slot, Qt::Key_Tab);
    QCOMPARE(boxes(), 3);
    QCOMPARE(slot->text(), QStringLiteral("23:00"));
    QCOMPARE(QApplication::focusWidget(), field("txtMSlot1End"));
}

void tst_TimeEntryField::slotFieldSelectsItsTextOnEntry()
{
    TimeEntryField* start = field("txtSSSlot1Start");
    TimeEntryField* end = field("txtSSSlot1End");
    start->setText(QStringLiteral("6:00 PM"));
    end->setText(QStringLiteral("11:00 PM"));
    typeInto("txtSSSlot1Start", QStringLiteral("7:00 PM"));

    QTest::keyClick(start, Qt::Key_Tab);
    QCOMPARE(end->selectedText(), QStringLiteral("11:00 PM"));
    QTest::mouseClick(start, Qt::LeftButton, {}, QPoint(4, start->height() / 2));
    QCOMPARE(QApplication::focusWidget(), start);
    QCOMPARE(start->selectedText(), QStringLiteral("7:00 PM"));
}

namespace {

// Answers every message box as soon as it is on screen, as a user clicking OK would.
class BoxCloser : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                QMetaObject::invokeMethod(box, &QMessageBox::accept, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

void tst_TimeEntryField::realBoxesOnScreenDoNotLoop()
{
    // The real modal box takes the window's focus away and gives it back when it closes.
    Messages::setScripted(false);
    BoxCloser closer;
    qApp->installEventFilter(&closer);
    field("txtMSlot2End")->setText(QStringLiteral("also bad"));
    auto* save = m_window->findChild<QPushButton*>(QStringLiteral("cmdSave"));
    QSignalSpy clicks(save, &QPushButton::clicked);
    TimeEntryField* slot = typeInto("txtMSlot2Start", QStringLiteral("bad"));

    QTest::keyClick(slot, Qt::Key_Tab);
    QCOMPARE(boxes(), 1);
    // Headless there is no window manager to give the window back its activation.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), slot);
    QTest::mouseClick(field("txtMSlot2End"), Qt::LeftButton);
    QCOMPARE(boxes(), 2);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), slot);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(boxes(), 3);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));

    qApp->removeEventFilter(&closer);
    Messages::setScripted(true);
    QCOMPARE(QApplication::focusWidget(), slot);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!save->isDown());
    // The next click, with good text, goes through as usual; Save itself refuses the otherwise
    // empty form and the field says nothing more.
    slot->setText(QStringLiteral("9:00 PM"));
    field("txtMSlot2End")->clear();
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(boxes(), 4);
    QCOMPARE(Messages::shown().last().title, QStringLiteral("Save/Update Error"));
}

QTEST_MAIN(tst_TimeEntryField)
#include "tst_timeentryfield.moc"
