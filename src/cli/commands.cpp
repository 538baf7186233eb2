#include "cli/commands.h"

#include "app/backup.h"
#include "app/crypt.h"
#include "app/dates.h"
#include "app/password.h"
#include "app/archivecheck.h"
#include "app/archivekinds.h"
#include "app/recordjson.h"
#include "cards/cardlayout.h"
#include "cards/cardsettings.h"
#include "checks/checks.h"
#include "deadlines/deadlineperiods.h"
#include "deadlines/deadlinerecord.h"
#include "deadlines/deadlinerules.h"
#include "deadlines/deadlinesheet.h"
#include "hours/hoursrecord.h"
#include "hours/hoursrules.h"
#include "hours/hourssheet.h"
#include "members/memberexport.h"
#include "members/memberimport.h"
#include "members/memberphoto.h"
#include "members/memberrecord.h"
#include "members/membersearch.h"
#include "members/membersheet.h"
#include "output/report.h"
#include "shifts/dailyrules.h"
#include "shifts/dailysheet.h"
#include "shifts/shiftrecords.h"
#include "shifts/weeklyrules.h"
#include "shifts/weeklysheet.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/csvfile.h"
#include "storage/folderlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <optional>
#include <utility>

namespace cli {
namespace {

const char* const UsageText =
    "Uso: norvalis-cli [--data-dir CARTELLA] [--today GG/MM/AAAA] [--now HH:MM:SS]\n"
    "                  COMANDO [ARGOMENTI]\n"
    "\n"
    "Comandi:\n"
    "  scramble TESTO           stampa la forma cifrata (esadecimale) di TESTO\n"
    "  unscramble ESADECIMALE   stampa il testo in chiaro\n"
    "  dump FILE [--kind TIPO]  stampa un oggetto JSON per record, una riga ciascuno;\n"
    "                           TIPO: members, deadlines, hours, daily, weekly\n"
    "                           (di norma dedotto dal nome: Tesserati.pro, Orari.pro,\n"
    "                           *.sca, *.ore, *.set). Un FILE relativo si cerca nella\n"
    "                           cartella corrente, poi nella cartella dei dati.\n"
    "  put FILE [--kind TIPO] [--pos N]\n"
    "                           legge dallo standard input oggetti JSON come quelli di\n"
    "                           dump, uno per riga (campi mancanti vuoti, \"pos\"\n"
    "                           ignorato), e li aggiunge in fondo all'archivio; con\n"
    "                           --pos scrive il primo sulla scheda N. I valori si\n"
    "                           salvano come dalle schermate; ogni riga si controlla\n"
    "                           prima di scrivere\n"
    "  verify [FILE]...         controlla gli archivi indicati, o tutti quelli della\n"
    "                           cartella dei dati, e stampa una riga per problema:\n"
    "                           lunghezze oltre il campo, contrassegni diversi da Sì e\n"
    "                           No, date di scadenza non valide, schede incomplete in\n"
    "                           fondo, scritture interrotte (che completa). Uscita 1\n"
    "                           se trova qualcosa\n"
    "  search members [--CAMPO TESTO]...\n"
    "                           stampa le righe che la ricerca Soci elencherebbe, una\n"
    "                           per riga, nell'ordine dell'archivio; CAMPO: Tesserato,\n"
    "                           Carica, NumTessera, DataRil, DataScade, ComuneNasc,\n"
    "                           ComuneRes, CodFisc, Titoli, Note. TESTO vale come\n"
    "                           digitato (spazi compresi, maiuscole indifferenti).\n"
    "                           Se Tesserati.pro manca lo crea vuoto\n"
    "  search deadlines ANNO [--CAMPO TESTO]...\n"
    "                           stampa le righe che la ricerca scadenze elencherebbe\n"
    "                           nell'archivio ANNO.sca, nell'ordine della lista;\n"
    "                           CAMPO: Data, Ora, Pagatore, CodFisc, NumTessera,\n"
    "                           Carica, Contatto, Beneficiario, Dettagli, Note\n"
    "  search hours [--CAMPO TESTO]...\n"
    "                           stampa le righe che la ricerca degli orari di lavoro\n"
    "                           elencherebbe, nell'ordine dell'archivio; CAMPO: Nome,\n"
    "                           Periodo, Sede, Disposizioni, Attivita01 ... Attivita05,\n"
    "                           Annotazioni. Se Orari.pro manca lo crea vuoto\n"
    "  search daily ANNO [--CAMPO TESTO]...\n"
    "                           stampa le righe che la ricerca dei turni di lavoro\n"
    "                           elencherebbe nell'archivio ANNO.ore, nell'ordine\n"
    "                           dell'archivio; CAMPO: Nome, Data, Sede, Disposizioni,\n"
    "                           Lavoratore01 ... Lavoratore05, Annotazioni\n"
    "  search weekly ANNO [--CAMPO TESTO]...\n"
    "                           stampa le righe che la ricerca dei turni settimanali\n"
    "                           elencherebbe nell'archivio ANNO.set, nell'ordine\n"
    "                           dell'archivio; CAMPO: Nome, Sede, DataInizio,\n"
    "                           DataFine, Disposizioni, Annotazioni\n"
    "  list deadlines ANNO --state STATO\n"
    "                           stampa, nell'ordine della lista, le righe di uno dei\n"
    "                           riepiloghi di ANNO.sca; STATO: daconfermare\n"
    "                           (appuntamenti da confermare), dapagare (pagamenti da\n"
    "                           effettuare), pagati (pagamenti effettuati)\n"
    "  reminders                stampa quante scadenze dell'anno in corso sono\n"
    "                           imminenti oggi, come il controllo all'apertura dello\n"
    "                           Scadenzario\n"
    "                           ANNO ha quattro cifre; l'archivio di un anno che non\n"
    "                           ne ha ancora uno viene creato vuoto\n"
    "  init-password CARTELLA   mette in CARTELLA il file della password di primo\n"
    "                           accesso, se manca o è danneggiato; un file che\n"
    "                           contiene una password non viene mai toccato\n"
    "  check TIPO VALORE        controlla VALORE come il pulsante \"Controlla\" della\n"
    "                           finestra di controllo e ne stampa il messaggio;\n"
    "                           TIPO: cf (codice fiscale), piva (partita IVA),\n"
    "                           card (carta di credito), iban. VALORE vale come\n"
    "                           incollato nel campo: tagliato alla lunghezza massima\n"
    "                           (16, 11, 30, 27), poi, tranne che per piva, senza\n"
    "                           spazi ai lati e con a-z in maiuscolo\n"
    "  export members           scrive Tesserati.xls nella cartella dei dati con tutte\n"
    "                           le schede di Tesserati.pro, annullate comprese, come\n"
    "                           il pulsante \"Esporta\" (senza domande); sostituisce\n"
    "                           il file precedente\n"
    "  export deadlines ANNO    scrive Scadenzario_Pagamenti.xls con tutte le scadenze\n"
    "                           di ANNO.sca (quattro cifre), nell'ordine dell'archivio\n"
    "  export imminent          scrive Scadenze_Imminenti.xls con le scadenze imminenti\n"
    "                           oggi nell'archivio dell'anno in corso\n"
    "  export day GG/MM/AAAA    scrive Scadenze_Giornaliere.xls con le scadenze del giorno\n"
    "  export month GG/MM/AAAA  scrive Scadenze_Mensili.xls con le scadenze del mese;\n"
    "                           le liste dei periodi sono in ordine di data e ora e\n"
    "                           un archivio che manca viene creato vuoto\n"
    "  export hours             scrive Orari_Lavoro.xls con tutte le schede di\n"
    "                           Orari.pro, nell'ordine dell'archivio (prime dieci\n"
    "                           fasce orarie); sostituisce il file precedente\n"
    "  export daily ANNO        scrive Turni_Lavoro.xls con tutte le tabelle dei turni\n"
    "                           di ANNO.ore, nell'ordine dell'archivio (prime dieci\n"
    "                           fasce orarie); sostituisce il file precedente\n"
    "  pdf deadline ANNO POS --out FILE.pdf\n"
    "                           stampa in FILE.pdf la scheda della scadenza alla\n"
    "                           posizione POS di ANNO.sca, come \"Stampa\"\n"
    "  pdf member POS --out FILE.pdf\n"
    "                           stampa in FILE.pdf la scheda del Socio alla posizione\n"
    "                           POS di Tesserati.pro\n"
    "  pdf hours POS --out FILE.pdf\n"
    "                           stampa in FILE.pdf la scheda degli orari alla\n"
    "                           posizione POS di Orari.pro, come \"Stampa\"; data e ora\n"
    "                           in calce da --today e --now\n"
    "  pdf daily ANNO POS --out FILE.pdf\n"
    "                           stampa in FILE.pdf la tabella dei turni alla\n"
    "                           posizione POS di ANNO.ore, come \"Stampa\"; data e ora\n"
    "                           in calce da --today e --now\n"
    "  pdf weekly ANNO POS --out FILE.pdf\n"
    "                           stampa in FILE.pdf la tabella dei turni settimanali\n"
    "                           alla posizione POS di ANNO.set, come \"Stampa\"; data\n"
    "                           e ora in calce da --today e --now\n"
    "  cards --out FILE.pdf --sheet POS[,POS]...\n"
    "                           stampa in FILE.pdf le tessere dei Soci alle posizioni\n"
    "                           POS di Tesserati.pro (1 = prima scheda; la stessa\n"
    "                           posizione può ripetersi) su fogli A4 orizzontali da\n"
    "                           nove, nell'ordine delle caselle da 1 a 9; l'ultimo\n"
    "                           foglio porta solo le tessere rimaste\n"
    "  cards --out FILE.pdf --single POS [--top MM] [--left MM] [--landscape]\n"
    "                           stampa una sola tessera come \"Stampa tesserino\",\n"
    "                           spostata in basso di --top e a destra di --left\n"
    "                           millimetri (anche decimali o negativi; di norma 0),\n"
    "                           su A4 verticale o, con --landscape, orizzontale.\n"
    "                           Dati dell'Ente da Tesserini.ini, logo da Logo.jpg,\n"
    "                           foto da POS.jpg, come nelle finestre di stampa\n"
    "  import members FILE.csv [--map COLONNA=CAMPO]... [--dry-run]\n"
    "                           aggiunge in fondo a Tesserati.pro un Socio per riga di\n"
    "                           FILE.csv (UTF-8 o Windows-1252, separatore virgola o\n"
    "                           punto e virgola), come \"Importa\" della schermata Soci:\n"
    "                           la prima riga ha i titoli delle colonne, quelli di\n"
    "                           Tesserati.xls o i nomi dei campi di dump; ogni riga si\n"
    "                           controlla come al salvataggio della scheda. Se una riga\n"
    "                           non va, non scrive nulla e le elenca tutte (\"riga N: ...\")\n"
    "                           sullo standard error, con uscita 1. Stampa quante schede\n"
    "                           ha importato; con --dry-run quante ne importerebbe, senza\n"
    "                           scrivere. --map porta la COLONNA (titolo o numero, da 1)\n"
    "                           nel CAMPO (nome di dump o titolo di Tesserati.xls), o la\n"
    "                           esclude con CAMPO -\n"
    "  backup [--out FILE.zip]  scrive una copia di sicurezza della cartella dei dati\n"
    "                           (archivi, file INI, password, foto, logo e\n"
    "                           Documenti_Allegati; non i fogli esportati né le copie\n"
    "                           precedenti) in FILE.zip o, di norma, in\n"
    "                           Backup/Norvalis_AAAA-MM-GG_HHMMSS.zip; ne stampa il nome\n"
    "  restore FILE.zip         rimette i dati come li tiene FILE.zip (cercato come il\n"
    "                           FILE di dump), dopo aver salvato lo stato attuale in\n"
    "                           Backup/..._prima_del_ripristino.zip; i file di dati che\n"
    "                           la copia non contiene vengono tolti. Una copia con file\n"
    "                           estranei, percorsi fuori dalla cartella o danneggiata\n"
    "                           viene rifiutata senza toccare nulla\n"
    "\n"
    "restore, export, put e import rifiutano di partire mentre il programma o un altro comando\n"
    "che scrive usa la stessa cartella dei dati.\n"
    "\n"
    "Opzioni:\n"
    "  --data-dir CARTELLA      cartella dei dati; anche dalla variabile\n"
    "                           NORVALIS_DATA_DIR. Di norma quella del programma se vi\n"
    "                           si può scrivere (una copia portatile), altrimenti,\n"
    "                           per un programma installato, ~/.local/share/Norvalis,\n"
    "                           creata al primo comando con la password di primo accesso\n"
    "  --today GG/MM/AAAA       la data di oggi per il comando (di norma quella del\n"
    "                           sistema); va prima del COMANDO\n"
    "  --now HH:MM:SS           l'ora per il comando; da sola tiene la data di oggi;\n"
    "                           va prima del COMANDO\n"
    "  -h, --help               mostra questo aiuto\n"
    "\n"
    "Uscita: 0 riuscito, 1 errore su un file, 2 uso errato.\n"
    "Per check: 0 valido, 1 errato, 2 lunghezza sbagliata o campo vuoto (la finestra\n"
    "resterebbe aperta), 3 carta valida senza messaggio (inizia per 32 o 39).\n";

struct Output {
    std::FILE* out;
    std::FILE* err;

