#include "members/memberimport.h"

#include "members/memberexport.h"
#include "members/memberrecord.h"
#include "storage/archive.h"
#include "storage/textfield.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace members {
namespace {

const QString NoticeDays = QStringLiteral("Preavviso");

// A title as it is compared: blanks at the ends and a closing colon left
// out, inner blanks as one, a-z lower-cased.
QString titleKey(const QString& title)
{
    QString key = TextField::trimmed(title).simplified();
    if (key.endsWith(QLatin1Char(':')))
        key = TextField::trimmed(key.chopped(1));
    return TextField::asciiLower(key);
}

int targetOfFields(const QStringList& fields)
{
    const QList<ImportTarget>& targets = importTargets();
    for (qsizetype i = 0; i < targets.size(); ++i)
        if (targets.at(i).fields == fields)
            return int(i);
    return NotImported;
}

// Every title a target answers to, by its key.
const QHash<QString, int>& targetsByTitle()
{
    static const QHash<QString, int> byTitle = [] {
        QHash<QString, int> titles;
        const auto add = [&titles](const QString& title, int target) {
            if (target != NotImported)
                titles.insert(titleKey(title), target);
        };
        const QList<ImportTarget>& targets = importTargets();
        for (qsizetype i = 0; i < targets.size(); ++i) {
            add(targets.at(i).title, int(i));
            if (targets.at(i).fields.size() == 1)
                add(targets.at(i).fields.first(), int(i));
        }
        // The export's own titles, of the file and of its window's grid.
        const QList<QStringList>& columns = exportColumnFields();
        const QList<Spreadsheet::HeaderCell>& header = exportHeader();
        const QList<GridColumn>& grid = gridColumns();
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const int target = targetOfFields(columns.at(c));
            add(header.at(c).title, target);
            add(QString::fromUtf8(grid.at(c + 1).title), target);
        }
        return titles;
    }();
    return byTitle;
}

bool sharesField(int a, int b)
{
    const QStringList& fa = importTargets().at(a).fields;
    const QStringList& fb = importTargets().at(b).fields;
    return std::any_of(fa.begin(), fa.end(), [&fb](const QString& f) { return fb.contains(f); });
}

// A cell as one line: each line break (LF, CR LF or CR) is one blank.
QString oneLine(const QString& cell)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString text = cell;
    return text.replace(lineBreak, QStringLiteral(" "));
}

// "Roma RM" -> "Roma", "RM": a last word of two capital letters is the
// province (the screen keeps provinces upper-cased; a town never is).
QStringList splitProvince(const QString& text)
{
    static const QRegularExpression withProvince(QStringLiteral("^(?:(.*\\S)\\s+)?([A-Z]{2})$"));
    const QString t = TextField::trimmed(text);
    const QRegularExpressionMatch m = withProvince.match(t);
    if (!m.hasMatch())
        return {t, QString()};
    return {m.captured(1), m.captured(2)};
}

// "00100 Roma RM" -> "00100", "Roma", "RM": a first word of digits is the postal code.
QStringList splitResidence(const QString& text)
{
    static const QRegularExpression withCode(QStringLiteral("^([0-9]{1,5})(?:\\s+(.*))?$"));
    const QString t = TextField::trimmed(text);
    const QRegularExpressionMatch m = withCode.match(t);
    if (!m.hasMatch())
        return QStringList{QString()} + splitProvince(t);
    return QStringList{m.captured(1)} + splitProvince(m.captured(2));
}

// The fields' texts of a joined column, in the target's field order.
QStringList splitJoined(const QStringList& fields, const QString& value)
{
    return fields.size() == 3 ? splitResidence(value) : splitProvince(value);
}

// The save checks' message as one line of a list: without the leading
// "Attenzione: " and with its sentences on one line.
QString reasonOf(const QString& message)
{
    static const QString warning = QStringLiteral("Attenzione: ");
    QString reason = message.startsWith(warning) ? message.mid(warning.size()) : message;
    static const QRegularExpression breaks(QStringLiteral("[\r\n]+"));
    return reason.replace(breaks, QStringLiteral(" "));
}

// The first digits-only field holding anything else.
std::optional<QString> digitsRefusal(const FieldTexts& texts)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    for (const QString& field : digitFields()) {
        const QString text = TextField::trimmed(texts.value(field));
        if (!digits.match(text).hasMatch())
            return QStringLiteral("il campo \"%1\" accetta solo cifre: \"%2\" non si può salvare.")
                .arg(importTargets().at(targetOfFields({field})).title, text);
    }
    return std::nullopt;
}

}  // namespace

