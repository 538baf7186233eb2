#include "checks/ui/frmiban.h"

TfrmIban::TfrmIban(QWidget* parent)
    : TfrmControllo(Checks::Field::Iban,
                    {QStringLiteral(" Controllo IBAN"),
                     QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                     QStringLiteral("txtIban"), QStringLiteral(":/icons/check_iban.svg"), QColor(QStringLiteral("#4682B4"))},
                    parent)
{
    txtIban = entryField();
}