    void line(const QString& text) const { write(out, text + QLatin1Char('\n')); }
    void bytes(const QByteArray& data) const { std::fwrite(data.constData(), 1, std::size_t(data.size()), out); }
    int fail(const QString& message) const
    {
        write(err, QStringLiteral("norvalis-cli: ") + message + QLatin1Char('\n'));
        return Failure;
    }
    int usage(const QString& message) const
    {
        if (!message.isEmpty())
            write(err, QStringLiteral("norvalis-cli: ") + message + QLatin1Char('\n'));
        std::fputs(UsageText, err);
        return Usage;
    }

    static void write(std::FILE* stream, const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stream);
    }
};

// A relative path names a file in the current folder, or else in the data
// folder; a file in neither (one to create) goes to the data folder.
QString locate(const QString& file)
{
    if (QFileInfo(file).isAbsolute() || QFileInfo::exists(file))
        return file;
    return AppDir::filePath(file);
}

// Reads "--FIELD TEXT" pairs from `args` into the filters of `fields`.
// Returns Ok, or the usage status after saying what is wrong.
template <std::size_t N>
int readFilters(const QStringList& args, const std::array<const char*, N>& fields, std::array<QString, N>& typed,
                const Output& io)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args.at(i);
        const auto named = std::find_if(fields.begin(), fields.end(), [&option](const char* f) {
            return option == QLatin1String("--") + QLatin1String(f);
        });
        if (named == fields.end())
            return io.usage(QStringLiteral("campo di ricerca sconosciuto: ") + option);
        if (i + 1 >= args.size())
            return io.usage(option + QStringLiteral(" vuole un TESTO"));
        typed[std::size_t(named - fields.begin())] = args.at(++i);
    }
    return Ok;
}

