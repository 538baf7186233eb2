#pragma once
// The login window, the application's main window.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);

    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;

    // Back from the password change: empty field, window shown, focus in it.
    void returnFromPasswordChange();

public slots:
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOK();
};
