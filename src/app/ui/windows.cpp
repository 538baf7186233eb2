#include "app/ui/windows.h"

#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmcambiapassword.h"
#include "app/ui/frmguida.h"
#include "app/ui/frminfo.h"
#include "app/ui/frmmenuregistro.h"
#include "app/ui/frmpassword.h"
#include "cards/ui/cardprint.h"
#include "cards/ui/frmdatiente.h"
#include "cards/ui/frmtessera.h"
#include "cards/ui/frmtessere.h"
#include "checks/ui/frmcarta.h"
#include "checks/ui/frmcodfisc.h"
#include "checks/ui/frmiban.h"
#include "checks/ui/frmpartitaiva.h"
#include "deadlines/ui/frmscadenzario.h"
#include "hours/ui/frmexporari.h"
#include "hours/ui/frmorari.h"
#include "hours/ui/frmstampaorario.h"
#include "hours/ui/frmtrovaorari.h"
#include "members/ui/frmallegacartella.h"
#include "members/ui/frmanagrafica.h"
#include "members/ui/frmexpanagrafica.h"
#include "members/ui/frmsospesi.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "output/ui/frmanteprima.h"
#include "shifts/ui/frmexpturni.h"
#include "shifts/ui/frmsettimanale.h"
#include "shifts/ui/frmstampaset.h"
#include "shifts/ui/frmstampaturno.h"
#include "shifts/ui/frmtrovaset.h"
#include "shifts/ui/frmtrovaturni.h"
#include "shifts/ui/frmturni.h"
#include "members/ui/frmwebcam.h"
#include "members/ui/frmzoom.h"

#include <QImage>

TfrmPassword* frmPassword = nullptr;
TfrmAvvio* frmAvvio = nullptr;
TfrmAllegaCartella* frmAllegaCartella = nullptr;
TfrmAnagrafica* frmAnagrafica = nullptr;
TfrmAnteprima* frmAnteprima = nullptr;
TfrmAnteprimaTessera* frmAnteprimaTessera = nullptr;
TfrmAnteprimaTessere* frmAnteprimaTessere = nullptr;
TfrmCalendario* frmCalendario = nullptr;
TfrmCambiaPassword* frmCambiaPassword = nullptr;
TfrmCarta* frmCarta = nullptr;
TfrmCodFisc* frmCodFisc = nullptr;
TfrmDatiEnte* frmDatiEnte = nullptr;
TfrmExpAnagrafica* frmExpAnagrafica = nullptr;
TfrmGuida* frmGuida = nullptr;
TfrmIban* frmIban = nullptr;
TfrmInfo* frmInfo = nullptr;
TfrmPartitaIva* frmPartitaIva = nullptr;
TfrmScadenzario* frmScadenzario = nullptr;
TfrmSospesi* frmSospesi = nullptr;
TfrmSplash* frmSplash = nullptr;
TfrmStampaTessera* frmStampaTessera = nullptr;
TfrmStampaTessere* frmStampaTessere = nullptr;
TfrmTessera* frmTessera = nullptr;
TfrmTessere* frmTessere = nullptr;
TfrmTrovaAnagrafica* frmTrovaAnagrafica = nullptr;
TfrmZoom* frmZoom = nullptr;
TfrmOrari* frmOrari = nullptr;
TfrmTrovaOrari* frmTrovaOrari = nullptr;
TfrmExpOrari* frmExpOrari = nullptr;
TfrmStampaOrario* frmStampaOrario = nullptr;
TfrmMenuRegistro* frmMenuRegistro = nullptr;
TfrmTurni* frmTurni = nullptr;
TfrmTrovaTurni* frmTrovaTurni = nullptr;
TfrmExpTurni* frmExpTurni = nullptr;
TfrmAnteprimaTurno* frmAnteprimaTurno = nullptr;
TfrmStampaTurno* frmStampaTurno = nullptr;
TfrmSettimanale* frmSettimanale = nullptr;
TfrmTrovaSet* frmTrovaSet = nullptr;
TfrmStampaSet* frmStampaSet = nullptr;
TfrmAnteprimaSet* frmAnteprimaSet = nullptr;
TfrmWebCam* frmWebCam = nullptr;

namespace {

QStringList& order()
{
    static QStringList names;
    return names;
}

template <typename Window, typename... Args>
void create(Window*& global, const char* name, Args&&... args)
{
    global = new Window(std::forward<Args>(args)...);
    global->setObjectName(QLatin1String(name));
    order() << QLatin1String(name);
}

template <typename Window>
void destroy(Window*& global)
{
    delete global;
    global = nullptr;
}

}  // namespace

