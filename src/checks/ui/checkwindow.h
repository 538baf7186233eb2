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

    Checks::Field m_kind;
    QLineEdit* m_field;
    QColor m_top;
};
