#include "app/ui/frmcambiapassword.h"

#include "app/dates.h"
#include "app/password.h"
#include "app/ui/formkit.h"
#include "app/ui/frmpassword.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "storage/appdir.h"
#include "storage/textfield.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent) : QWidget(parent)
{
    prepareWindow(this, QStringLiteral(" Cambia password"), Frame::NoBorderIcons);

    auto* top = new QLabel(this);
    top->setPixmap(picture(QStringLiteral(":/icons/password.svg"), QSize(64, 64)));
    top->setAlignment(Qt::AlignCenter);
    auto* heading = new QLabel(QStringLiteral("Modifica della password di accesso"), this);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(QFont(QStringLiteral("Arial"), 13, QFont::Bold));
    heading->setStyleSheet(QStringLiteral("color: #1F4E79;"));

    const QFont fieldFont(QStringLiteral("Verdana"), 14, QFont::Bold);
    const auto makeField = [this, &fieldFont](const char* name) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setEchoMode(QLineEdit::Password);
        field->setFont(fieldFont);
        field->setMinimumHeight(34);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
        return field;
    };
    txtPasswordOld = makeField("txtPasswordOld");
    txtPasswordNew = makeField("txtPasswordNew");
    txtConferma = makeField("txtConferma");

    auto* form = new QFormLayout;
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(14);
    form->addRow(QStringLiteral("Vecchia password:"), txtPasswordOld);
    form->addRow(QStringLiteral("Nuova password:"), txtPasswordNew);
    form->addRow(QStringLiteral("Conferma nuova password:"), txtConferma);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOK, cmdEsci}) {
        b->setMinimumSize(96, 32);
        buttons->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 18, 28, 18);
    layout->setSpacing(12);
    layout->addWidget(top);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedSize(520, 380);

    FocusHighlight::attach(txtPasswordOld, QStringLiteral("PasswordOld"));
    FocusHighlight::attach(txtPasswordNew, QStringLiteral("PasswordNew"));
    FocusHighlight::attach(txtConferma, QStringLiteral("Conferma"));
    // Enter goes round the three fields and never presses OK.
    EnterChain::install(this, {QStringLiteral("txtPasswordOld"), QStringLiteral("txtPasswordNew"),
                               QStringLiteral("txtConferma")});

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::updateOK()
{
    cmdOK->setEnabled(!TextField::trimmed(txtPasswordOld->text()).isEmpty()
                      && !TextField::trimmed(txtPasswordNew->text()).isEmpty()
                      && !TextField::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    PasswordFile::ChangeResult result;
    try {
        result = PasswordFile::change(AppDir::filePath(QLatin1String(PasswordFile::FileName)), txtPasswordOld->text(),
                                      txtPasswordNew->text(), txtConferma->text());
    } catch (const std::exception&) {
        Ui::information(this, PasswordFile::ChangeFailureMessage);
        return;
    }
    const auto typeNewAgain = [this] {
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
    };
    switch (result) {
    case PasswordFile::ChangeResult::WrongOld:
        Ui::information(this, PasswordFile::WrongOldMessage);
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    case PasswordFile::ChangeResult::NotConfirmed:
        Ui::information(this, PasswordFile::NotConfirmedMessage);
        typeNewAgain();
        return;
    case PasswordFile::ChangeResult::NotStorable:
        Ui::warning(this, PasswordFile::NotStorableMessage);
        typeNewAgain();
        return;
    case PasswordFile::ChangeResult::Changed:
        Ui::information(this, PasswordFile::ChangedMessage);
        close();
        return;
    }
}

void TfrmCambiaPassword::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    centre(this);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (frmPassword)
        frmPassword->returnFromPasswordChange();
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease
        && (watched == txtPasswordOld || watched == txtPasswordNew || watched == txtConferma))
        updateOK();
    return QWidget::eventFilter(watched, event);
}
