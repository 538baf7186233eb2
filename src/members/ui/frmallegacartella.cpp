#include "members/ui/frmallegacartella.h"

#include "app/ui/formbinding.h"
#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "members/attachments.h"
#include "storage/layout.h"
#include "storage/textfield.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const Ordinals[] = {"1°", "2°", "3°"};

QString number(int slot)
{
    return QStringLiteral("%1").arg(slot + 1, 2, 10, QLatin1Char('0'));
}

QLabel* fieldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    label->setStyleSheet(QStringLiteral("color: #1F4E79;"));
    return label;
}

QLineEdit* field(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFont(QFont(QStringLiteral("Verdana"), 10));
    edit->setMinimumHeight(26);
    return edit;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumSize(88, 28);
    return b;
}

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent) : QDialog(parent)
{
    prepareWindow(this, QStringLiteral(" Allega file"), Frame::NoBorderIcons);

    QHBoxLayout* top = dialogIntro(QStringLiteral(":/icons/allega.svg"),
                                   QStringLiteral("I file allegati vengono copiati nella cartella dei documenti "
                                                  "allegati e registrati nella scheda al suo salvataggio."),
                                   this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    for (int i = 0; i < 3; ++i) {
        Slot& s = m_slots[i];
        const QString n = number(i);
        const QString ordinal = QString::fromUtf8(Ordinals[i]);
        s.file = field(QStringLiteral("txtFile") + n, this);
        s.file->setReadOnly(true);
        s.file->setStyleSheet(QStringLiteral("QLineEdit { background: #F3F5F7; }"));
        s.desc = field(QStringLiteral("txtDesc") + n, this);
        s.browse = button(QStringLiteral("btnSfoglia") + n, QStringLiteral("Sfoglia..."), this);
        s.open = button(QStringLiteral("btnApri") + n, QStringLiteral("Apri"), this);
        s.open->setEnabled(false);
        s.erase = pictureButton(QStringLiteral("imgCancella") + n, QStringLiteral(":/icons/gomma.svg"), QSize(24, 24),
                                QStringLiteral("Toglie il file dalla scheda (il file resta nella cartella)."), this);

        const int row = i * 5;
        if (i > 0) {
            auto* rule = new QFrame(this);
            rule->setFrameShape(QFrame::HLine);
            rule->setStyleSheet(QStringLiteral("color: #D5DBE1;"));
            grid->addWidget(rule, row - 1, 0, 1, 4);
        }
        grid->addWidget(fieldLabel(QStringLiteral("Nome %1 file allegato:").arg(ordinal), this), row, 0, 1, 4);
        grid->addWidget(s.file, row + 1, 0);
        grid->addWidget(s.browse, row + 1, 1);
        grid->addWidget(s.open, row + 1, 2);
        grid->addWidget(s.erase, row + 1, 3);
        grid->addWidget(fieldLabel(QStringLiteral("Descrizione %1 file allegato:").arg(ordinal), this), row + 2, 0,
                        1, 4);
        grid->addWidget(s.desc, row + 3, 0, 1, 4);
        grid->setRowMinimumHeight(row + 3, 30);

        connect(s.file, &QLineEdit::textChanged, s.open,
                [open = s.open](const QString& text) { open->setEnabled(!TextField::trimmed(text).isEmpty()); });
        connect(s.browse, &QPushButton::clicked, this, [this, i] { btnSfogliaClick(i + 1); });
        connect(s.open, &QPushButton::clicked, this, [this, i] { btnApriClick(i + 1); });
        connect(s.erase, &QToolButton::clicked, this, [this, i] { imgCancellaClick(i + 1); });
    }
    for (int r = 4; r < 14; r += 5)
        grid->setRowMinimumHeight(r, 22);

    txtFile01 = m_slots[0].file;
    txtFile02 = m_slots[1].file;
    txtFile03 = m_slots[2].file;
    txtDesc01 = m_slots[0].desc;
    txtDesc02 = m_slots[1].desc;
    txtDesc03 = m_slots[2].desc;
    btnSfoglia01 = m_slots[0].browse;
    btnSfoglia02 = m_slots[1].browse;
    btnSfoglia03 = m_slots[2].browse;
    btnApri01 = m_slots[0].open;
    btnApri02 = m_slots[1].open;
    btnApri03 = m_slots[2].open;
    imgCancella01 = m_slots[0].erase;
    imgCancella02 = m_slots[1].erase;
    imgCancella03 = m_slots[2].erase;

    btnApplica = button(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    btnApplica->setMinimumWidth(130);
    btnAnnulla = button(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    btnAnnulla->setMinimumWidth(100);
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    auto* bottomRule = new QFrame(this);
    bottomRule->setFrameShape(QFrame::HLine);
    bottomRule->setStyleSheet(QStringLiteral("color: #D5DBE1;"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addWidget(bottomRule);
    layout->addLayout(buttons);
    setFixedSize(620, sizeHint().height());

    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel* TfrmAllegaCartella::holder(const QString& name) const
{
    const auto window = attachments::callerWindow(lblMemory->text());
    if (!window)
        return nullptr;
    return windowControl<QLabel>(*window, name);
}

void TfrmAllegaCartella::setCallerKey(const QString& key)
{
    lblMemory->setText(key);
    for (int i = 0; i < 3; ++i) {
        const QString n = number(i);
        QLabel* file = holder(QStringLiteral("lblFile") + n);
        QLabel* desc = holder(QStringLiteral("lblDesc") + n);
        m_slots[i].file->setText(file ? TextField::trimmed(file->text()) : QString());
        m_slots[i].desc->setText(desc ? TextField::trimmed(desc->text()) : QString());
    }
}

void TfrmAllegaCartella::btnSfogliaClick(int slot)
{
    const Slot& s = m_slots.at(slot - 1);
    const QString chosen = Services::fileDialogs().openFile(this, attachments::BrowseTitle, attachments::BrowseFilter);
    if (chosen.isEmpty())
        return;
    // The slot names a file only once that file is in the folder under
    // exactly the name the record will give back.
    const QString name = QFileInfo(chosen).fileName();
    if (const auto refusal = attachments::nameRefusal(name))
        return Ui::warning(this, *refusal);
    if (!attachments::ensureFolder())
        return Ui::warning(this, attachments::CopyFailureMessage);
    const bool keepTheFoldersFile =
        QFileInfo::exists(attachments::pathOf(name)) && !Ui::question(this, attachments::OverwriteQuestion);
    if (!keepTheFoldersFile && !attachments::copyIn(chosen, name))
        return Ui::warning(this, attachments::CopyFailureMessage);
    s.file->setText(name);
}

void TfrmAllegaCartella::btnApriClick(int slot)
{
    if (const auto command = attachments::openCommand(m_slots.at(slot - 1).file->text()))
        TMisc::Open(*command, this);
}

void TfrmAllegaCartella::imgCancellaClick(int slot)
{
    m_slots.at(slot - 1).file->clear();
}

void TfrmAllegaCartella::btnApplicaClick()
{
    for (int i = 0; i < 3; ++i) {
        const QString n = number(i);
        if (QLabel* file = holder(QStringLiteral("lblFile") + n))
            file->setText(TextField::trimmed(m_slots[i].file->text()));
        if (QLabel* desc = holder(QStringLiteral("lblDesc") + n))
            desc->setText(TextField::trimmed(m_slots[i].desc->text()));
    }
    accept();
}

void TfrmAllegaCartella::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centre(this, parentWidget() ? parentWidget()->window() : nullptr);
}

void editAttachments(QWidget* screen, const QString& callerKey)
{
    TfrmAllegaCartella dialog(screen);
    dialog.setCallerKey(callerKey);
    Ui::runModal(dialog);
}

void clearAttachments(QWidget* screen)
{
    for (const QString& name : layout::attachmentNames())
        FormBinding::setText(screen, name, QString());
}