const QList<ImportTarget>& importTargets()
{
    static const QList<ImportTarget> targets = [] {
        const std::pair<const char*, QStringList> table[] = {
            {"Cognome e nome Socio", {"Tesserato"}},
            {"Carica ricoperta", {"Carica"}},
            {"Tessera n.", {"NumTessera"}},
            {"Data di rilascio", {"DataRil"}},
            {"Data di scadenza", {"DataScade"}},
            {"Data di nascita", {"DataNasc"}},
            {"Comune e provincia di nascita", {"ComuneNasc", "ProvNasc"}},
            {"Comune di nascita (senza provincia)", {"ComuneNasc"}},
            {"Provincia di nascita", {"ProvNasc"}},
            {"Sesso", {"Sesso"}},
            {"CAP, comune e provincia di residenza", {"CapRes", "ComuneRes", "ProvRes"}},
            {"Comune di residenza (senza CAP e provincia)", {"ComuneRes"}},
            {"Provincia di residenza", {"ProvRes"}},
            {"CAP", {"CapRes"}},
            {"Via e numero civico", {"IndirizzoRes"}},
            {"Giorni di preavviso", {"Preavviso"}},
            {"Titolo di studio e altre qualifiche", {"Titoli"}},
            {"Tel. casa", {"TelCasa"}},
            {"Tel. ufficio", {"TelUff"}},
            {"Tel. cellulare", {"TelCel"}},
            {"Recapito preferenziale", {"Recapito"}},
            {"Fax", {"Fax"}},
            {"E-mail", {"Email"}},
            {"Codice fiscale", {"CodFisc"}},
            {"Carta di credito n.", {"Carta"}},
            {"Scadenza carta di credito", {"ScadeCarta"}},
            {"Partita IVA", {"PartitaIva"}},
            {"IBAN", {"Iban"}},
            {"Intestatario C/C", {"Intestatario"}},
            {"Note", {"Note"}},
        };
        QList<ImportTarget> list;
        for (const auto& [title, fields] : table)
            list.push_back({QString::fromUtf8(title), fields});
        return list;
    }();
    return targets;
}

int targetForTitle(const QString& title)
{
    return targetsByTitle().value(titleKey(title), NotImported);
}

int columnNamed(const QStringList& header, const QString& title)
{
    const QString key = titleKey(title);
    for (qsizetype c = 0; c < header.size(); ++c)
        if (titleKey(header.at(c)) == key)
            return int(c);
    return -1;
}

bool isBlankRow(const Csv::Row& row)
{
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const QString& cell) { return TextField::trimmed(cell).isEmpty(); });
}

int dataRowCount(const Csv::Table& table)
{
    if (table.rows.isEmpty())
        return 0;
    return int(std::count_if(table.rows.begin() + 1, table.rows.end(),
                             [](const Csv::Row& row) { return !isBlankRow(row); }));
}

ImportMapping::ImportMapping(const QStringList& header)
{
    for (const QString& title : header) {
        int target = targetForTitle(title);
        const bool taken = std::any_of(m_targets.begin(), m_targets.end(), [target](int other) {
            return target != NotImported && other != NotImported && sharesField(target, other);
        });
        m_targets << (taken ? NotImported : target);
    }
}

void ImportMapping::setTarget(int column, int target)
{
    if (column < 0 || column >= columnCount() || target < NotImported || target >= int(importTargets().size()))
        return;
    if (target != NotImported)
        for (int& other : m_targets)
            if (other != NotImported && sharesField(target, other))
                other = NotImported;
    m_targets[column] = target;
}

bool ImportMapping::importsAny() const
{
    return std::any_of(m_targets.begin(), m_targets.end(), [](int t) { return t != NotImported; });
}

QString ImportFailure::text() const
{
    return QStringLiteral("riga %1: %2").arg(line).arg(reason);
}

FieldTexts importTexts(const Csv::Row& row, const ImportMapping& mapping)
{
    FieldTexts texts;
    for (const ImportTarget& target : importTargets())
        for (const QString& field : target.fields)
            texts.insert(field, QString());
    texts.insert(NoticeDays, QStringLiteral("0"));
    for (int column = 0; column < mapping.columnCount(); ++column) {
        const int target = mapping.target(column);
        if (target == NotImported)
            continue;
        const QStringList& fields = importTargets().at(target).fields;
        const QString value = oneLine(row.cells.value(column));
        const QStringList values = fields.size() == 1 ? QStringList{value} : splitJoined(fields, value);
        for (qsizetype i = 0; i < fields.size(); ++i)
            texts.insert(fields.at(i), values.at(i));
    }
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        it.value() = screenText(it.key(), it.value());
        // Digits are often written in groups ("4111 1111 1111 1111").
        if (digitFields().contains(it.key()))
            it.value().remove(QLatin1Char(' '));
    }
    return texts;
}

ImportPlan planImport(const Csv::Table& table, const ImportMapping& mapping)
{
    ImportPlan plan;
    if (dataRowCount(table) == 0) {
        plan.refusal = QStringLiteral("Attenzione: il file non contiene schede da importare.");
        return plan;
    }
    if (!mapping.importsAny()) {
        plan.refusal = QStringLiteral("Attenzione: nessuna colonna del file \u00E8 abbinata a un campo della scheda "
                                      "del Socio.");
        return plan;
    }
    const RecordLayout& layout = recordLayout();
    for (qsizetype r = 1; r < table.rows.size(); ++r) {
        const Csv::Row& row = table.rows.at(r);
        if (isBlankRow(row))
            continue;
        const FieldTexts texts = importTexts(row, mapping);
        if (const auto refusal = checkForSave(texts)) {
            plan.failures.push_back({row.line, reasonOf(refusal->message)});
            continue;
        }
        if (const auto refusal = digitsRefusal(texts)) {
            plan.failures.push_back({row.line, *refusal});
            continue;
        }
        Record record(layout);
        for (auto it = texts.begin(); it != texts.end(); ++it)
            record.setText(it.key(), it.value());
        record.setFlag(u"Annullata", false);
        plan.records.push_back(record);
    }
    return plan;
}

int appendMembers(const QString& path, const QList<Record>& records)
{
    return Archive(path, recordLayout()).appendAll(records);
}

}  // namespace members
