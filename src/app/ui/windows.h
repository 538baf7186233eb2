#pragma once
// The windows created once at start-up, each reachable through its global.
// Dialogs that are made anew for each use (help, about, credits, date
// picker) also have their start-up instance, as every window class does.

#include <QStringList>

class TfrmPassword;
class TfrmAvvio;
class TfrmCalendario;
class TfrmCambiaPassword;
class TfrmGuida;
class TfrmInfo;
class TfrmSplash;
class TfrmMenuRegistro;

extern TfrmPassword* frmPassword;
extern TfrmAvvio* frmAvvio;
extern TfrmCalendario* frmCalendario;
extern TfrmCambiaPassword* frmCambiaPassword;
extern TfrmGuida* frmGuida;
extern TfrmInfo* frmInfo;
extern TfrmSplash* frmSplash;
extern TfrmMenuRegistro* frmMenuRegistro;

// Creates every window in the start-up order; the login window is the main one.
void createWindows();
// Deletes them all again (tests, and the end of the run).
void destroyWindows();
// The globals' names in the order the windows were created.
QStringList createdWindows();
