#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class RosterError;

// Every message box and file dialog of the program goes through here, so that tests can
// script the answers and read back what was shown instead of a window popping up.
class Messages
{
    Q_DECLARE_TR_FUNCTIONS(Messages)

public:
    enum class Icon { None, Information, Question, Exclamation, Critical };
    // OkShowFolder: OK, and a button that answers ShowFolder.
    enum class Buttons { Ok, YesNo, RetryExit, OkShowFolder };
    enum class Answer { Ok, Yes, No, Retry, Exit, ShowFolder };

    struct Shown
    {
        QString title;
        QString text;
        QString detail;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    static Answer show(QWidget* parent, const QString& title, const QString& text, Icon icon,
                       Buttons buttons = Buttons::Ok, const QString& detail = {});
    // The program's own name as title, for the boxes that carry no title of their own.
    static void inform(QWidget* parent, const QString& text, Icon icon = Icon::Information,
                       const QString& detail = {});
    static bool confirm(QWidget* parent, const QString& question);
    // The box of an entry field that refuses its text. Someone typing on while it is up means
    // the field: the first letter closes the box and goes to the field with what follows.
    static void refuseEntry(QWidget* field, const QString& title, const QString& text, Icon icon);
    // A core refusal or failure, as the box its kind calls for, with its text and detail.
    static void error(QWidget* parent, const RosterError& error);
    // After a command: one "Unrecoverable Data Error.  Number 1024" box naming the zones its
    // conversions did not find (a result's missingZones), or nothing when there are none.
    static void missingZones(QWidget* parent, const QStringList& zones);

    // Empty when the user cancels. filter is "Tallyhold Export (*.tlx)|*.tlx" style.
    static QString saveFileName(QWidget* parent, const QString& title, const QString& directory,
                                const QString& filter);
    static QString openFileName(QWidget* parent, const QString& title, const QString& directory,
                                const QString& filter);

    // A line of text, shown as dots when secret; empty when the user cancels.
    static QString askText(QWidget* parent, const QString& title, const QString& label, const QString& text,
                           bool secret = false);

    // Test hooks. While scripted, nothing is shown on screen: boxes take the next scripted
    // answer (Ok, Yes or Exit when none is left) and dialogs the next scripted file name or text
    // (cancel when none is left). Everything shown is recorded.
    static void setScripted(bool scripted);
    static bool isScripted();
    static void scriptAnswers(const QList<Answer>& answers);
    static void scriptFileNames(const QStringList& fileNames);
    static QList<Shown> shown();
    static QStringList dialogTitles();
    // The folder each file dialog started in, in the order of dialogTitles().
    static QStringList dialogFolders();
    static void clear();
};
