// The member import window and the member screen's "Importa": the file
// through the file dialog, the columns' drop-downs and the preview, the
// enabled states, the failing lines with nothing written, the count, the
// keyboard, and the screen showing the first new member.

#include "app/dates.h"
#include "app/ui/frmavvio.h"
#include "app/ui/windows.h"
#include "members/memberrecord.h"
#include "members/membersfixture.h"
#include "members/ui/frmanagrafica.h"
#include "members/ui/frmimporta.h"
#include "storage/appdir.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// Windows-1252, semicolons: a title the export uses, a field name, an
// unknown column, and a row whose name spans two lines.
const QByteArray CsvText = "Cognome e nome Socio;DataRil;Data di scadenza;Colore preferito;Comune di residenza\n"
                       "Rossi Mario;01/01/2024;31/12/2024;verde;00100 Roma RM\n"
                       "\"Bianchi\nAnna\";02/01/2024;02/01/2025;blu;Citt\xE0\n";

QString previewCell(const TfrmImporta& w, int row, int column)
{
    return w.grdAnteprima->model()->index(row, column).data().toString();
}

QStringList previewTitles(const TfrmImporta& w)
{
    QStringList t;
    for (int c = 0; c < w.grdAnteprima->model()->columnCount(); ++c)
        t << w.grdAnteprima->model()->headerData(c, Qt::Horizontal).toString();
    return t;
}

}  // namespace

class TestImportWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UiDoubles> m_ui;

    QString csvPath() const { return m_dir->filePath(QStringLiteral("soci.csv")); }

    // The window with the file chosen through its "Sfoglia...".
    void choose(TfrmImporta& w, const QByteArray& csv = CsvText)
    {
        QVERIFY(setFileContent(csvPath(), csv));
        m_ui->files->names << csvPath();
        QTest::mouseClick(w.btnSfoglia, Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
        m_ui = std::make_unique<UiDoubles>();
    }
    void cleanup() { m_ui.reset(); }

    void opensWithNothingToImport()
    {
        TfrmImporta w;
        activate(&w);
        QCOMPARE(w.windowTitle(), QStringLiteral(" Importa schede dei Soci da un file CSV"));
        QVERIFY(!w.btnImporta->isEnabled());
        QVERIFY(w.btnChiudi->isEnabled());
        QVERIFY(!w.lstErrori->isVisible());
        QVERIFY(w.btnSfoglia->hasFocus());
        // Cancelling the file dialog changes nothing.
        QTest::mouseClick(w.btnSfoglia, Qt::LeftButton);
        QCOMPARE(m_ui->files->requests.size(), 1);
        QCOMPARE(m_ui->files->requests.first().title, QStringLiteral("Selezionare il file CSV da importare:"));
        QVERIFY(!m_ui->files->requests.first().save);
        QVERIFY(w.txtFile->text().isEmpty());
        QVERIFY(!w.btnImporta->isEnabled());
        QTest::mouseMove(w.btnImporta);
        QCOMPARE(w.panInfo->text(), QStringLiteral("Inserisce in archivio una nuova scheda per ogni riga del file."));
    }

    void showsTheFileMappedToMemberFields()
    {
        TfrmImporta w;
        activate(&w);
        choose(w);
        QCOMPARE(w.txtFile->text(), QDir::toNativeSeparators(csvPath()));
        QCOMPARE(w.lblFormato->text(), QStringLiteral("Codifica Windows-1252, separatore punto e virgola: 2 righe di "
                                                      "dati."));
        QCOMPARE(w.grdColonne->rowCount(), 5);
        QCOMPARE(w.grdColonne->item(3, 0)->text(), QStringLiteral("Colore preferito"));
        const QStringList chosen{"Cognome e nome Socio", "Data di rilascio", "Data di scadenza", "(non importare)",
                                 "CAP, comune e provincia di residenza"};
        for (int c = 0; c < chosen.size(); ++c)
            QCOMPARE(w.columnList(c)->currentText(), chosen.at(c));
        QCOMPARE(w.columnList(0)->objectName(), QStringLiteral("lstColonna01"));
        // The fields in the order of the card, with the line each row starts on.
        QCOMPARE(previewTitles(w), (QStringList{"Riga", "Cognome e nome Socio", "Data di rilascio", "Data di scadenza",
                                                "Comune di residenza (senza CAP e provincia)", "Provincia di residenza",
                                                "CAP", "Giorni di preavviso"}));
        QCOMPARE(w.grdAnteprima->model()->rowCount(), 2);
        const QStringList second{"3", "Bianchi Anna", "02/01/2024", "02/01/2025", "Citt\u00E0", "", "", "0"};
        for (int c = 0; c < second.size(); ++c)
            QCOMPARE(previewCell(w, 1, c), second.at(c));
        QCOMPARE(previewCell(w, 0, 6), QStringLiteral("00100"));
        QVERIFY(w.btnImporta->isEnabled());
        QVERIFY(w.columnList(0)->hasFocus());
        shot(&w, "importa");
    }

    // A drop-down changes where a column goes; a field keeps one column.
    void changingAMapping()
    {
        TfrmImporta w;
        activate(&w);
        choose(w);
        QComboBox* colour = w.columnList(3);
        colour->setCurrentIndex(colour->findText(QStringLiteral("Note")));
        emit colour->activated(colour->currentIndex());
        QVERIFY(previewTitles(w).contains(QStringLiteral("Note")));
        QCOMPARE(previewCell(w, 0, int(previewTitles(w).indexOf(QStringLiteral("Note")))), QStringLiteral("verde"));
        // The name column given to Note too: the colour column lets it go.
        QComboBox* name = w.columnList(0);
        name->setCurrentIndex(name->findText(QStringLiteral("Note")));
        emit name->activated(name->currentIndex());
        QCOMPARE(colour->currentText(), QStringLiteral("(non importare)"));
        QCOMPARE(previewCell(w, 0, int(previewTitles(w).indexOf(QStringLiteral("Note")))), QStringLiteral("Rossi Mario"));
        QVERIFY(!previewTitles(w).contains(QStringLiteral("Cognome e nome Socio")));
        // Nothing imported at all: "Importa" goes grey.
        for (int c = 0; c < 5; ++c) {
            w.columnList(c)->setCurrentIndex(0);
            emit w.columnList(c)->activated(0);
        }
        QVERIFY(!w.btnImporta->isEnabled());
    }

    void failingLinesAreListedAndNothingIsWritten()
    {
        writeMembers({{{"Tesserato", "Primo"}}});
        const QByteArray before = fileContent(membersPath());
        TfrmImporta w;
        activate(&w);
        choose(w, CsvText + "Verdi;30/02/2024;31/12/2024;;\n;01/01/2024;01/01/2025;;\n");
        QTest::mouseClick(w.btnImporta, Qt::LeftButton);
        QCOMPARE(fileContent(membersPath()), before);
        QVERIFY(w.lstErrori->isVisible());
        QCOMPARE(w.lstErrori->count(), 2);
        QVERIFY(w.lstErrori->item(0)->text().startsWith(
            QStringLiteral("riga 5: la data di rilascio della tessera 30/02/2024 non esiste.")));
        QCOMPARE(w.lstErrori->item(1)->text(),
                 QStringLiteral("riga 6: per salvare la scheda \u00E8 necessario indicare il nome del tesserato."));
        QCOMPARE(m_ui->messages->shown.size(), 1);
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);
        QCOMPARE(m_ui->messages->shown.first().text,
                 QStringLiteral("Attenzione: 2 righe del file non si possono importare: nessuna scheda \u00E8 stata "
                                "inserita in archivio.\n\r\n\rCorreggere le righe elencate e ripetere l'importazione."));
        QVERIFY(w.isVisible());
        QCOMPARE(w.importedCount(), 0);
        // A change of mapping makes the old list stale: it goes.
        emit w.columnList(3)->activated(0);
        QVERIFY(!w.lstErrori->isVisible());
    }

    void anUnreadableFileIsReported()
    {
        TfrmImporta w;
        activate(&w);
        choose(w, "Tesserato\n\"aperta\n");
        QCOMPARE(m_ui->messages->texts(),
                 QStringList{QStringLiteral("Attenzione: il file %1 non si pu\u00F2 importare.\n\r\n\rriga 2: un testo "
                                            "fra virgolette non si chiude prima della fine del file.")
                                 .arg(QDir::toNativeSeparators(csvPath()))});
        QVERIFY(w.txtFile->text().isEmpty());
        QVERIFY(!w.btnImporta->isEnabled());
    }

    void importsAndSaysHowMany()
    {
        writeMembers({{{"Tesserato", "Primo"}}});
        TfrmImporta w;
        activate(&w);
        choose(w);
        QTest::mouseClick(w.btnImporta, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts(), QStringList{"2 nuove schede sono state inserite in archivio."});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Information);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(w.importedCount(), 2);
        QCOMPARE(w.firstPosition(), 2);
        const Archive archive(membersPath(), members::recordLayout());
        QCOMPARE(archive.count(), 3);
        QCOMPARE(archive.read(3).text(u"Tesserato"), QStringLiteral("Bianchi Anna"));
        QCOMPARE(archive.read(2).text(u"ProvRes"), QStringLiteral("RM"));
    }

    // Enter goes down the drop-downs to "Importa"; Enter on a focused
    // button clicks it; Esc closes.
    void keyboard()
    {
        TfrmImporta w;
        activate(&w);
        choose(w);
        QVERIFY(w.columnList(0)->hasFocus());
        QTest::keyClick(w.columnList(0), Qt::Key_Return);
        QVERIFY(w.columnList(1)->hasFocus());
        for (int c = 1; c < 5; ++c)
            QTest::keyClick(w.columnList(c), Qt::Key_Return);
        QVERIFY(w.btnImporta->hasFocus());
        w.btnChiudi->setFocus();
        QTest::keyClick(w.btnChiudi, Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(membersPath()));

        TfrmImporta again;
        activate(&again);
        QTest::keyClick(&again, Qt::Key_Escape);
        QVERIFY(!again.isVisible());
    }

    // The member screen's button: its hint, the window run modally, and the
    // screen on the first new member afterwards.
    void memberScreenShowsTheFirstNewMember()
    {
        Clock::set(QDateTime(QDate(2025, 3, 5), QTime(9, 30)));
        writeMembers({{{"Tesserato", "Primo"}}});
        QVERIFY(setFileContent(csvPath(), CsvText));
        createWindows();
        frmAvvio->show();
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnAnagrafica"), Qt::LeftButton);
        activate(frmAnagrafica);
        auto* button = frmAnagrafica->findChild<QToolButton*>("btnImporta");
        QVERIFY(button && button->isVisible());
        QCOMPARE(button->text(), QStringLiteral("Importa"));
        QTest::mouseMove(button);
        QCOMPARE(frmAnagrafica->panInfo->text(),
                 QStringLiteral("Importa nuove schede da un file CSV salvato da un foglio di calcolo."));
        m_ui->onModal = [this](QDialog& d) {
            auto& w = dynamic_cast<TfrmImporta&>(d);
            w.loadFile(csvPath());
            w.btnImporta->click();
            return w.result();
        };
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_ui->modals, QStringList{"TfrmImporta"});
        QCOMPARE(frmAnagrafica->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(frmAnagrafica->field("Tesserato")->text(), QStringLiteral("Rossi Mario"));
        QCOMPARE(frmAnagrafica->field("ComuneRes")->text(), QStringLiteral("Roma"));
        // A window closed without importing leaves the screen as it was.
        m_ui->onModal = [](QDialog&) { return int(QDialog::Rejected); };
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(frmAnagrafica->lblPosizione->text(), QStringLiteral("2"));
        destroyWindows();
        Clock::set({});
    }
};

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
