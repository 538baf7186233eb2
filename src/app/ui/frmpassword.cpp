#include "app/ui/frmpassword.h"

#include "app/dates.h"
#include "app/password.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcambiapassword.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "output/infosheet.h"
#include "storage/appdir.h"
#include "storage/textfield.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPassword::TfrmPassword(QWidget* parent) : QWidget(parent)
{
    prepareWindow(this, QStringLiteral(" Norvalis 2.0 - Accesso"), Frame::NoBorderIcons);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(picture(QString::fromLatin1(InfoSheet::LogoResource), QSize(360, 108)));
    logo->setAlignment(Qt::AlignCenter);

    auto* prompt = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    prompt->setAlignment(Qt::AlignCenter);
    QFont promptFont(QStringLiteral("Verdana"), 11);
    prompt->setFont(promptFont);

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    QFont fieldFont(QStringLiteral("Verdana"), 14, QFont::Bold);
    txtPassword->setFont(fieldFont);
    txtPassword->setAlignment(Qt::AlignCenter);
    txtPassword->setMinimumHeight(36);
    txtPassword->installEventFilter(this);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    btnCambiaPassword->setIcon(QIcon(picture(QStringLiteral(":/icons/password.svg"), QSize(20, 20))));
    for (QPushButton* b : {cmdOK, cmdEsci, btnCambiaPassword})
        b->setMinimumHeight(32);

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addStretch();
    fieldRow->addWidget(txtPassword, 4);
    fieldRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 20);
    layout->setSpacing(14);
    layout->addWidget(logo);
    layout->addWidget(prompt);
    layout->addLayout(fieldRow);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(480, 330);
    FocusHighlight::attach(txtPassword, QStringLiteral("Password"));

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::updateOK()
{
    cmdOK->setEnabled(!TextField::trimmed(txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick()
{
    bool accepted = false;
    try {
        accepted = PasswordFile::matches(AppDir::filePath(QLatin1String(PasswordFile::FileName)), txtPassword->text());
    } catch (const std::exception&) {
        Ui::information(this, PasswordFile::ReadFailureMessage);
        return;
    }
    if (accepted) {
        frmAvvio->show();
        hide();
        return;
    }
    Ui::information(this, PasswordFile::WrongPasswordMessage);
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    frmCambiaPassword->show();
    hide();
}

void TfrmPassword::returnFromPasswordChange()
{
    txtPassword->clear();
    show();
    activateWindow();
    txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    centre(this);
    txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    QApplication::quit();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword) {
        if (event->type() == QEvent::KeyRelease)
            updateOK();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (!TextField::trimmed(txtPassword->text()).isEmpty())
                    cmdOKClick();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
