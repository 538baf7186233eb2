#include "app/ui/browsecontroller.h"

#include "app/ui/formbinding.h"
#include "app/ui/services.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

BrowseController::BrowseController(QWidget* screen, RecordBrowser& browser, QLabel* position, Hooks hooks)
    : QObject(screen), m_screen(screen), m_browser(browser), m_position(position), m_hooks(std::move(hooks))
{
}

void BrowseController::connectToolbar()
{
    const std::pair<const char*, void (BrowseController::*)()> buttons[] = {
        {"Nuovo", &BrowseController::newRecord}, {"Salva", &BrowseController::save},
        {"Primo", &BrowseController::first},     {"Indietro", &BrowseController::previous},
        {"Avanti", &BrowseController::next},     {"Ultimo", &BrowseController::last},
    };
    for (const auto& [name, slot] : buttons)
        for (const char* prefix : {"cmd", "btn"})
            if (auto* b = m_screen->findChild<QAbstractButton*>(QLatin1String(prefix) + QLatin1String(name)))
                connect(b, &QAbstractButton::clicked, this, slot);
}

void BrowseController::newRecord()
{
    m_browser.reset();
    FormBinding::clear(m_screen, m_browser.layout());
    if (m_hooks.clearForNew)
        m_hooks.clearForNew();
    m_position->setText(m_browser.positionText());
}

void BrowseController::save()
{
    if (m_hooks.validate && !m_hooks.validate())
        return;
    apply(m_browser.save(FormBinding::read(m_screen, m_browser.layout())));
}

void BrowseController::first() { apply(m_browser.first()); }
void BrowseController::previous() { apply(m_browser.previous()); }
void BrowseController::next() { apply(m_browser.next()); }
void BrowseController::last() { apply(m_browser.last()); }
void BrowseController::showAt(int position) { apply(m_browser.showAt(position)); }

bool BrowseController::copyAsNew()
{
    const BrowseOutcome outcome = m_browser.copyAsNew();
    if (outcome.kind == BrowseOutcome::Kind::Failed) {
        apply(outcome);
        return false;
    }
    m_position->setText(outcome.positionText());
    return true;
}

void BrowseController::duplicate(const std::function<void()>& prepareCopy)
{
    if (!m_browser.position()) {
        Ui::warning(m_screen, BrowseText::DuplicateNeedsStored);
        return;
    }
    if (!copyAsNew())
        return;
    prepareCopy();
    Ui::information(m_screen, BrowseText::DuplicateReady);
}

bool BrowseController::passes(const std::optional<SaveCheck::Refusal>& refusal)
{
    if (!refusal)
        return true;
    Ui::warning(m_screen, refusal->message);
    if (QWidget* field = m_screen->findChild<QWidget*>(QStringLiteral("txt") + refusal->field))
        field->setFocus(Qt::OtherFocusReason);
    return false;
}

void BrowseController::apply(const BrowseOutcome& outcome)
{
    switch (outcome.kind) {
    case BrowseOutcome::Kind::Unchanged:
        return;
    case BrowseOutcome::Kind::Failed:
        Ui::error(m_screen, outcome.message);
        return;
    case BrowseOutcome::Kind::Shown:
        FormBinding::fill(m_screen, *outcome.record);
        if (m_hooks.afterShow)
            m_hooks.afterShow(*outcome.position);
        break;
    case BrowseOutcome::Kind::Saved:
        if (m_hooks.afterSave)
            m_hooks.afterSave(*outcome.position);
        break;
    case BrowseOutcome::Kind::Empty:
        break;
    }
    m_position->setText(outcome.positionText());
    if (outcome.notice == BrowseOutcome::Notice::Information)
        Ui::information(m_screen, outcome.message);
}
