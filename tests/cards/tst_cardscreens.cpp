#include "app/ui/frmavvio.h"
#include "app/ui/windows.h"
#include "cards/cardlayout.h"
#include "cards/cardpictures.h"
#include "cards/ui/cardprint.h"
#include "cards/ui/cardview.h"
#include "cards/ui/frmdatiente.h"
#include "cards/ui/frmtessera.h"
#include "cards/ui/frmtessere.h"
#include "members/memberphoto.h"
#include "members/ui/photoview.h"
#include "output/ui/frmanteprima.h"
#include "output/ui/searchdialog.h"
#include "members/membersfixture.h"
#include "support/fulldisk.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QList<MemberFields> Club = {
    {{"Tesserato", "Rossi Mario"}, {"Carica", "Presidente"}, {"NumTessera", "101"}, {"DataRil", "01/02/2025"},
     {"DataScade", "31/12/2025"}},
    {{"Tesserato", "Bianchi Anna"}, {"Carica", "Segretaria"}, {"NumTessera", "102"}, {"DataRil", "03/02/2025"},
     {"DataScade", "31/12/2026"}},
    {{"Tesserato", "Verdi Luca"}, {"NumTessera", "103"}},
};

QString text(CardView* card, const char* name)
{
    return card->text(QLatin1String(name))->text();
}

QStringList memberTexts(CardView* card)
{
    QStringList texts;
    for (const char* name : {"txtTesserato", "txtCarica", "txtNumTessera", "txtDataRil", "txtDataScade"})
        texts << text(card, name);
    return texts;
}