// A yearly archive's year as the user types it: exactly four digits.
std::optional<QString> yearArgument(const QStringList& args, const QString& command, const Output& io)
{
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (args.isEmpty() || !fourDigits.match(args.first()).hasMatch()) {
        io.usage(command + QStringLiteral(" vuole un ANNO di quattro cifre"));
        return std::nullopt;
    }
    return args.first();
}

int printLines(const std::function<QList<ResultLine>()>& lines, const Output& io)
{
    QList<ResultLine> found;
    try {
        found = lines();
    } catch (const ArchiveError& e) {
        return io.fail(QString::fromStdString(e.what()));
    }
    for (const ResultLine& line : found)
        io.line(line.text);
    return Ok;
}

// Reads the filters of `fields` from `filterArgs` and prints the lines
// `search(path, typed)` finds.
template <std::size_t N, typename Search>
int searchWith(const QStringList& filterArgs, const std::array<const char*, N>& fields, const QString& path,
               Search search, const Output& io)
{
    std::array<QString, N> typed;
    if (const int status = readFilters(filterArgs, fields, typed, io); status != Ok)
        return status;
    return printLines([&] { return search(path, typed); }, io);
}

int search(const QStringList& args, const Output& io)
{
    const QString archive = args.value(0);
    if (archive == QLatin1String("members"))
        return searchWith(args.mid(1), members::kSearchFields, AppDir::filePath(QLatin1String(members::kFileName)),
                          [](const QString& path, const members::SearchTexts& typed) {
                              return members::search(path, typed);
                          },
                          io);
    if (archive == QLatin1String("hours"))
        return searchWith(args.mid(1), hours::kSearchFields, hours::archivePath(), hours::search, io);
    if (archive == QLatin1String("deadlines") || archive == QLatin1String("daily")
        || archive == QLatin1String("weekly")) {
        const std::optional<QString> year = yearArgument(args.mid(1), QStringLiteral("search ") + archive, io);
        if (!year)
            return Usage;
        if (archive == QLatin1String("daily"))
            return searchWith(args.mid(2), daily::kSearchFields, daily::archivePath(*year), daily::search, io);
        if (archive == QLatin1String("weekly"))
            return searchWith(args.mid(2), weekly::kSearchFields, weekly::archivePath(*year), weekly::search, io);
        return searchWith(args.mid(2), deadlines::kSearchFields, deadlines::archivePath(*year), deadlines::search,
                          io);
    }
    return io.usage(QStringLiteral("search vuole l'archivio in cui cercare: members, deadlines, hours, daily o weekly"));
}

int list(const QStringList& args, const Output& io)
{
    if (args.value(0) != QLatin1String("deadlines"))
        return io.usage(QStringLiteral("list vuole l'archivio da elencare: deadlines"));
    const std::optional<QString> year = yearArgument(args.mid(1), QStringLiteral("list deadlines"), io);
    if (!year)
        return Usage;
    if (args.size() != 4 || args.at(2) != QLatin1String("--state"))
        return io.usage(QStringLiteral("list deadlines vuole ANNO --state STATO"));
    const auto named = std::find_if(deadlines::kStatusLists.begin(), deadlines::kStatusLists.end(),
                                    [&args](const deadlines::StatusList& l) { return args.at(3) == QLatin1String(l.key); });
    if (named == deadlines::kStatusLists.end())
        return io.usage(QStringLiteral("stato sconosciuto: ") + args.at(3));
    return printLines(
        [&] {
            std::optional<ArchiveError> failure;
            QList<ResultLine> lines = deadlines::statusLines(deadlines::archivePath(*year), named->status, &failure);
            if (failure)
                throw *failure;
            return lines;
        },
        io);
}

