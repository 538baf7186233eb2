#include "shifts/ui/frmsettimanale.h"

#include "app/ui/browsecontroller.h"
#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "hours/ui/frmtrovaorari.h"
#include "output/searchhandback.h"
#include "shifts/shiftrecords.h"
#include "shifts/ui/frmstampaset.h"
#include "shifts/ui/frmtrovaset.h"
#include "shifts/ui/shiftpanel.h"
#include "shifts/weeklyrules.h"
#include "storage/layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <iterator>

namespace {

const QString CallerKey = QStringLiteral("settimanale");
const QString StartKey = QStringLiteral("set_inizio");
const QString EndKey = QStringLiteral("set_fine");

// The day columns' headings, Monday first, as weekly::kDays.
const char* const DayHeadings[] = {"LUNEDI'", "MARTEDI'", "MERCOLEDI'", "GIOVEDI'", "VENERDI'", "SABATO", "DOMENICA"};
static_assert(std::size(DayHeadings) == weekly::kDays.size());
// Sunday's heading and cells are red on the screen.
const int Sunday = 6;

QString rowName(const char* stem, int row)
{
    return layout::numberedName(stem, row);
}

// Name -> start; site -> instructions -> the rows, each start, end, Monday
// ... Sunday -> notes -> name. Enter in a date opens its picker, so the
// dates are left by mouse or Tab.
QStringList enterChain()
{
    QStringList names{"txtNome", "txtDataInizio", "txtDataFine", "txtSede", "txtDisposizioni"};
    for (int r = 1; r <= shifts::kRows; ++r) {
        names << QStringLiteral("txt") + rowName("Inizio", r) << QStringLiteral("txt") + rowName("Fine", r);
        for (const char* day : weekly::kDays)
            names << QStringLiteral("txt") + rowName(day, r);
    }
    names << QStringLiteral("txtAnnotazioni");
    return names;
}

ShiftScreen::Hints ownHints()
{
    return {
        {"impNome", "Importa un turno predefinito dall'archivio degli orari."},
        {"impDatainizio", "Importa una data dal calendario."},
        {"impDataFine", "Importa una data dal calendario."},
        {"txtDataInizio", "Premi un tasto qualsiasi per importare una data dal calendario."},
        {"txtDataFine", "Premi un tasto qualsiasi per importare una data dal calendario."},
    };
}

}  // namespace

TfrmSettimanale::TfrmSettimanale(QWidget* parent)
    : ShiftScreen(shifts::weeklyLayout(), CallerKey, weekly::checkForSave, parent)
{
    buildToolbar(false, {704, 746, 782, 108, 891, 933});
    buildHead();
    buildRows();
    finish(enterChain(), ownHints());
    // After the Enter chain, so that the date fields' keys are seen first.
    PickerKeys::install(field(QStringLiteral("DataInizio")), [this] { impDatainizioClick(); });
    PickerKeys::install(field(QStringLiteral("DataFine")), [this] { impDataFineClick(); });

    const auto button = [this](const char* name) { return findChild<QToolButton*>(QLatin1String(name)); };
    connect(button("impNome"), &QToolButton::clicked, this, &TfrmSettimanale::impNomeClick);
    connect(button("impDatainizio"), &QToolButton::clicked, this, &TfrmSettimanale::impDatainizioClick);
    connect(button("impDataFine"), &QToolButton::clicked, this, &TfrmSettimanale::impDataFineClick);
}

