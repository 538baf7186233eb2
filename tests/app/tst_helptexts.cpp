#include "app/backup.h"
#include "app/helptexts.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QtTest>

#include <stdexcept>

using HelpTexts::Topic;

class TestHelpTexts : public QObject {
    Q_OBJECT

private slots:
    void everyTopicIsComplete()
    {
        QVERIFY(!HelpTexts::all().isEmpty());
        QSet<QString> ids;
        for (const Topic& t : HelpTexts::all()) {
            QVERIFY2(!t.id.isEmpty(), qPrintable(t.title));
            QVERIFY2(!ids.contains(t.id), qPrintable("duplicate id " + t.id));
            ids.insert(t.id);
            QVERIFY2(!t.title.trimmed().isEmpty(), qPrintable(t.id));
            QVERIFY2(!t.body.trimmed().isEmpty(), qPrintable(t.id));
            QCOMPARE(&HelpTexts::topic(t.id), &t);
        }
    }

    void bodiesAreParagraphsJoinedByCrLf()
    {
        for (const Topic& t : HelpTexts::all()) {
            const QString withoutCrLf = QString(t.body).remove(QStringLiteral("\r\n"));
            QVERIFY2(!withoutCrLf.contains(QLatin1Char('\n')), qPrintable(t.id + ": lone LF"));
            QVERIFY2(!withoutCrLf.contains(QLatin1Char('\r')), qPrintable(t.id + ": lone CR"));
            const QStringList paragraphs = t.body.split(QStringLiteral("\r\n"));
            QVERIFY2(paragraphs.size() >= 2, qPrintable(t.id));
            for (const QString& p : paragraphs) {
                QVERIFY2(!p.trimmed().isEmpty(), qPrintable(t.id + ": empty paragraph"));
                QCOMPARE(p, p.trimmed());
                QVERIFY2(!p.contains(QLatin1Char('<')) && !p.contains(QLatin1Char('\t')),
                         qPrintable(t.id + ": markup in " + p.left(40)));
            }
        }
    }

    void screenTitles_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");  // 0: any number
        QTest::newRow("main menu") << "avvio" << "Uno sguardo a Norvalis 2.0." << 0;
        QTest::newRow("year chooser") << "menuregistro" << "Applicazione Calendario Turni." << 0;
        QTest::newRow("password change") << "password" << "Cambia password." << 0;
        QTest::newRow("single card") << "tessera" << "Stampa tessera singola." << 4;
        QTest::newRow("card sheet") << "tessere" << "Stampa pi\u00F9 tessere." << 2;
    }
    void screenTitles()
    {
        QFETCH(QString, id);
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        QCOMPARE(HelpTexts::topic(id).title, title);
        if (paragraphs)
            QCOMPARE(HelpTexts::topic(id).body.split(QStringLiteral("\r\n")).size(), paragraphs);
    }

    void unknownTopicThrows()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, HelpTexts::topic(QStringLiteral("nessuno")));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, HelpTexts::topic(QStringLiteral("Avvio")));
    }

    void mainMenuTellsAboutAccessAndAreas()
    {
        const QString body = HelpTexts::topic(QStringLiteral("avvio")).body;
        QVERIFY(body.contains(QStringLiteral("\"ravenquillotto\"")));
        QVERIFY(body.contains(QStringLiteral("otto caratteri")));
        QVERIFY(body.contains(QStringLiteral("Cambia password")));
        // The daily backups as the program keeps them.
        QVERIFY(body.contains(QStringLiteral("cartella %1").arg(QLatin1String(Backup::FolderName))));
        QVERIFY(body.contains(QStringLiteral("ultimi %1 giorni").arg(Backup::KeptDailyBackups)));
        QVERIFY(HelpTexts::all().first().id == QStringLiteral("avvio"));

        // One paragraph per area, in the order of the menu.
        const QStringList areas = {"ARCHIVIO SOCI", "STAMPA TESSERA SINGOLA", "STAMPA PIU' TESSERE",
                                   "SCADENZARIO PAGAMENTI", "IMPOSTAZIONE ORARI", "CALENDARIO TURNI"};
        const QStringList paragraphs = body.split(QStringLiteral("\r\n"));
        int at = 0;
        for (const QString& area : areas) {
            while (at < paragraphs.size() && !paragraphs[at].startsWith(area))
                ++at;
            QVERIFY2(at < paragraphs.size(), qPrintable(area + " missing or out of order"));
            ++at;
        }
    }

    void manualHoldsEveryTopic()
    {
        const QString html = HelpTexts::manualHtml();
        QVERIFY(html.contains(QStringLiteral("Norvalis 2.0")));
        QVERIFY(html.contains(QStringLiteral("Guida all'utilizzo del software")));
        QTextDocument doc;
        doc.setHtml(html);
        const QString text = doc.toPlainText();
        for (const Topic& t : HelpTexts::all()) {
            QVERIFY(html.count(t.title.toHtmlEscaped()) >= 2);  // contents line and heading
            for (const QString& p : t.body.split(QStringLiteral("\r\n")))
                QVERIFY2(text.contains(p), qPrintable(t.id + ": " + p.left(40)));
        }
    }

    void manualEscapesText()
    {
        const QList<Topic> topics = {
            {"prova", "Soci & <Tessere>", "Se a < b allora\r\nb > a & c"},
            {"altro", "Secondo", "<b>non grassetto</b>\r\nfine"},
        };
        const QString html = HelpTexts::manualHtml(topics);
        QVERIFY(!html.contains(QStringLiteral("<Tessere>")));
        QVERIFY(!html.contains(QStringLiteral("<b>")));
        QVERIFY(!html.contains(QStringLiteral("a & c")));

        // Read back, every text is there as written, one paragraph per block.
        QTextDocument doc;
        doc.setHtml(html);
        QStringList blocks;
        for (const QString& block : doc.toPlainText().split(QLatin1Char('\n')))
            blocks << block.trimmed();
        for (const QString& expected : {QStringLiteral("Se a < b allora"), QStringLiteral("b > a & c"),
                                        QStringLiteral("<b>non grassetto</b>"), QStringLiteral("fine")})
            QVERIFY2(blocks.contains(expected), qPrintable(expected));
        QCOMPARE(blocks.filter(QStringLiteral("Soci & <Tessere>")).size(), 2);
    }

    void manualPdfBesideThePrograms()
    {
#ifndef NORVALIS_MANUAL_PDF
        QSKIP("the manual is not part of this build");
#else
        const QFileInfo pdf(QStringLiteral(NORVALIS_MANUAL_PDF));
        QCOMPARE(pdf.absolutePath(), QFileInfo(QStringLiteral(NORVALIS_BIN_DIR)).absoluteFilePath());
        QFile f(pdf.filePath());
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(pdf.filePath()));
        const QByteArray data = f.readAll();
        QVERIFY(data.startsWith("%PDF-"));
        QVERIFY(data.trimmed().endsWith("%%EOF"));
        const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
        int pages = 0;
        for (auto it = page.globalMatch(QString::fromLatin1(data)); it.hasNext(); it.next())
            ++pages;
        // Title page, contents and at least one page per topic.
        QVERIFY2(pages >= 2 + int(HelpTexts::all().size()), qPrintable(QString::number(pages)));
#endif
    }
};

QTEST_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
