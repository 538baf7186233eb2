#include "app/ui/frminfo.h"

#include "app/dates.h"
#include "app/ui/formkit.h"
#include "app/ui/frmverifica.h"
#include "app/ui/services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ShellOpen::Target Maker::mailLink()
{
    return ShellOpen::mail(
        Email, {{QStringLiteral("subject"), QStringLiteral("Software Norvalis 2.0")},
                {QStringLiteral("body"),
                 QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:")}});
}

namespace {

// The common frame of both windows: logo band, a text, a link row, "Chiudi".
QVBoxLayout* frame(QDialog* dialog, const QString& title, const QString& html, QPushButton*& close)
{
    prepareWindow(dialog, title, Frame::NoBorderIcons);
    QLabel* band = logoBand(dialog, QSize(320, 96));

    auto* text = new QLabel(html, dialog);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setFont(QFont(QStringLiteral("Verdana"), 10));
    text->setAlignment(Qt::AlignCenter);

    close = new QPushButton(QStringLiteral("Chiudi"), dialog);
    close->setObjectName(QStringLiteral("btnChiudi"));
    close->setMinimumSize(100, 32);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);

    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 16);
    layout->setSpacing(14);
    layout->addWidget(band);
    auto* inner = new QVBoxLayout;
    inner->setContentsMargins(28, 0, 28, 0);
    inner->setSpacing(14);
    inner->addWidget(text);
    layout->addLayout(inner);
    return inner;
}

LinkLabel* link(QDialog* dialog, const QString& text)
{
    auto* l = new LinkLabel(text, dialog);
    l->setObjectName(QStringLiteral("lnkWeb"));
    QFont f(QStringLiteral("Tahoma"), 12);
    f.setUnderline(true);
    l->setFont(f);
    return l;
}

void finish(QDialog* dialog, QVBoxLayout* inner, QWidget* linkRow, QList<QPushButton*> buttonsInRow)
{
    inner->addWidget(linkRow, 0, Qt::AlignHCenter);
    inner->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : buttonsInRow)
        buttons->addWidget(b);
    buttons->addStretch();
    inner->addLayout(buttons);
    dialog->setFixedSize(500, 400);
}

}  // namespace

TfrmInfo::TfrmInfo(QWidget* parent) : QDialog(parent)
{
    QVBoxLayout* inner = frame(
        this, QStringLiteral(" Informazioni su Norvalis 2.0"),
        QStringLiteral("<p style='font-size:15pt; color:#1F4E79;'><b>Norvalis 2.0</b></p>"
                       "<p>Archivio soci, tessere di riconoscimento, scadenzario dei pagamenti, "
                       "orari di servizio e turni di lavoro per enti e associazioni.</p>"
                       "<p>Per informazioni e assistenza scrivere a:</p>"),
        btnChiudi);
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    imgEmail = pictureButton(QStringLiteral("imgEmail"), QStringLiteral(":/icons/email.svg"), QSize(32, 32),
                             QStringLiteral("Scrivi una e-mail"), row);
    lnkWeb = link(this, Maker::Email);
    rowLayout->addWidget(imgEmail);
    rowLayout->addWidget(lnkWeb);
    btnVerifica = new QPushButton(QStringLiteral("Verifica archivi..."), this);
    btnVerifica->setObjectName(QStringLiteral("btnVerifica"));
    btnVerifica->setMinimumSize(150, 32);
    finish(this, inner, row, {btnVerifica, btnChiudi});
    connect(btnVerifica, &QPushButton::clicked, this, [this] {
        TfrmVerifica check(this);
        Ui::runModal(check);
    });
    const auto mail = [this] { TMisc::Open(Maker::mailLink(), this); };
    connect(lnkWeb, &LinkLabel::clicked, this, mail);
    connect(imgEmail, &QToolButton::clicked, this, mail);
}

TfrmSplash::TfrmSplash(QWidget* parent) : QDialog(parent)
{
    QVBoxLayout* inner = frame(
        this, QStringLiteral(" Crediti"),
        QStringLiteral("<p style='font-size:15pt; color:#1F4E79;'><b>Norvalis 2.0</b></p>"
                       "<p>Progetto, programmazione e grafica:<br><b>Norvalis Software</b></p>"
                       "<p>Realizzato con Qt 6. Caratteri Liberation.</p>"
                       "<p>Tutti i diritti riservati.</p>"),
        btnChiudi);
    lnkWeb = link(this, QStringLiteral("www.norvalis.it"));
    finish(this, inner, lnkWeb, {btnChiudi});
    connect(lnkWeb, &LinkLabel::clicked, this, [this] { TMisc::Open(Maker::WebSite, this); });
}
