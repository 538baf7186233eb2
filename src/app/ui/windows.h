#pragma once
// The windows created once at start-up, each reachable through its global.
// Dialogs that are made anew for each use (help, about, credits, date
// picker, card print windows) also have their start-up instance, as every window class does.

#include <QStringList>

class TfrmPassword;
class TfrmAvvio;
class TfrmAllegaCartella;
class TfrmAnagrafica;
class TfrmAnteprima;
class TfrmAnteprimaTessera;
class TfrmAnteprimaTessere;
class TfrmCalendario;
class TfrmCambiaPassword;
class TfrmCarta;
class TfrmCodFisc;
class TfrmDatiEnte;
class TfrmExpAnagrafica;
class TfrmExpOrari;
class TfrmGuida;
class TfrmIban;
class TfrmInfo;
class TfrmOrari;
class TfrmPartitaIva;
class TfrmScadenzario;
class TfrmSospesi;
class TfrmSplash;
class TfrmStampaOrario;
class TfrmStampaTessera;
class TfrmStampaTessere;
class TfrmTessera;
class TfrmTessere;
class TfrmTrovaAnagrafica;
class TfrmTrovaOrari;
class TfrmTurni;
class TfrmTrovaTurni;
class TfrmExpTurni;
class TfrmAnteprimaTurno;
class TfrmStampaTurno;
class TfrmSettimanale;
class TfrmTrovaSet;
class TfrmStampaSet;
class TfrmAnteprimaSet;
class TfrmZoom;
class TfrmMenuRegistro;
class TfrmWebCam;

extern TfrmPassword* frmPassword;
extern TfrmAvvio* frmAvvio;
extern TfrmAllegaCartella* frmAllegaCartella;
extern TfrmAnagrafica* frmAnagrafica;
extern TfrmAnteprima* frmAnteprima;
extern TfrmAnteprimaTessera* frmAnteprimaTessera;
extern TfrmAnteprimaTessere* frmAnteprimaTessere;
extern TfrmCalendario* frmCalendario;
extern TfrmCambiaPassword* frmCambiaPassword;
extern TfrmCarta* frmCarta;
extern TfrmCodFisc* frmCodFisc;
extern TfrmDatiEnte* frmDatiEnte;
extern TfrmExpAnagrafica* frmExpAnagrafica;
extern TfrmGuida* frmGuida;
extern TfrmIban* frmIban;
extern TfrmInfo* frmInfo;
extern TfrmPartitaIva* frmPartitaIva;
extern TfrmScadenzario* frmScadenzario;
extern TfrmSospesi* frmSospesi;
extern TfrmSplash* frmSplash;
extern TfrmStampaTessera* frmStampaTessera;
extern TfrmStampaTessere* frmStampaTessere;
extern TfrmTessera* frmTessera;
extern TfrmTessere* frmTessere;
extern TfrmTrovaAnagrafica* frmTrovaAnagrafica;
extern TfrmZoom* frmZoom;
extern TfrmOrari* frmOrari;
extern TfrmTrovaOrari* frmTrovaOrari;
extern TfrmExpOrari* frmExpOrari;
extern TfrmStampaOrario* frmStampaOrario;
extern TfrmMenuRegistro* frmMenuRegistro;
extern TfrmTurni* frmTurni;
extern TfrmTrovaTurni* frmTrovaTurni;
extern TfrmExpTurni* frmExpTurni;
extern TfrmAnteprimaTurno* frmAnteprimaTurno;
extern TfrmStampaTurno* frmStampaTurno;
extern TfrmSettimanale* frmSettimanale;
extern TfrmTrovaSet* frmTrovaSet;
extern TfrmStampaSet* frmStampaSet;
extern TfrmAnteprimaSet* frmAnteprimaSet;
extern TfrmWebCam* frmWebCam;

// Creates every window in the start-up order; the login window is the main one.
void createWindows();
// Deletes them all again (tests, and the end of the run).
void destroyWindows();
// The globals' names in the order the windows were created.
QStringList createdWindows();
