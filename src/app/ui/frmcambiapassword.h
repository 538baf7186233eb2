#pragma once
// The password change, reached from the login window before logging in.

#include <QWidget>

class QLineEdit;
class QPushButton;

class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);

    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;

public slots:
    void cmdOKClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOK();
};
