// The desktop conventions every window shares: Enter on a focused button,
// no default buttons behind fields, focus marks, the application-wide
// failure report, Qt's Italian texts, previews that open readable and
// windows that fit a laptop screen.

#include "app/dates.h"
#include "app/password.h"
#include "app/ui/desktop.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmcambiapassword.h"
#include "app/ui/frmmenuregistro.h"
#include "app/ui/frmpassword.h"
#include "app/ui/windows.h"
#include "cards/ui/frmtessera.h"
#include "cards/ui/frmtessere.h"
#include "checks/ui/frmcodfisc.h"
#include "deadlines/ui/frmscadenzario.h"
#include "hours/ui/frmorari.h"
#include "members/ui/frmanagrafica.h"
#include "output/report.h"
#include "output/ui/frmanteprima.h"
#include "storage/appdir.h"
#include "support/programwindows.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// A print service whose printer cannot start.
class BrokenPrinter : public PrintService {
public:
    bool print(QWidget*, const Report::Prepared&) override { throw Report::Error("la stampante non risponde"); }
};

QLineEdit* memberField(const char* name)
{
    return frmAnagrafica->findChild<QLineEdit*>(QLatin1String(name));
}

// An A4 page with one box across it.
Report::Prepared a4Page()
{
    Report::Template t;
    t.name = QStringLiteral("Prova");
    t.add(Report::rectangle(QStringLiteral("shpProva"), 10, 10, 190, 277, QColor(0xDD, 0xEE, 0xFF)));
    return t.prepare();
}

}  // namespace

class TestDesktop : public ProgramWindowsTest {
    Q_OBJECT

private slots:

    void enterClicksTheFocusedButton()
    {
        // The login's OK.
        activate(frmPassword);
        QTest::keyClicks(frmPassword->txtPassword, "ravenquillotto");
        frmPassword->cmdOK->setFocus();
        QTest::keyClick(frmPassword->cmdOK, Qt::Key_Return);
        QVERIFY(frmAvvio->isVisible());
        QVERIFY(!frmPassword->isVisible());

        // A main-menu area, reached with Tab, opens with Enter; another with Space.
        activate(frmAvvio);
        auto* bar = frmAvvio->findChild<QPushButton*>("btnAnagrafica");
        QVERIFY(bar->focusPolicy() & Qt::TabFocus);
        bar->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bar, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(frmAnagrafica->isVisible());
        frmAnagrafica->close();
        activate(frmAvvio);
        auto* picture = frmAvvio->findChild<QToolButton*>("imgTessera");
        QVERIFY(picture->focusPolicy() & Qt::TabFocus);
        picture->setFocus(Qt::TabFocusReason);
        QTest::keyClick(picture, Qt::Key_Space);
        QVERIFY(frmTessera->isVisible());
        frmTessera->close();

        // The year chooser: Enter in the year goes to "Apri", a second Enter opens.
        activate(frmAvvio);
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnRiepilogo"), Qt::LeftButton);
        activate(frmMenuRegistro);
        auto* year = frmMenuRegistro->findChild<QLineEdit*>("txtAnnoFatture");
        year->setFocus();
        QTest::keyClick(year, Qt::Key_Return);
        auto* open = frmMenuRegistro->findChild<QPushButton*>("btnApriFatture");
        QVERIFY(open->hasFocus());
        QTest::keyClick(open, Qt::Key_Return);
        QVERIFY(!frmMenuRegistro->isVisible());
        QCOMPARE(frmMenuRegistro->findChild<QLabel*>("lblMemory")->text(), QStringLiteral("registro"));
    }

