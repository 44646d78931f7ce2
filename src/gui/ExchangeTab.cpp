#include "ExchangeTab.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "gui/ProgressScope.h"
#include "roster/Roster.h"
#include "roster/RosterLocation.h"
#include "roster/RosterTexts.h"
#include "store/RosterError.h"
#include "store/RosterServer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString filter()
{
    return QCoreApplication::translate("ExchangeTab", "Tallyhold Export (*.tlx)|*.tlx");
}

const QString FolderKey = QStringLiteral("Tallyhold/ExchangeFolder");

QSettings settings()
{
    return QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold"));
}

// A desktop without a file manager (no xdg-open) gets no button that cannot work.
bool canShowFolders()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
#else
    return true;
#endif
}

} // namespace

ExchangeTab::ExchangeTab(Roster& roster, QProgressBar& progress, QWidget* parent)
    : QWidget(parent)
    , m_roster(roster)
    , m_progress(progress)
{
    frmeExport = named(new QGroupBox(tr("Chose which Clans/Divisions then click Export")), "frmeExport",
                       tr("Chose which Clans/Divisions then click Export"));
    lstExportDiv = named(new QListWidget, "lstExportDiv", tr("Export divisions"));
    // A click toggles an entry, so several divisions are chosen without holding a key.
    lstExportDiv->setSelectionMode(QAbstractItemView::MultiSelection);
    cmdExport = named(new QPushButton(tr("Export")), "cmdExport", tr("Export"));
    frmeImport = named(new QGroupBox(tr("Click Import")), "frmeImport", tr("Click Import"));
    cmdImport = named(new QPushButton(tr("Import")), "cmdImport", tr("Import"));

    auto* exportLayout = new QVBoxLayout(frmeExport);
    exportLayout->addWidget(lblExportHint = hintLabel("lblExportHint"));
    exportLayout->addWidget(lstExportDiv);
    exportLayout->addWidget(cmdExport, 0, Qt::AlignLeft);
    auto* importLayout = new QVBoxLayout(frmeImport);
    importLayout->addWidget(cmdImport, 0, Qt::AlignLeft);
    importLayout->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frmeExport, 3);
    layout->addWidget(frmeImport, 2);

    connect(cmdExport, &QPushButton::clicked, this, &ExchangeTab::cmdExport_Click);
    connect(cmdImport, &QPushButton::clicked, this, &ExchangeTab::cmdImport_Click);
}

QList<QWidget*> ExchangeTab::keyboardOrder() const
{
    return {lstExportDiv, cmdExport, cmdImport};
}

void ExchangeTab::cmdExport_Click()
{
    QList<RecordKey> divisions;
    for (int i = 0; i < lstExportDiv->count(); ++i) {
        if (lstExportDiv->item(i)->isSelected())
            divisions << lstExportDiv->item(i)->data(Qt::UserRole).toByteArray();
    }
    try {
        m_roster.checkExport(divisions);
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    const QString path
        = Roster::exportPath(Messages::saveFileName(this, tr("Export File Name"), folder(), filter()));
    if (path.isEmpty())
        return;
    rememberFolder(path);
    if (QFileInfo::exists(path)
        && Messages::show(this, tr("Export Function"), tr("This Export File Already Exists... Overwrite?"),
                          Messages::Icon::Question, Messages::Buttons::YesNo)
            == Messages::Answer::No)
        return;
    try {
        ProgressScope progress(m_progress);
        m_roster.exportDivisions(divisions, path, progress.reporter());
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    const QString file = QFileInfo(path).absoluteFilePath();
    if (Messages::show(this, QStringLiteral("Tallyhold"), tr("Export Completed!"),
                       Messages::Icon::Information,
                       canShowFolders() ? Messages::Buttons::OkShowFolder : Messages::Buttons::Ok,
                       tr("Saved as %1").arg(QDir::toNativeSeparators(file)))
        == Messages::Answer::ShowFolder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
}

QString ExchangeTab::folder() const
{
    const QString last = settings().value(FolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    // A roster kept in the user's hidden data directory, or on a server, has no folder the user
    // would look in: the exchange files go to the documents folder.
    const QString roster = m_roster.path();
    const bool hidden = RosterServer::isAddress(roster)
        || QFileInfo(roster).absolutePath().startsWith(RosterLocation::dataDirectory());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (hidden && !documents.isEmpty() && QDir().mkpath(documents))
        return documents;
    return RosterLocation::folderBeside(roster, QStringLiteral("Export"));
}

void ExchangeTab::rememberFolder(const QString& file)
{
    settings().setValue(FolderKey, QFileInfo(file).absolutePath());
}

void ExchangeTab::cmdImport_Click()
{
    const QString path = Messages::openFileName(this, tr("Import File Name"), folder(), filter());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    ImportResult result;
    try {
        ProgressScope progress(m_progress);
        result = m_roster.importFile(path, progress.reporter());
    } catch (const RosterError& error) {
        // A faulty file was refused before anything was written: the lists are as they were.
        Messages::error(this, error);
        return;
    }
    Messages::inform(this, tr("Import Completed!"), Messages::Icon::None, result.detail());
}