int reminders(const QStringList& args, const Output& io)
{
    if (!args.isEmpty())
        return io.usage(QStringLiteral("reminders non vuole argomenti"));
    try {
        io.line(QString::number(deadlines::countImminent(deadlines::currentYearPath(), Clock::today())));
    } catch (const ArchiveError& e) {
        return io.fail(QString::fromStdString(e.what()));
    }
    return Ok;
}

// Takes --today and --now from the front of `args` and sets the Clock.
// Returns Ok, or the usage status after saying what is wrong.
int setClock(QStringList& args, const Output& io)
{
    std::optional<QDate> today;
    std::optional<QTime> now;
    while (!args.isEmpty() && (args.first() == QLatin1String("--today") || args.first() == QLatin1String("--now"))) {
        const QString option = args.takeFirst();
        if (args.isEmpty())
            return io.usage(option + QStringLiteral(" vuole un valore"));
        const QString value = args.takeFirst();
        if (option == QLatin1String("--today")) {
            today = Dates::parse(value);
            if (!today)
                return io.usage(QStringLiteral("--today vuole una data vera GG/MM/AAAA: ") + value);
        } else {
            const QTime time = QTime::fromString(value, QStringLiteral("HH:mm:ss"));
            if (!time.isValid() || value.size() != 8)
                return io.usage(QStringLiteral("--now vuole un'ora HH:MM:SS: ") + value);
            now = time;
        }
    }
    if (today || now) {
        const QDateTime system = QDateTime::currentDateTime();
        Clock::set(QDateTime(today.value_or(system.date()), now.value_or(system.time())));
    }
    return Ok;
}

// The archive a command names: "FILE [--kind TIPO]" and, for the options
// in `valued`, their values. Returns Ok, or the usage status after saying
// what is wrong.
struct NamedArchive {
    QString path;
    const ArchiveKinds::Kind* kind = nullptr;
    QHash<QString, QString> options;
};

int readArchiveArgs(const QString& command, const QStringList& args, const QStringList& valued, NamedArchive& named,
                    const Output& io)
{
    QString file;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--kind") || valued.contains(arg)) {
            if (i + 1 >= args.size())
                return io.usage(arg + QStringLiteral(" vuole un valore"));
            named.options.insert(arg, args.at(++i));
        } else if (file.isEmpty() && !arg.startsWith(QLatin1String("--"))) {
            file = arg;
        } else {
            return io.usage(QStringLiteral("argomento in più: ") + arg);
        }
    }
    if (file.isEmpty())
        return io.usage(command + QStringLiteral(" vuole un FILE"));
    if (named.options.contains(QStringLiteral("--kind"))) {
        named.kind = ArchiveKinds::named(named.options.value(QStringLiteral("--kind")));
        if (!named.kind)
            return io.usage(QStringLiteral("tipo sconosciuto: ") + named.options.value(QStringLiteral("--kind")));
    } else {
        named.kind = ArchiveKinds::ofFile(file);
        if (!named.kind)
            return io.usage(
                QStringLiteral("dal nome di %1 non si capisce il tipo di archivio: indicare --kind").arg(file));
    }
    named.path = locate(file);
    return Ok;
}

int dump(const QStringList& args, const Output& io)
{
    NamedArchive named;
    if (const int status = readArchiveArgs(QStringLiteral("dump"), args, {}, named, io); status != Ok)
        return status;
    const RecordLayout& layout = named.kind->layout();
    try {
        Archive(named.path, layout, ArchiveFile::Mode::ReadOnly).scan([&io](int position, const Record& record) {
            io.bytes(RecordJson::line(position, record));
        });
    } catch (const ArchiveError& e) {
        return io.fail(QString::fromStdString(e.what()));
    }
    const qint64 extra = QFileInfo(named.path).size() % layout.recordSize();
    if (extra != 0)
        Output::write(io.err, QStringLiteral("norvalis-cli: nota: gli ultimi %1 byte di %2 non formano un record "
                                             "intero e sono stati ignorati\n").arg(extra).arg(named.path));
    return Ok;
}

// The exit statuses of `check` beyond Ok (valid) and Failure (not valid).
constexpr int CheckStaysOpen = 2;
constexpr int CheckNoMessage = 3;

