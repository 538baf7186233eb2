#pragma once
// " Dati Ente o Associazione": the organization's four lines, written into
// the single card screen on "Applica e chiudi".

#include "cards/cardsettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmDatiEnte : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDatiEnte(QWidget* parent = nullptr);

    QLineEdit* txtAssociazione;
    QLineEdit* txtSottotitolo01;
    QLineEdit* txtSottotitolo02;
    QLineEdit* txtAnnotazioni;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;
    QLabel* lblMemory;  // the caller key

    void setTexts(const Cards::Organization& organization);
    Cards::Organization texts() const;

public slots:
    void btnApplicaClick();

protected:
    void showEvent(QShowEvent* event) override;
};
