// The deadline dialogs on real widgets: the status lists, the search, the
// grids with their export and the sheet's print, with the hand-back into a
// stand-in deadline screen.

#include "app/dates.h"
#include "app/ui/formbinding.h"
#include "deadlines/deadlinesfixture.h"
#include "deadlines/ui/deadlinedialogs.h"
#include "output/ui/exportflow.h"
#include "output/ui/searchdialog.h"
#include "support/searchwindowtests.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// The deadline screen as far as a hand-back needs it: the controls of the
// loaded fields, filled from the routes the real screen registers.
struct ScreenStandIn {
    QWidget window;
    ScreenStandIn()
    {
        for (const SearchHandBack::Route& route : deadlineScreenRoutes())
            SearchHandBack::registerReceiver(route, [this](int position, const Record& deadline) {
                FormBinding::fill(&window, deadline);
                window.findChild<QLabel*>("lblPosizione")->setText(QString::number(position));
            });
        window.setObjectName("frmScadenzario");
        for (const char* name : {"txtGiorno", "txtOreApp", "txtMinutiApp", "txtAvviso", "txtPagatore",
                                 "txtBeneficiario", "txtDettagli", "txtCosto", "txtNote"})
            (new QLineEdit(&window))->setObjectName(name);
        auto* month = new QComboBox(&window);
        month->setEditable(true);
        month->setObjectName("txtMese");
        for (const char* name : {"lblPosizione", "lblAnno", "lblData", "lblOra"})
            (new QLabel(&window))->setObjectName(name);
        for (const char* name : {"chkDaConfermare", "chkEffettuata"})
            (new QCheckBox(&window))->setObjectName(name);
        window.show();
    }
    ~ScreenStandIn()
    {
        for (const SearchHandBack::Route& route : deadlineScreenRoutes())
            SearchHandBack::registerReceiver(route, {});
    }
    ScreenStandIn(const ScreenStandIn&) = delete;
    ScreenStandIn& operator=(const ScreenStandIn&) = delete;
    QString text(const char* name) const
    {
        if (auto* e = window.findChild<QLineEdit*>(name))
            return e->text();
        if (auto* c = window.findChild<QComboBox*>(name))
            return c->currentText();
        return window.findChild<QLabel*>(name)->text();
    }
    bool ticked(const char* name) const { return window.findChild<QCheckBox*>(name)->isChecked(); }
};

const QString Year = "2025";

// The handler of a grid window: looks at its grid, then presses "Esporta".
std::function<int(QDialog&)> exportGrid(const QString& shotName, std::function<void(QTableView*)> look)
{
    return [=](QDialog& d) {
        if (!showActive(d))
            return -1;
        shot(&d, shotName);
        look(d.findChild<QTableView*>("grdRecords"));
        QTest::mouseClick(d.findChild<QToolButton*>("cmdEsporta"), Qt::LeftButton);
        return 0;
    };
}

}  // namespace

class TestDeadlineDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UiDoubles> m_ui;

    // 1 Affitto (to confirm, paid), 2 Luce Rossi (to pay), 3 Affitto again
    // (the same line as 1, to pay), 4 Gas Rossi (paid).
    void writeYear()
    {
        writeDeadlines(Year, QList<Record>{
            deadlineRecord("05/03/2025", "09:30", {{"Dettagli", "Affitto"}, {"Pagatore", "Bianchi"},
                                                   {"DaConfermare", "Sì"}, {"Effettuata", "Sì"}, {"Note", "primo"}}),
            deadlineRecord("10/03/2025", "10:00", {{"Dettagli", "Luce"}, {"Pagatore", "Mario Rossi"}}),
            deadlineRecord("05/03/2025", "09:30", {{"Dettagli", "Affitto"}, {"Pagatore", "Bianchi"},
                                                   {"Note", "ultimo"}}),
            deadlineRecord("20/04/2025", "08:15", {{"Dettagli", "Gas"}, {"Pagatore", "Anna Rossi"},
                                                   {"Effettuata", "Sì"}}),
        });
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
        Clock::set(QDateTime(QDate(2025, 3, 5), QTime(9, 0)));
        m_ui = std::make_unique<UiDoubles>();
    }
    void cleanup()
    {
        m_ui.reset();
        Clock::set({});
    }

    void statusListsShowTheirDeadlinesAndFindStepsThroughThem_data()
    {
        QTest::addColumn<deadlines::Status>("status");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("reasons");
        QTest::newRow("to confirm") << deadlines::Status::ToConfirm
                                    << " Riepilogo appuntamenti da confermare" << QStringList{"Affitto"};
        QTest::newRow("to pay") << deadlines::Status::ToPay << " Riepilogo pagamenti da effettuare"
                                << QStringList{"Affitto", "Luce"};
        QTest::newRow("paid") << deadlines::Status::Paid << " Riepilogo pagamenti effettuati"
                              << QStringList{"Affitto", "Gas"};
    }
    void statusListsShowTheirDeadlinesAndFindStepsThroughThem()
    {
        QFETCH(deadlines::Status, status);
        QFETCH(QString, caption);
        QFETCH(QStringList, reasons);
        writeYear();
        QStringList shown;
        m_ui->onModal = driveSearch([&](SearchDialog& dialog) {
            shot(&dialog, QString("status_%1").arg(int(status)));
            [&] { QCOMPARE(dialog.windowTitle(), caption); }();
            for (const QString& line : dialog.model->texts())
                shown << line.left(35).trimmed();
        });
        showStatusList(nullptr, deadlinesPath(Year), status);
        QCOMPARE(shown, reasons);
    }

    void findInAStatusListWrapsAndAnEmptyListSaysSo()
    {
        writeYear();
        m_ui->onModal = driveSearch([](SearchDialog& dialog) {
            // A status list opens with no line selected and the focus on the find field.
            [&] { QCOMPARE(dialog.selectedRow(), -1); }();
            [&] { QVERIFY(dialog.txtTrova->hasFocus()); }();
            dialog.txtTrova->setText("2025");  // in both lines, Affitto and Luce
            QStringList picked;
            for (int i = 0; i < 3; ++i) {
                QTest::mouseClick(dialog.btnTrova, Qt::LeftButton);
                picked << dialog.model->line(dialog.selectedRow()).text.left(7).trimmed();
            }
            [&] { QCOMPARE(picked, (QStringList{"Affitto", "Luce", "Affitto"})); }();
        });
        showStatusList(nullptr, deadlinesPath(Year), deadlines::Status::ToPay);
        QVERIFY(m_ui->messages->shown.isEmpty());

        writeDeadlines(Year, QList<Record>{});
        m_ui->onModal = driveSearch([](SearchDialog& dialog) {
            QTest::mouseClick(dialog.btnTrova, Qt::LeftButton);
        });
        showStatusList(nullptr, deadlinesPath(Year), deadlines::Status::ToConfirm);
        QCOMPARE(m_ui->messages->texts(),
                 QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
    }

    // The list of appointments to confirm shows record 1 only, but the
    // double-click loads record 3, the last with the same line, whatever its state.
    void doubleClickLoadsTheLastEqualRecordIntoTheScreen()
    {
        writeYear();
        ScreenStandIn screen;
        m_ui->onModal = pickFirstLine();
        showStatusList(nullptr, deadlinesPath(Year), deadlines::Status::ToConfirm);
        QCOMPARE(screen.text("lblPosizione"), QStringLiteral("3"));
        QCOMPARE(screen.text("txtNote"), QStringLiteral("ultimo"));
        QCOMPARE(screen.text("txtMese"), QStringLiteral("Marzo"));
        QCOMPARE(screen.text("lblAnno"), Year);
        QCOMPARE(screen.text("lblData"), QStringLiteral("05/03/2025"));
        QCOMPARE(screen.text("lblOra"), QStringLiteral("09:30"));
        QVERIFY(!screen.ticked("chkDaConfermare"));
        QVERIFY(!screen.ticked("chkEffettuata"));
    }

    void searchFiltersCountsAndLoadsOnlyForTheDeadlineScreen()
    {
        writeYear();
        ScreenStandIn screen;
        QString count;
        QStringList lines;
        QString callerKey = "Scadenzario";
        m_ui->onModal = driveSearch([&](SearchDialog& dialog) {
            shot(&dialog, "search_criteria");
            dialog.setCallerKey(callerKey);
            dialog.criterion("Pagatore")->setText("rossi");
            dialog.criterion("Data")->setText("/04/");
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            shot(&dialog, "search_results");
            count = dialog.lblTrovate->text();
            lines = dialog.model->texts();
            doubleClickRow(dialog, 0);
        });
        showDeadlineSearch(nullptr, deadlinesPath(Year));
        QCOMPARE(count, QStringLiteral("Il presente elenco contiene 1 schede."));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().startsWith("Gas"));
        QCOMPARE(screen.text("lblPosizione"), QStringLiteral("4"));
        QVERIFY(screen.ticked("chkEffettuata"));

        // Any other caller: the window closes and nothing is loaded.
        screen.window.findChild<QLabel*>("lblPosizione")->clear();
        callerKey = "anagrafica";
        showDeadlineSearch(nullptr, deadlinesPath(Year));
        QCOMPARE(screen.text("lblPosizione"), QString());
    }

    void searchOnAnUnreadableArchiveKeepsTheFilters()
    {
        const QString path = m_dir->filePath("9999.sca");
        QVERIFY(QDir().mkpath(path));  // a folder where the archive should be
        bool filtersStay = false;
        m_ui->onModal = driveSearch([&](SearchDialog& dialog) {
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            filtersStay = dialog.panAvvio->isVisible() && !dialog.panContainer->isVisible();
        });
        showDeadlineSearch(nullptr, path);
        QVERIFY(filtersStay);
        QCOMPARE(m_ui->messages->texts(), QStringList{ArchiveError::userMessage()});
    }

    void listPrintGoesToThePrinterWithTheTitle()
    {
        writeYear();
        m_ui->onModal = driveSearch([](SearchDialog& dialog) {
            QTest::mouseClick(dialog.btnStampa, Qt::LeftButton);
        });
        showStatusList(nullptr, deadlinesPath(Year), deadlines::Status::Paid);
        QCOMPARE(m_ui->printer->dialogs, 1);
        QStringList printed;
        for (const auto& page : m_ui->printer->pages)
            for (const auto& item : page.items)
                printed << item.text;
        QVERIFY(printed.contains("Riepilogo pagamenti effettuati"));
        QCOMPARE(printed.filter("Gas").size(), 1);
    }

    // Saved 15/03 10:00, 02/03 09:00, 15/03 08:30: shown in time order, each
    // keeping the number of its reading.
    void periodGridIsChronologicalAndExports()
    {
        writeDeadlines(Year, QList<Record>{deadlineRecord("15/03/2025", "10:00"),
                                           deadlineRecord("02/03/2025", "09:00"),
                                           deadlineRecord("15/03/2025", "08:30")});
        QStringList numbers, dates;
        int columns = 0;
        bool alternating = false;
        m_ui->onModal = exportGrid("period_month", [&](QTableView* grid) {
            columns = grid->model()->columnCount();
            alternating = grid->alternatingRowColors();
            for (int r = 0; r < grid->model()->rowCount(); ++r) {
                numbers << grid->model()->index(r, 0).data().toString();
                dates << grid->model()->index(r, 1).data().toString() + " " +
                             grid->model()->index(r, 2).data().toString();
            }
        });
        showPeriodList(nullptr, deadlines::Period::Month, QDate(2025, 3, 20));
        QCOMPARE(numbers, (QStringList{"2", "3", "1"}));
        QCOMPARE(dates, (QStringList{"02/03/2025 09:00", "15/03/2025 08:30", "15/03/2025 10:00"}));
        QCOMPARE(columns, 21);
        QVERIFY(alternating);
        QCOMPARE(m_ui->messages->texts(), (QStringList{ExportFlow::AskText, ExportFlow::DoneText}));
        QVERIFY(QFile::exists(AppDir::filePath("Scadenze_Mensili.xls")));
        QCOMPARE(m_ui->shell->opened.size(), 1);
    }

    void archiveExportFailureIsReported()
    {
        writeDeadlines(Year, QList<Record>{deadlineRecord("15/03/2025", "10:00")});
        QVERIFY(QDir().mkpath(AppDir::filePath("Scadenzario_Pagamenti.xls")));  // cannot be replaced
        int rows = 0, columns = 0;
        m_ui->onModal = exportGrid("archive_export", [&](QTableView* grid) {
            rows = grid->model()->rowCount();
            columns = grid->model()->columnCount();
        });
        showArchiveExport(nullptr, deadlinesPath(Year));
        QCOMPARE(rows, 1);
        QCOMPARE(columns, 20);
        QCOMPARE(m_ui->messages->texts(), (QStringList{ExportFlow::AskText, ExportFlow::FailureText}));
        QVERIFY(m_ui->shell->opened.isEmpty());
    }

    void sheetPrintsAndPreviews()
    {
        const Record deadline = deadlineRecord("05/03/2025", "09:30", {{"Dettagli", "Affitto"}});
        printDeadlineSheet(nullptr, deadline);
        QCOMPARE(m_ui->printer->reports, QStringList{"Scheda informativa"});
        QCOMPARE(m_ui->printer->pages.size(), 1);
        const auto& items = m_ui->printer->pages.first().items;
        QVERIFY(std::any_of(items.begin(), items.end(), [](const Report::Primitive& p) {
            return p.kind == Report::Primitive::Image && !p.image.isNull();  // the fixed logo
        }));

        m_ui->onModal = [](QDialog& preview) {
            if (!showActive(preview))
                return -1;
            shot(&preview, "sheet_preview");
            return 0;
        };
        previewDeadlineSheet(nullptr, deadline);
        QCOMPARE(m_ui->modals, QStringList{"TfrmAnteprima"});
    }
};

QTEST_MAIN(TestDeadlineDialogs)
#include "tst_deadlinedialogs.moc"
