#include "checks/ui/frmcodfisc.h"

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : TfrmControllo(Checks::Field::TaxCode,
                    {QStringLiteral(" Controllo codice fiscale"),
                     QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                     QStringLiteral("txtCodFisc"), QStringLiteral(":/icons/check_codfisc.svg"), QColor(QStringLiteral("#3C9A5F"))},
                    parent)
{
    txtCodFisc = entryField();
}
