#include "Messages.h"

#include "roster/RosterTexts.h"
#include "store/RosterError.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

struct Script
{
    bool scripted = false;
    QList<Messages::Answer> answers;
    QStringList fileNames;
    QList<Messages::Shown> shown;
    QStringList dialogTitles;
    QStringList dialogFolders;
};

Script& script()
{
    static Script instance;
    return instance;
}

QMessageBox::Icon boxIcon(Messages::Icon icon)
{
    switch (icon) {
    case Messages::Icon::Information:
        return QMessageBox::Information;
    case Messages::Icon::Question:
        return QMessageBox::Question;
    case Messages::Icon::Exclamation:
        return QMessageBox::Warning;
    case Messages::Icon::Critical:
        return QMessageBox::Critical;
    case Messages::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// "Name (*.ext)|*.ext" keeps only the part before the bar, which Qt understands.
QString qtFilter(const QString& filter)
{
    return filter.section(QLatin1Char('|'), 0, 0);
}

QString nextFileName(const QString& title, const QString& folder = {})
{
    Script& s = script();
    s.dialogTitles << title;
    s.dialogFolders << folder;
    return s.fileNames.isEmpty() ? QString() : s.fileNames.takeFirst();
}

struct Box
{
    const char* title;
    Messages::Icon icon;
};

Box boxFor(ErrorKind kind)
{
    using Icon = Messages::Icon;
    switch (kind) {
    case ErrorKind::Database:
        return {QT_TRANSLATE_NOOP("Messages", "Database Error"), Icon::Critical};
    case ErrorKind::DataLost:
        return {QT_TRANSLATE_NOOP("Messages", "Database Access Error"), Icon::Critical};
    case ErrorKind::NotOpened:
    case ErrorKind::RosterEmpty:
    case ErrorKind::RosterOpenElsewhere:
        return {QT_TRANSLATE_NOOP("Messages", "Roster Not Opened"), Icon::Critical};
    case ErrorKind::RosterInUse:
        return {QT_TRANSLATE_NOOP("Messages", "Roster In Use"), Icon::Exclamation};
    case ErrorKind::RosterDamaged:
        return {QT_TRANSLATE_NOOP("Messages", "Roster Damaged"), Icon::Exclamation};
    case ErrorKind::ReadOnly:
        return {QT_TRANSLATE_NOOP("Messages", "Read-Only Roster"), Icon::Information};
    case ErrorKind::Programming:
        return {QT_TRANSLATE_NOOP("Messages", "Recoverable Error"), Icon::Critical};
    case ErrorKind::RecordKey:
        return {QT_TRANSLATE_NOOP("Messages", "Record Key Error"), Icon::Critical};
    case ErrorKind::ZoneOffset:
        return {QT_TRANSLATE_NOOP("Messages", "Time Zone Error"), Icon::Critical};
    case ErrorKind::Selection:
        return {QT_TRANSLATE_NOOP("Messages", "Selection Error"), Icon::Critical};
    case ErrorKind::SaveRefused:
        return {QT_TRANSLATE_NOOP("Messages", "Save/Update Error"), Icon::Critical};
    case ErrorKind::RowVanished:
        return {QT_TRANSLATE_NOOP("Messages", "Save/Update Error"), Icon::Exclamation};
    case ErrorKind::DataFormat:
        return {QT_TRANSLATE_NOOP("Messages", "Data Format Error"), Icon::Critical};
    case ErrorKind::TimeFormat:
        return {QT_TRANSLATE_NOOP("Messages", "Data Format Error"), Icon::Information};
    case ErrorKind::DivisionNotFound:
        return {QT_TRANSLATE_NOOP("Messages", "Clan Division Not Found"), Icon::Information};
    case ErrorKind::ZoneNotFound:
        return {QT_TRANSLATE_NOOP("Messages", "Time Zone Not Found"), Icon::Information};
    case ErrorKind::ScheduleInput:
        return {QT_TRANSLATE_NOOP("Messages", "Schedule Process Error"), Icon::Information};
    case ErrorKind::DeletionRefused:
        return {QT_TRANSLATE_NOOP("Messages", "Deletion Criteria Not Met"), Icon::Exclamation};
    case ErrorKind::ImportAborted:
        return {QT_TRANSLATE_NOOP("Messages", "Import Aborted"), Icon::Critical};
    case ErrorKind::ExportFailed:
        return {QT_TRANSLATE_NOOP("Messages", "Export Function"), Icon::Critical};
    case ErrorKind::FileNotSaved:
        return {QT_TRANSLATE_NOOP("Messages", "File Not Saved"), Icon::Critical};
    case ErrorKind::ValueOutOfRange:
        return {"Tallyhold", Icon::None};
    case ErrorKind::RowChanged:
        return {QT_TRANSLATE_NOOP("Messages", "Changed by Another Officer"), Icon::Exclamation};
    case ErrorKind::ConnectionLost:
        return {QT_TRANSLATE_NOOP("Messages", "Connection Lost"), Icon::Exclamation};
    case ErrorKind::PasswordNeeded:
        return {QT_TRANSLATE_NOOP("Messages", "Roster Not Opened"), Icon::Critical};
    }
    return {"Tallyhold", Icon::Critical};
}

// While a refusal's box is up: a typed letter, digit or sign closes it and is sent on to the
// field. Enter, Space and Escape still answer the box.
class TypedOnFilter : public QObject
{
public:
    TypedOnFilter(QDialog& box, QWidget* field)
        : m_box(box)
        , m_field(field)
    {
        qApp->installEventFilter(this);
    }
    ~TypedOnFilter() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
            || static_cast<QWidget*>(watched)->window() != &m_box)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint() || text.at(0).isSpace()
            || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        if (m_field)
            QCoreApplication::postEvent(m_field,
                                        new QKeyEvent(QEvent::KeyPress, key->key(), key->modifiers(), text));
        m_box.done(0);
        return true;
    }

private:
    QDialog& m_box;
    QPointer<QWidget> m_field;
};

} // namespace

