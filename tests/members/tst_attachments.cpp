#include "members/attachments.h"
#include "members/ui/frmallegacartella.h"
#include "storage/appdir.h"
#include "storage/layout.h"
#include "storage/textfield.h"
#include "support/uidoubles.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

const QStringList HolderNames{"lblFile01", "lblDesc01", "lblFile02", "lblDesc02", "lblFile03", "lblDesc03"};

// A calling screen: a top-level window with the six hidden holders.
std::unique_ptr<QWidget> callerWindow(const QString& objectName, const QStringList& texts)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(objectName);
    for (int i = 0; i < HolderNames.size(); ++i) {
        auto* label = new QLabel(texts.value(i), window.get());
        label->setObjectName(HolderNames.at(i));
        label->hide();
    }
    return window;
}

QStringList holderTexts(QWidget* window)
{
    QStringList texts;
    for (const QString& name : HolderNames)
        texts << window->findChild<QLabel*>(name)->text();
    return texts;
}

QStringList fieldTexts(TfrmAllegaCartella& dialog)
{
    return {dialog.txtFile01->text(), dialog.txtDesc01->text(), dialog.txtFile02->text(),
            dialog.txtDesc02->text(), dialog.txtFile03->text(), dialog.txtDesc03->text()};
}

}  // namespace