int check(const QStringList& args, const Output& io)
{
    if (args.size() != 2)
        return io.usage(QStringLiteral("check vuole un TIPO e un VALORE"));
    static const std::pair<const char*, Checks::Field> fields[] = {
        {"cf", Checks::Field::TaxCode},
        {"piva", Checks::Field::VatNumber},
        {"card", Checks::Field::CardNumber},
        {"iban", Checks::Field::Iban},
    };
    const auto named = std::find_if(std::begin(fields), std::end(fields),
                                    [&args](const auto& f) { return args.at(0) == QLatin1String(f.first); });
    if (named == std::end(fields))
        return io.usage(QStringLiteral("tipo di controllo sconosciuto: ") + args.at(0));

    const Checks::Field field = named->second;
    const Checks::CheckResult result = Checks::check(field, Checks::asPasted(field, args.at(1)));
    if (result.notice != Checks::Notice::None)
        io.line(QString(result.message).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (result.verdict) {
    case Checks::Verdict::Valid: return Ok;
    case Checks::Verdict::Invalid: return Failure;
    case Checks::Verdict::StaysOpen: return CheckStaysOpen;
    case Checks::Verdict::NoMessage: return CheckNoMessage;
    }
    return Failure;
}

bool isYear(const QString& text)
{
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    return fourDigits.match(text).hasMatch();
}

// A file that cannot be written is reported with the system's reason; an
// earlier file stays as it was.
int writeFailure(const QString& path, const QString& error, const Output& io)
{
    return io.fail(QStringLiteral("impossibile scrivere %1: %2").arg(path, error));
}

// An export written while its archive is read, into the data folder's
// `fileName`: an archive that cannot be read all through writes nothing and
// is reported as such; a file that cannot be written, with the system's reason.
int exportStreamed(const std::function<bool(std::optional<ArchiveError>*, QString*)>& write, const char* fileName,
                   const Output& io)
{
    std::optional<ArchiveError> failure;
    QString error;
    if (write(&failure, &error))
        return Ok;
    if (failure)
        return io.fail(QString::fromStdString(failure->what()));
    return writeFailure(AppDir::filePath(QLatin1String(fileName)), error, io);
}

int exportMembers(const Output& io)
{
    return exportStreamed(
        [](std::optional<ArchiveError>* failure, QString* error) {
            return members::writeExport(AppDir::filePath(QLatin1String(members::kFileName)),
                                        AppDir::filePath(QLatin1String(members::kExportFileName)), failure, error);
        },
        members::kExportFileName, io);
}

// The deadline lists: `deadlines YEAR`, `imminent`, `day DATE`, `month DATE`.
int exportDeadlines(const QString& list, const QStringList& args, const Output& io)
{
    using deadlines::Period;
    const bool dated = list == QLatin1String("day") || list == QLatin1String("month");
    const bool yearly = list == QLatin1String("deadlines");
    if (args.size() != ((dated || yearly) ? 1 : 0))
        return io.usage(yearly  ? QStringLiteral("export deadlines vuole un ANNO")
                        : dated ? QStringLiteral("export %1 vuole una data GG/MM/AAAA").arg(list)
                                : QStringLiteral("export imminent non vuole argomenti"));
    if (yearly && !isYear(args.first()))
        return io.usage(QStringLiteral("l'anno va indicato con quattro cifre: ") + args.first());
    const std::optional<QDate> date = dated ? Dates::parse(args.first()) : std::nullopt;
    if (dated && !date)
        return io.usage(QStringLiteral("data non valida (GG/MM/AAAA): ") + args.first());

    if (yearly) {
        const QString archive = AppDir::filePath(deadlines::fileName(args.first()));
        return exportStreamed(
            [&archive](deadlines::Failure* failure, QString* error) {
                return deadlines::writeArchiveExport(archive, failure, error);
            },
            deadlines::exportFile(Period::Archive).fileName, io);
    }
    const Period period = list == QLatin1String("day")     ? Period::Day
                          : list == QLatin1String("month") ? Period::Month
                                                           : Period::Imminent;
    const QDate day = dated ? *date : Clock::today();
    return exportStreamed(
        [period, &day](deadlines::Failure* failure, QString* error) {
            return deadlines::writePeriodExport(period, day, failure, error);
        },
        deadlines::exportFile(period).fileName, io);
}

// The export of a timetable archive.
template <typename WriteArchiveExport>
int exportTimetables(const QString& archivePath, WriteArchiveExport writeArchiveExport, const char* fileName,
                     const Output& io)
{
    return exportStreamed(
        [&](std::optional<ArchiveError>* failure, QString* error) {
            return writeArchiveExport(archivePath, failure, error);
        },
        fileName, io);
}

int exportArchive(const QStringList& args, const Output& io)
{
    static const QStringList lists = {QStringLiteral("members"), QStringLiteral("deadlines"),
                                      QStringLiteral("imminent"), QStringLiteral("day"), QStringLiteral("month"),
                                      QStringLiteral("hours"), QStringLiteral("daily")};
    if (args.isEmpty() || !lists.contains(args.first()))
        return io.usage(
            QStringLiteral("export vuole cosa esportare: members, deadlines, imminent, day, month, hours, daily"));
    if (args.first() == QLatin1String("members") || args.first() == QLatin1String("hours")) {
        if (args.size() != 1)
            return io.usage(QStringLiteral("export %1 non vuole argomenti").arg(args.first()));
        if (args.first() == QLatin1String("members"))
            return exportMembers(io);
        return exportTimetables(hours::archivePath(), hours::writeArchiveExport, hours::kExportFileName, io);
    }
    if (args.first() == QLatin1String("daily")) {
        if (args.size() != 2)
            return io.usage(QStringLiteral("export daily vuole un ANNO"));
        const std::optional<QString> year = yearArgument(args.mid(1), QStringLiteral("export daily"), io);
        if (!year)
            return Usage;
        return exportTimetables(daily::archivePath(*year), daily::writeArchiveExport, daily::kExportFileName, io);
    }
    return exportDeadlines(args.first(), args.mid(1), io);
}

int initPassword(const QStringList& args, const Output& io)
{
    if (args.size() != 1)
        return io.usage(QStringLiteral("init-password vuole una CARTELLA"));
    QString error;
    if (!PasswordFile::installFirstAccess(args.at(0), &error))
        return io.fail(QStringLiteral("impossibile scrivere il file della password in %1: %2").arg(args.at(0), error));
    return Ok;
}


// Record positions as the user names them: whole numbers from 1, separated
// by commas.
std::optional<QList<int>> positionList(const QString& text)
{
    QList<int> positions;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int position = part.trimmed().toInt(&ok);
        if (!ok || position < 1)
            return std::nullopt;
        positions.push_back(position);
    }
    return positions;
}

QString outOfArchive(int position, const QString& path, int count)
{
    return QStringLiteral("la posizione %1 \u00E8 fuori dall'archivio %2 (schede: %3)").arg(position).arg(path).arg(count);
}

// The members at `positions` of Tesserati.pro, each as its card shows it:
// the organization's texts and logo, the member's fields and photo.
// Throws ArchiveError; a position past the last record gives an empty list
// and the message in `error`.
QList<Cards::CardFace> cardFaces(const QList<int>& positions, QString& error)
{
    const QString path = AppDir::filePath(QLatin1String(members::kFileName));
    const Cards::Organization organization = Cards::loadOrganization();
    const QImage logo = Cards::loadLogo();
    ArchiveFile archive(path, members::recordLayout(), ArchiveFile::Mode::ReadOnly);
    QList<Cards::CardFace> faces;
    for (int position : positions) {
        if (position > archive.count()) {
            error = outOfArchive(position, path, archive.count());
            return {};
        }
        archive.seek(position - 1);
        Cards::CardFace face;
        face.setOrganization(organization);
        face.logo = logo;
        face.photo = members::loadPhoto(position);
        face.setMember(archive.read());
        faces.push_back(face);
    }
    return faces;
}

// Writes the pages into `pdf`; an earlier file is replaced only by the complete document.
int writePdf(const Report::Prepared& pages, const QString& pdf, const Output& io)
{
    QString error;
    if (!Report::writePdf(pages, pdf, &error))
        return writeFailure(pdf, error, io);
    return Ok;
}

