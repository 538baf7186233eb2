// The status lists and the search of the deadlines: the shared search dialog
// with the deadline lines, and the hand-back into the deadline screen.

#include "deadlines/ui/deadlinedialogs.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "output/searchhandback.h"
#include "output/ui/searchdialog.h"
#include "storage/archiveerror.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The caller code of the deadline screen: the only one a deadline is handed to.
const QString ScreenKey = QStringLiteral("Scadenzario");

// Hands the last deadline giving `line` to the screen of `route`; nothing
// when no record gives the line or the archive cannot be read.
void handBackDeadline(const SearchHandBack::Route& route, const QString& archivePath, const QString& line)
{
    try {
        if (const auto found = deadlines::lastRecordOfLine(archivePath, line))
            SearchHandBack::deliver(route, found->position, found->record);
    } catch (const ArchiveError&) {
    }
}

// The title banner of a status list: the words in blue capitals between two
// small pictures.
QWidget* banner(const QString& words, QWidget* parent)
{
    auto* band = new QWidget(parent);
    band->setObjectName(QStringLiteral("imgTitolo"));
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 8);
    auto pictureLabel = [band](const QString& icon) {
        auto* l = new QLabel(band);
        l->setPixmap(picture(QStringLiteral(":/icons/") + icon + QStringLiteral(".svg"), QSize(36, 36)));
        return l;
    };
    auto* text = new QLabel(words, band);
    text->setStyleSheet(QStringLiteral("color: #1F4E9C; font: bold 18pt 'Verdana';"));
    row->addStretch(1);
    row->addWidget(pictureLabel(QStringLiteral("scadute")));
    row->addSpacing(12);
    row->addWidget(text);
    row->addSpacing(12);
    row->addWidget(pictureLabel(QStringLiteral("calendario")));
    row->addStretch(1);
    return band;
}

// The window of each status list (named as the lists TfrmDaConfermare,
// TfrmConfermati and TfrmNonConfermati) and the words of its banner, in the
// order of deadlines::Status.
struct StatusWindow {
    const char* name;
    const char* bannerWords;
};
constexpr StatusWindow StatusWindows[] = {
    {"frmDaConfermare", "APPUNTAMENTI DA CONFERMARE"},
    {"frmConfermati", "PAGAMENTI DA EFFETTUARE"},
    {"frmNonConfermati", "PAGAMENTI EFFETTUATI"},
};
static_assert(std::size(StatusWindows) == deadlines::kStatusLists.size());

const StatusWindow& statusWindow(deadlines::Status status)
{
    return StatusWindows[int(status)];
}

SearchDialog::Setup statusSetup(deadlines::Status status)
{
    const deadlines::StatusList& list = deadlines::statusList(status);
    SearchDialog::Setup s;
    s.caption = QString::fromUtf8(list.caption);
    s.printTitle = QString::fromUtf8(list.printTitle);
    s.showCount = false;
    s.selectFirstLine = false;
    return s;
}

}  // namespace

// A list of the deadlines in one payment state, filled when it opens.
class TfrmStatoScadenze : public SearchDialog {
    Q_OBJECT
public:
    TfrmStatoScadenze(QWidget* parent, const QString& archivePath, deadlines::Status status)
        : SearchDialog(statusSetup(status), parent), m_path(archivePath), m_status(status)
    {
        setObjectName(QLatin1String(statusWindow(status).name));
        static_cast<QVBoxLayout*>(layout())->insertWidget(0, banner(QLatin1String(statusWindow(status).bannerWords), this));
    }

protected:
    QList<ResultLine> findLines(const QList<RecordFilter::Term>&) override
    {
        // An archive that cannot be read whole lists what was read before.
        return deadlines::statusLines(m_path, m_status);
    }
    void handBack(const ResultLine& line) override { handBackDeadline({objectName(), ScreenKey}, m_path, line.text); }

private:
    QString m_path;
    deadlines::Status m_status;
};

namespace {

SearchDialog::Setup searchSetup()
{
    static const char* const Labels[] = {
        "Data scadenza (gg/mm/aaaa):", "Ora appuntamento (HH:MM):", "Pagatore:", "Codice fiscale:",
        "Numero tessera:", "Carica ricoperta:", "Estremi ricevuta:", "Beneficiario:", "Causale scadenza:", "Note:",
    };
    static_assert(std::size(Labels) == deadlines::kSearchFields.size());
    SearchDialog::Setup s;
    s.caption = QStringLiteral(" Trova scadenze pagamenti in archivio");
    s.printTitle = QLatin1String(deadlines::kSearchPrintTitle);
    for (std::size_t i = 0; i < std::size(Labels); ++i)
        s.criteria.push_back({QLatin1String(deadlines::kSearchFields[i]), QString::fromUtf8(Labels[i])});
    s.useFieldSearchTexts();
    s.focusHighlights = true;
    s.countText = &deadlines::countText;
    return s;
}

}  // namespace

constexpr const char* SearchName = "frmTrovaScadenzario";

// " Trova scadenze pagamenti in archivio": deadlines found by up to ten
// fields; a double-click loads one into the deadline screen.
class TfrmTrovaScadenzario : public SearchDialog {
    Q_OBJECT
public:
    TfrmTrovaScadenzario(QWidget* parent, const QString& archivePath)
        : SearchDialog(searchSetup(), parent), m_path(archivePath)
    {
        setObjectName(QLatin1String(SearchName));
    }

protected:
    QList<ResultLine> findLines(const QList<RecordFilter::Term>& typed) override
    {
        deadlines::SearchTexts texts;
        for (std::size_t i = 0; i < texts.size() && i < std::size_t(typed.size()); ++i)
            texts[i] = typed.at(qsizetype(i)).typed;
        return deadlines::search(m_path, texts);
    }
    void handBack(const ResultLine& line) override
    {
        handBackDeadline({objectName(), callerKey().trimmed()}, m_path, line.text);
    }

private:
    QString m_path;
};

QList<SearchHandBack::Route> deadlineScreenRoutes()
{
    QList<SearchHandBack::Route> routes{{QLatin1String(SearchName), ScreenKey}};
    for (const StatusWindow& w : StatusWindows)
        routes.push_back({QLatin1String(w.name), ScreenKey});
    return routes;
}

void showStatusList(QWidget* parent, const QString& archivePath, deadlines::Status status)
{
    TfrmStatoScadenze dialog(parent, archivePath, status);
    Ui::runModal(dialog);
}

void showDeadlineSearch(QWidget* parent, const QString& archivePath)
{
    TfrmTrovaScadenzario dialog(parent, archivePath);
    dialog.setCallerKey(ScreenKey);
    Ui::runModal(dialog);
}

#include "deadlinelists.moc"
