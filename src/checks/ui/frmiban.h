#pragma once
// The Italian IBAN check.
// The caller sets txtIban and shows the window through Ui::runModal.

#include "checks/ui/checkwindow.h"

class TfrmIban : public TfrmControllo {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget* parent = nullptr);

    QLineEdit* txtIban;
};
