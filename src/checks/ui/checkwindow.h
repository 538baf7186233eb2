#pragma once
// What the four identifier-check windows share: a banner, one line of
// instructions, the entry field, "Controlla" and "Chiudi" on a gradient.
// The field's rules and the button's outcome come from checks/checks.h.

#include "checks/checks.h"

#include <QColor>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmControllo : public QDialog {
    Q_OBJECT
public:
    QLabel* imgLogo;
    QLabel* lblTitolo;
    QPushButton* btnControlla;
    QPushButton* btnChiudi;

    Checks::Field kind() const { return m_kind; }
    QLineEdit* entryField() const { return m_field; }

    // Puts the text a screen hands over into the entry field, whole (see
    // Checks::asHandedOver) even where it is longer than the field's limit,
    // so that "Controlla" judges all of it. Typing afterwards never makes the
    // field longer than its limit, or than the text it was handed.
    void setCallerText(const QString& text);

public slots:
    void btnControllaClick();

protected:
    struct Look {
        QString caption;
        QString title;
        QString fieldName;
        QString banner;  // resource path of the banner picture
        QColor top;      // the gradient runs from this colour to white
    };
    TfrmControllo(Checks::Field kind, const Look& look, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void normaliseField();
    void fitLimit();

    Checks::Field m_kind;
    QLineEdit* m_field;
    QColor m_top;
};

// How a screen opens a check for the text of one of its fields: a fresh
// window of that kind over `owner`, the trimmed text handed over whole, run
// modally and discarded. Nothing comes back to the screen.
void openCheck(QWidget* owner, Checks::Field kind, const QString& fieldText);
// The tax-code button of a screen: the VAT-number check for a field of
// digits only, the tax-code check otherwise.
void openTaxCodeCheck(QWidget* owner, const QString& fieldText);
