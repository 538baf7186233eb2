// "Salva PDF" in the preview window, reached the way each window of the
// program reaches it: the save dialog's proposal, the PDF written through the
// print painter with the previewed pages and paper, the question before a
// file is replaced and the failure that leaves the old file as it was.
#include "app/dates.h"
#include "cards/ui/cardprint.h"
#include "deadlines/deadlinerecord.h"
#include "deadlines/ui/deadlinedialogs.h"
#include "members/memberrecord.h"
#include "members/ui/membersheet.h"
#include "output/ui/frmanteprima.h"
#include "output/ui/listprint.h"
#include "shifts/shiftrecords.h"
#include "shifts/ui/frmstampaset.h"
#include "shifts/ui/frmstampaturno.h"
#include "storage/record.h"
#include "support/fulldisk.h"
#include "support/pdfpages.h"
#include "support/uidoubles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

using Opener = std::function<void()>;

Cards::CardFace card()
{
    Cards::CardFace face;
    face.association = QStringLiteral("Circolo Ricreativo");
    face.member = QStringLiteral("Bianchi Anna");
    face.cardNumber = QStringLiteral("0042");
    return face;
}

// The preview of each window, opened as its window opens it.
QList<std::pair<const char*, Opener>> previews()
{
    return {
        {"scheda socio",
         [] {
             Record member(members::recordLayout());
             member.setText(u"Tesserato", u"Bianchi Anna");
             previewMemberSheet(nullptr, member);
         }},
        {"scheda scadenza", [] { previewDeadlineSheet(nullptr, Record(deadlines::recordLayout())); }},
        {"elenco di pi\u00F9 pagine",
         [] {
             QStringList lines;
             for (int i = 1; i <= 90; ++i)
                 lines << QStringLiteral("%1  Socio numero %1").arg(i, 4);
             ListPrint::preview(nullptr, QStringLiteral("Elenco soci"), lines);
         }},
        {"tessera singola",
         [] {
             TfrmAnteprimaTessera window(nullptr, card);
             Ui::runModal(window);
         }},
        {"tessere su foglio A4",
         [] {
             TfrmAnteprimaTessere window(nullptr, [] { return QList<Cards::CardFace>{card(), card(), card()}; });
             Ui::runModal(window);
         }},
        {"turni giornalieri",
         [] {
             TfrmAnteprimaTurno window(nullptr, [] { return Record(shifts::dailyLayout()); });
             Ui::runModal(window);
         }},
        {"turni settimanali",
         [] {
             TfrmAnteprimaSet window(nullptr, [] { return Record(shifts::weeklyLayout()); });
             Ui::runModal(window);
         }},
    };
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Through a print window to the preview, where `inPreview` acts; answers
// the preview's result.
void drive(UiDoubles& ui, const std::function<void(TfrmAnteprima&)>& inPreview)
{
    ui.onModal = [inPreview](QDialog& dialog) {
        if (auto* window = qobject_cast<PrintWindow*>(&dialog)) {
            window->btnStampa->click();
            return window->result();
        }
        auto& preview = static_cast<TfrmAnteprima&>(dialog);
        preview.show();
        inPreview(preview);
        return int(QDialog::Accepted);
    };
}

}  // namespace

