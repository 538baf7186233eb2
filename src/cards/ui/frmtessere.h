#pragma once
// " Norvalis 2.0 - Stampa più tessere": nine card mock-ups, each filled with
// a member imported from the member archive, printed together on one A4
// sheet. Nothing here is stored.

#include "cards/cardlayout.h"

#include <QWidget>

class CardView;
class QLabel;
class QPushButton;

class TfrmTessere : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTessere(QWidget* parent = nullptr);

    // Slot k (1..9) is cards[k - 1], suffix "_A" to "_I".
    QList<CardView*> cards;
    QLabel* lblPosizione;  // hidden: the position of the member last imported

    QList<Cards::CardFace> faces() const;
    // What the member search hands to slot k.
    void importMember(int slot, int position, const Record& member);
    // The member part of slot k emptied, its photo the placeholder portrait.
    void clearSlot(int slot);

public slots:
    void btnImportaClick(int slot);
    void cmdNuovoClick();
    void icoGommaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void imgGuidaClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

// The nine cards of the sheet screen, as its print and preview take them.
QList<Cards::CardFace> currentSheet();

// "tessere_01" ... "tessere_09".
QString sheetCallerKey(int slot);

// The eraser's question.
inline const QString ClearSheetQuestion =
    QStringLiteral("Si sta per cancellare i dati e le foto presenti nei nove tesserini.") + QStringLiteral("\r\n\r\n")
    + QStringLiteral("Si conferma l'operazione?");

// Registers what the card screens do with a member picked in the member
// search ("tessera", "tessere_01" ... "tessere_09").
void registerCardSearchReceivers();
