#include "checks/ui/frmcarta.h"

TfrmCarta::TfrmCarta(QWidget* parent)
    : TfrmControllo(Checks::Field::CardNumber,
                    {QStringLiteral(" Controllo carta di credito"),
                     QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
                     QStringLiteral("txtNumero"), QStringLiteral(":/icons/check_carta.svg"), QColor(QStringLiteral("#2F62C8"))},
                    parent)
{
    txtNumero = entryField();
}
