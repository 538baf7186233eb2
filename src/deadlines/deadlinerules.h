#pragma once
// The deadline subsystem's rules, without any window: the yearly archive's
// path, the amount as the screen normalises it, the checks and composed
// fields of a save, the reminder's imminence rule, the three status lists
// and the search, with the line each deadline shows in them.

#include "output/resultlist.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "storage/recordview.h"
#include "storage/savecheck.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace deadlines {

// The year's archive in the data folder: "2024" -> <data folder>/2024.sca.
QString archivePath(const QString& year);
// The archive of the Clock's current year, the one the reminder reads.
QString currentYearPath();

// "Gennaio" ... "Dicembre", the month drop-down's items.
const QStringList& monthNames();
// 1-12 for a month name, trimmed and compared with A-Z lower-cased; 0 for
// anything else.
int monthNumber(QStringView name);

// The amount as `txtCosto` shows it once left: "0,00" when empty or not a
// number; otherwise rounded (half up) to four decimals, written with ","
// and without thousands separators, trailing zeros dropped, then at least
// two decimals ("7" -> "7,00", "3,14159" -> "3,1416", "1,500" -> "1,50").
QString normaliseAmount(const QString& typed);

// What the deadline screen tells the user in its own words.
namespace ScreenText {
inline const QString YearOfFourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
inline const QString RecordSaved = QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio.");
}  // namespace ScreenText

// The archive "Apri" opens for the year typed on the start panel: its year
// (trimmed) when it is four characters long, otherwise none.
std::optional<QString> openedYear(const QString& typed);

// What a save does before writing, for the screen's control texts by field
// name (Giorno, Mese, OreApp, MinutiApp, Avviso, Pagatore, Beneficiario,
// Dettagli, Costo) and the archive year.
struct SavePreparation {
    // The first check that fails, in the checks' order; none when the
    // record may be written.
    std::optional<SaveCheck::Refusal> refusal;
    // Texts the save puts into the screen: always Costo ("0,00" for an
    // empty amount, which is no failure); when nothing is refused also Anno,
    // Data ("dd/mm/yyyy") and Ora ("hh:mm"), the fields the record takes
    // from the save rather than from a control.
    SaveCheck::FieldTexts composed;
};
SavePreparation prepareSave(const SaveCheck::FieldTexts& texts, const QString& archiveYear);

// Imminent today: due date D (Data) less N days of notice (Avviso) <= today
// <= D. A record whose Data or Avviso cannot be read is never imminent.
bool isImminent(const RecordView& record, const QDate& today);
// The imminent deadlines of an archive (created when missing). Throws
// ArchiveError when the archive cannot be used.
int countImminent(const QString& archivePath, const QDate& today);
// The check the deadline screen runs when shown: the imminent deadlines of
// the current year's archive on the Clock's today, or no value when that
// archive cannot be used (the screen then stays silent).
std::optional<int> reminderCheck();
// The chime played when deadlines are imminent, supplied with the program.
inline constexpr const char* ReminderSound = "Avviso.mp3";

// Dettagli in 35 + "  Data: " + Data in 10 + "  Ora: " + Ora in 5 +
// "  Da: " + Pagatore in 30 + "  A:  " + Beneficiario in 30 + "  € " +
// Costo (not padded).
QString listLine(const RecordView& record);

enum class Status { ToConfirm, ToPay, Paid };

struct StatusList {
    Status status;
    const char* key;         // the name norvalis-cli gives it
    const char* caption;     // the window's caption
    const char* printTitle;
    const char* flagField;   // the flag it selects on, trimmed and compared exactly
    bool flagYes;            // "Sì" or "No"
};
inline constexpr std::array<StatusList, 3> kStatusLists = {{
    {Status::ToConfirm, "daconfermare", " Riepilogo appuntamenti da confermare",
     "Riepilogo appuntamenti da confermare", "DaConfermare", true},
    {Status::ToPay, "dapagare", " Riepilogo pagamenti da effettuare", "Riepilogo pagamenti da effettuare",
     "Effettuata", false},
    {Status::Paid, "pagati", " Riepilogo pagamenti effettuati", "Riepilogo pagamenti effettuati", "Effettuata",
     true},
}};
const StatusList& statusList(Status status);
bool hasStatus(const RecordView& record, Status status);

// The lines of a status list, in the list's order (see ListLine::sortAsListBox),
// each pointing at the last record that gives the same line. A failure ends
// the filling: the lines read before it are listed and the failure is put
// into `failure` when given.
QList<ResultLine> statusLines(const QString& archivePath, Status status,
                              std::optional<ArchiveError>* failure = nullptr);

// The ten fields the deadline search filters on, in the order of its fields.
inline constexpr std::array<const char*, 10> kSearchFields = {
    "Data", "Ora", "Pagatore", "CodFisc", "NumTessera", "Carica", "Contatto", "Beneficiario", "Dettagli", "Note",
};
using SearchTexts = std::array<QString, kSearchFields.size()>;
inline constexpr const char* kSearchPrintTitle = "Riepilogo scadenze pagamenti";

// The deadlines the filters qualify, as a status list shows them. Throws
// ArchiveError when the archive cannot be used.
QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed);
// The record a chosen line of a status list or of the search loads: the last
// one in the archive whose line, trimmed, equals `line` trimmed, whatever its
// status; none when no record gives that line. Throws ArchiveError when the
// archive cannot be read.
struct LineRecord {
    int position;
    Record record;
};
std::optional<LineRecord> lastRecordOfLine(const QString& archivePath, const QString& line);

// "Il presente elenco contiene N schede."
QString countText(int lines);

}  // namespace deadlines
