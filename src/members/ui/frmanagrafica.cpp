#include "members/ui/frmanagrafica.h"

#include "app/dates.h"
#include "app/ui/browsecontroller.h"
#include "app/ui/formbinding.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "checks/ui/checkwindow.h"
#include "members/memberrecord.h"
#include "members/memberrules.h"
#include "members/ui/frmallegacartella.h"
#include "members/ui/frmexpanagrafica.h"
#include "members/ui/frmimporta.h"
#include "members/ui/frmsospesi.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "members/ui/membersheet.h"
#include "members/ui/photopanel.h"
#include "storage/appdir.h"
#include "storage/textfield.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The labels of the fields, as the screen shows them.
const QHash<QString, QString>& labels()
{
    static const QHash<QString, QString> l{
        {"Tesserato", "Cognome e nome Socio:"}, {"Carica", "Carica ricoperta:"}, {"NumTessera", "Tessera n."},
        {"DataRil", "Data rilascio:"}, {"DataScade", "Data scadenza:"}, {"DataNasc", "Data di nascita:"},
        {"ComuneNasc", "Comune di nascita:"}, {"ProvNasc", "Prov."}, {"Sesso", "Sesso:"},
        {"ComuneRes", "Comune di residenza:"}, {"ProvRes", "Prov."}, {"CapRes", "CAP:"},
        {"IndirizzoRes", "Via e numero civico:"}, {"Preavviso", "Giorni di preavviso:"},
        {"Titoli", "Titolo di studio e altre qualifiche:"}, {"TelCasa", "Tel. casa:"}, {"TelUff", "Tel. ufficio:"},
        {"TelCel", "Tel. cellulare:"}, {"Recapito", "Recapito preferenziale:"}, {"Fax", "Fax:"},
        {"Email", "E-mail:"}, {"CodFisc", "Codice fiscale:"}, {"Carta", "Carta di credito n."},
        {"ScadeCarta", "Scadenza:"}, {"PartitaIva", "Partita IVA:"}, {"Iban", "IBAN:"},
        {"Intestatario", "Intestatario C/C:"}, {"Note", "Note:"},
    };
    return l;
}

const QStringList EnterChainOrder{
    "txtTesserato", "txtCarica", "txtNumTessera", "txtDataRil", "txtDataNasc", "txtComuneNasc", "txtProvNasc",
    "txtSesso", "txtComuneRes", "txtProvRes", "txtCapRes", "txtIndirizzoRes", "txtPreavviso", "txtTitoli",
    "txtTelCasa", "txtTelUff", "txtTelCel", "txtRecapito", "txtFax", "txtEmail", "txtCodFisc", "txtCarta",
    "txtScadeCarta", "txtPartitaIva", "txtIban", "txtIntestatario", "txtNote"};

const QList<std::pair<QString, QString>> Hints{
    {"cmdNuovo", "Predispone la schermata per l'inserimento di una nuova scheda."},
    {"cmdSalva", "Salva la scheda corrente in archivio."},
    {"cmdTrova", "Trova una scheda in archivio."},
    {"cmdAllega", "Allega file alla scheda corrente."},
    {"cmdAnteprima", "Visualizza l'anteprima di stampa."},
    {"cmdStampa", "Stampa la scheda corrente."},
    {"cmdScadute", "Visualizza l'elenco delle tessere in attesa di rinnovo."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"cmdExcel", "Esporta le schede in archivio in un file di Microsoft Excel."},
    {"btnImporta", "Importa nuove schede da un file CSV salvato da un foglio di calcolo."},
    {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci da questa schermata di lavoro."},
    {"btnSfoglia", "Carica la foto del tesserato dal tuo disco fisso."},
    {"btnWebcam", "Scatta la foto del tesserato con la tua WebCam."},
    {"btnSalvaFoto", "Salva una copia della foto su disco."},
    {"btnZoom", "Visualizza la foto a tutto schermo."},
    {"btnCancFoto", "Cancella la foto corrente."},
    {"cmdEmail", "Invia una e-mail all'indirizzo indicato."},
    {"btnEmail", "Invia e-mail con avviso scadenza."},
    {"cmdCodFisc", "Controlla il codice fiscale."},
    {"cmdPartitaIva", "Controlla il numero di partita IVA."},
    {"cmdCarta", "Controlla il numero di carta di credito."},
    {"cmdIban", "Controlla l'IBAN."},
    {"chkAnnullata", "Contrassegna la tessera come annullata per escluderla dai risultati di ricerca."},
    {"txtDataRil", "Premi un tasto qualsiasi per importare una data dal calendario."},
    {"txtDataScade", "Premi un tasto qualsiasi per importare una data dal calendario."},
};

const QString ReadyText = QStringLiteral("Pronto per archiviare una nuova scheda...");

// The screen's own rule for what the control of `field` keeps of its text.
std::function<QString(const QString&)> inputRule(const QString& field)
{
    return [field](const QString& text) { return members::screenText(field, text); };
}

QToolButton* smallButton(const char* name, const char* icon, const QString& tip, QWidget* parent)
{
    auto* b = pictureButton(QLatin1String(name), QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                            QSize(22, 22), tip, parent);
    b->setAutoRaise(false);
    return b;
}

}  // namespace