void createWindows()
{
    order().clear();
    // The start-up order of the whole program; windows of areas still to come
    // take their places in it as they are added.
    create(frmPassword, "frmPassword");
    create(frmAvvio, "frmAvvio");
    create(frmAllegaCartella, "frmAllegaCartella");
    create(frmAnagrafica, "frmAnagrafica");
    create(frmAnteprima, "frmAnteprima", Report::Prepared{});
    create(frmAnteprimaTessera, "frmAnteprimaTessera");
    create(frmAnteprimaTessere, "frmAnteprimaTessere");
    create(frmCalendario, "frmCalendario");
    create(frmCambiaPassword, "frmCambiaPassword");
    create(frmCarta, "frmCarta");
    create(frmCodFisc, "frmCodFisc");
    create(frmDatiEnte, "frmDatiEnte");
    create(frmExpAnagrafica, "frmExpAnagrafica");
    create(frmGuida, "frmGuida");
    create(frmIban, "frmIban");
    create(frmInfo, "frmInfo");
    create(frmPartitaIva, "frmPartitaIva");
    create(frmScadenzario, "frmScadenzario");
    create(frmSospesi, "frmSospesi");
    create(frmSplash, "frmSplash");
    create(frmStampaTessera, "frmStampaTessera");
    create(frmStampaTessere, "frmStampaTessere");
    create(frmTessera, "frmTessera");
    create(frmTessere, "frmTessere");
    create(frmTrovaAnagrafica, "frmTrovaAnagrafica");
    create(frmZoom, "frmZoom", QImage());
    create(frmOrari, "frmOrari");
    create(frmTrovaOrari, "frmTrovaOrari");
    create(frmExpOrari, "frmExpOrari");
    create(frmStampaOrario, "frmStampaOrario");
    create(frmMenuRegistro, "frmMenuRegistro");
    create(frmTurni, "frmTurni");
    create(frmSettimanale, "frmSettimanale");
    create(frmTrovaTurni, "frmTrovaTurni");
    create(frmExpTurni, "frmExpTurni");
    create(frmAnteprimaTurno, "frmAnteprimaTurno");
    create(frmStampaTurno, "frmStampaTurno");
    create(frmStampaSet, "frmStampaSet");
    create(frmAnteprimaSet, "frmAnteprimaSet");
    create(frmTrovaSet, "frmTrovaSet");
    create(frmWebCam, "frmWebCam", nullptr);
    // What the screens accept from the searches, once they all exist.
    registerMemberSearchReceivers();
    registerCardSearchReceivers();
    registerDeadlineSearchReceivers();
    registerHoursSearchReceivers();
    registerDailySearchReceivers();
    registerWeeklySearchReceivers();
}

void destroyWindows()
{
    destroy(frmWebCam);
    destroy(frmTrovaSet);
    destroy(frmAnteprimaSet);
    destroy(frmStampaSet);
    destroy(frmStampaTurno);
    destroy(frmAnteprimaTurno);
    destroy(frmExpTurni);
    destroy(frmTrovaTurni);
    destroy(frmSettimanale);
    destroy(frmTurni);
    destroy(frmMenuRegistro);
    destroy(frmStampaOrario);
    destroy(frmExpOrari);
    destroy(frmTrovaOrari);
    destroy(frmOrari);
    destroy(frmZoom);
    destroy(frmTrovaAnagrafica);
    destroy(frmTessere);
    destroy(frmTessera);
    destroy(frmStampaTessere);
    destroy(frmStampaTessera);
    destroy(frmSplash);
    destroy(frmSospesi);
    destroy(frmScadenzario);
    destroy(frmPartitaIva);
    destroy(frmInfo);
    destroy(frmIban);
    destroy(frmGuida);
    destroy(frmExpAnagrafica);
    destroy(frmDatiEnte);
    destroy(frmCodFisc);
    destroy(frmCarta);
    destroy(frmCambiaPassword);
    destroy(frmCalendario);
    destroy(frmAnteprimaTessere);
    destroy(frmAnteprimaTessera);
    destroy(frmAnteprima);
    destroy(frmAnagrafica);
    destroy(frmAllegaCartella);
    destroy(frmAvvio);
    destroy(frmPassword);
    order().clear();
}

QStringList createdWindows()
{
    return order();
}