    void enterInAFieldNeverPressesADefaultButton()
    {
        // Every push button of the program's own windows is plain: Enter in a
        // field keeps the field's meaning.
        for (QWidget* window : QList<QWidget*>{frmCambiaPassword, frmCodFisc, frmPassword, frmCalendario}) {
            activate(window);
            for (QPushButton* b : window->findChildren<QPushButton*>())
                QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));
            window->hide();
        }

        // The password change: Enter goes round the fields and never presses OK.
        const QByteArray before = [] {
            QFile f(AppDir::filePath(QLatin1String(PasswordFile::FileName)));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        activate(frmCambiaPassword);
        for (const char* name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
            QTest::keyClicks(frmCambiaPassword->findChild<QLineEdit*>(name), "nuova");
        auto* confirm = frmCambiaPassword->findChild<QLineEdit*>("txtConferma");
        confirm->setFocus();
        QTest::keyClick(confirm, Qt::Key_Return);
        QVERIFY(frmCambiaPassword->findChild<QLineEdit*>("txtPasswordOld")->hasFocus());
        QVERIFY(m_ui->messages->shown.isEmpty());
        QFile f(AppDir::filePath(QLatin1String(PasswordFile::FileName)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void focusedButtonsShowAMark()
    {
        frmAvvio->show();
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnAnagrafica"), Qt::LeftButton);
        activate(frmAnagrafica);
        auto* save = frmAnagrafica->findChild<QToolButton*>("cmdSalva");
        memberField("txtTesserato")->setFocus(Qt::TabFocusReason);
        const QImage plain = save->grab().toImage();
        save->setFocus(Qt::TabFocusReason);
        QVERIFY(save->hasFocus());
        const QImage marked = save->grab().toImage();
        QVERIFY(plain != marked);
    }

    void uncaughtFailuresAreReported()
    {
        // The member sheet cannot be printed: an error box, the program and
        // the unsaved fields stay.
        Services::setPrinter(std::make_unique<BrokenPrinter>());
        frmAvvio->show();
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnAnagrafica"), Qt::LeftButton);
        activate(frmAnagrafica);
        memberField("txtTesserato")->setText(QStringLiteral("ROSSI MARIO"));
        QTest::mouseClick(frmAnagrafica->findChild<QToolButton*>("cmdStampa"), Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts(), QStringList{"Attenzione: la stampante non risponde"});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Error);
        QVERIFY(frmAnagrafica->isVisible());
        QCOMPARE(memberField("txtTesserato")->text(), QStringLiteral("ROSSI MARIO"));

    }

    void uncaughtFailureInAPreview()
    {
        // A preview's "Stampa" pressed with the keyboard: the preview stays open.
        Services::setPrinter(std::make_unique<BrokenPrinter>());
        TfrmAnteprima preview(a4Page());
        activate(&preview);
        preview.btnStampa->setFocus(Qt::TabFocusReason);
        QVERIFY(preview.btnStampa->hasFocus());
        QTest::keyClick(preview.btnStampa, Qt::Key_Return);
        QCOMPARE(m_ui->messages->texts(), QStringList{"Attenzione: la stampante non risponde"});
        QVERIFY(preview.isVisible());
    }

    void qtDialogsSpeakItalian()
    {
        QVERIFY(Desktop::installTranslations());
        QCOMPARE(QFileDialog::tr("Look in:") == QStringLiteral("Look in:"), false);
    }

    void previewOpensWithThePageFitted()
    {
        TfrmAnteprima preview(a4Page());
        const QRect area = preview.screen()->availableGeometry();
        QVERIFY(preview.width() <= area.width() && preview.height() <= area.height());
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        // A window manager resizes the window once it is mapped.
        preview.resize(preview.width() - 50, preview.height() - 60);
        QTest::qWait(20);
        const QRect page = preview.pagPagine->pageRect(0);
        const QSize viewport = preview.scrPagine->viewport()->size();
        QVERIFY2(page.height() >= viewport.height() * 0.8 || page.width() >= viewport.width() * 0.8,
                 qPrintable(QStringLiteral("page %1x%2 in %3x%4")
                                .arg(page.width()).arg(page.height()).arg(viewport.width()).arg(viewport.height())));
        QVERIFY(page.height() <= viewport.height() && page.width() <= viewport.width());
        QVERIFY(preview.zoomPercent() <= 100);
        // A page smaller than the window is shown at its real size, not blown up.
        preview.resize(3000, 3000);
        QTest::qWait(20);
        QCOMPARE(preview.zoomPercent(), 100);
    }

    void maximisedScreensFitALaptop()
    {
        // A 1366 x 768 screen with a title bar: the windows the program
        // maximises must be able to lay out in that room.
        const QSize room(1366, 768 - 30);
        for (QWidget* screen :
             QList<QWidget*>{frmAvvio, frmAnagrafica, frmTessera, frmTessere, frmScadenzario, frmOrari, frmMenuRegistro}) {
            const QSize least = screen->minimumSizeHint().expandedTo(screen->minimumSize());
            QVERIFY2(least.width() <= room.width() && least.height() <= room.height(),
                     qPrintable(QStringLiteral("%1 needs %2x%3")
                                    .arg(screen->objectName()).arg(least.width()).arg(least.height())));
        }
    }
};

int main(int argc, char* argv[])
{
    NorvalisApplication app(argc, argv);
    TestDesktop test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
