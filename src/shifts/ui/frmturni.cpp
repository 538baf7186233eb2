#include "shifts/ui/frmturni.h"

#include "app/ui/browsecontroller.h"
#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "hours/ui/frmtrovaorari.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "output/searchhandback.h"
#include "shifts/dailyrules.h"
#include "shifts/shiftrecords.h"
#include "shifts/ui/frmexpturni.h"
#include "shifts/ui/frmstampaturno.h"
#include "shifts/ui/frmtrovaturni.h"
#include "shifts/ui/shiftpanel.h"
#include "storage/layout.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

const QString CallerKey = QStringLiteral("turni");

QString rowName(const char* stem, int row)
{
    return layout::numberedName(stem, row);
}

// Name -> date; period -> site -> instructions -> the rows, each start, end,
// workers, activity -> notes -> name. Enter in the date opens the picker.
QStringList enterChain()
{
    QStringList names{"txtNome", "txtData", "txtPeriodo", "txtSede", "txtDisposizioni"};
    for (int r = 1; r <= shifts::kRows; ++r)
        for (const char* stem : {"Inizio", "Fine", "Lavoratore", "Attivita"})
            names << QStringLiteral("txt") + rowName(stem, r);
    names << QStringLiteral("txtAnnotazioni");
    return names;
}

ShiftScreen::Hints ownHints()
{
    ShiftScreen::Hints h{
        {"btnEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"impNome", "Importa un turno predefinito dall'archivio degli orari."},
        {"impData", "Importa una data dal calendario."},
        {"txtData", "Premi un tasto qualsiasi per importare una data dal calendario."},
    };
    for (int r = 1; r <= shifts::kRows; ++r)
        h.push_back({QStringLiteral("imp") + rowName("Lavoratore", r),
                     QStringLiteral("Importa un turnista dall'archivio anagrafico dei Soci.")});
    return h;
}

}  // namespace

TfrmTurni::TfrmTurni(QWidget* parent) : ShiftScreen(shifts::dailyLayout(), CallerKey, daily::checkForSave, parent)
{
    buildToolbar(true, {752, 794, 830, 60, 891, 933});
    buildHead();
    buildRows();
    finish(enterChain(), ownHints());
    // After the Enter chain, so that the date field's keys are seen first.
    PickerKeys::install(field(QStringLiteral("Data")), [this] { impDataClick(); });

    const auto button = [this](const char* name) { return findChild<QToolButton*>(QLatin1String(name)); };
    connect(button("btnEsporta"), &QToolButton::clicked, this, &TfrmTurni::btnEsportaClick);
    connect(button("impNome"), &QToolButton::clicked, this, &TfrmTurni::impNomeClick);
    connect(button("impData"), &QToolButton::clicked, this, &TfrmTurni::impDataClick);
    for (int r = 1; r <= shifts::kRows; ++r)
        connect(findChild<QToolButton*>(QStringLiteral("imp") + rowName("Lavoratore", r)), &QToolButton::clicked, this,
                [this, r] { TfrmTrovaAnagrafica::open(this, QStringLiteral("turni_") + rowName("", r)); });
}

// Name, date, period and site side by side, their labels above them; the
// instructions across under them. These five show their highlight while
// they have the focus.
void TfrmTurni::buildHead()
{
    addSection(QStringLiteral("sezTestata"), QRect(25, 88, 945, 68));
    addHeadField(QStringLiteral("Nome"), QStringLiteral("Nome tabella turni:"), QRect(40, 118, 270, 26));
    addHeadField(QStringLiteral("Data"), QStringLiteral("Data:"), QRect(350, 118, 114, 26));
    addHeadField(QStringLiteral("Periodo"), QStringLiteral("Periodo validit\u00E0:"), QRect(504, 118, 216, 26));
    addHeadField(QStringLiteral("Sede"), QStringLiteral("Sede operativa:"), QRect(736, 118, 218, 26));
    ShiftPanel::importButton(panel(), QStringLiteral("impNome"), "importa_orario", QRect(313, 120, 24, 24));
    ShiftPanel::importButton(panel(), QStringLiteral("impData"), "calendario", QRect(467, 120, 24, 24));

    addSection(QStringLiteral("sezDisposizioni"), QRect(25, 164, 945, 75));
    addHeadField(QStringLiteral("Disposizioni"), QStringLiteral("Disposizioni organizzative:"),
                 QRect(40, 194, 786, 26));
    addPicture(QRect(846, 170, 112, 64));
}

