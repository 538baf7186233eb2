#include "app/ui/frmverifica.h"

#include "app/archivecheck.h"
#include "app/ui/formkit.h"
#include "storage/appdir.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmVerifica::TfrmVerifica(QWidget* parent) : QDialog(parent)
{
    prepareWindow(this, QStringLiteral(" Verifica degli archivi"), Frame::NoBorderIcons);

    auto* intro = new QLabel(
        QStringLiteral("Controlla i byte di ogni archivio della cartella dei dati: lunghezze di testo oltre il "
                       "campo, contrassegni diversi da \"Sì\" e \"No\", date di scadenza non valide, schede "
                       "incomplete in fondo al file. Una scrittura interrotta (un programma chiuso a forza o "
                       "una mancanza di corrente) viene completata e segnalata."),
        this);
    intro->setWordWrap(true);

    lblEsito = new QLabel(this);
    lblEsito->setObjectName(QStringLiteral("lblEsito"));
    lblEsito->setWordWrap(true);
    lblEsito->setStyleSheet(QStringLiteral("font: bold 10pt 'Verdana'; color: #1F4E79;"));

    txtProblemi = new QPlainTextEdit(this);
    txtProblemi->setObjectName(QStringLiteral("txtProblemi"));
    txtProblemi->setReadOnly(true);
    txtProblemi->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtProblemi->setFont(QFont(QStringLiteral("Courier New"), 10));

    btnVerifica = new QPushButton(QStringLiteral("Verifica di nuovo"), this);
    btnVerifica->setObjectName(QStringLiteral("btnVerifica"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton* b : {btnVerifica, btnChiudi})
        b->setMinimumSize(130, 32);
    connect(btnVerifica, &QPushButton::clicked, this, &TfrmVerifica::btnVerificaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnVerifica);
    buttons->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(intro);
    layout->addWidget(lblEsito);
    layout->addWidget(txtProblemi, 1);
    layout->addLayout(buttons);
    resize(760, 460);
}

void TfrmVerifica::btnVerificaClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ArchiveCheck::FolderReport report = ArchiveCheck::checkFolder(AppDir::path());
    QApplication::restoreOverrideCursor();
    QStringList lines;
    for (const ArchiveCheck::Finding& finding : report.findings)
        lines << finding.text();
    txtProblemi->setPlainText(lines.join(QLatin1Char('\n')));
    txtProblemi->setVisible(!lines.isEmpty());
    if (lines.isEmpty())
        lblEsito->setText(QStringLiteral("Archivi controllati: %1. Nessun problema trovato.").arg(report.archives));
    else
        lblEsito->setText(QStringLiteral("Archivi controllati: %1. Problemi trovati: %2. Le schede indicate vanno "
                                         "ricontrollate e corrette dalle schermate, o l'archivio ripristinato "
                                         "da una copia di sicurezza.")
                              .arg(report.archives)
                              .arg(lines.size()));
    btnChiudi->setFocus(Qt::OtherFocusReason);
}

void TfrmVerifica::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        btnVerificaClick();
}
