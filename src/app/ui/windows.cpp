#include "app/ui/windows.h"

#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmcambiapassword.h"
#include "app/ui/frmguida.h"
#include "app/ui/frminfo.h"
#include "app/ui/frmmenuregistro.h"
#include "app/ui/frmpassword.h"

TfrmPassword* frmPassword = nullptr;
TfrmAvvio* frmAvvio = nullptr;
TfrmCalendario* frmCalendario = nullptr;
TfrmCambiaPassword* frmCambiaPassword = nullptr;
TfrmGuida* frmGuida = nullptr;
TfrmInfo* frmInfo = nullptr;
TfrmSplash* frmSplash = nullptr;
TfrmMenuRegistro* frmMenuRegistro = nullptr;

namespace {

QStringList& order()
{
    static QStringList names;
    return names;
}

template <typename Window>
void create(Window*& global, const char* name)
{
    global = new Window();
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
    create(frmCalendario, "frmCalendario");
    create(frmCambiaPassword, "frmCambiaPassword");
    create(frmGuida, "frmGuida");
    create(frmInfo, "frmInfo");
    create(frmSplash, "frmSplash");
    create(frmMenuRegistro, "frmMenuRegistro");
}

void destroyWindows()
{
    destroy(frmMenuRegistro);
    destroy(frmSplash);
    destroy(frmInfo);
    destroy(frmGuida);
    destroy(frmCambiaPassword);
    destroy(frmCalendario);
    destroy(frmAvvio);
    destroy(frmPassword);
    order().clear();
}

QStringList createdWindows()
{
    return order();
}
