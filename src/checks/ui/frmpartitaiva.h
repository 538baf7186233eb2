#pragma once
// The VAT-number check and the office that issued the number.
// The caller sets txtPartitaIva and shows the window through Ui::runModal.

#include "checks/ui/checkwindow.h"

class TfrmPartitaIva : public TfrmControllo {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);

    QLineEdit* txtPartitaIva;
};
