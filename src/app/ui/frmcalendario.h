#pragma once
// The date picker: writes the chosen date into the date field of the screen
// that its caller code names.

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

    QCalendarWidget* calAppuntamenti;
    QPushButton* btnImportaData;
    QPushButton* btnAnnulla;
    QLabel* lblMemory;  // the caller code

    void setCallerCode(const QString& code);

public slots:
    void btnImportaDataClick();

protected:
    void showEvent(QShowEvent* event) override;
};
