#include "frmAttendance.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmAttendance::frmAttendance(Roster& roster, const Match& match, QWidget* parent)
    : QDialog(parent)
    , m_roster(roster)
    , m_match(match.key)
{
    setObjectName(QStringLiteral("frmAttendance"));
    setWindowTitle(tr("Attendance: %1").arg(match.title));
    lstAttended = named(new QListWidget, "lstAttended", tr("Who came"),
                        tr("Tick everyone who played; Space ticks the highlighted player"));
    for (const MatchPlayer& player : match.players) {
        // What they said beside the name: the usual no-shows stand out.
        const QString said = player.answer == MatchAnswer::None
            ? tr("no answer")
            : tr("said %1").arg(AnswerWords(player.answer).shown());
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(player.name, said));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(player.attended == Attended::Yes ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, player.member);
        item->setData(Qt::UserRole + 1, int(player.attended));
        lstAttended->addItem(item);
    }
    lstAttended->setCurrentRow(0);
    cmdSaveAttendance = named(new QPushButton(tr("Save")), "cmdSaveAttendance", tr("Save"));
    cmdSaveAttendance->setDefault(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->addButton(cmdSaveAttendance, QDialogButtonBox::AcceptRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionFor(lstAttended, tr("Who came")));
    layout->addWidget(lstAttended, 1);
    layout->addWidget(buttons);
    resize(360, 420);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdSaveAttendance, &QPushButton::clicked, this, &frmAttendance::cmdSaveAttendance_Click);
    lstAttended->setFocus();
}

void frmAttendance::cmdSaveAttendance_Click()
{
    try {
        for (int row = 0; row < lstAttended->count(); ++row) {
            const QListWidgetItem* item = lstAttended->item(row);
            const Attended came = item->checkState() == Qt::Checked ? Attended::Yes : Attended::No;
            // Unticked and not yet taken is a "no": the leader took attendance.
            if (Attended(item->data(Qt::UserRole + 1).toInt()) != came)
                m_roster.markAttended(m_match, item->data(Qt::UserRole).toByteArray(), came == Attended::Yes);
        }
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    accept();
}