class TestAttachments : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UiDoubles> m_ui;
    std::unique_ptr<QWidget> m_members;  // the member screen
    std::unique_ptr<QWidget> m_shifts;   // another caller, holding other attachments

    QString outside(const QString& name) const { return m_dir->filePath(QStringLiteral("disco/") + name); }
    QString inFolder(const QString& name) const { return AppDir::path() + QStringLiteral("Documenti_Allegati/") + name; }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->filePath(QStringLiteral("norvalis")));
        QVERIFY(QDir().mkpath(AppDir::path()));
        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("disco"))));
        m_ui = std::make_unique<UiDoubles>();
        m_members = callerWindow(QStringLiteral("frmAnagrafica"),
                                 {"  carta_identita.pdf ", " Carta d'identità  ", "contratto.pdf", "Contratto firmato",
                                  "", ""});
        m_shifts = callerWindow(QStringLiteral("frmTurni"), {"turni.xls", "Turni di marzo"});
    }
    void cleanup()
    {
        m_members.reset();
        m_shifts.reset();
        m_ui.reset();
    }

    void callerKeyNamesTheScreen_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("window");
        QTest::newRow("members") << "anagrafica" << "frmAnagrafica";
        QTest::newRow("service hours") << "orari" << "frmOrari";
        QTest::newRow("daily shifts") << "turni" << "frmTurni";
        QTest::newRow("weekly shifts") << "settimanale" << "frmSettimanale";
    }
    void callerKeyNamesTheScreen()
    {
        QFETCH(QString, key);
        QFETCH(QString, window);
        QCOMPARE(attachments::callerWindow(key), std::optional<QString>(window));
        QVERIFY(!attachments::callerWindow(key.toUpper()));
    }

    void openingCopiesTheCallersHoldersTrimmed()
    {
        TfrmAllegaCartella dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Allega file"));
        dialog.setCallerKey(QStringLiteral("anagrafica"));
        QCOMPARE(dialog.lblMemory->text(), QStringLiteral("anagrafica"));
        QCOMPARE(fieldTexts(dialog), (QStringList{"carta_identita.pdf", "Carta d'identità", "contratto.pdf",
                                                  "Contratto firmato", "", ""}));
        QVERIFY(dialog.txtFile01->isReadOnly());
        QVERIFY(dialog.btnApri01->isEnabled());
        QVERIFY(dialog.btnApri02->isEnabled());
        QVERIFY(!dialog.btnApri03->isEnabled());

        dialog.setCallerKey(QStringLiteral("turni"));
        QCOMPARE(fieldTexts(dialog), (QStringList{"turni.xls", "Turni di marzo", "", "", "", ""}));
        dialog.setCallerKey(QStringLiteral("orari"));  // that screen is not open
        QCOMPARE(fieldTexts(dialog), (QStringList{"", "", "", "", "", ""}));
    }

    void applyWritesBackTrimmedAndAnnullaChangesNothing_data()
    {
        QTest::addColumn<bool>("apply");
        QTest::newRow("Applica e chiudi") << true;
        QTest::newRow("Annulla") << false;
    }
    void applyWritesBackTrimmedAndAnnullaChangesNothing()
    {
        QFETCH(bool, apply);
        const QStringList before = holderTexts(m_members.get());
        TfrmAllegaCartella dialog;
        dialog.setCallerKey(QStringLiteral("anagrafica"));
        dialog.show();
        dialog.imgCancella01->click();
        dialog.txtDesc02->setText(QStringLiteral("   Contratto 2024  "));
        dialog.txtDesc03->setText(QStringLiteral(" Liberatoria"));

        (apply ? dialog.btnApplica : dialog.btnAnnulla)->click();

        QCOMPARE(dialog.result(), int(apply ? QDialog::Accepted : QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(holderTexts(m_members.get()),
                 apply ? (QStringList{"", "Carta d'identità", "contratto.pdf", "Contratto 2024", "", "Liberatoria"})
                       : before);
        QCOMPARE(holderTexts(m_shifts.get()), (QStringList{"turni.xls", "Turni di marzo", "", "", "", ""}));
    }

    void eraserEmptiesTheNameOnly()
    {
        QVERIFY(QDir().mkpath(attachments::folder()));
        writeBytes(inFolder(QStringLiteral("contratto.pdf")), "firmato");
        TfrmAllegaCartella dialog;
        dialog.setCallerKey(QStringLiteral("anagrafica"));
        dialog.imgCancella02->click();
        QVERIFY(dialog.txtFile02->text().isEmpty());
        QCOMPARE(dialog.txtDesc02->text(), QStringLiteral("Contratto firmato"));
        QVERIFY(!dialog.btnApri02->isEnabled());
        QCOMPARE(readAll(inFolder(QStringLiteral("contratto.pdf"))), QByteArray("firmato"));
    }

    void browseCopiesIntoTheFolder_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("new name, folder made on need") << false << MessageAnswer::Yes << QByteArray("nuovo");
        QTest::newRow("same name, keep the older file") << true << MessageAnswer::No << QByteArray("vecchio");
        QTest::newRow("same name, replace it") << true << MessageAnswer::Yes << QByteArray("nuovo");
    }
    void browseCopiesIntoTheFolder()
    {
        QFETCH(bool, exists);
        QFETCH(MessageAnswer, answer);
        QFETCH(QByteArray, kept);
        if (exists) {
            QVERIFY(QDir().mkpath(attachments::folder()));
            writeBytes(inFolder(QStringLiteral("ricevuta.pdf")), "vecchio");
        }
        writeBytes(outside(QStringLiteral("ricevuta.pdf")), "nuovo");
        m_ui->files->names << outside(QStringLiteral("ricevuta.pdf"));
        m_ui->messages->answers << answer;
        TfrmAllegaCartella dialog;
        dialog.setCallerKey(QStringLiteral("anagrafica"));

        dialog.btnSfoglia03->click();

        const auto& request = m_ui->files->requests.first();
        QCOMPARE(request.title, QStringLiteral("Selezionare il file da allegare:"));
        QCOMPARE(request.filter, QStringLiteral("Tutti i file (*.*)"));
        QVERIFY(!request.save);
        QCOMPARE(dialog.txtFile03->text(), QStringLiteral("ricevuta.pdf"));
        QVERIFY(dialog.btnApri03->isEnabled());
        QCOMPARE(readAll(inFolder(QStringLiteral("ricevuta.pdf"))), kept);
        const QString question = QStringLiteral(
            "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
            "Si vuole sovrascrivere il file esistente?");
        QCOMPARE(m_ui->messages->texts(), exists ? QStringList{question} : QStringList{});
        if (exists)
            QCOMPARE(m_ui->messages->shown.first().buttons, MessageButtons::YesNo);

        dialog.btnApri03->click();
        QCOMPARE(m_ui->shell->opened, QStringList{'"' + inFolder(QStringLiteral("ricevuta.pdf")) + '"'});
    }

    void browseCancelledOrFailedChangesNothingElse()
    {
        TfrmAllegaCartella dialog;
        dialog.setCallerKey(QStringLiteral("anagrafica"));
        dialog.btnSfoglia01->click();  // cancelled
        QCOMPARE(dialog.txtFile01->text(), QStringLiteral("carta_identita.pdf"));
        QVERIFY(m_ui->messages->shown.isEmpty());

        // The folder's name is taken by a file: nothing can be copied, and the
        // slot does not name a file that is not there.
        writeBytes(AppDir::filePath(QStringLiteral("Documenti_Allegati")), "non è una cartella");
        writeBytes(outside(QStringLiteral("delega.pdf")), "delega");
        m_ui->files->names << outside(QStringLiteral("delega.pdf"));
        dialog.btnSfoglia01->click();
        QCOMPARE(dialog.txtFile01->text(), QStringLiteral("carta_identita.pdf"));
        QCOMPARE(m_ui->messages->texts(), QStringList{attachments::CopyFailureMessage});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);
    }

    void namesComeBackFromTheRecordOrAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal");  // empty: attached under that name
        QTest::newRow("accents and euro sign") << QString::fromUtf8("ricevuta perché 10€.pdf") << "";
        QTest::newRow("non-breaking space at the end") << QString::fromUtf8("verbale.pdf ") << "";
        QTest::newRow("250 characters") << QString(246, QLatin1Char('a')) + ".pdf" << "";
        QTest::newRow("251 characters") << QString(247, QLatin1Char('a')) + ".pdf" << "supera i 250 caratteri";
        QTest::newRow("colon") << "verbale 10:30.pdf" << "contiene il carattere \":\"";
        QTest::newRow("backslash") << "a\\b.pdf" << "contiene il carattere \"\\\"";
        QTest::newRow("leading blank") << " verbale.pdf" << "inizia o termina con uno spazio";
        QTest::newRow("trailing blank") << "verbale.pdf " << "inizia o termina con uno spazio";
        QTest::newRow("Polish letter") << QString::fromUtf8("Łódź.pdf") << QString::fromUtf8("contiene il carattere \"Ł\"");
        QTest::newRow("outside the basic plane") << QString::fromUtf8("firma🖋.pdf")
                                                 << QString::fromUtf8("contiene il carattere \"🖋\"");
    }
    void namesComeBackFromTheRecordOrAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        writeBytes(outside(name), "allegato");
        m_ui->files->names << outside(name);
        TfrmAllegaCartella dialog;
        dialog.setCallerKey(QStringLiteral("anagrafica"));
        dialog.btnSfoglia01->click();

        if (refusal.isEmpty()) {
            QVERIFY(m_ui->messages->shown.isEmpty());
            QCOMPARE(dialog.txtFile01->text(), name);
            // Through the record and back, the name opens the copy.
            char stored[layout::AttachmentCapacity + 1];
            TextField::store(stored, layout::AttachmentCapacity, name);
            const QString loaded = TextField::load(stored, layout::AttachmentCapacity);
            QCOMPARE(loaded, name);
            QCOMPARE(readAll(inFolder(loaded)), QByteArray("allegato"));
            return;
        }
        QCOMPARE(m_ui->messages->shown.size(), 1);
        const QString message = m_ui->messages->shown.first().text;
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);
        QVERIFY2(message.startsWith(QStringLiteral("Attenzione: il nome del file scelto ") + refusal), qPrintable(message));
        QVERIFY(message.endsWith(QStringLiteral("Rinominare il file e allegarlo di nuovo.")));
        QCOMPARE(dialog.txtFile01->text(), QStringLiteral("carta_identita.pdf"));
        QVERIFY(!QFileInfo::exists(attachments::folder()) || QDir(attachments::folder()).isEmpty());
    }

    void attachingTheFoldersOwnFileKeepsIt()
    {
        QVERIFY(QDir().mkpath(attachments::folder()));
        writeBytes(inFolder(QStringLiteral("statuto.pdf")), "statuto");
        m_ui->files->names << inFolder(QStringLiteral("statuto.pdf"));
        TfrmAllegaCartella dialog;
        dialog.btnSfoglia02->click();  // answered Yes
        QCOMPARE(dialog.txtFile02->text(), QStringLiteral("statuto.pdf"));
        QCOMPARE(readAll(inFolder(QStringLiteral("statuto.pdf"))), QByteArray("statuto"));
    }

    void storedNamesOpenOnlyInsideTheFolder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("opened");  // empty: nothing is opened
        QTest::newRow("plain name") << "contratto.pdf" << "contratto.pdf";
        QTest::newRow("blanks around") << "  contratto.pdf  " << "contratto.pdf";
        QTest::newRow("dots inside a name") << "verbale..2024.pdf" << "verbale..2024.pdf";
        QTest::newRow("parent folder") << "../Tesserati.pro" << "";
        QTest::newRow("parent folder, Windows") << "..\\Tesserati.pro" << "";
        QTest::newRow("just the parent") << ".." << "";
        QTest::newRow("the folder itself") << "." << "";
        QTest::newRow("sub-folder") << "privati/contratto.pdf" << "";
        QTest::newRow("absolute path") << "/etc/passwd" << "";
        QTest::newRow("Windows path") << "C:\\Windows\\System32\\calc.exe" << "";
        QTest::newRow("drive-relative") << "C:calc.exe" << "";
        QTest::newRow("web address") << "https://example.com/x" << "";
        QTest::newRow("control character") << QString("a\nb.pdf") << "";
    }
    void storedNamesOpenOnlyInsideTheFolder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, opened);
        if (!opened.isEmpty()) {
            QVERIFY(QDir().mkpath(attachments::folder()));
            writeBytes(inFolder(opened), "allegato");
        }
        const auto command = attachments::openCommand(stored);
        QCOMPARE(bool(command), !opened.isEmpty());
        if (command)
            QCOMPARE(*command, '"' + inFolder(opened) + '"');

        // The same name arriving from a record through the caller's holder.
        m_members->findChild<QLabel*>(QStringLiteral("lblFile01"))->setText(stored);
        TfrmAllegaCartella dialog;
        dialog.setCallerKey(QStringLiteral("anagrafica"));
        dialog.btnApri01->click();
        QCOMPARE(m_ui->shell->opened, opened.isEmpty() ? QStringList{} : QStringList{*command});
        QVERIFY(m_ui->messages->shown.isEmpty());
    }

    void openingAFileNoLongerInTheFolderSaysSo()
    {
        TfrmAllegaCartella dialog;
        dialog.setCallerKey(QStringLiteral("anagrafica"));
        dialog.btnApri02->click();
        QVERIFY(m_ui->shell->opened.isEmpty());
        QCOMPARE(m_ui->messages->texts(),
                 QStringList{"Attenzione: impossibile aprire il file \"" + inFolder("contratto.pdf")
                             + "\": il file non esiste."});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);
    }

    void render()
    {
        const QString dir = qEnvironmentVariable("NORVALIS_SHOTS");
        if (dir.isEmpty())
            QSKIP("pictures only when NORVALIS_SHOTS names a folder");
        TfrmAllegaCartella dialog;
        dialog.setCallerKey(QStringLiteral("anagrafica"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.grab().save(dir + QStringLiteral("/allega.png"));
    }
};

QTEST_MAIN(TestAttachments)
#include "tst_attachments.moc"