// One card at the user's offsets, or sheets of nine: every sheet but the
// last is full, the last holds the cards that are left.
Report::Prepared cardPages(const QList<Cards::CardFace>& faces, bool single, bool landscape, double topMm,
                           double leftMm)
{
    if (single) {
        Report::Template card = Cards::singleCardDesign();
        Cards::placeSingleCard(card, landscape, topMm, leftMm);
        Cards::fillSingleCard(card, faces.first());
        return card.prepare();
    }
    Report::Prepared sheets;
    for (qsizetype first = 0; first < faces.size(); first += Cards::SheetSlots) {
        const QList<Cards::CardFace> batch = faces.mid(first, Cards::SheetSlots);
        Report::Template sheet = Cards::sheetDesign(int(batch.size()));
        Cards::fillSheet(sheet, batch);
        const Report::Prepared prepared = sheet.prepare();
        if (sheets.pages.isEmpty()) {
            sheets.name = prepared.name;
            sheets.previewButtons = prepared.previewButtons;
        }
        sheets.pages += prepared.pages;
    }
    return sheets;
}

int cards(const QStringList& args, const Output& io)
{
    QString pdf;
    std::optional<QList<int>> positions;
    bool single = false, landscape = false;
    double topMm = 0, leftMm = 0;
    QSet<QString> seen;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args.at(i);
        if (seen.contains(option))
            return io.usage(QStringLiteral("cards: %1 ripetuto").arg(option));
        seen.insert(option);
        if (option == QLatin1String("--landscape")) {
            landscape = true;
            continue;
        }
        static const QStringList withValue = {QStringLiteral("--out"), QStringLiteral("--sheet"),
                                              QStringLiteral("--single"), QStringLiteral("--top"),
                                              QStringLiteral("--left")};
        if (!withValue.contains(option))
            return io.usage(QStringLiteral("cards: opzione sconosciuta: ") + option);
        if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
            return io.usage(QStringLiteral("cards: %1 vuole un valore").arg(option));
        const QString value = args.at(++i);
        if (option == QLatin1String("--out")) {
            pdf = value;
        } else if (option == QLatin1String("--sheet") || option == QLatin1String("--single")) {
            if (positions)
                return io.usage(QStringLiteral("cards vuole --sheet oppure --single, non tutti e due"));
            single = option == QLatin1String("--single");
            positions = positionList(value);
            if (!positions || (single && positions->size() != 1))
                return io.usage(QStringLiteral("cards: %1 vuole %2 (da 1 in su): %3")
                                    .arg(option,
                                         single ? QStringLiteral("una posizione")
                                                : QStringLiteral("posizioni separate da virgole"),
                                         value));
        } else {
            const std::optional<double> millimetres = Cards::offsetMillimetres(value);
            if (!millimetres)
                return io.usage(QStringLiteral("cards: %1 vuole un numero di millimetri: %2").arg(option, value));
            (option == QLatin1String("--top") ? topMm : leftMm) = *millimetres;
        }
    }
    if (pdf.isEmpty())
        return io.usage(QStringLiteral("cards vuole --out FILE.pdf"));
    if (!positions)
        return io.usage(QStringLiteral("cards vuole --sheet POS[,POS]... oppure --single POS"));
    if (!single && (seen.contains(QStringLiteral("--top")) || seen.contains(QStringLiteral("--left")) || landscape))
        return io.usage(QStringLiteral("cards: --top, --left e --landscape valgono solo con --single"));

    QList<Cards::CardFace> faces;
    try {
        QString error;
        faces = cardFaces(*positions, error);
        if (faces.isEmpty())
            return io.fail(error);
    } catch (const ArchiveError& e) {
        return io.fail(QString::fromStdString(e.what()));
    }
    try {
        return writePdf(cardPages(faces, single, landscape, topMm, leftMm), pdf, io);
    } catch (const Report::Error& e) {
        return io.fail(QString::fromStdString(e.what()));
    }
}

// Checks the archives named, or every archive in the data folder, and
// prints one line for each problem found.
int verify(const QStringList& args, const Output& io)
{
    ArchiveCheck::FolderReport report;
    if (args.isEmpty()) {
        report = ArchiveCheck::checkFolder(AppDir::path());
    } else {
        for (const QString& file : args) {
            const ArchiveKinds::Kind* kind = ArchiveKinds::ofFile(file);
            if (!kind)
                return io.usage(QStringLiteral("dal nome di %1 non si capisce il tipo di archivio").arg(file));
            ++report.archives;
            report.findings += ArchiveCheck::check(locate(file), *kind);
        }
    }
    for (const ArchiveCheck::Finding& finding : report.findings)
        io.line(finding.text());
    Output::write(io.err, QStringLiteral("norvalis-cli: archivi controllati: %1, problemi trovati: %2\n")
                              .arg(report.archives)
                              .arg(report.findings.size()));
    return report.findings.isEmpty() ? Ok : Failure;
}

// Records from standard input, one JSON object a line, appended to the
// archive, or the first written over the record at --pos. Every line is
// read and checked before anything is written.
int put(const QStringList& args, const Output& io, QIODevice& input)
{
    NamedArchive named;
    if (const int status = readArchiveArgs(QStringLiteral("put"), args, {QStringLiteral("--pos")}, named, io);
        status != Ok)
        return status;
    std::optional<int> position;
    if (named.options.contains(QStringLiteral("--pos"))) {
        const std::optional<QList<int>> list = positionList(named.options.value(QStringLiteral("--pos")));
        if (list && list->size() == 1)
            position = list->first();
        else
            return io.usage(QStringLiteral("--pos vuole una posizione (da 1 in su): ")
                            + named.options.value(QStringLiteral("--pos")));
    }
    const RecordLayout& layout = named.kind->layout();
    QList<Record> records;
    int lineNumber = 0;
    while (!input.atEnd()) {
        const QByteArray line = input.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty())
            continue;
        QString error;
        std::optional<Record> record = RecordJson::parse(line, layout, &error);
        if (!record)
            return io.usage(QStringLiteral("riga %1: %2").arg(lineNumber).arg(error));
        records << *record;
    }
    if (records.isEmpty())
        return Ok;
    try {
        const Archive archive(named.path, layout);
        if (position) {
            if (*position > archive.count())
                return io.fail(outOfArchive(*position, named.path, archive.count()));
            archive.overwrite(*position, records.first());
            if (records.size() > 1)
                Output::write(io.err, QStringLiteral("norvalis-cli: nota: con --pos si scrive solo il primo record; "
                                                     "gli altri %1 non sono stati scritti\n").arg(records.size() - 1));
            return Ok;
        }
        for (const Record& record : records)
            archive.append(record);
    } catch (const ArchiveError& e) {
        return io.fail(QString::fromStdString(e.what()));
    }
    return Ok;
}