TfrmAnagrafica::TfrmAnagrafica(QWidget* parent)
    : QWidget(parent), m_browser(AppDir::filePath(QLatin1String(members::kFileName)), members::recordLayout())
{
    prepareWindow(this, QStringLiteral(" Norvalis 2.0 - Archivio Soci"));
    setStyleSheet(dataScreenStyle() + QStringLiteral("QLineEdit[readOnly=\"true\"] { background: #FFFDF0; }"));

    // The hidden holders of the attachments.
    for (const char* holder : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"}) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(holder));
        l->hide();
    }

    chkAnnullata = new QCheckBox(QStringLiteral("Tessera annullata"), this);
    chkAnnullata->setObjectName(QStringLiteral("chkAnnullata"));
    photo = new PhotoPanel(this);

    // The groups follow the Enter chain: down the left column, down the
    // middle one, then the notes across the foot.
    auto* card = group(QStringLiteral("Socio e tessera"),
                       {{"Tesserato"}, {"Carica"}, {"NumTessera"}, {"DataRil", "DataScade"}});
    auto* birth = group(QStringLiteral("Nascita e residenza"),
                        {{"DataNasc"}, {"ComuneNasc", "ProvNasc", "Sesso"}, {"ComuneRes", "ProvRes"},
                         {"CapRes", "IndirizzoRes"}});
    auto* renewal = group(QStringLiteral("Rinnovo"), {{"Preavviso"}});
    auto* contacts = group(QStringLiteral("Titoli e recapiti"),
                           {{"Titoli"}, {"TelCasa", "TelUff"}, {"TelCel", "Recapito"}, {"Fax"}, {"Email"}});
    auto* tax = group(QStringLiteral("Dati fiscali e bancari"),
                      {{"CodFisc"}, {"Carta", "ScadeCarta"}, {"PartitaIva"}, {"Iban"}, {"Intestatario"}});
    auto* notes = group(QStringLiteral("Note"), {{"Note"}});

    // Buttons beside their fields.
    const auto besideField = [this](const QString& fieldName, const QList<QWidget*>& buttons) {
        for (QWidget* b : buttons)
            m_rows.value(fieldName)->addWidget(b);
    };
    besideField("CodFisc", {smallButton("cmdCodFisc", "trova", "Controlla il codice fiscale", this)});
    besideField("PartitaIva", {smallButton("cmdPartitaIva", "trova", "Controlla la partita IVA", this)});
    besideField("Carta", {smallButton("cmdCarta", "trova", "Controlla la carta di credito", this)});
    besideField("Iban", {smallButton("cmdIban", "trova", "Controlla l'IBAN", this)});
    auto* btnEmail = new QPushButton(QStringLiteral("Invia avviso scadenza"), this);
    btnEmail->setObjectName(QStringLiteral("btnEmail"));
    btnEmail->setIcon(QIcon(picture(QStringLiteral(":/icons/email.svg"), QSize(18, 18))));
    besideField("Email", {smallButton("cmdEmail", "email", "Scrivi una e-mail al socio", this), btnEmail});
    besideField("Preavviso", {chkAnnullata});

    lblPosizione = positionLabel(this);
    panInfo = hintBarLabel(ReadyText, this);

    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    for (QWidget* g : {card, birth, renewal})
        left->addWidget(g);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->setSpacing(8);
    for (QWidget* g : {contacts, tax})
        middle->addWidget(g);
    middle->addStretch();
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addLayout(left, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addWidget(photo, 0, 2, Qt::AlignTop | Qt::AlignHCenter);
    grid->addWidget(notes, 1, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 8, 14, 8);
    body->addLayout(grid);
    body->addStretch();
    stackScreen(this, buildToolbar(), body, panInfo);

    FormBinding::applyMaxLengths(this, members::recordLayout());
    EnterChain::install(this, EnterChainOrder);
    for (const QString& digits : members::digitFields())
        DigitKeys::install(field(digits));
    for (const char* name : {"Email", "CodFisc", "Iban"})
        normaliseOnEdit(field(QLatin1String(name)), inputRule(QLatin1String(name)));
    // After the Enter chain: the picker's keys are seen first.
    PickerKeys::install(field("DataRil"), [this] { openDatePicker("dataril"); });
    PickerKeys::install(field("DataScade"), [this] { openDatePicker("datascade"); });
    field("Sesso")->installEventFilter(this);

    m_hints = new HintBar(panInfo, this);
    m_hints->add(Hints);

    browse = new BrowseController(this, m_browser, lblPosizione,
                                  {[this] { newRecordDefaults(); },
                                   [this](int position) { photo->showRecordPhoto(position); },
                                   [this] { return validateSave(); },
                                   [this](int position) { photo->writeRecordPhoto(position); }});
    browse->connectToolbar();
    connect(findChild<QToolButton*>("cmdNuovo"), &QToolButton::clicked, this,
            [this] { field("Tesserato")->setFocus(); });
    connect(findChild<QToolButton*>("cmdGuida"), &QToolButton::clicked, this,
            [this] { showHelp(this, QStringLiteral("anagrafica")); });
    connect(findChild<QToolButton*>("cmdEsci"), &QToolButton::clicked, this, &QWidget::close);
    connect(findChild<QToolButton*>("cmdAllega"), &QToolButton::clicked, this, &TfrmAnagrafica::cmdAllegaClick);
    connect(findChild<QToolButton*>("cmdCodFisc"), &QToolButton::clicked, this, &TfrmAnagrafica::cmdCodFiscClick);
    connect(findChild<QToolButton*>("cmdPartitaIva"), &QToolButton::clicked, this,
            &TfrmAnagrafica::cmdPartitaIvaClick);
    connect(findChild<QToolButton*>("cmdCarta"), &QToolButton::clicked, this, &TfrmAnagrafica::cmdCartaClick);
    connect(findChild<QToolButton*>("cmdIban"), &QToolButton::clicked, this, &TfrmAnagrafica::cmdIbanClick);
    connect(findChild<QToolButton*>("cmdEmail"), &QToolButton::clicked, this, &TfrmAnagrafica::cmdEmailClick);
    connect(btnEmail, &QPushButton::clicked, this, &TfrmAnagrafica::btnEmailClick);
    connect(findChild<QToolButton*>("cmdExcel"), &QToolButton::clicked, this, [this] { showMemberExport(this); });
    connect(findChild<QToolButton*>("btnImporta"), &QToolButton::clicked, this, &TfrmAnagrafica::btnImportaClick);
    connect(findChild<QToolButton*>("cmdTrova"), &QToolButton::clicked, this,
            [this] { TfrmTrovaAnagrafica::open(this, QStringLiteral("anagrafica")); });
    connect(findChild<QToolButton*>("cmdScadute"), &QToolButton::clicked, this, [this] { TfrmSospesi::open(this); });
    // The sheet shows the fields as they stand, saved or not.
    connect(findChild<QToolButton*>("cmdAnteprima"), &QToolButton::clicked, this,
            [this] { previewMemberSheet(this, FormBinding::read(this, members::recordLayout())); });
    connect(findChild<QToolButton*>("cmdStampa"), &QToolButton::clicked, this,
            [this] { printMemberSheet(this, FormBinding::read(this, members::recordLayout())); });

    setMinimumSize(1200, 680);
    setWindowState(Qt::WindowMaximized);
}

QLineEdit* TfrmAnagrafica::field(const QString& name) const
{
    const QString objectName = QStringLiteral("txt") + name;
    if (auto* edit = findChild<QLineEdit*>(objectName, Qt::FindChildrenRecursively);
        edit && edit->objectName() == objectName)
        return edit;
    if (auto* combo = findChild<QComboBox*>(objectName))
        return combo->lineEdit();
    return nullptr;
}

QWidget* TfrmAnagrafica::buildToolbar()
{
    ScreenToolbar bar(this);
    bar.add("cmdNuovo", "nuovo", QStringLiteral("Nuovo"));
    bar.add("cmdSalva", "salva", QStringLiteral("Salva"));
    bar.add("cmdTrova", "trova", QStringLiteral("Trova"));
    bar.add("cmdAllega", "allega", QStringLiteral("Allega"));
    bar.add("cmdAnteprima", "anteprima", QStringLiteral("Anteprima"));
    bar.add("cmdStampa", "stampa", QStringLiteral("Stampa"));
    bar.add("cmdScadute", "scadute", QStringLiteral("Rinnovi"));
    bar.addStretch();
    bar.addBrowseArrows(lblPosizione);
    bar.addStretch();
    bar.add("cmdExcel", "excel", QStringLiteral("Excel"));
    bar.add("btnImporta", "importa_csv", QStringLiteral("Importa"));
    bar.add("cmdGuida", "guida", QStringLiteral("Guida"));
    bar.add("cmdEsci", "esci", QStringLiteral("Esci"));
    return bar.frame();
}

QWidget* TfrmAnagrafica::makeField(const QString& name)
{
    if (name == QLatin1String("ProvNasc") || name == QLatin1String("ProvRes")) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("txt") + name);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->addItems(members::provinceCodes());
        combo->setMaxVisibleItems(16);
        combo->setFixedWidth(64);
        combo->setEditText(QString());
        combo->installEventFilter(this);
        normaliseOnEdit(combo->lineEdit(), inputRule(name));
        return combo;
    }
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("txt") + name);
    edit->setMinimumHeight(24);
    if (name == QLatin1String("Sesso") || name == QLatin1String("Preavviso"))
        edit->setFixedWidth(48);
    else if (name.startsWith(QLatin1String("Data")) || name == QLatin1String("CapRes"))
        edit->setFixedWidth(100);
    return edit;
}

