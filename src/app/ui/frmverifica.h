#pragma once
// "Verifica archivi": the check of every archive in the data folder, for a
// user without a terminal. It runs when the window opens and lists what it
// found, one line a problem.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmVerifica : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVerifica(QWidget* parent = nullptr);

    QLabel* lblEsito;
    QPlainTextEdit* txtProblemi;
    QPushButton* btnVerifica;
    QPushButton* btnChiudi;

public slots:
    // Checks the archives again and shows the outcome.
    void btnVerificaClick();

protected:
    void showEvent(QShowEvent* event) override;
};