// The twelve time bands under their orange headings, then the notes.
void TfrmTurni::buildRows()
{
    QWidget* panel = this->panel();
    addSection(QStringLiteral("sezFasce"), QRect(25, 244, 945, 384));
    ShiftPanel::columnHeading(panel, QStringLiteral("DALLE ORE"), QRect(40, 260, 108, 26));
    ShiftPanel::columnHeading(panel, QStringLiteral("ALLE ORE"), QRect(154, 260, 108, 26));
    ShiftPanel::columnHeading(panel, QStringLiteral("TURNISTI"), QRect(268, 260, 378, 26));
    ShiftPanel::columnHeading(panel, QStringLiteral("ATTIVITA' DA SVOLGERE"), QRect(652, 260, 302, 26));
    for (int r = 1; r <= shifts::kRows; ++r) {
        const int y = 294 + 24 * (r - 1);
        for (const auto& [stem, x] : {std::pair{"Inizio", 40}, std::pair{"Fine", 154}})
            ShiftPanel::field(panel, rowName(stem, r), QRect(x, y, 108, 22))->setAlignment(Qt::AlignCenter);
        ShiftPanel::field(panel, rowName("Lavoratore", r), QRect(268, y, 352, 22));
        ShiftPanel::importButton(panel, QStringLiteral("imp") + rowName("Lavoratore", r), "importa_socio",
                                 QRect(624, y, 22, 22));
        ShiftPanel::field(panel, rowName("Attivita", r), QRect(652, y, 302, 22));
    }
    ShiftPanel::label(panel, QStringLiteral("Annotazioni:"), QRect(40, 597, 88, 18));
    ShiftPanel::field(panel, QStringLiteral("Annotazioni"), QRect(130, 594, 824, 24));
}

void TfrmTurni::addWorker(int row, const QString& member)
{
    if (QLineEdit* workers = field(rowName("Lavoratore", row)))
        // What goes past the field's length is cut when the table is stored.
        workers->setText(daily::workersWith(workers->text(), member));
}

void TfrmTurni::btnTrovaClick()
{
    TfrmTrovaTurni::open(this, archivePath(), CallerKey);
}

void TfrmTurni::btnAnteprimaClick()
{
    TfrmAnteprimaTurno preview(this, [this] { return shownTable(); });
    Ui::runModal(preview);
}

void TfrmTurni::btnStampaClick()
{
    TfrmStampaTurno print(this, [this] { return shownTable(); });
    Ui::runModal(print);
}

void TfrmTurni::btnEsportaClick()
{
    showDailyExport(this, archivePath());
}

void TfrmTurni::impNomeClick()
{
    TfrmTrovaOrari::open(this, CallerKey);
}

void TfrmTurni::impDataClick()
{
    openDatePicker(CallerKey);
}

void registerDailySearchReceivers()
{
    SearchHandBack::registerReceiver(TfrmTrovaTurni::route(CallerKey), [](int position, const Record&) {
        if (frmTurni)
            frmTurni->browse->showAt(position);
    });
    SearchHandBack::registerReceiver(TfrmTrovaOrari::route(CallerKey), [](int, const Record& hours) {
        importTemplate(frmTurni, hours, hours::Importer::Daily);
    });
    for (int r = 1; r <= shifts::kRows; ++r)
        SearchHandBack::registerReceiver(TfrmTrovaAnagrafica::route(QStringLiteral("turni_") + rowName("", r)),
                                         [r](int, const Record& member) {
                                             if (frmTurni)
                                                 frmTurni->addWorker(r, member.text(u"Tesserato"));
                                         });
}
