#pragma once
// The dialogue of every "Esporta" button: the question before, the file
// written in the data folder, the question to open it, or the failure box.

#include "output/spreadsheet.h"

#include <QString>

#include <functional>

class QWidget;

namespace ExportFlow {

inline const QString AskText = QStringLiteral(
    "L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
inline const QString DoneText = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
inline const QString FailureText = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia gi\u00E0 "
    "aperto.");
inline const QString ButtonHint = QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");

enum class Outcome { Declined, Written, Failed };

// Runs the dialogue for the file `fileName` of the data folder. The table is
// asked for only after the first Yes; when it throws ArchiveError (the
// archive could not be read whole) the archive's failure message is shown and
// no file is written.
Outcome run(QWidget* parent, const QString& fileName, const std::function<Spreadsheet::Table()>& table);
// The same dialogue around a writer of its own that puts the file `fileName`
// into the data folder: false (or ArchiveError, as above) when it could not.
Outcome runWith(QWidget* parent, const QString& fileName, const std::function<bool()>& write);

}  // namespace ExportFlow