// A sheet `pdf` prints: the archive it reads (of a YEAR or not; the member
// archive only when it exists, the others created when missing, as the
// screens do) and the pages its screen's "Stampa" prints of a record.
struct PrintedSheet {
    const char* kind;
    bool yearly;
    QString (*archive)(const QString& year);
    const RecordLayout& (*layout)();
    ArchiveFile::Mode mode;
    Report::Prepared (*pages)(const Record& record);
};

// The footer of the timetables reads its time the same whatever the
// system's language.
const QString FooterTime = QStringLiteral("HH:mm:ss");

const PrintedSheet PrintedSheets[] = {
    {"deadline", true, deadlines::archivePath, deadlines::recordLayout, ArchiveFile::Mode::OpenOrCreate,
     [](const Record& record) {
         Report::Template sheet = DeadlineSheet::design(InfoSheet::fixedLogo());
         DeadlineSheet::fill(sheet, record);
         return sheet.prepare();
     }},
    {"daily", true, daily::archivePath, shifts::dailyLayout, ArchiveFile::Mode::OpenOrCreate,
     [](const Record& record) { return DailySheet::filled(record, FooterTime).prepare(); }},
    {"weekly", true, weekly::archivePath, shifts::weeklyLayout, ArchiveFile::Mode::OpenOrCreate,
     [](const Record& record) { return WeeklySheet::filled(record, FooterTime).prepare(); }},
    {"member", false, [](const QString&) { return AppDir::filePath(QString::fromLatin1(members::kFileName)); },
     members::recordLayout, ArchiveFile::Mode::ReadOnly,
     [](const Record& record) {
         Report::Template sheet = MemberSheet::design(InfoSheet::fixedLogo());
         MemberSheet::fill(sheet, record);
         return sheet.prepare();
     }},
    {"hours", false, [](const QString&) { return hours::archivePath(); }, hours::recordLayout,
     ArchiveFile::Mode::OpenOrCreate,
     [](const Record& record) { return HoursSheet::filled(record, FooterTime).prepare(); }},
};

// `pdf deadline|daily|weekly YEAR POS --out F.pdf` and `pdf member|hours POS
// --out F.pdf`: the sheet of one record, as the screen's "Stampa" prints it.
int pdfSheet(const QStringList& args, const Output& io)
{
    QString out;
    QStringList plain;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) != QLatin1String("--out")) {
            plain << args.at(i);
        } else if (i + 1 >= args.size() || args.at(i + 1).isEmpty() || !out.isEmpty()) {
            return io.usage(QStringLiteral("pdf vuole un solo --out FILE.pdf"));
        } else {
            out = args.at(++i);
        }
    }
    const auto sheet = std::find_if(std::begin(PrintedSheets), std::end(PrintedSheets),
                                    [&](const PrintedSheet& s) { return plain.value(0) == QLatin1String(s.kind); });
    if (sheet == std::end(PrintedSheets) || plain.size() != (sheet->yearly ? 3 : 2))
        return io.usage(QStringLiteral("pdf vuole deadline ANNO POS, daily ANNO POS, weekly ANNO POS, member POS "
                                       "oppure hours POS, con --out FILE.pdf"));
    if (out.isEmpty())
        return io.usage(QStringLiteral("pdf vuole --out FILE.pdf"));
    if (sheet->yearly && !isYear(plain.at(1)))
        return io.usage(QStringLiteral("l'anno va indicato con quattro cifre: ") + plain.at(1));
    const std::optional<QList<int>> position = positionList(plain.last());
    if (!position || position->size() != 1)
        return io.usage(QStringLiteral("pdf vuole una posizione (da 1 in su): ") + plain.last());

    const QString path = sheet->archive(sheet->yearly ? plain.at(1) : QString());
    try {
        ArchiveFile archive(path, sheet->layout(), sheet->mode);
        if (position->first() > archive.count())
            return io.fail(outOfArchive(position->first(), path, archive.count()));
        archive.seek(position->first() - 1);
        const Record record = archive.read();
        archive.close();
        return writePdf(sheet->pages(record), out, io);
    } catch (const ArchiveError& e) {
        return io.fail(QString::fromStdString(e.what()));
    } catch (const Report::Error& e) {
        return io.fail(QString::fromStdString(e.what()));
    }
}

// `import members FILE.csv [--dry-run]`: the member screen's import without a window.
int importMembers(const QStringList& args, const Output& io)
{
    const bool dryRun = args.contains(QStringLiteral("--dry-run"));
    QStringList plain;
    QStringList maps;  // "COLONNA=CAMPO"
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--dry-run"))
            continue;
        if (args.at(i) != QLatin1String("--map")) {
            plain << args.at(i);
        } else if (i + 1 < args.size() && args.at(i + 1).contains(QLatin1Char('='))) {
            maps << args.at(++i);
        } else {
            return io.usage(QStringLiteral("--map vuole COLONNA=CAMPO"));
        }
    }
    if (plain.size() != 2 || plain.first() != QLatin1String("members") || plain.last().startsWith(QLatin1String("--")))
        return io.usage(QStringLiteral("import vuole members FILE.csv [--map COLONNA=CAMPO]... [--dry-run]"));
    const QString file = locate(plain.last());
    Csv::Failure failure;
    const std::optional<Csv::Table> table = Csv::read(file, &failure);
    if (!table)
        return io.fail(failure.line > 0 ? members::ImportFailure{failure.line, failure.message}.text()
                                        : failure.message);
    const QStringList header = table->rows.isEmpty() ? QStringList() : table->rows.first().cells;
    members::ImportMapping mapping(header);
    for (const QString& map : maps) {
        const QString column = map.section(QLatin1Char('='), 0, 0);
        const QString field = map.section(QLatin1Char('='), 1);
        const int target = field == QLatin1String("-") ? members::NotImported : members::targetForTitle(field);
        if (target == members::NotImported && field != QLatin1String("-"))
            return io.usage(QStringLiteral("--map: campo sconosciuto: ") + field);
        bool number = false;
        const int index = column.toInt(&number) - 1;
        const int at = number ? index : members::columnNamed(header, column);
        if (at < 0 || at >= header.size())
            return io.usage(QStringLiteral("--map: il file non ha la colonna ") + column);
        mapping.setTarget(at, target);
    }
    const members::ImportPlan plan = members::planImport(*table, mapping);
    if (!plan.refusal.isEmpty())
        return io.fail(QString(plan.refusal).remove(QStringLiteral("Attenzione: ")));
    if (!plan.failures.isEmpty()) {
        for (const members::ImportFailure& f : plan.failures)
            Output::write(io.err, f.text() + QLatin1Char('\n'));
        return io.fail(QStringLiteral("nessuna scheda importata: %1 righe di %2 non si possono salvare")
                           .arg(plan.failures.size())
                           .arg(QDir::toNativeSeparators(file)));
    }
    if (dryRun) {
        io.line(QStringLiteral("%1 schede da importare (prova: nulla \u00E8 stato scritto)").arg(plan.records.size()));
        return Ok;
    }
    try {
        const int first = members::appendMembers(AppDir::filePath(QLatin1String(members::kFileName)), plan.records);
        io.line(QStringLiteral("%1 schede importate (posizioni da %2 a %3)")
                    .arg(plan.records.size())
                    .arg(first)
                    .arg(first + plan.records.size() - 1));
    } catch (const ArchiveError& e) {
        return io.fail(QString::fromStdString(e.what()));
    }
    return Ok;
}

