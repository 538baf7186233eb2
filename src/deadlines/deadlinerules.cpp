#include "deadlines/deadlinerules.h"

#include "app/dates.h"
#include "deadlines/deadlineperiods.h"
#include "deadlines/deadlinerecord.h"
#include "storage/appdir.h"
#include "storage/recordfilter.h"
#include "storage/textfield.h"

#include <algorithm>
#include <functional>

namespace deadlines {

using SaveCheck::FieldTexts;
using SaveCheck::Refusal;
using SaveCheck::trimmedText;

QString archivePath(const QString& year)
{
    return AppDir::filePath(fileName(year));
}

std::optional<QString> openedYear(const QString& typed)
{
    if (typed.size() != 4)
        return std::nullopt;
    return TextField::trimmed(typed);
}

QString currentYearPath()
{
    return archivePath(Clock::today().toString(QStringLiteral("yyyy")));
}

const QStringList& monthNames()
{
    static const QStringList names = {
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
        QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre"),
    };
    return names;
}

int monthNumber(QStringView name)
{
    const QString wanted = TextField::asciiLower(TextField::trimmed(name));
    for (qsizetype i = 0; i < monthNames().size(); ++i)
        if (TextField::asciiLower(monthNames().at(i)) == wanted)
            return int(i) + 1;
    return 0;
}

namespace {

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Adds one to a string of decimal digits.
QString incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return QLatin1Char('1') + digits;
}

}  // namespace

QString normaliseAmount(const QString& typed)
{
    const QString zero = QStringLiteral("0,00");
    const QString text = TextField::trimmed(typed);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    QString whole = comma < 0 ? text : text.left(comma);
    QString fraction = comma < 0 ? QString() : text.mid(comma + 1);
    if (text.isEmpty() || !allDigits(whole) || !allDigits(fraction) || (whole.isEmpty() && fraction.isEmpty()))
        return zero;

    // Rounded half up to four decimals, on the digits themselves so that no
    // binary fraction and no size limit gets in the way.
    constexpr int Decimals = 4;
    if (fraction.size() > Decimals) {
        const bool up = fraction.at(Decimals) >= u'5';
        fraction.truncate(Decimals);
        if (up) {
            const QString all = incremented(whole + fraction);
            whole = all.left(all.size() - Decimals);
            fraction = all.right(Decimals);
        }
    }
    // The shortest form: no leading zeros before the comma, no trailing after.
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    return whole + QLatin1Char(',') + fraction.leftJustified(2, QLatin1Char('0'));
}