QWidget* TfrmAnagrafica::group(const QString& title, const QList<QList<QString>>& rows)
{
    auto* box = new QGroupBox(title, this);
    auto* form = new QFormLayout(box);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(7);
    for (const QList<QString>& names : rows) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        for (qsizetype i = 0; i < names.size(); ++i) {
            QWidget* w = makeField(names[i]);
            if (i > 0) {
                auto* label = new QLabel(labels().value(names[i]), box);
                row->addSpacing(6);
                row->addWidget(label);
            }
            row->addWidget(w, w->maximumWidth() < QWIDGETSIZE_MAX ? 0 : 1);
            m_rows.insert(names[i], row);
            FocusHighlight::attach(w, names[i]);
        }
        form->addRow(labels().value(names.first()), row);
    }
    return box;
}

void TfrmAnagrafica::newRecordDefaults()
{
    field("DataRil")->setText(Dates::format(Clock::today()));
    field("Preavviso")->setText(QStringLiteral("0"));
    chkAnnullata->setChecked(false);
    photo->clearPhoto();
}

void TfrmAnagrafica::refuse(const QString& fieldName, const QString& message, bool okOnly)
{
    if (okOnly)
        Ui::information(this, message, MessageButtons::Ok);
    else
        Ui::warning(this, message);
    if (QLineEdit* f = field(fieldName))
        f->setFocus();
}

