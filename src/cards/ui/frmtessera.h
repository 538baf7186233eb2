#pragma once
// " Norvalis 2.0 - Stampa tessera singola": one member card composed from
// the organization's data and logo and a member taken, read-only, from the
// member archive; printed or previewed from here.

#include "storage/browser.h"
#include "cards/cardlayout.h"

#include <QWidget>

class BrowseController;
class CardView;
class HintBar;
class QLabel;

class TfrmTessera : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTessera(QWidget* parent = nullptr);

    CardView* card;
    QLabel* lblPosizione;
    QLabel* panInfo;
    BrowseController* browse;

public slots:
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void btnCancFotoClick();
    void btnCancLogoClick();
    void imgLogoClick();
    void titClick();
    void imgGuidaClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildToolbar();
    void clearMember();
    void showPhoto(int position);

    RecordBrowser m_browser;
    HintBar* m_hints;
};

// The card the single card screen shows, as its print and preview take it.
Cards::CardFace currentSingleCard();

inline const QString OrganizationNotSaved =
    QStringLiteral("Attenzione: non \u00E8 stato possibile salvare i dati dell'Ente o Associazione nel file "
                   "Tesserini.ini.")
    + QStringLiteral("\r\n\r\n")
    + QStringLiteral("Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
inline const QString SingleCardReady = QStringLiteral("Pronto per stampare una nuova tessera...");
