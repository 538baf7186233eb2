#pragma once
// The tax-code check, opened from the member and deadline screens.
// The caller sets txtCodFisc and shows the window through Ui::runModal.

#include "checks/ui/checkwindow.h"

class TfrmCodFisc : public TfrmControllo {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);

    QLineEdit* txtCodFisc;
};