bool TfrmAnagrafica::validateSave()
{
    const auto refusal = members::checkForSave(FormBinding::texts(this, members::recordLayout()));
    if (!refusal)
        return true;
    refuse(refusal->field, refusal->message, refusal->box == members::Refusal::Box::InformationOkOnly);
    return false;
}

void TfrmAnagrafica::openDatePicker(const char* callerCode)
{
    TfrmCalendario picker(this);
    picker.setCallerCode(QLatin1String(callerCode));
    Ui::runModal(picker);
}

void TfrmAnagrafica::cmdCodFiscClick()
{
    openTaxCodeCheck(this, field("CodFisc")->text());
}

void TfrmAnagrafica::cmdPartitaIvaClick()
{
    openCheck(this, Checks::Field::VatNumber, field("PartitaIva")->text());
}

void TfrmAnagrafica::cmdCartaClick()
{
    openCheck(this, Checks::Field::CardNumber, field("Carta")->text());
}

void TfrmAnagrafica::cmdIbanClick()
{
    openCheck(this, Checks::Field::Iban, field("Iban")->text());
}

void TfrmAnagrafica::cmdEmailClick()
{
    const auto texts = FormBinding::texts(this, members::recordLayout());
    if (const auto refusal = members::checkPlainMail(texts))
        return refuse(refusal->field, refusal->message, false);
    TMisc::Open(members::plainMail(texts), this);
}

void TfrmAnagrafica::btnEmailClick()
{
    const auto texts = FormBinding::texts(this, members::recordLayout());
    if (const auto refusal = members::checkRenewalMail(texts))
        return refuse(refusal->field, refusal->message, false);
    TMisc::Open(members::renewalMail(texts), this);
}

void TfrmAnagrafica::btnImportaClick()
{
    // The first new member is shown: from there the browse reaches the others.
    int first = 0;
    if (importMembers(this, &first) > 0)
        browse->showAt(first);
}

void TfrmAnagrafica::cmdAllegaClick()
{
    editAttachments(this, QStringLiteral("anagrafica"));
}

void TfrmAnagrafica::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    browse->newRecord();
    panInfo->setText(ReadyText);
    field("Tesserato")->setFocus();
}

void TfrmAnagrafica::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (frmAvvio)
        frmAvvio->show();
}

bool TfrmAnagrafica::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyRelease && edit && edit == field("Sesso"))
        edit->setText(members::screenText(u"Sesso", edit->text()));
    // The province list forgets its selection as the field takes the focus; the text stays.
    if (event->type() == QEvent::FocusIn)
        if (auto* combo = qobject_cast<QComboBox*>(watched)) {
            const QString text = combo->currentText();
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
    return QWidget::eventFilter(watched, event);
}
