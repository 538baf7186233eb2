#include "cards/ui/frmdatiente.h"

#include "app/ui/formkit.h"
#include "cards/cardpictures.h"
#include "storage/textfield.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The screen that receives the texts, and its four labels, by caller key.
const QString SingleCardKey = QStringLiteral("tessera");
const char* const CardTexts[] = {"titAssociazione", "titSottotitolo01", "titSottotitolo02", "titAnnotazioni"};

}  // namespace

TfrmDatiEnte::TfrmDatiEnte(QWidget* parent) : QDialog(parent)
{
    prepareWindow(this, QStringLiteral(" Dati Ente o Associazione"), Frame::NoBorderIcons);
    removeBorderIcons(this);

    auto* lblIstruzioni =
        new QLabel(QStringLiteral("Inserire i dati e fare clic su Applica e chiudi per salvare le modifiche."), this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setStyleSheet(QStringLiteral("font: 10pt 'Verdana'; color: #1F3A6B;"));

    const QFont fieldFont(QStringLiteral("Verdana"), 12, QFont::Bold);
    const auto makeField = [this, &fieldFont](const char* name, const QString& placeholder) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setFont(fieldFont);
        field->setMinimumHeight(32);
        field->setMinimumWidth(440);
        field->setPlaceholderText(placeholder);
        return field;
    };
    txtAssociazione = makeField("txtAssociazione", QStringLiteral("Denominazione Ente o Associazione"));
    txtSottotitolo01 = makeField("txtSottotitolo01", QStringLiteral("Indirizzo e città"));
    txtSottotitolo02 = makeField("txtSottotitolo02", QStringLiteral("Telefono e altri recapiti"));
    txtAnnotazioni = makeField("txtAnnotazioni", QStringLiteral("Annotazioni"));

    // The fields lie like the card's header and footer: two dark blue blocks.
    const auto block = [this](const QList<QLineEdit*>& fields) {
        auto* frame = new QWidget(this);
        frame->setAttribute(Qt::WA_StyledBackground);
        frame->setStyleSheet(QStringLiteral("background: #000080; border-radius: 4px;"));
        auto* column = new QVBoxLayout(frame);
        column->setContentsMargins(12, 12, 12, 12);
        column->setSpacing(10);
        for (QLineEdit* f : fields) {
            f->setStyleSheet(QStringLiteral("background: white; color: black; border: 1px solid #7F8FB0;"));
            column->addWidget(f);
            FocusHighlight::attach(f, f->objectName().mid(3));
        }
        return frame;
    };
    QWidget* header = block({txtAssociazione, txtSottotitolo01, txtSottotitolo02});
    QWidget* footer = block({txtAnnotazioni});

    auto* imgFoto = new QLabel(this);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setPixmap(QPixmap::fromImage(Cards::placeholderPortrait()));
    imgFoto->setFixedSize(Cards::placeholderPortrait().size());
    imgFoto->setStyleSheet(QStringLiteral("border: 1px solid #9AA8B8;"));

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setDefault(false);
    btnApplica->setAutoDefault(false);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);
    for (QPushButton* b : {btnApplica, btnAnnulla})
        b->setMinimumSize(150, 34);

    auto* fields = new QVBoxLayout;
    fields->setSpacing(12);
    fields->addWidget(header);
    fields->addWidget(footer);
    fields->addStretch();
    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(imgFoto, 0, Qt::AlignTop);
    body->addLayout(fields, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(lblIstruzioni);
    layout->addLayout(body);
    layout->addLayout(buttons);

    EnterChain::install(this, {QStringLiteral("txtAssociazione"), QStringLiteral("txtSottotitolo01"),
                               QStringLiteral("txtSottotitolo02"), QStringLiteral("txtAnnotazioni")});
    connect(btnApplica, &QPushButton::clicked, this, &TfrmDatiEnte::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

void TfrmDatiEnte::setTexts(const Cards::Organization& organization)
{
    txtAssociazione->setText(organization.name);
    txtSottotitolo01->setText(organization.subtitle1);
    txtSottotitolo02->setText(organization.subtitle2);
    txtAnnotazioni->setText(organization.note);
}

Cards::Organization TfrmDatiEnte::texts() const
{
    return Cards::Organization{txtAssociazione->text(), txtSottotitolo01->text(), txtSottotitolo02->text(),
                               txtAnnotazioni->text()}
        .trimmed();
}

void TfrmDatiEnte::btnApplicaClick()
{
    if (TextField::trimmed(lblMemory->text()) == SingleCardKey) {
        const Cards::Organization values = texts();
        const QString typed[] = {values.name, values.subtitle1, values.subtitle2, values.note};
        for (int i = 0; i < 4; ++i)
            if (auto* target = windowControl<QLabel>(QStringLiteral("frmTessera"), QLatin1String(CardTexts[i])))
                target->setText(typed[i]);
    }
    accept();
}

void TfrmDatiEnte::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centre(this, parentWidget() ? parentWidget()->window() : nullptr);
    txtAssociazione->setFocus();
}