SavePreparation prepareSave(const FieldTexts& texts, const QString& archiveYear)
{
    const QString validDate = QStringLiteral("\n\r\n\rPer poter salvare la scheda \u00E8 necessario indicare una data "
                                             "valida.");
    SavePreparation out;
    const QString amount = trimmedText(texts, "Costo");
    out.composed.insert(QStringLiteral("Costo"), amount.isEmpty() ? QStringLiteral("0,00") : amount);

    const auto shorterThanTwo = [&texts](const char* field) { return trimmedText(texts, field).size() < 2; };
    const auto need = [](const char* what) {
        return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") + QString::fromUtf8(what);
    };
    // Empty and two-digit checks interleave as the screen runs them.
    const std::pair<std::function<bool()>, Refusal> checks[] = {
        {[&] { return trimmedText(texts, "Giorno").isEmpty(); },
         SaveCheck::warning("Giorno", need("il giorno della scadenza."))},
        {[&] { return shorterThanTwo("Giorno"); },
         SaveCheck::warning("Giorno", need("il giorno della scadenza usando due cifre."))},
        {[&] { return trimmedText(texts, "Mese").isEmpty(); },
         SaveCheck::warning("Mese", need("il mese della scadenza."))},
        {[&] { return trimmedText(texts, "OreApp").isEmpty(); },
         SaveCheck::warning("OreApp", need("l'ora dell'appuntamento."))},
        {[&] { return trimmedText(texts, "MinutiApp").isEmpty(); },
         SaveCheck::warning("MinutiApp", need("i minuti dell'ora dell'appuntamento."))},
        {[&] { return shorterThanTwo("OreApp"); },
         SaveCheck::warning("OreApp", need("l'ora dell'appuntamento usando due cifre."))},
        {[&] { return shorterThanTwo("MinutiApp"); },
         SaveCheck::warning("MinutiApp", need("i minuti dell'ora dell'appuntamento usando due cifre."))},
        {[&] { return trimmedText(texts, "Avviso").isEmpty(); },
         SaveCheck::warning("Avviso", need("i giorni di preavviso."))},
        {[&] { return trimmedText(texts, "Pagatore").isEmpty(); },
         SaveCheck::warning("Pagatore", need("il nome del Pagatore."))},
        {[&] { return trimmedText(texts, "Beneficiario").isEmpty(); },
         SaveCheck::warning("Beneficiario", need("il nome del Beneficiario."))},
        {[&] { return trimmedText(texts, "Dettagli").isEmpty(); },
         SaveCheck::warning("Dettagli", need("la causale della scadenza."))},
        {[&] { return monthNumber(texts.value(QStringLiteral("Mese"))) == 0; },
         SaveCheck::warning("Mese", QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.") + validDate)},
    };
    for (const auto& [fails, refusal] : checks)
        if (fails()) {
            out.refusal = refusal;
            return out;
        }

    const QString date = trimmedText(texts, "Giorno") + QLatin1Char('/')
        + QString::number(monthNumber(texts.value(QStringLiteral("Mese")))).rightJustified(2, QLatin1Char('0'))
        + QLatin1Char('/') + TextField::trimmed(archiveYear);
    if (!Dates::isDate(date)) {
        out.refusal = Refusal{QStringLiteral("Giorno"),
                              QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" non esiste.") + validDate,
                              Refusal::Box::Message};
        return out;
    }
    out.composed.insert(QStringLiteral("Anno"), TextField::trimmed(archiveYear));
    out.composed.insert(QStringLiteral("Data"), date);
    out.composed.insert(QStringLiteral("Ora"),
                        trimmedText(texts, "OreApp") + QLatin1Char(':') + trimmedText(texts, "MinutiApp"));
    return out;
}

bool isImminent(const RecordView& record, const QDate& today)
{
    const std::optional<QDate> due = Dates::parse(TextField::trimmed(record.text(u"Data")));
    const QString notice = TextField::trimmed(record.text(u"Avviso"));
    if (!due || notice.isEmpty() || !allDigits(notice))
        return false;
    return isImminent(*due, notice.toInt(), today);
}

int countImminent(const QString& archivePath, const QDate& today)
{
    int count = 0;
    Archive(archivePath, recordLayout()).scanViews([&](int, const RecordView& record) {
        if (isImminent(record, today))
            ++count;
    });
    return count;
}

std::optional<int> reminderCheck()
{
    try {
        return countImminent(currentYearPath(), Clock::today());
    } catch (const ArchiveError&) {
        return std::nullopt;
    }
}

QString listLine(const RecordView& record)
{
    static const ListLine::Format format(recordLayout(), {{u"", "Dettagli", 35},
                                                          {u"  Data: ", "Data", 10},
                                                          {u"  Ora: ", "Ora", 5},
                                                          {u"  Da: ", "Pagatore", 30},
                                                          {u"  A:  ", "Beneficiario", 30},
                                                          {u"  \u20AC ", "Costo", ListLine::Format::Whole}});
    return format.line(record);
}

const StatusList& statusList(Status status)
{
    return *std::find_if(kStatusLists.begin(), kStatusLists.end(),
                         [status](const StatusList& l) { return l.status == status; });
}

bool hasStatus(const RecordView& record, Status status)
{
    const StatusList& list = statusList(status);
    return record.text(QString::fromLatin1(list.flagField)) == (list.flagYes ? TextField::YesText : TextField::NoText);
}

namespace {

// Appends the line of every record `listed` takes, in archive order; throws
// ArchiveError with the lines read so far already appended.
void collect(const QString& archivePath, const std::function<bool(const RecordView&)>& listed,
             QList<ResultLine>& lines)
{
    Archive(archivePath, recordLayout()).scanViews([&](int position, const RecordView& record) {
        if (listed(record))
            lines.push_back({listLine(record), position});
    });
}

// The lines as the sorted list shows them, a double-click loading the last
// record of a line.
QList<ResultLine> shown(QList<ResultLine> lines)
{
    ListLine::pointAtLastOfSameText(lines);
    ListLine::sortAsListBox(lines);
    return lines;
}

}  // namespace

QList<ResultLine> statusLines(const QString& archivePath, Status status, std::optional<ArchiveError>* failure)
{
    QList<ResultLine> lines;
    try {
        collect(archivePath, [status](const RecordView& r) { return hasStatus(r, status); }, lines);
    } catch (const ArchiveError& e) {
        if (failure)
            *failure = e;
    }
    return shown(std::move(lines));
}

QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed)
{
    const RecordFilter filter(kSearchFields, typed);
    QList<ResultLine> lines;
    collect(archivePath, [&filter](const RecordView& r) { return filter.qualifies(r); }, lines);
    return shown(std::move(lines));
}

std::optional<LineRecord> lastRecordOfLine(const QString& archivePath, const QString& line)
{
    const QString wanted = line.trimmed();
    std::optional<LineRecord> found;
    Archive(archivePath, recordLayout()).scanViews([&](int position, const RecordView& record) {
        if (listLine(record).trimmed() == wanted)
            found = LineRecord{position, record.toRecord()};
    });
    return found;
}

QString countText(int lines)
{
    return QStringLiteral("Il presente elenco contiene %1 schede.").arg(lines);
}

}  // namespace deadlines
