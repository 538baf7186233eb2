#pragma once
// The small modal windows that print or preview the cards: the single card
// (" Stampa tesserino", with its offsets and orientation, and its preview)
// and the nine-card sheet (" Stampa più tessere su foglio A4" and its
// preview). Each reads the cards it prints at the moment of printing from
// its source, by default the screen that owns the cards.

#include "cards/cardlayout.h"
#include "output/ui/printwindow.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

using SingleCardSource = std::function<Cards::CardFace()>;
using SheetSource = std::function<QList<Cards::CardFace>()>;

class TfrmStampaTessera : public PrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaTessera(QWidget* parent = nullptr, SingleCardSource source = {});

    QRadioButton* optVerticale;
    QRadioButton* optOrizzontale;
    QLineEdit* txtTop;
    QLineEdit* txtLeft;
    QPushButton* btnTopMinus;
    QPushButton* btnTopPlus;
    QPushButton* btnLeftMinus;
    QPushButton* btnLeftPlus;
    QPushButton* btnApplicaTop;
    QPushButton* btnApplicaLeft;

    // The offsets and orientation as the window shows them.
    Cards::PrintSettings settings() const;

public slots:
    // Each saves one offset with the orientation; false when it cannot.
    bool btnApplicaTopClick();
    bool btnApplicaLeftClick();

protected:
    void showEvent(QShowEvent* event) override;
    void run() override;

private:
    void step(QLineEdit* field, int delta);

    SingleCardSource m_source;
};

class TfrmAnteprimaTessera : public PrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaTessera(QWidget* parent = nullptr, SingleCardSource source = {});

protected:
    void run() override;

private:
    SingleCardSource m_source;
};

class TfrmStampaTessere : public PrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaTessere(QWidget* parent = nullptr, SheetSource source = {});

protected:
    void run() override;

private:
    SheetSource m_source;
};

class TfrmAnteprimaTessere : public PrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaTessere(QWidget* parent = nullptr, SheetSource source = {});

protected:
    void run() override;

private:
    SheetSource m_source;
};

inline const QString CardPrintFailed = QStringLiteral("Attenzione: la stampa non \u00E8 andata a buon fine.")
                                       + QStringLiteral("\n\r\n\r")
                                       + QStringLiteral("Accertarsi che la stampante sia configurata correttamente.");
