#include "app/ui/frmguida.h"

#include "app/dates.h"
#include "app/helptexts.h"
#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "storage/appdir.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr QSize HelpSize(676, 598);
}

TfrmGuida::TfrmGuida(QWidget* parent) : QDialog(parent)
{
    prepareWindow(this, QStringLiteral(" Guida all'utilizzo del software"), Frame::NoBorderIcons);
    QLabel* band = logoBand(this, QSize(300, 80));

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(QFont(QStringLiteral("Arial"), 16, QFont::Bold));
    lblTitolo->setStyleSheet(QStringLiteral("color: #DC143C;"));

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtGuida->setFixedSize(625, 350);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    imgPDF = pictureButton(QStringLiteral("imgPDF"), QStringLiteral(":/icons/pdf.svg"), QSize(32, 32),
                           QStringLiteral("Guida in formato PDF"), this);
    lnkWeb = new LinkLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    QFont linkFont(QStringLiteral("Tahoma"), 14);
    linkFont.setUnderline(true);
    lnkWeb->setFont(linkFont);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setMinimumSize(100, 32);
    btnChiudi->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 12, 24, 16);
    body->setSpacing(10);
    body->addWidget(lblTitolo);
    body->addWidget(txtGuida, 0, Qt::AlignHCenter);
    body->addLayout(bottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addLayout(body);
    layout->addStretch();

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(imgPDF, &QToolButton::clicked, this, &TfrmGuida::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmGuida::lnkWebClick()
{
    // The manual comes with the program, not with the data.
    TMisc::Open(ShellOpen::file(AppDir::installedFile(QStringLiteral("Guida.pdf"))), this);
}

void TfrmGuida::showEvent(QShowEvent* event)
{
    setFixedSize(HelpSize);
    QDialog::showEvent(event);
    centre(this);
}

void showHelp(QWidget* owner, const QString& title, const QString& text)
{
    TfrmGuida help(owner);
    help.lblTitolo->setText(title);
    // Paragraphs come joined by CR LF; a blank line between them reads better.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n\n"));
    help.txtGuida->setPlainText(shown);
    help.setFixedSize(HelpSize);
    Ui::runModal(help);
}

void showHelp(QWidget* owner, const QString& topicId)
{
    const HelpTexts::Topic& topic = HelpTexts::topic(topicId);
    showHelp(owner, topic.title, topic.body);
}
