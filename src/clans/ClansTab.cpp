#include "ClansTab.h"

#include "app/ControlNames.h"
#include "app/frmTallyhold.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ClansTab::ClansTab(frmTallyhold& main, QWidget* parent)
    : QWidget(parent)
    , m_main(main)
{
    txtDivisionName = named(new QLineEdit, "txtDivisionName", QStringLiteral("Clan Name"));
    lstDivision = named(new QListWidget, "lstDivision", QStringLiteral("Clans / Divisions"));
    lstDivision->setSelectionMode(QAbstractItemView::SingleSelection);
    frmeDivNotes = named(new QGroupBox(QStringLiteral("Notes")), "frmeDivNotes", QStringLiteral("Notes"));
    txtDivNotes = named(new QPlainTextEdit, "txtDivNotes", QStringLiteral("Notes"));
    txtDivNotes->setTabChangesFocus(true);
    chkDivHide = named(new QCheckBox(QStringLiteral("Hide Members from Lists")), "chkDivHide",
                       QStringLiteral("Hide Members from Lists"));
    cmdNewDiv = named(new QPushButton(QStringLiteral("New Clan")), "cmdNewDiv", QStringLiteral("New Clan"));
    cmdDivSave = named(new QPushButton(QStringLiteral("Save")), "cmdDivSave", QStringLiteral("Save"));
    cmdDivClear = named(new QPushButton(QStringLiteral("Clear Fields")), "cmdDivClear",
                        QStringLiteral("Clear Fields"));
    cmdDeleteDiv = named(new QPushButton(QStringLiteral("Delete")), "cmdDeleteDiv", QStringLiteral("Delete"));

    auto* name = new QFormLayout;
    name->addRow(captionFor(txtDivisionName, QStringLiteral("Clan Name")), txtDivisionName);
    auto* notes = new QVBoxLayout(frmeDivNotes);
    notes->addWidget(txtDivNotes);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNewDiv);
    buttons->addWidget(cmdDivSave);
    buttons->addWidget(cmdDivClear);
    buttons->addWidget(cmdDeleteDiv);
    buttons->addStretch();

    auto* fields = new QVBoxLayout;
    fields->addLayout(name);
    fields->addWidget(chkDivHide);
    fields->addWidget(frmeDivNotes, 1);
    fields->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstDivision, 2);
    layout->addLayout(fields, 3);

    connect(lstDivision, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lstDivision->selectedItems().isEmpty())
            lstDivision_Click();
    });
    connect(cmdNewDiv, &QPushButton::clicked, this, &ClansTab::cmdNewDiv_Click);
    connect(cmdDivSave, &QPushButton::clicked, this, &ClansTab::cmdDivSave_Click);
    connect(cmdDivClear, &QPushButton::clicked, this, &ClansTab::cmdDivClear_Click);
    connect(cmdDeleteDiv, &QPushButton::clicked, this, &ClansTab::cmdDeleteDiv_Click);
}

QList<QWidget*> ClansTab::keyboardOrder() const
{
    return {lstDivision, txtDivisionName, chkDivHide,  txtDivNotes,
            cmdNewDiv,   cmdDivSave,      cmdDivClear, cmdDeleteDiv};
}

void ClansTab::lstDivision_Click() { }

void ClansTab::cmdNewDiv_Click() { }

void ClansTab::cmdDivSave_Click() { }

void ClansTab::cmdDivClear_Click() { }

void ClansTab::cmdDeleteDiv_Click() { }
