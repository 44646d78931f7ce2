#include "ExchangeTab.h"

#include "app/ControlNames.h"
#include "app/frmTallyhold.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ExchangeTab::ExchangeTab(frmTallyhold& main, QWidget* parent)
    : QWidget(parent)
    , m_main(main)
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

void ExchangeTab::cmdExport_Click() { }

void ExchangeTab::cmdImport_Click() { }