const QStringList Placeholders = {"Cognome e nome Socio", "Carica ricoperta", "Tessera n.", "GG/MM/AAAA",
                                  "GG/MM/AAAA"};

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeIni(const QByteArray& text)
{
    QFile f(AppDir::filePath(QStringLiteral("Tesserini.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

bool samePicture(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

QImage solid(QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The card's outer edge on a printed page, in millimetres from the paper corner.
QRectF cardEdge(const Report::PreparedPage& page, int index = 0)
{
    int seen = 0;
    for (const Report::Primitive& p : page.items)
        if (p.kind == Report::Primitive::Fill && p.colour == QColor(Qt::white)
            && qAbs(Report::toMm(p.rect.width()) - 86.0) < 0.01 && seen++ == index)
            return {Report::toMm(p.rect.left()), Report::toMm(p.rect.top()), Report::toMm(p.rect.width()),
                    Report::toMm(p.rect.height())};
    return {};
}

// Where a text was printed, in millimetres.
QRectF printedText(const Report::PreparedPage& page, const QString& text)
{
    for (const Report::Primitive& p : page.items)
        if (p.kind == Report::Primitive::Text && p.text == text)
            return {Report::toMm(p.clip.left()), Report::toMm(p.clip.top()), Report::toMm(p.clip.width()),
                    Report::toMm(p.clip.height())};
    return {};
}

void pickFirstResult(SearchDialog& dialog, const QString& cardNumber)
{
    dialog.show();
    dialog.criterion("NumTessera")->setText(cardNumber);
    QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
    const QRect rect = dialog.lstRecords->visualRect(dialog.lstRecords->model()->index(0, 0));
    QTest::mouseClick(dialog.lstRecords->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(dialog.lstRecords->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class TestCardScreens : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UiDoubles> m_ui;

    CardView* single() const { return frmTessera->card; }
    void click(QWidget* screen, const char* name)
    {
        auto* b = screen->findChild<QAbstractButton*>(QLatin1String(name));
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void openSingle()
    {
        frmAvvio->show();
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnTessera"), Qt::LeftButton);
        QVERIFY(frmTessera->isVisible());
    }
    void openSheet()
    {
        frmAvvio->show();
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnTessere"), Qt::LeftButton);
        QVERIFY(frmTessere->isVisible());
    }
    QString lastMessage() const
    {
        return m_ui->messages->shown.isEmpty() ? QString() : m_ui->messages->shown.last().text;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
        m_ui = std::make_unique<UiDoubles>();
        createWindows();
    }
    void cleanup()
    {
        destroyWindows();
        m_ui.reset();
    }

    void firstShowWithoutSettings()
    {
        writeMembers(Club);
        openSingle();
        shot(frmTessera, "tessera");
        for (const char* name : {"titAssociazione", "titSottotitolo01", "titSottotitolo02", "titAnnotazioni"})
            QVERIFY2(text(single(), name).isEmpty(), name);
        QCOMPARE(memberTexts(single()), Placeholders);
        QCOMPARE(frmTessera->lblPosizione->text(), QString());
        QCOMPARE(frmTessera->panInfo->text(), QStringLiteral("Pronto per stampare una nuova tessera..."));
        QVERIFY(samePicture(single()->imgFoto->image(), Cards::placeholderPortrait()));
        QVERIFY(samePicture(single()->imgLogo->image(), Cards::placeholderLogo()));

        // The hint bar follows the mouse, over the card's parts too (on a
        // screen as large as the window wants).
        frmTessera->setWindowState(Qt::WindowNoState);
        frmTessera->resize(1366, 740);
        frmTessera->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frmTessera));
        const std::pair<QWidget*, QString> hints[] = {
            {frmTessera->findChild<QToolButton*>("cmdStampa"), "Stampa il tesserino corrente."},
            {single()->imgLogo, "Fare clic per caricare il logo del proprio Ente o Associazione."},
            {single()->text("titAnnotazioni"), "Fare clic per inserire i dati del proprio Ente o Associazione."},
            {frmTessera->findChild<QToolButton*>("btnCancFoto"), "Cancella la foto corrente."},
        };
        for (const auto& [control, hint] : hints) {
            QTest::mouseMove(control);
            QCOMPARE(frmTessera->panInfo->text(), hint);
        }
    }

    void browsingIsReadOnlyAndLoadsPhotos()
    {
        writeMembers(Club);
        QVERIFY(members::writePhoto(2, solid({157, 174}, Qt::red)));
        const QByteArray archive = fileBytes(membersPath());
        openSingle();

        click(frmTessera, "cmdIndietro");  // an empty position shows record 1
        QCOMPARE(frmTessera->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(memberTexts(single()),
                 (QStringList{"Rossi Mario", "Presidente", "101", "01/02/2025", "31/12/2025"}));
        QVERIFY(samePicture(single()->imgFoto->image(), Cards::placeholderPortrait()));
        click(frmTessera, "cmdIndietro");  // at record 1 nothing happens
        QCOMPARE(frmTessera->lblPosizione->text(), QStringLiteral("1"));
        click(frmTessera, "cmdAvanti");
        QCOMPARE(frmTessera->lblPosizione->text(), QStringLiteral("2"));
        QVERIFY(single()->imgFoto->image().pixelColor(80, 80).red() > 200);
        click(frmTessera, "cmdUltimo");
        QCOMPARE(memberTexts(single()), (QStringList{"Verdi Luca", "", "103", "", ""}));
        click(frmTessera, "cmdAvanti");  // at the last record nothing happens
        QCOMPARE(frmTessera->lblPosizione->text(), QStringLiteral("3"));
        QVERIFY(m_ui->messages->shown.isEmpty());

        click(frmTessera, "cmdNuovo");
        QCOMPARE(memberTexts(single()), Placeholders);
        QCOMPARE(frmTessera->lblPosizione->text(), QString());
        click(frmTessera, "cmdAvanti");  // an empty position counts as 0
        QCOMPARE(frmTessera->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(fileBytes(membersPath()), archive);

        QFile::remove(membersPath());
        click(frmTessera, "cmdPrimo");
        QCOMPARE(lastMessage(), QStringLiteral("L'archivio non contiene nessuna scheda."));
        click(frmTessera, "cmdAvanti");
        QCOMPARE(frmTessera->lblPosizione->text(), QString());

        // An archive that cannot be read: the error, and the card stays.
        QFile::remove(membersPath());
        QVERIFY(QDir(m_dir->path()).mkdir(QLatin1String(members::kFileName)));
        const QStringList before = memberTexts(single());
        click(frmTessera, "cmdUltimo");
        QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Error);
        QVERIFY(lastMessage().startsWith(
            QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r")));
        QCOMPARE(memberTexts(single()), before);
    }

    void searchHandsMembersToTheCards()
    {
        writeMembers(Club);
        QVERIFY(members::writePhoto(2, solid({157, 174}, Qt::blue)));
        openSingle();
        m_ui->onModal = [](QDialog& d) {
            pickFirstResult(static_cast<SearchDialog&>(d), QStringLiteral("102"));
            return d.result();
        };
        click(frmTessera, "cmdTrova");
        QCOMPARE(m_ui->modals, QStringList{"TfrmTrovaAnagrafica"});
        QCOMPARE(frmTessera->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(text(single(), "txtTesserato"), QStringLiteral("Bianchi Anna"));
        QVERIFY(single()->imgFoto->image().pixelColor(80, 80).blue() > 200);

        // The sheet: slot 5 gets the member, the others keep their placeholders.
        frmTessera->close();
        openSheet();
        shot(frmTessere, "tessere");
        QStringList keys;
        m_ui->onModal = [&keys](QDialog& d) {
            keys << d.findChild<QLabel*>("lblMemory")->text();
            pickFirstResult(static_cast<SearchDialog&>(d), QStringLiteral("102"));
            return d.result();
        };
        click(frmTessere, "btnImporta05");
        click(frmTessere, "btnImporta09");
        QCOMPARE(keys, (QStringList{"tessere_05", "tessere_09"}));
        for (int slot : {5, 9}) {
            QCOMPARE(memberTexts(frmTessere->cards[slot - 1]),
                     (QStringList{"Bianchi Anna", "Segretaria", "102", "03/02/2025", "31/12/2026"}));
            QVERIFY(frmTessere->cards[slot - 1]->imgFoto->image().pixelColor(80, 80).blue() > 200);
        }
        QCOMPARE(frmTessere->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(memberTexts(frmTessere->cards[0]), Placeholders);
    }

    void organizationWindow()
    {
        openSingle();
        QStringList focusOrder;
        m_ui->onModal = [&focusOrder](QDialog& d) {
            auto& w = static_cast<TfrmDatiEnte&>(d);
            w.show();
            w.activateWindow();
            [&] { QVERIFY(QTest::qWaitForWindowActive(&w)); }();
            shot(&w, "datiente");
            [&] { QCOMPARE(w.lblMemory->text(), QStringLiteral("tessera")); }();
            for (int i = 0; i < 5; ++i) {
                focusOrder << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            w.txtAssociazione->setText(QStringLiteral("  Circolo Vela Società  "));
            w.txtSottotitolo01->setText(QStringLiteral(" Via Roma 1, Lecco"));
            w.txtSottotitolo02->setText(QStringLiteral("Tel. 0341 000000 "));
            w.txtAnnotazioni->setText(QStringLiteral("Valida per l'anno sociale"));
            QTest::mouseClick(w.btnApplica, Qt::LeftButton);
            return w.result();
        };
        QTest::mouseClick(single()->text("titSottotitolo02"), Qt::LeftButton);
        QCOMPARE(focusOrder, (QStringList{"txtAssociazione", "txtSottotitolo01", "txtSottotitolo02",
                                          "txtAnnotazioni", "txtAssociazione"}));
        QCOMPARE(text(single(), "titAssociazione"), QStringLiteral("Circolo Vela Società"));
        QCOMPARE(text(single(), "titSottotitolo01"), QStringLiteral("Via Roma 1, Lecco"));
        QCOMPARE(text(single(), "titSottotitolo02"), QStringLiteral("Tel. 0341 000000"));
        QVERIFY(!QFile::exists(AppDir::filePath("Tesserini.ini")));  // saved on close only

        // "Annulla" changes nothing; the window gets the texts as they are.
        m_ui->onModal = [](QDialog& d) {
            auto& w = static_cast<TfrmDatiEnte&>(d);
            [&] { QCOMPARE(w.txtAssociazione->text(), QStringLiteral("Circolo Vela Società")); }();
            w.txtAssociazione->setText(QStringLiteral("Altro"));
            QTest::mouseClick(w.btnAnnulla, Qt::LeftButton);
            return w.result();
        };
        QTest::mouseClick(single()->text("titAssociazione"), Qt::LeftButton);
        QCOMPARE(text(single(), "titAssociazione"), QStringLiteral("Circolo Vela Società"));

        // Closing writes the four texts in Windows-1252, and the sheet reads them.
        frmTessera->close();
        const QByteArray ini = fileBytes(AppDir::filePath("Tesserini.ini"));
        QVERIFY(ini.contains(QByteArray("[Dati Ente]")));
        QVERIFY(ini.contains(QByteArray("Denominazione=Circolo Vela Societ\xE0\r\n")));
        QVERIFY(ini.contains(QByteArray("Sottotitolo 1=Via Roma 1, Lecco\r\n")));
        QVERIFY(ini.contains(QByteArray("Annotazioni=Valida per l'anno sociale\r\n")));
        openSheet();
        for (CardView* card : frmTessere->cards)
            QCOMPARE(text(card, "titSottotitolo02"), QStringLiteral("Tel. 0341 000000"));
    }

    void logoIsSavedStretchedOnEveryClose()
    {
        openSingle();
        const QString source = m_dir->filePath("wide.bmp");
        QImage wide(300, 50, QImage::Format_RGB32);
        wide.fill(Qt::red);
        QPainter(&wide).fillRect(150, 0, 150, 50, Qt::blue);
        QVERIFY(wide.save(source));
        m_ui->files->names << source << m_dir->filePath("missing.jpg");
        QTest::mouseClick(single()->imgLogo, Qt::LeftButton);
        QCOMPARE(single()->imgLogo->image().size(), QSize(300, 50));
        frmTessera->close();
        QImage saved(AppDir::filePath("Logo.jpg"));
        QCOMPARE(saved.size(), QSize(119, 118));
        QVERIFY(saved.pixelColor(20, 100).red() > 200 && saved.pixelColor(100, 10).blue() > 200);

        // A file that cannot be read puts the placeholder logo.
        openSingle();
        QCOMPARE(single()->imgLogo->image().size(), QSize(119, 118));
        QTest::mouseClick(single()->imgLogo, Qt::LeftButton);
        QVERIFY(samePicture(single()->imgLogo->image(), Cards::placeholderLogo()));

        // Clearing the logo saves the dot, stretched; the next showing loads it.
        click(frmTessera, "btnCancLogo");
        click(frmTessera, "btnCancFoto");
        QCOMPARE(single()->imgFoto->image().size(), QSize(2, 2));
        click(frmTessera, "imgEsci");
        QVERIFY(!frmTessera->isVisible() && frmAvvio->isVisible());
        saved = QImage(AppDir::filePath("Logo.jpg"));
        QCOMPARE(saved.size(), QSize(119, 118));
        QVERIFY(saved.pixelColor(60, 60).lightness() > 245);
        openSingle();
        QVERIFY(single()->imgLogo->image().pixelColor(60, 60).lightness() > 245);

        // Leaving without a change still rewrites both files.
        QFile::remove(AppDir::filePath("Logo.jpg"));
        QFile::remove(AppDir::filePath("Tesserini.ini"));
        frmTessera->close();
        QVERIFY(QFile::exists(AppDir::filePath("Logo.jpg")));
        QVERIFY(fileBytes(AppDir::filePath("Tesserini.ini")).contains("Sottotitolo 2="));
        QVERIFY(m_ui->messages->shown.isEmpty());

        // A settings file that cannot be written is reported, not passed over.
        QFile::remove(AppDir::filePath("Tesserini.ini"));
        QVERIFY(QDir(m_dir->path()).mkdir("Tesserini.ini"));
        openSingle();
        frmTessera->close();
        QCOMPARE(m_ui->messages->shown.size(), 1);
        QCOMPARE(m_ui->messages->shown[0].kind, MessageKind::Error);
        QCOMPARE(lastMessage(), OrganizationNotSaved);
        QVERIFY(frmAvvio->isVisible());
    }

    void closingOnAFullDiskKeepsSettingsAndLogo()
    {
        openSingle();
        frmTessera->close();
        const QByteArray ini = fileBytes(AppDir::filePath("Tesserini.ini"));
        const QByteArray logo = fileBytes(AppDir::filePath("Logo.jpg"));
        QVERIFY(!ini.isEmpty() && !logo.isEmpty());

        openSingle();
        single()->setOrganization({QStringLiteral("Circolo nuovo"), {}, {}, {}});
        {
            const FullDisk full;
            frmTessera->close();
        }
        QCOMPARE(m_ui->messages->texts(), QStringList{OrganizationNotSaved});
        QCOMPARE(m_ui->messages->shown[0].kind, MessageKind::Error);
        QCOMPARE(fileBytes(AppDir::filePath("Tesserini.ini")), ini);
        QCOMPARE(fileBytes(AppDir::filePath("Logo.jpg")), logo);
        QVERIFY(samePicture(single()->imgLogo->image(), Cards::placeholderLogo()));
        QVERIFY(frmAvvio->isVisible());
    }

    void printMovesTheCardByTheOffsets()
    {
        writeMembers(Club);
        openSingle();
        click(frmTessera, "cmdPrimo");
        single()->setPhoto(QImage());  // shown blank: the placeholder prints

        m_ui->onModal = [](QDialog& d) {
            auto& w = static_cast<TfrmStampaTessera&>(d);
            w.show();
            shot(&w, "stampatessera");
            [&] {
                QCOMPARE(w.windowTitle(), QStringLiteral(" Stampa tesserino"));
                QCOMPARE(w.txtTop->text(), QStringLiteral("0"));
                QCOMPARE(w.txtLeft->text(), QStringLiteral("0"));
                QVERIFY(w.optVerticale->isChecked());
                QVERIFY(w.txtTop->isReadOnly() && !w.lblAttendere->isVisible());
            }();
            for (int i = 0; i < 5; ++i)
                QTest::mouseClick(w.btnTopPlus, Qt::LeftButton);
            for (int i = 0; i < 3; ++i)
                QTest::mouseClick(w.btnLeftMinus, Qt::LeftButton);
            QTest::mouseClick(w.btnStampa, Qt::LeftButton);
            return w.result();
        };
        click(frmTessera, "cmdStampa");
        QCOMPARE(m_ui->printer->reports, QStringList{"Tesserino"});
        const Report::PreparedPage& page = m_ui->printer->pages.constFirst();
        QCOMPARE(page.orientation, Report::Orientation::Portrait);
        const QRectF edge = cardEdge(page);
        QVERIFY2(qAbs(edge.left() - 7.0) < 0.01 && qAbs(edge.top() - 15.0) < 0.01, qPrintable(QString("%1 %2").arg(edge.left()).arg(edge.top())));
        QVERIFY(!printedText(page, QStringLiteral("Rossi Mario")).isEmpty());
        const QByteArray ini = fileBytes(AppDir::filePath("Tesserini.ini"));
        QVERIFY(ini.contains("[Margini Stampa]\r\nSuperiore=5\r\nSinistro=-3\r\n"));
        QVERIFY(ini.contains("[Stampa Tesserino]\r\nOrientamento=Verticale\r\n"));
        QVERIFY(m_ui->messages->shown.isEmpty());
        if (!qEnvironmentVariable("NORVALIS_SHOTS").isEmpty())
            Report::renderPage(page, 150).save(qEnvironmentVariable("NORVALIS_SHOTS") + "/tesserino.png");

        // The next window shows the saved offsets; landscape and a cancelled
        // print dialog: nothing printed, no message, the settings kept.
        m_ui->printer->cancel = true;
        m_ui->onModal = [](QDialog& d) {
            auto& w = static_cast<TfrmStampaTessera&>(d);
            w.show();
            [&] { QCOMPARE(w.txtTop->text(), QStringLiteral("5")); }();
            w.optOrizzontale->setChecked(true);
            QTest::mouseClick(w.btnStampa, Qt::LeftButton);
            return w.result();
        };
        click(frmTessera, "cmdStampa");
        QCOMPARE(m_ui->printer->dialogs, 2);
        QCOMPARE(m_ui->printer->pages.size(), 1);
        QVERIFY(m_ui->messages->shown.isEmpty());
        QVERIFY(fileBytes(AppDir::filePath("Tesserini.ini")).contains("Orientamento=Orizzontale"));

        m_ui->printer->cancel = false;
        m_ui->onModal = [](QDialog& d) {
            auto& w = static_cast<TfrmStampaTessera&>(d);
            w.show();
            [&] { QVERIFY(w.optOrizzontale->isChecked()); }();
            QTest::mouseClick(w.btnStampa, Qt::LeftButton);
            return w.result();
        };
        click(frmTessera, "cmdStampa");
        QCOMPARE(m_ui->printer->pages.last().orientation, Report::Orientation::Landscape);
        QCOMPARE(m_ui->printer->pages.last().paperMm, QSizeF(297, 210));
        QCOMPARE(cardEdge(m_ui->printer->pages.last()).topLeft(), QPointF(7, 15));

        // "Annulla" saves nothing.
        m_ui->onModal = [](QDialog& d) {
            auto& w = static_cast<TfrmStampaTessera&>(d);
            QTest::mouseClick(w.btnTopPlus, Qt::LeftButton);
            QTest::mouseClick(w.btnAnnulla, Qt::LeftButton);
            return w.result();
        };
        const QByteArray kept = fileBytes(AppDir::filePath("Tesserini.ini"));
        click(frmTessera, "cmdStampa");
        QCOMPARE(fileBytes(AppDir::filePath("Tesserini.ini")), kept);
    }

    void offsetThatIsNotANumber()
    {
        writeIni("[Margini Stampa]\r\nSuperiore=due\r\n");
        openSingle();
        m_ui->onModal = [](QDialog& d) {
            auto& w = static_cast<TfrmStampaTessera&>(d);
            w.show();
            QTest::mouseClick(w.btnTopPlus, Qt::LeftButton);
            [&] { QCOMPARE(w.txtTop->text(), QStringLiteral("due")); }();
            QTest::mouseClick(w.btnStampa, Qt::LeftButton);
            return w.result();
        };
        click(frmTessera, "cmdStampa");
        QCOMPARE(m_ui->messages->shown.size(), 2);
        QCOMPARE(m_ui->messages->shown[0].text, QStringLiteral("'due' non \u00E8 un valore intero valido."));
        QCOMPARE(m_ui->messages->shown[1].kind, MessageKind::Warning);
        QCOMPARE(m_ui->messages->shown[1].text,
                 QStringLiteral("Attenzione: la stampa non \u00E8 andata a buon fine.\n\r\n\rAccertarsi che la "
                                "stampante sia configurata correttamente."));
        QVERIFY(m_ui->printer->pages.isEmpty());
    }

    void previewIgnoresOffsets()
    {
        writeIni("[Margini Stampa]\r\nSuperiore=20\r\nSinistro=30\r\n[Stampa Tesserino]\r\nOrientamento=Orizzontale\r\n");
        openSingle();
        Report::Prepared previewed;
        m_ui->onModal = [&previewed](QDialog& d) {
            if (auto* preview = qobject_cast<TfrmAnteprima*>(&d)) {
                previewed = preview->report();
                return 0;
            }
            auto& w = static_cast<TfrmAnteprimaTessera&>(d);
            [&] { QCOMPARE(w.btnStampa->text(), QStringLiteral("Mostra anteprima")); }();
            QTest::mouseClick(w.btnStampa, Qt::LeftButton);
            return w.result();
        };
        click(frmTessera, "cmdAnteprima");
        QCOMPARE(m_ui->modals, (QStringList{"TfrmAnteprimaTessera", "TfrmAnteprima"}));
        QCOMPARE(previewed.pages.size(), 1);
        QCOMPARE(previewed.pages[0].orientation, Report::Orientation::Portrait);
        QCOMPARE(cardEdge(previewed.pages[0]).topLeft(), QPointF(10, 10));
        QVERIFY(!printedText(previewed.pages[0], QStringLiteral("Cognome e nome Socio")).isEmpty());
    }

    void sheetSlotsClearAndPrint()
    {
        writeMembers(Club);
        writeIni("[Dati Ente]\r\nDenominazione=Circolo Nautico Lariano\r\nSottotitolo 1=Via del Porto 12, 23900 Lecco\r\n"
                 "Sottotitolo 2=Tel. 0341 123456 - info@circolonautico.it\r\nAnnotazioni=Tessera valida per l'anno "
                 "sociale\r\n");
        openSheet();
        QCOMPARE(frmTessere->windowTitle(), QStringLiteral(" Norvalis 2.0 - Stampa pi\u00F9 tessere"));
        for (CardView* card : frmTessere->cards) {
            QCOMPARE(memberTexts(card), Placeholders);
            QVERIFY(samePicture(card->imgLogo->image(), Cards::placeholderLogo()));
        }
        frmTessere->importMember(5, 1, memberRecord(Club[0]));
        frmTessere->importMember(6, 2, memberRecord(Club[1]));
        click(frmTessere, "cmdCancella06");
        QCOMPARE(memberTexts(frmTessere->cards[5]), (QStringList{"", "", "", "", ""}));
        QVERIFY(samePicture(frmTessere->cards[5]->imgFoto->image(), Cards::placeholderPortrait()));
        QCOMPARE(frmTessere->lblPosizione->text(), QString());

        // The eraser asks first; No leaves everything.
        m_ui->messages->answers << MessageAnswer::No;
        click(frmTessere, "icoGomma");
        QCOMPARE(m_ui->messages->shown.last().buttons, MessageButtons::YesNo);
        QCOMPARE(lastMessage(), QStringLiteral("Si sta per cancellare i dati e le foto presenti nei nove tesserini."
                                               "\r\n\r\nSi conferma l'operazione?"));
        QCOMPARE(text(frmTessere->cards[4], "txtTesserato"), QStringLiteral("Rossi Mario"));

        // The printed sheet: landscape A4, nine cards, slot 5 in the middle.
        m_ui->onModal = [](QDialog& d) {
            auto& w = static_cast<TfrmStampaTessere&>(d);
            w.show();
            shot(&w, "stampatessere");
            [&] { QCOMPARE(w.windowTitle(), QStringLiteral(" Stampa pi\u00F9 tessere su foglio A4")); }();
            QTest::mouseClick(w.btnStampa, Qt::LeftButton);
            return w.result();
        };
        click(frmTessere, "cmdStampa");
        QCOMPARE(m_ui->printer->reports, QStringList{"Tesserini"});
        const Report::PreparedPage& page = m_ui->printer->pages.constFirst();
        QCOMPARE(page.orientation, Report::Orientation::Landscape);
        const double across[] = {10, 105, 199}, down[] = {10, 75, 140};
        for (int slot = 0; slot < 9; ++slot)
            QCOMPARE(cardEdge(page, slot).topLeft(), QPointF(across[slot % 3], down[slot / 3]));
        const QRectF name = printedText(page, QStringLiteral("Rossi Mario"));
        QVERIFY(cardEdge(page, 4).contains(name));
        QVERIFY(qAbs(cardEdge(page, 4).center().x() - 297 / 2.0) < 1.0);
        if (!qEnvironmentVariable("NORVALIS_SHOTS").isEmpty())
            Report::renderPage(page, 100).save(qEnvironmentVariable("NORVALIS_SHOTS") + "/tesserini.png");

        m_ui->messages->answers << MessageAnswer::Yes;
        click(frmTessere, "icoGomma");
        for (CardView* card : frmTessere->cards)
            QCOMPARE(memberTexts(card), (QStringList{"", "", "", "", ""}));

        // A cancelled print dialog closes the window and prints nothing.
        m_ui->printer->cancel = true;
        click(frmTessere, "cmdStampa");
        QCOMPARE(m_ui->printer->pages.size(), 1);
        QVERIFY(m_ui->messages->shown.size() == 2);

        // Leaving forgets the cards: the next showing starts with placeholders.
        click(frmTessere, "imgEsci");
        QVERIFY(frmAvvio->isVisible());
        openSheet();
        QCOMPARE(memberTexts(frmTessere->cards[4]), Placeholders);
    }
};

QTEST_MAIN(TestCardScreens)
#include "tst_cardscreens.moc"
