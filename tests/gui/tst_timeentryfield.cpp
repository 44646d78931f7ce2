#include "GuiTest.h"
#include "gui/TimeEntryField.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

namespace {

using Kind = TimeEntryField::Kind;

// Two slot fields, a match time, a match date and a button in a window of their own.
struct Host
{
    Host()
    {
        auto* layout = new QHBoxLayout(&window);
        for (QWidget* control : std::initializer_list<QWidget*> {&slot, &next, &time, &date, &button})
            layout->addWidget(control);
        showActive(window);
    }
    QWidget window;
    TimeEntryField slot {Kind::Slot}, next {Kind::Slot}, time {Kind::Time}, date {Kind::Date};
    QPushButton button {"Save"};
};

// Answers every real message box as soon as it is on screen, as a user clicking OK would.
struct BoxCloser : QObject
{
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show)
            QMetaObject::invokeMethod(box, &QMessageBox::accept, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

// What leaving a time field checks; each attempt to leave brings one box, and nothing else does.
class tst_TimeEntryField : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }

    void leavingChecksTheText_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("typedLeftRefused");
        const QString time = "This field must be in a valid time format!  HH:MM AM/PM";
        // Only slot fields rewrite a bare number; the rewriting itself is a core test's business.
        QTest::newRow("slot 730") << int(Kind::Slot) << QStringList {"730", "7:30", ""};
        QTest::newRow("slot 2400") << int(Kind::Slot) << QStringList {"2400", "24:00", time};
        QTest::newRow("slot empty") << int(Kind::Slot) << QStringList {"", "", ""};
        QTest::newRow("time 730") << int(Kind::Time) << QStringList {"730", "730", time};
        QTest::newRow("time") << int(Kind::Time) << QStringList {"7:30 PM", "7:30 PM", ""};
        QTest::newRow("date word") << int(Kind::Date)
                                   << QStringList {"Friday", "Friday",
                                                   "This field must be in a valid date format!  MM/DD/YYYY"};
        QTest::newRow("date") << int(Kind::Date) << QStringList {"12/25/1999", "12/25/1999", ""};
    }
    void leavingChecksTheText()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, typedLeftRefused);
        Host h;
        TimeEntryField* field = kind == int(Kind::Slot) ? &h.slot
            : kind == int(Kind::Time)                   ? &h.time
                                                        : &h.date;
        field->setFocus();
        QTest::keyClicks(field, typedLeftRefused[0]);
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(field->text(), typedLeftRefused[1]);
        QCOMPARE(QApplication::focusWidget() == field, !typedLeftRefused[2].isEmpty());
        QCOMPARE(boxes(),
                 typedLeftRefused[2].isEmpty() ? QStringList()
                                               : QStringList {"Data Format Error: " + typedLeftRefused[2]});
        if (!typedLeftRefused[2].isEmpty())
            QCOMPARE(onlyBox().icon, Messages::Icon::Information);
    }

    void everyAttemptToLeaveShowsOneBox()
    {
        Host h;
        // The clicked field is bad too: it must not refuse in turn and start a ping-pong of boxes.
        h.next.setText("bad too");
        h.slot.setFocus();
        QTest::keyClicks(&h.slot, "2400");
        // Another window taking the focus and giving it back, or a move made by the program, is
        // not the user leaving the field.
        QDialog dialog(&h.window);
        showActive(dialog);
        dialog.hide();
        showActive(h.window);
        h.next.setFocus(Qt::OtherFocusReason);
        h.slot.setFocus(Qt::OtherFocusReason);
        QCOMPARE(Messages::shown().size(), 0);
        QTest::keyClick(&h.slot, Qt::Key_Tab);
        QTest::keyClick(&h.slot, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::mouseClick(&h.next, Qt::LeftButton);
        QCOMPARE(Messages::shown().size(), 3);
        QCOMPARE(QApplication::focusWidget(), &h.slot);
        QCOMPARE(h.slot.selectedText(), "24:00");
        // Corrected, it lets go at once; a slot field entered by a click selects its text.
        h.slot.setText("2300");
        QTest::keyClick(&h.slot, Qt::Key_Tab);
        QCOMPARE(h.slot.text(), "23:00");
        QCOMPARE(QApplication::focusWidget(), &h.next);
        h.next.clear();
        QTest::mouseClick(&h.slot, Qt::LeftButton, {}, QPoint(4, h.slot.height() / 2));
        QCOMPARE(h.slot.selectedText(), "23:00");
        QCOMPARE(Messages::shown().size(), 3);
    }

    void realBoxesOnScreenDoNotLoop()
    {
        // The real modal box takes the window's focus away and gives it back when it closes.
        Host h;
        Messages::setScripted(false);
        BoxCloser closer;
        qApp->installEventFilter(&closer);
        h.next.setText("also bad");
        QSignalSpy clicks(&h.button, &QPushButton::clicked);
        h.slot.setFocus();
        QTest::keyClicks(&h.slot, "bad");
        const auto attempt = [&](auto leave) {
            leave();
            // Headless there is no window manager to give the window back its activation.
            h.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&h.window));
            QCOMPARE(QApplication::focusWidget(), &h.slot);
        };
        attempt([&] { QTest::keyClick(&h.slot, Qt::Key_Tab); });
        attempt([&] { QTest::mouseClick(&h.next, Qt::LeftButton); });
        attempt([&] { QTest::mouseClick(&h.button, Qt::LeftButton); });
        qApp->removeEventFilter(&closer);
        Messages::setScripted(true);
        QCOMPARE(Messages::shown().size(), 3);
        QVERIFY(clicks.isEmpty() && !h.button.isDown());
        // The next click, with good text, goes through as usual.
        h.slot.setText("9:00 PM");
        QTest::mouseClick(&h.button, Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
    }
};

QTEST_MAIN(tst_TimeEntryField)
#include "tst_timeentryfield.moc"
