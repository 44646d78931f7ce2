#include "ExchangeTab.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "gui/ProgressScope.h"
#include "roster/Roster.h"
#include "roster/RosterLocation.h"
#include "roster/RosterTexts.h"
#include "store/RosterError.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Filter = QStringLiteral("Tallyhold Export (*.tlx)|*.tlx");

} // namespace

ExchangeTab::ExchangeTab(Roster& roster, QProgressBar& progress, QWidget* parent)
    : QWidget(parent)
    , m_roster(roster)
    , m_progress(progress)
{
    frmeExport = named(new QGroupBox(QStringLiteral("Chose which Clans/Divisions then click Export")),
                       "frmeExport", QStringLiteral("Chose which Clans/Divisions then click Export"));
    lstExportDiv = named(new QListWidget, "lstExportDiv", QStringLiteral("Export divisions"));
    // A click toggles an entry, so several divisions are chosen without holding a key.
    lstExportDiv->setSelectionMode(QAbstractItemView::MultiSelection);
    cmdExport = named(new QPushButton(QStringLiteral("Export")), "cmdExport", QStringLiteral("Export"));
    frmeImport
        = named(new QGroupBox(QStringLiteral("Click Import")), "frmeImport", QStringLiteral("Click Import"));
    cmdImport = named(new QPushButton(QStringLiteral("Import")), "cmdImport", QStringLiteral("Import"));

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
    const QString path = Messages::saveFileName(
        this, QStringLiteral("Export File Name"),
        RosterLocation::folderBeside(m_roster.path(), QStringLiteral("Export")), Filter);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)
        && Messages::show(this, QStringLiteral("Export Function"),
                          QStringLiteral("This Export File Already Exists... Overwrite?"),
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
    Messages::inform(this, QStringLiteral("Export Completed!"));
}

void ExchangeTab::cmdImport_Click()
{
    const QString path = Messages::openFileName(
        this, QStringLiteral("Import File Name"),
        RosterLocation::folderBeside(m_roster.path(), QStringLiteral("Import")), Filter);
    if (path.isEmpty())
        return;
    ImportResult result;
    try {
        ProgressScope progress(m_progress);
        result = m_roster.importFile(path, progress.reporter());
    } catch (const RosterError& error) {
        // A faulty file was refused before anything was written: the lists are as they were.
        Messages::error(this, error);
        return;
    }
    Messages::inform(this, QStringLiteral("Import Completed!"), Messages::Icon::None, result.detail());
}