// Runs a command that writes into the data folder while holding the folder's
// lock; with another program on the folder, says so and writes nothing.
int holdingDataFolder(const Output& io, const std::function<int()>& command)
{
    const DataFolderLock lock;
    if (!lock.held())
        return io.fail(lock.refusal());
    return command();
}

int backup(const QStringList& args, const Output& io)
{
    QString zip;
    if (args.size() == 2 && args.at(0) == QLatin1String("--out") && !args.at(1).isEmpty())
        zip = args.at(1);
    else if (!args.isEmpty())
        return io.usage(QStringLiteral("backup vuole al più --out FILE.zip"));
    if (zip.isEmpty())
        zip = Backup::newPath(Clock::now());
    QString error;
    if (!Backup::write(zip, &error))
        return io.fail(error);
    io.line(QDir::toNativeSeparators(QFileInfo(zip).absoluteFilePath()));
    return Ok;
}

int restore(const QStringList& args, const Output& io)
{
    if (args.size() != 1)
        return io.usage(QStringLiteral("restore vuole un FILE.zip"));
    const QString zip = locate(args.first());
    Backup::Restored done;
    QString error;
    if (!Backup::restore(zip, &done, &error))
        return io.fail(error);
    io.line(QStringLiteral("ripristinati %1 file da %2; tolti %3 file che la copia non conteneva; lo stato di prima "
                           "del ripristino \u00E8 nella copia %4")
                .arg(done.files)
                .arg(QDir::toNativeSeparators(QFileInfo(zip).absoluteFilePath()))
                .arg(done.removed)
                .arg(QDir::toNativeSeparators(done.previousState)));
    return Ok;
}

}  // namespace

bool drawsPages(const QStringList& arguments)
{
    // Any word that names a drawing command counts, wherever it stands: a
    // GUI application where none was needed costs only time.
    return arguments.contains(QLatin1String("cards")) || arguments.contains(QLatin1String("pdf"));
}

int run(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    const Output io{out, err};
    if (!arguments.isEmpty() && arguments.last() == QLatin1String(AppDir::Option))
        return io.usage(QStringLiteral("--data-dir vuole una CARTELLA"));
    const AppDir::Placement placed = AppDir::chooseForProcess(arguments, QCoreApplication::applicationDirPath());
    AppDir::set(placed.folder);
    QStringList args = AppDir::withoutOption(arguments);

    if (args.contains(QLatin1String("-h")) || args.contains(QLatin1String("--help"))) {
        std::fputs(UsageText, out);
        return Ok;
    }
    if (const int status = setClock(args, io); status != Ok)
        return status;
    if (args.isEmpty())
        return io.usage({});
    // An installed program's user folder is made on the first command that
    // runs, with the first-access password file, as the desktop program does.
    if (QString error; placed.userFolder && !PasswordFile::installFirstAccess(AppDir::path(), &error))
        return io.fail(QStringLiteral("impossibile preparare la cartella dei dati %1: %2").arg(AppDir::path(), error));
    const QString command = args.first();
    const QStringList rest = args.mid(1);

    if (command == QLatin1String("scramble") || command == QLatin1String("unscramble")) {
        if (rest.size() != 1)
            return io.usage(command + QStringLiteral(" vuole un argomento"));
        if (command == QLatin1String("scramble")) {
            io.line(Crypt::ScrambleText(rest.first()));
            return Ok;
        }
        try {
            io.line(Crypt::UnscrambleText(rest.first()));
        } catch (const Crypt::ConversionError& e) {
            return io.fail(QString::fromUtf8(e.what()));
        }
        return Ok;
    }
    if (command == QLatin1String("dump"))
        return dump(rest, io);
    if (command == QLatin1String("verify"))
        return verify(rest, io);
    if (command == QLatin1String("put")) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return io.fail(QStringLiteral("non si legge lo standard input"));
        return holdingDataFolder(io, [&] { return put(rest, io, input); });
    }
    if (command == QLatin1String("import")) {
        // A trial writes nothing, so it needs the folder no more than a search.
        if (rest.contains(QStringLiteral("--dry-run")))
            return importMembers(rest, io);
        return holdingDataFolder(io, [&] { return importMembers(rest, io); });
    }
    if (command == QLatin1String("search"))
        return search(rest, io);
    if (command == QLatin1String("list"))
        return list(rest, io);
    if (command == QLatin1String("reminders"))
        return reminders(rest, io);
    if (command == QLatin1String("init-password"))
        return initPassword(rest, io);
    if (command == QLatin1String("check"))
        return check(rest, io);
    if (command == QLatin1String("export"))
        return holdingDataFolder(io, [&] { return exportArchive(rest, io); });
    if (command == QLatin1String("backup"))
        return backup(rest, io);
    if (command == QLatin1String("restore"))
        return holdingDataFolder(io, [&] { return restore(rest, io); });
    if (command == QLatin1String("cards"))
        return cards(rest, io);
    if (command == QLatin1String("pdf"))
        return pdfSheet(rest, io);
    return io.usage(QStringLiteral("comando sconosciuto: ") + command);
}

}  // namespace cli