void Messages::refuseEntry(QWidget* field, const QString& title, const QString& text, Icon icon)
{
    Script& s = script();
    s.shown.append({title, text, {}, icon, Buttons::Ok});
    if (s.scripted) {
        if (!s.answers.isEmpty())
            s.answers.takeFirst();
        return;
    }
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, field->window());
    TypedOnFilter typedOn(box, field);
    box.exec();
}

Messages::Answer Messages::show(QWidget* parent, const QString& title, const QString& text, Icon icon,
                                Buttons buttons, const QString& detail)
{
    Script& s = script();
    s.shown.append({title, text, detail, icon, buttons});
    if (s.scripted) {
        const Answer fallback = buttons == Buttons::YesNo ? Answer::Yes
            : buttons == Buttons::RetryExit               ? Answer::Exit
                                                          : Answer::Ok;
        return s.answers.isEmpty() ? fallback : s.answers.takeFirst();
    }
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::NoButton, parent);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    switch (buttons) {
    case Buttons::Ok:
        box.addButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    case Buttons::OkShowFolder: {
        QPushButton* folder = box.addButton(tr("Show in Folder"), QMessageBox::ActionRole);
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        box.exec();
        return box.clickedButton() == folder ? Answer::ShowFolder : Answer::Ok;
    }
    case Buttons::RetryExit:
        break;
    }
    QPushButton* retry = box.addButton(tr("Retry"), QMessageBox::AcceptRole);
    box.addButton(tr("Exit"), QMessageBox::RejectRole);
    box.setDefaultButton(retry);
    box.exec();
    return box.clickedButton() == retry ? Answer::Retry : Answer::Exit;
}

void Messages::inform(QWidget* parent, const QString& text, Icon icon, const QString& detail)
{
    show(parent, QStringLiteral("Tallyhold"), text, icon, Buttons::Ok, detail);
}

bool Messages::confirm(QWidget* parent, const QString& question)
{
    return show(parent, tr("Confirmation"), question, Icon::Question, Buttons::YesNo) == Answer::Yes;
}

void Messages::error(QWidget* parent, const RosterError& error)
{
    const Box box = boxFor(error.kind());
    show(parent, tr(box.title), error.text(), box.icon, Buttons::Ok, error.detail());
}

void Messages::missingZones(QWidget* parent, const QStringList& zones)
{
    if (zones.isEmpty())
        return;
    error(parent, RosterTexts::missingZones(zones));
}

QString Messages::saveFileName(QWidget* parent, const QString& title, const QString& directory,
                               const QString& filter)
{
    if (script().scripted)
        return nextFileName(title, directory);
    return QFileDialog::getSaveFileName(parent, title, directory, qtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString Messages::openFileName(QWidget* parent, const QString& title, const QString& directory,
                               const QString& filter)
{
    if (script().scripted)
        return nextFileName(title, directory);
    return QFileDialog::getOpenFileName(parent, title, directory, qtFilter(filter));
}

QString Messages::askText(QWidget* parent, const QString& title, const QString& label, const QString& text,
                          bool secret)
{
    if (script().scripted)
        return nextFileName(title);
    return QInputDialog::getText(parent, title, label, secret ? QLineEdit::Password : QLineEdit::Normal,
                                 text);
}

void Messages::setScripted(bool scripted)
{
    script().scripted = scripted;
}

bool Messages::isScripted()
{
    return script().scripted;
}

void Messages::scriptAnswers(const QList<Answer>& answers)
{
    script().answers = answers;
}

void Messages::scriptFileNames(const QStringList& fileNames)
{
    script().fileNames = fileNames;
}

QList<Messages::Shown> Messages::shown()
{
    return script().shown;
}

QStringList Messages::dialogTitles()
{
    return script().dialogTitles;
}

QStringList Messages::dialogFolders()
{
    return script().dialogFolders;
}

void Messages::clear()
{
    Script& s = script();
    s.answers.clear();
    s.fileNames.clear();
    s.shown.clear();
    s.dialogTitles.clear();
    s.dialogFolders.clear();
}