class TestPreviewPdf : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() { Clock::set(QDateTime(QDate(2025, 3, 7), QTime(9, 41, 5))); }
    void cleanup() { Clock::set({}); }

    void everyPreviewSavesItsPages_data()
    {
        QTest::addColumn<int>("index");
        int i = 0;
        for (const auto& [name, open] : previews())
            QTest::newRow(name) << i++;
    }
    void everyPreviewSavesItsPages()
    {
        QFETCH(int, index);
        UiDoubles ui;
        const QString chosen = m_dir.filePath(QStringLiteral("anteprima%1").arg(index));  // no ending typed
        ui.files->names = {chosen};
        Report::Prepared shown;
        bool seen = false;
        drive(ui, [&](TfrmAnteprima& preview) {
            seen = true;
            shown = preview.report();
            auto* button = preview.findChild<QToolButton*>(QStringLiteral("btnSalvaPdf"));
            QVERIFY(button && button->isVisible() && button->isEnabled());
            QCOMPARE(button->text(), QStringLiteral("Salva PDF"));
            QCOMPARE(button->toolTip(), QStringLiteral("Salva il documento in un file PDF."));
            QTest::mouseClick(button, Qt::LeftButton);
        });
        previews().at(index).second();
        QVERIFY(seen);
        QVERIFY(ui.messages->shown.isEmpty());

        QCOMPARE(ui.files->requests.size(), 1);
        const FakeFileDialogs::Request& asked = ui.files->requests.first();
        QVERIFY(asked.save);
        QCOMPARE(asked.title, SavePdfTitle);
        QCOMPARE(asked.proposedName, Report::pdfFileName(shown.name));
        QCOMPARE(asked.defaultExtension, QStringLiteral("pdf"));

        const QByteArray pdf = contentOf(chosen + QStringLiteral(".pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdfPageCount(pdf), int(shown.pages.size()));
        QList<QSize> papers;
        for (const Report::PreparedPage& page : shown.pages)
            papers << QSize(qRound(page.paperMm.width() / 25.4 * 72), qRound(page.paperMm.height() / 25.4 * 72));
        QCOMPARE(pdfMediaBoxes(pdf), papers);
    }

    void proposedNames_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("plain") << "Riepilogo dati" << "Riepilogo dati.pdf";
        QTest::newRow("separators and reserved signs") << "Turni 03/2025: \"sede\"?" << "Turni 03 2025 sede.pdf";
        QTest::newRow("leading dots") << "..nascosto" << "nascosto.pdf";
        QTest::newRow("nothing left") << " / " << "Documento.pdf";
    }
    void proposedNames()
    {
        QFETCH(QString, report);
        QFETCH(QString, proposed);
        QCOMPARE(Report::pdfFileName(report), proposed);
    }

    // An existing file is replaced only after Yes, and only by a whole
    // document; a file that cannot be written is reported and the old one
    // stays; Cancel in the dialog writes nothing.
    void replacingAndFailing()
    {
        const QString path = m_dir.filePath(QStringLiteral("esistente.pdf"));
        const QByteArray old("vecchio contenuto");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        }
        UiDoubles ui;
        drive(ui, [&](TfrmAnteprima& preview) {
            ui.messages->answers = {MessageAnswer::No};
            ui.files->names = {path};
            preview.btnSalvaPdf->click();
            QCOMPARE(contentOf(path), old);

            {
                const FullDisk full;
                ui.files->names = {path};
                preview.btnSalvaPdf->click();
            }
            QCOMPARE(contentOf(path), old);

            ui.files->names = {path};
            preview.btnSalvaPdf->click();
            QVERIFY(contentOf(path).startsWith("%PDF-"));

            const int asked = int(ui.files->requests.size());
            preview.btnSalvaPdf->click();  // the dialog cancelled
            QCOMPARE(ui.files->requests.size(), asked + 1);
        });
        ListPrint::preview(nullptr, QStringLiteral("Elenco"), {QStringLiteral("una riga")});

        // No; Yes then the failure; Yes; nothing for the cancelled dialog.
        QCOMPARE(ui.messages->shown.size(), 4);
        for (int i : {0, 1, 3}) {
            QCOMPARE(ui.messages->shown[i].kind, MessageKind::Question);
            QCOMPARE(ui.messages->shown[i].text, OverwritePdfQuestion);
        }
        QCOMPARE(ui.messages->shown[2].kind, MessageKind::Error);
        QVERIFY2(ui.messages->shown[2].text.startsWith(SavePdfFailure.section(QLatin1String("%1"), 0, 0) + path),
                 qPrintable(ui.messages->shown[2].text));
    }
};

QTEST_MAIN(TestPreviewPdf)
#include "tst_previewpdf.moc"
