#pragma once
// The payment-card number check and the card's network.
// The caller sets txtNumero and shows the window through Ui::runModal.

#include "checks/ui/checkwindow.h"

class TfrmCarta : public TfrmControllo {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget* parent = nullptr);

    QLineEdit* txtNumero;
};
