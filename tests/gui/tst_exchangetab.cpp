#include "GuiTest.h"
#include "gui/ExchangeTab.h"

#include <QFile>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>

namespace {

struct Tab
{
    Tab()
        : tab(roster.session(), bar)
    {
        follow(roster.session(), &Roster::divisionsChanged, tab.lstExportDiv, &Roster::divisionList);
        QObject::connect(&bar, &QProgressBar::valueChanged, &bar,
                         [this] { shownWhileRunning |= bar.isVisible(); });
        tab.layout()->addWidget(&bar);
        showActive(tab);
    }
    // Clicks with the file dialog answered; the texts of the boxes shown.
    QStringList click(QPushButton* button, const QString& fileName,
                      const QList<Messages::Answer>& answers = {})
    {
        Messages::clear();
        Messages::scriptFileNames({fileName});
        Messages::scriptAnswers(answers);
        QTest::mouseClick(button, Qt::LeftButton);
        QStringList texts;
        for (const Messages::Shown& box : Messages::shown())
            texts << box.text;
        return texts;
    }
    TestRoster roster;
    // Inside the tab, as in the main window, so showing it does not open a window of its own.
    QProgressBar& bar = *new QProgressBar;
    ExchangeTab tab;
    bool shownWhileRunning = false;
};

} // namespace

// "Export / Import" on a roster session, without the main window, the file dialogs scripted.
class tst_ExchangeTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void exportThenImport()
    {
        Tab source;
        const QString path = source.roster.filePath("out.tlx");
        for (const char* name : {"Alpha", "Bravo", "Charlie"})
            source.roster.addMember(source.roster.addDivision(name), 7, "Bob");
        emit source.roster.session().divisionsChanged();
        QCOMPARE(source.click(source.tab.cmdExport, path),
                 QStringList {"You must make selection(s) from the list first!"});
        QVERIFY(Messages::dialogTitles().isEmpty());

        // A click toggles an entry: Alpha and Charlie are chosen, Bravo was chosen and dropped.
        for (int row : {0, 1, 2, 1})
            clickEntry(source.tab.lstExportDiv, row);
        QCOMPARE(source.click(source.tab.cmdExport, path), QStringList {"Export Completed!"});
        QCOMPARE(Messages::dialogTitles(), QStringList {"Export File Name"});
        QVERIFY(source.shownWhileRunning && source.bar.isHidden());
        const auto contents = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray exported = contents();
        // Answering No to the overwrite question keeps the file as it was.
        clickEntry(source.tab.lstExportDiv, 1);
        QCOMPARE(source.click(source.tab.cmdExport, path, {Messages::Answer::No}),
                 QStringList {"This Export File Already Exists... Overwrite?"});
        QVERIFY(!exported.isEmpty() && contents() == exported);

        Tab target;
        QCOMPARE(target.click(target.tab.cmdImport, path), QStringList {"Import Completed!"});
        QCOMPARE(Messages::dialogTitles(), QStringList {"Import File Name"});
        QVERIFY(Messages::shown().first().detail.contains("Divisions added: 2, already present: 0"));
        QVERIFY(target.shownWhileRunning && target.bar.isHidden());
        QCOMPARE(entryTexts(target.tab.lstExportDiv), QStringList({"Alpha", "Charlie"}));

        // A file that cannot be read is refused in its own box; nothing is reported done.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("1|x\n") > 0);
        file.close();
        const QStringList refused = target.click(target.tab.cmdImport, path);
        QVERIFY(refused.size() == 1 && refused.first() != "Import Completed!");
        QCOMPARE(Messages::shown().first().icon, Messages::Icon::Critical);
        QCOMPARE(target.roster.count("Divisions"), 2);
    }
};

QTEST_MAIN(tst_ExchangeTab)
#include "tst_exchangetab.moc"
