#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QProgressBar;
class Roster;

// "Export / Import": export chosen divisions to an exchange file, or import one.
class ExchangeTab : public QWidget
{
    Q_OBJECT

public:
    ExchangeTab(Roster& roster, QProgressBar& progress, QWidget* parent = nullptr);

    QList<QWidget*> keyboardOrder() const;

    QGroupBox* frmeExport = nullptr;
    QLabel* lblExportHint = nullptr;
    QListWidget* lstExportDiv = nullptr;
    QPushButton* cmdExport = nullptr;
    QGroupBox* frmeImport = nullptr;
    QPushButton* cmdImport = nullptr;

private slots:
    void cmdExport_Click();
    void cmdImport_Click();

private:
    // Where both file dialogs start: the folder last exported to or imported from.
    QString folder() const;
    void rememberFolder(const QString& file);

    Roster& m_roster;
    QProgressBar& m_progress;
};
