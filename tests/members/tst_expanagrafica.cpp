// The member export window: the grid over the archive, and the export
// dialogue its button runs (questions, file, opening, failure box).

#include "members/memberrecord.h"
#include "members/ui/frmexpanagrafica.h"
#include "output/ui/exportflow.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "support/fulldisk.h"
#include "support/uidoubles.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QString exportPath()
{
    return AppDir::filePath(QLatin1String(members::kExportFileName));
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void addMember(const QString& name, const QString& town, bool annulled = false)
{
    Record r(members::recordLayout());
    r.setText(u"Tesserato", name);
    r.setText(u"ComuneRes", town);
    r.setFlag(u"Annullata", annulled);
    Archive(AppDir::filePath(QLatin1String(members::kFileName)), members::recordLayout()).append(r);
}

QString cell(const TfrmExpAnagrafica& w, int row, int column)
{
    return w.grdRecords->model()->index(row, column).data().toString();
}

}  // namespace

class TestExpAnagrafica : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
    }

    void gridShowsEveryRecord()
    {
        addMember(QStringLiteral("Rossi <Mario>"), QStringLiteral("Citt\u00E0"));
        addMember(QStringLiteral("Bianchi Anna"), QString(), true);
        TfrmExpAnagrafica w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral(" Esporta archivio anagrafico dei Soci in Microsoft Excel"));
        QCOMPARE(w.grdRecords->model()->rowCount(), 2);
        QCOMPARE(w.grdRecords->model()->columnCount(), 26);
        QCOMPARE(cell(w, 0, 0), QStringLiteral("1"));
        QCOMPARE(cell(w, 0, 1), QStringLiteral("Rossi <Mario>"));
        QCOMPARE(cell(w, 0, 9), QStringLiteral(" Citt\u00E0 "));
        QCOMPARE(cell(w, 1, 25), QStringLiteral("S\u00EC"));
        QCOMPARE(w.grdRecords->model()->headerData(24, Qt::Horizontal).toString(), QStringLiteral("Note"));
        QCOMPARE(w.grdRecords->columnWidth(24), 300);
        QCOMPARE(w.grdRecords->verticalHeader()->defaultSectionSize(), 21);
        QCOMPARE(w.grdRecords->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(w.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    }

    void exportWritesAndOpens()
    {
        addMember(QStringLiteral("A & B"), QStringLiteral("Forl\u00EC"));
        UiDoubles ui;
        TfrmExpAnagrafica w;
        w.show();
        QTest::mouseClick(w.cmdEsporta, Qt::LeftButton);
        QCOMPARE(ui.messages->texts(), (QStringList{ExportFlow::AskText, ExportFlow::DoneText}));
        QCOMPARE(ui.messages->shown.at(0).buttons, MessageButtons::YesNo);
        QCOMPARE(ui.shell->opened, QStringList{'"' + exportPath() + '"'});
        const QByteArray bytes = fileBytes(exportPath());
        QVERIFY(bytes.contains("<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">"
                               "A &amp; B</td>"));
        QVERIFY(bytes.contains(">Forl\xEC</td>"));
    }

    void answersNo_data()
    {
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("fileReplaced");
        QTest::newRow("no to exporting") << false << false;
        QTest::newRow("no to opening") << true << true;
    }
    void answersNo()
    {
        QFETCH(bool, first);
        QFETCH(bool, fileReplaced);
        addMember(QStringLiteral("Verdi"), QString());
        writeFile(exportPath(), "earlier export");
        UiDoubles ui;
        ui.messages->answers = {first ? MessageAnswer::Yes : MessageAnswer::No, MessageAnswer::No};
        TfrmExpAnagrafica w;
        w.show();
        w.cmdEsportaClick();
        QCOMPARE(ui.messages->shown.size(), first ? 2 : 1);
        QVERIFY(ui.shell->opened.isEmpty());
        QCOMPARE(fileBytes(exportPath()) != "earlier export", fileReplaced);
    }

    void failureIsReported_data()
    {
        QTest::addColumn<QString>("inTheWay");  // a folder made under this name
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        const int information = int(MessageKind::Information);
        QTest::newRow("file cannot be made")
            << QString::fromLatin1(members::kExportFileName) << false << ExportFlow::FailureText << information;
        QTest::newRow("disk full") << QString() << true << ExportFlow::FailureText << information;
        // An archive that is there but cannot be read is not exported as an empty one.
        QTest::newRow("archive cannot be read") << QString::fromLatin1(members::kFileName) << false
                                                << ArchiveError::userMessage() << int(MessageKind::Error);
    }
    void failureIsReported()
    {
        QFETCH(QString, inTheWay);
        QFETCH(bool, diskFull);
        QFETCH(QString, message);
        QFETCH(int, kind);
        const bool earlierExport = inTheWay != QLatin1String(members::kExportFileName);
        if (inTheWay != QLatin1String(members::kFileName))
            addMember(QStringLiteral("Verdi"), QString());
        if (!inTheWay.isEmpty())
            QVERIFY(QDir(m_dir->path()).mkdir(inTheWay));
        if (earlierExport)
            writeFile(exportPath(), "earlier export");
        UiDoubles ui;
        TfrmExpAnagrafica w;
        w.show();
        {
            std::optional<FullDisk> full;
            if (diskFull)
                full.emplace();
            w.cmdEsportaClick();
        }
        QCOMPARE(ui.messages->texts(), (QStringList{ExportFlow::AskText, message}));
        QCOMPARE(int(ui.messages->shown.at(1).kind), kind);
        QCOMPARE(ExportFlow::FailureText.count(QStringLiteral("\n\r\n\r")), 1);
        QVERIFY(ui.shell->opened.isEmpty());
        if (earlierExport)
            QCOMPARE(fileBytes(exportPath()), QByteArray("earlier export"));
    }

    void emptyArchiveExportsHeaderOnly()
    {
        UiDoubles ui;
        TfrmExpAnagrafica w;
        w.show();
        QCOMPARE(w.grdRecords->model()->rowCount(), 0);
        w.cmdEsportaClick();
        const QByteArray bytes = fileBytes(exportPath());
        QCOMPARE(bytes.count("<tr>"), 1);
        QVERIFY(bytes.endsWith("width=150>Tessera annullata</td></tr></table></body></html>"));
    }

    void lookOfTheFilledGrid()
    {
        // With NORVALIS_SHOTS set, the filled window is saved for a look.
        const QString shots = qEnvironmentVariable("NORVALIS_SHOTS");
        if (shots.isEmpty())
            QSKIP("NORVALIS_SHOTS not set");
        const Archive archive(AppDir::filePath(QLatin1String(members::kFileName)), members::recordLayout());
        for (int i = 0; i < 30; ++i) {
            Record r(members::recordLayout());
            r.setText(u"Tesserato", QStringLiteral("Socio n. %1 & famiglia").arg(i));
            r.setText(u"Carica", i == 0 ? QStringLiteral("Presidente") : QStringLiteral("Socio ordinario"));
            r.setText(u"NumTessera", QString::number(1000 + i));
            r.setText(u"DataRil", QStringLiteral("01/02/2024"));
            r.setText(u"DataScade", QStringLiteral("31/12/2024"));
            r.setText(u"DataNasc", QStringLiteral("12/05/1970"));
            r.setText(u"ComuneNasc", QStringLiteral("Forl\u00EC"));
            r.setText(u"ProvNasc", QStringLiteral("FC"));
            r.setText(u"ComuneRes", QStringLiteral("Citt\u00E0 di Castello"));
            r.setFlag(u"Annullata", i % 7 == 0);
            archive.append(r);
        }
        TfrmExpAnagrafica w;
        w.resize(1100, 620);
        w.show();
        QVERIFY(w.grab().save(shots + QStringLiteral("/expanagrafica.png")));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestExpAnagrafica)
#include "tst_expanagrafica.moc"
