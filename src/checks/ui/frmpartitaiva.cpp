#include "checks/ui/frmpartitaiva.h"

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : TfrmControllo(Checks::Field::VatNumber,
                    {QStringLiteral(" Controllo partita IVA"),
                     QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                     QStringLiteral("txtPartitaIva"), QStringLiteral(":/icons/check_piva.svg"), QColor(QStringLiteral("#4682B4"))},
                    parent)
{
    txtPartitaIva = entryField();
}