// Name, first day, last day and site side by side, their labels above them;
// the instructions across under them. These five show their highlight
// while they have the focus.
void TfrmSettimanale::buildHead()
{
    addSection(QStringLiteral("sezTestata"), QRect(20, 88, 955, 68));
    addHeadField(QStringLiteral("Nome"), QStringLiteral("Nome tabella turni:"), QRect(32, 118, 348, 26));
    ShiftPanel::importButton(panel(), QStringLiteral("impNome"), "importa_orario", QRect(383, 120, 24, 24));
    addHeadField(QStringLiteral("DataInizio"), QStringLiteral("Data inizio:"), QRect(422, 118, 114, 26));
    ShiftPanel::importButton(panel(), QStringLiteral("impDatainizio"), "calendario", QRect(539, 120, 24, 24));
    addHeadField(QStringLiteral("DataFine"), QStringLiteral("Data fine:"), QRect(576, 118, 114, 26));
    ShiftPanel::importButton(panel(), QStringLiteral("impDataFine"), "calendario", QRect(693, 120, 24, 24));
    addHeadField(QStringLiteral("Sede"), QStringLiteral("Sede operativa:"), QRect(732, 118, 230, 26));

    addSection(QStringLiteral("sezDisposizioni"), QRect(20, 164, 955, 75));
    addHeadField(QStringLiteral("Disposizioni"), QStringLiteral("Disposizioni organizzative:"),
                 QRect(32, 194, 794, 26));
    addPicture(QRect(846, 170, 112, 64));
}

// The twelve time bands under their orange headings, Sunday's in red, then
// the notes.
void TfrmSettimanale::buildRows()
{
    QWidget* panel = this->panel();
    addSection(QStringLiteral("sezFasce"), QRect(20, 244, 955, 384));
    ShiftPanel::columnHeading(panel, QStringLiteral("Dalle ore"), QRect(30, 252, 65, 26), 10);
    ShiftPanel::columnHeading(panel, QStringLiteral("Alle ore"), QRect(101, 252, 65, 26), 10);
    for (int d = 0; d < int(std::size(DayHeadings)); ++d) {
        QLabel* heading =
            ShiftPanel::columnHeading(panel, QLatin1String(DayHeadings[d]), QRect(172 + 114 * d, 252, 108, 26));
        if (d == Sunday)
            ShiftPanel::markSunday(heading);
    }
    for (int r = 1; r <= shifts::kRows; ++r) {
        const int y = 286 + 24 * (r - 1);
        ShiftPanel::field(panel, rowName("Inizio", r), QRect(30, y, 65, 22))->setAlignment(Qt::AlignCenter);
        ShiftPanel::field(panel, rowName("Fine", r), QRect(101, y, 65, 22))->setAlignment(Qt::AlignCenter);
        for (int d = 0; d < int(weekly::kDays.size()); ++d) {
            QLineEdit* cell = ShiftPanel::field(panel, rowName(weekly::kDays[d], r), QRect(172 + 114 * d, y, 108, 22));
            if (d == Sunday)
                ShiftPanel::markSunday(cell);
        }
    }
    ShiftPanel::label(panel, QStringLiteral("Annotazioni:"), QRect(32, 597, 88, 18));
    ShiftPanel::field(panel, QStringLiteral("Annotazioni"), QRect(122, 594, 834, 24));
}

void TfrmSettimanale::btnTrovaClick()
{
    TfrmTrovaSet::open(this, archivePath(), CallerKey);
}

void TfrmSettimanale::btnAnteprimaClick()
{
    TfrmAnteprimaSet preview(this, [this] { return shownTable(); });
    Ui::runModal(preview);
}

void TfrmSettimanale::btnStampaClick()
{
    TfrmStampaSet print(this, [this] { return shownTable(); });
    Ui::runModal(print);
}

void TfrmSettimanale::impNomeClick()
{
    TfrmTrovaOrari::open(this, CallerKey);
}

void TfrmSettimanale::impDatainizioClick()
{
    openDatePicker(StartKey);
}

void TfrmSettimanale::impDataFineClick()
{
    openDatePicker(EndKey);
}

void registerWeeklySearchReceivers()
{
    SearchHandBack::registerReceiver(TfrmTrovaSet::route(CallerKey), [](int position, const Record&) {
        if (frmSettimanale)
            frmSettimanale->browse->showAt(position);
    });
    SearchHandBack::registerReceiver(TfrmTrovaOrari::route(CallerKey), [](int, const Record& hours) {
        importTemplate(frmSettimanale, hours, hours::Importer::Weekly);
    });
}
