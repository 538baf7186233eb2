#include "app/helptexts.h"

#include <QStringList>

#include <initializer_list>
#include <stdexcept>

namespace HelpTexts {

namespace {

Topic make(const char* id, const char* title, std::initializer_list<const char*> paragraphs)
{
    QStringList body;
    for (const char* p : paragraphs)
        body << QString::fromUtf8(p);
    return {QString::fromLatin1(id), QString::fromUtf8(title), body.join(ParagraphBreak)};
}

// One entry per screen, in the order of the manual. A new screen adds its
// entry here and calls topic() with its id.
QList<Topic> buildTable()
{
    return {
        make("avvio", "Uno sguardo a Norvalis 2.0.", {
            "Benvenuti in Norvalis 2.0, il programma pensato per la segreteria di un circolo, di "
            "un'associazione, di un'azienda o di qualunque altro ente. Con Norvalis 2.0 si tiene "
            "l'archivio dei soci, si stampano le tessere di riconoscimento con la fotografia, si "
            "tengono sotto controllo le scadenze dei pagamenti e gli appuntamenti e si organizzano gli "
            "orari di servizio e i turni di lavoro. Dal menu principale si raggiungono le sei aree di "
            "lavoro descritte qui di seguito: per aprirne una basta fare clic sulla sua immagine o "
            "sulla barra con il suo nome, posta sotto l'immagine. Quando si chiude un'area di lavoro "
            "si torna sempre a questo menu.",

            "ARCHIVIO SOCI: è l'anagrafica dei soci, una scheda per ogni tessera. Di ogni socio si "
            "registrano cognome e nome, la carica ricoperta, la data e il luogo di nascita, la "
            "residenza, i titoli di studio, i recapiti (telefoni di casa, dell'ufficio e cellulare, "
            "fax, e-mail e recapito preferenziale), il codice fiscale, la partita IVA, il numero e la "
            "scadenza della carta di credito, l'IBAN con l'intestatario del conto, il numero della "
            "tessera con la data di rilascio e la data di scadenza, i giorni di preavviso per il "
            "rinnovo e le annotazioni; una tessera non più valida si può segnare come annullata. A "
            "ogni socio si può associare una fotografia, caricata da un file o scattata con la "
            "webcam, e fino a tre file allegati (per esempio la copia di un documento d'identità o "
            "un modulo firmato), ciascuno con la propria descrizione. Le schede si scorrono con le "
            "frecce, si cercano per uno o più campi, si stampano come scheda anagrafica e si esportano "
            "in un foglio di calcolo di Microsoft Excel. L'elenco delle tessere in attesa di rinnovo "
            "mostra i soci la cui tessera è ormai in scadenza, e a ciascuno si può mandare una e-mail "
            "di avviso con il proprio programma di posta. Appositi pulsanti verificano il codice "
            "fiscale, la partita IVA (indicando l'ufficio che l'ha attribuita), il numero della carta "
            "di credito (indicandone il circuito) e l'IBAN.",

            "STAMPA TESSERA SINGOLA: compone e stampa una tessera di riconoscimento alla volta, nel "
            "formato delle carte di credito (ID-1, 86 × 54 mm). Il nome del socio, la carica, il "
            "numero della tessera, le date di rilascio e di scadenza e la fotografia si importano "
            "dall'archivio dei soci; sulla tessera compaiono inoltre il nome dell'ente o "
            "dell'associazione, due righe di sottotitolo (per esempio l'indirizzo e il telefono), una "
            "nota in fondo alla tessera e il logo, che si impostano in questa stessa area e restano "
            "memorizzati. Prima di stampare si può indicare di quanti millimetri spostare la tessera "
            "verso il basso e verso destra e se stampare il foglio in verticale o in orizzontale, così "
            "che la tessera cada esattamente al suo posto su una stampante per tessere, su un foglio "
            "A4 o su un cartoncino: il programma ricorda queste scelte per le stampe successive. "
            "L'anteprima mostra la tessera prima della stampa.",

            "STAMPA PIU' TESSERE: prepara un foglio A4 con un massimo di nove tessere, disposte su "
            "tre file di tre, da stampare in una volta sola e poi ritagliare. Ogni tessera si compila "
            "importando un socio dall'archivio, con la sua fotografia; il nome, i sottotitoli, la nota "
            "e il logo dell'ente sono quelli impostati nell'area STAMPA TESSERA SINGOLA. Le tessere si "
            "possono cancellare una per una o tutte insieme, e il foglio si controlla nell'anteprima "
            "prima di stamparlo. Quello che si compone in quest'area non viene memorizzato: resta "
            "nelle tessere finché l'area è aperta.",

            "SCADENZARIO PAGAMENTI: raccoglie le scadenze dei pagamenti e gli appuntamenti, in un "
            "archivio distinto per ogni anno solare. Di ogni scadenza si registrano chi deve pagare "
            "e a chi, la causale, il giorno e l'ora, gli importi, gli anticipi, la rateazione, le "
            "modalità di pagamento, gli estremi della ricevuta, quanti giorni prima si desidera "
            "essere avvisati, se l'appuntamento è ancora da confermare e se il pagamento è già stato "
            "effettuato; i dati di chi paga si possono riprendere dall'archivio dei soci. Ogni volta "
            "che si apre lo scadenzario, il programma controlla le scadenze dell'anno in corso: se "
            "qualcuna rientra nel periodo di preavviso, lo segnala con un'immagine e un avviso sonoro "
            "e permette di aprire l'elenco delle scadenze imminenti. Sono disponibili gli elenchi "
            "degli appuntamenti da confermare, dei pagamenti da effettuare e di quelli effettuati, e "
            "gli elenchi delle scadenze di un giorno o di un mese scelti sul calendario; le scadenze "
            "si possono inoltre cercare, stampare una per una come scheda ed esportare, insieme agli "
            "elenchi, in un foglio di calcolo di Microsoft Excel.",

            "IMPOSTAZIONE ORARI: raccoglie gli schemi degli orari di servizio, dai quali si "
            "costruiscono poi le tabelle dei turni. Ogni schema ha un nome che lo identifica, il "
            "periodo e la sede in cui vale, le disposizioni organizzative, fino a dodici fasce orarie "
            "(ciascuna con l'ora di inizio, l'ora di fine e l'attività da svolgere), le annotazioni e "
            "fino a tre file allegati. Gli schemi si cercano, si stampano e si esportano in un foglio "
            "di calcolo di Microsoft Excel.",

            "CALENDARIO TURNI: organizza i turni di lavoro in tabelle giornaliere e settimanali, "
            "raccolte in un archivio per ogni anno solare; all'apertura si scrive l'anno e si sceglie "
            "il tipo di programmazione. La tabella giornaliera riguarda un giorno e ha dodici fasce "
            "orarie, ciascuna con l'ora di inizio, l'ora di fine, l'attività e gli addetti; la tabella "
            "settimanale riguarda una settimana e indica, per ognuna delle dodici fasce orarie, gli "
            "addetti di ciascun giorno dal lunedì alla domenica. Le fasce orarie e i dati della sede "
            "si riprendono da uno schema dell'area IMPOSTAZIONE ORARI, i nomi degli addetti della "
            "tabella giornaliera dall'archivio dei soci. Le tabelle si cercano e si stampano; quelle "
            "giornaliere si esportano anche in un foglio di calcolo di Microsoft Excel.",

            "Le piccole icone del menu principale completano i comandi: la guida apre questa finestra "
            "di aiuto, dalla quale si può aprire anche il manuale completo in formato PDF; le "
            "informazioni mostrano i dati del programma e l'indirizzo a cui chiedere assistenza, e con "
            "il pulsante \"Verifica archivi...\" controllano tutti gli archivi della cartella dei dati "
            "(una scrittura interrotta da un arresto improvviso viene completata); i "
            "crediti ricordano chi ha realizzato il programma; l'uscita chiude Norvalis 2.0. Ogni area "
            "di lavoro ha una propria icona della guida, che spiega nel dettaglio la schermata aperta, "
            "e in basso nella finestra una riga che descrive in breve il comando su cui si trova il "
            "puntatore del mouse. Ogni anteprima di stampa, oltre a stampare, salva le sue pagine in un "
            "file PDF con il pulsante \"Salva PDF\".",

            "Tutti i dati si trovano in file conservati nella cartella dei dati: l'archivio dei "
            "soci con le loro fotografie, la cartella Documenti_Allegati con i file allegati, gli "
            "archivi annuali delle scadenze e dei turni, l'archivio degli orari di servizio, i dati "
            "dell'ente con le impostazioni di stampa, il logo e i fogli di calcolo esportati. Non c'è "
            "alcun database da installare né alcun collegamento in rete. Il programma installato dal "
            "suo pacchetto tiene i dati di ciascun utente nella cartella Norvalis fra i suoi dati "
            "personali (~/.local/share/Norvalis), che crea alla prima apertura; una copia del "
            "programma in una cartella in cui si può scrivere, per esempio su una chiavetta USB, "
            "tiene invece i dati nella cartella stessa del programma. La guida Guida.pdf e il suono "
            "degli avvisi restano con i file del programma.",

            "Ogni giorno, la prima volta che viene aperto, il programma fa da sé una copia di "
            "sicurezza di tutti i dati (gli archivi, i dati dell'ente, la password, le fotografie, il "
            "logo e i file allegati; non i fogli di calcolo esportati, che si possono rifare) in un "
            "file zip della cartella Backup, che porta nel nome la data del giorno, per esempio "
            "Norvalis_2025-03-07.zip. Il programma conserva le copie degli ultimi 30 giorni in cui è "
            "stato aperto ed elimina via via le più vecchie. Per tornare ai dati di una copia si usa "
            "il comando \"norvalis-cli restore\" seguito dal nome del file zip, a programma chiuso: "
            "prima di ripristinare, il comando salva lo stato attuale in un'altra copia della "
            "cartella Backup, così che nulla vada perso. Le copie restano sullo stesso disco: per non "
            "perdere il lavoro svolto conviene comunque copiare spesso la cartella Backup, o l'intera "
            "cartella dei dati, su un altro disco o su una chiavetta USB, e farne sempre una "
            "copia prima di reinstallare o aggiornare il programma.",

            "Norvalis 2.0 si apre una sola volta per ogni cartella dei dati: se si prova ad aprirlo "
            "una seconda volta mentre è già aperto (o mentre un comando di norvalis-cli sta scrivendo "
            "nella stessa cartella), il programma lo segnala e si chiude senza toccare alcun file, "
            "così che due copie non scrivano l'una sulle schede dell'altra. Se il programma si è "
            "interrotto di colpo, per esempio per un'interruzione della corrente, alla riapertura "
            "riprende la cartella senza bisogno di fare nulla.",

            "L'accesso al programma è protetto da un'unica password, che dovrebbe essere lunga almeno "
            "otto caratteri. Al primo accesso la password è \"ravenquillotto\" e le lettere si possono "
            "digitare indifferentemente in maiuscolo o in minuscolo. Subito dopo l'installazione è "
            "bene sostituirla con una password personale, con il pulsante \"Cambia password\" della "
            "finestra di accesso. La password è conservata nel file unins000.dll della cartella dei "
            "dati: chi la dimentica può cancellare quel file e riaprire il programma installato (o "
            "reinstallare una copia portatile), che ripristina la password del primo accesso. Un aggiornamento o una reinstallazione non "
            "toccano invece una password personale ancora leggibile.",
        }),

        make("menuregistro", "Applicazione Calendario Turni.", {
            "In questo ambiente si programmano i turni di lavoro in base a un calendario giornaliero "
            "oppure settimanale. Le tabelle dei turni sono raccolte per anno solare: ogni anno ha un "
            "archivio per le tabelle giornaliere e uno per le tabelle settimanali, che il programma "
            "crea da sé la prima volta che quell'anno viene aperto.",

            "Per lavorare sulle tabelle giornaliere si scrive l'anno solare, con quattro cifre, nel "
            "campo \"Anno:\" sotto la voce \"Programmazione turni giornaliera:\" e si preme il pulsante "
            "\"Apri\" che gli sta accanto. Una tabella giornaliera riguarda un giorno e una sede: per "
            "ciascuna delle dodici fasce orarie indica l'ora di inizio, l'ora di fine, l'attività da "
            "svolgere e gli addetti, i cui nomi si possono riprendere dall'archivio dei soci.",

            "Per le tabelle settimanali si scrive l'anno nel campo \"Anno:\" sotto la voce "
            "\"Programmazione turni settimanale:\" e si preme il relativo pulsante \"Apri\". Una tabella "
            "settimanale riguarda una settimana, dalla data di inizio alla data di fine, e ha dodici "
            "fasce orarie, ciascuna con l'ora di inizio, l'ora di fine e una casella degli addetti per "
            "ogni giorno, dal lunedì alla domenica.",

            "Quando la finestra si apre, entrambi i campi propongono l'anno in corso. Nei campi si "
            "possono scrivere soltanto cifre, e il tasto Invio porta al pulsante \"Apri\". Se l'anno non "
            "è scritto con quattro cifre il programma lo segnala e non apre nulla. In tutte e due le "
            "tabelle le fasce orarie e i dati della sede si possono importare da uno schema dell'area "
            "IMPOSTAZIONE ORARI.",

            "L'icona di uscita chiude questa finestra e riporta al menu principale. Anche chiudendo la "
            "schermata delle tabelle dei turni si torna al menu principale.",
        }),

        make("anagrafica", "Archivio Soci.", {
            "L'Archivio Soci tiene una scheda per ogni tessera: i dati del socio, la sua fotografia e fino "
            "a tre file allegati. La schermata si apre sempre su una scheda nuova, vuota, con la data di "
            "rilascio di oggi e zero giorni di preavviso. La riga in basso descrive il comando su cui si "
            "trova il puntatore del mouse.",

            "Il tasto Invio porta da un campo al successivo. Per la data di rilascio e la data di scadenza "
            "basta premere un tasto qualsiasi nel campo: si apre il calendario, da cui si importa la data; "
            "i tasti Backspace e Canc svuotano il campo. Nelle province si può scegliere la sigla "
            "dall'elenco o scriverla; le lettere diventano maiuscole da sole, come nel sesso, nel codice "
            "fiscale e nell'IBAN. I giorni di preavviso, la carta di credito e la partita IVA accettano "
            "soltanto cifre.",

            "Per salvare una scheda sono necessari il cognome e nome del socio, la data di rilascio, la "
            "data di scadenza, che non può essere anteriore a quella di rilascio, e i giorni di "
            "preavviso. Con \"Salva\" una scheda nuova si aggiunge in fondo all'archivio e ne compare "
            "la posizione fra le frecce; una scheda già in archivio viene aggiornata. Le frecce mostrano "
            "la prima, la precedente, la successiva e l'ultima scheda: le modifiche non salvate vanno "
            "perse. \"Nuovo\" prepara una scheda vuota. Le schede non si cancellano: la tessera di un "
            "socio che non rinnova si contrassegna come \"Tessera annullata\" e non compare più nelle "
            "ricerche.",

            "La fotografia si carica da un file JPEG o bitmap con \"Carica foto\" oppure si scatta con "
            "la webcam; si può salvarne una copia, vederla a tutto schermo o cancellarla. Viene "
            "registrata insieme alla scheda, a ogni salvataggio.",

            "Con \"Allega\" si associano alla scheda fino a tre file qualsiasi, per esempio un documento "
            "d'identità digitalizzato, ciascuno con una descrizione: il programma ne conserva una copia "
            "nella cartella Documenti_Allegati e li apre con il pulsante \"Apri\". Gli allegati entrano "
            "in archivio quando si salva la scheda.",

            "I pulsanti accanto al codice fiscale, alla partita IVA, alla carta di credito e all'IBAN ne "
            "controllano la correttezza; un codice fiscale fatto di sole cifre viene controllato come "
            "partita IVA. Accanto all'indirizzo e-mail, un pulsante scrive un messaggio al socio e "
            "\"Invia avviso scadenza\" prepara nel programma di posta un promemoria per il rinnovo della "
            "tessera, con i dati della scheda.",

            "Dalla barra in alto si cercano le schede per i loro campi, si stampa la scheda del socio "
            "con la sua anteprima, si vede l'elenco delle tessere in attesa di rinnovo e si esporta "
            "l'archivio in un foglio di calcolo di Microsoft Excel.",

            "\"Importa\" aggiunge all'archivio i soci di un foglio di calcolo salvato come file CSV "
            "(con la virgola o il punto e virgola come separatore). La prima riga del file porta i "
            "titoli delle colonne: quelli del file esportato in Excel vengono riconosciuti da soli; per "
            "ogni colonna si sceglie in quale campo della scheda va, e l'anteprima mostra le prime righe "
            "come saranno salvate. Ogni riga diventa una scheda nuova, non annullata, controllata come "
            "con \"Salva\": se anche una sola riga non va, non viene inserita nessuna scheda e la "
            "finestra elenca le righe da correggere con il loro numero nel file.",
        }),

        make("scadenze", "Visualizzazione scadenze pagamenti.", {
            "Questa finestra mostra in una tabella le scadenze scelte, una per riga, con tutti i loro dati. "
            "L'elenco delle scadenze imminenti si apre con il pulsante \"OK\" del pannello iniziale dello "
            "scadenzario, attivo quando all'apertura il programma trova scadenze vicine: una scadenza è "
            "imminente dal giorno in cui ne mancano tanti quanti i suoi giorni di preavviso fino al giorno "
            "stesso della scadenza.",

            "I due pulsanti sotto il calendario del pannello iniziale aprono le scadenze del giorno scelto e "
            "quelle del suo mese, lette dall'archivio dell'anno del giorno scelto. Le righe sono in ordine di "
            "data e di ora; la colonna \"N.\" riporta l'ordine in cui le scadenze sono state registrate.",

            "Il pulsante \"Esporta\" scrive le righe mostrate in un foglio di lavoro nella cartella dei "
            "dati (Scadenze_Imminenti.xls, Scadenze_Giornaliere.xls o Scadenze_Mensili.xls) e propone di "
            "aprirlo; ogni esportazione sostituisce il file della precedente. Il pulsante \"Esci\" chiude la "
            "finestra.",
        }),

        make("expscadenzario", "Esportazione Scadenzario pagamenti in Microsoft Excel.", {
            "Questa finestra mostra in una tabella tutte le scadenze dell'archivio dell'anno aperto, "
            "nell'ordine in cui sono state registrate, una per riga con tutti i loro dati.",

            "Il pulsante \"Esporta\" scrive tutte le scadenze in un foglio di lavoro, il file "
            "Scadenzario_Pagamenti.xls nella cartella dei dati, che si apre con Microsoft Excel o con un "
            "altro programma di fogli di calcolo; a esportazione finita il programma propone di aprirlo. Per "
            "conservarlo, salvarlo con un altro nome: ogni esportazione sostituisce il file della precedente. "
            "Se il file è già aperto nel programma di fogli di calcolo, chiuderlo e ripetere l'esportazione.",
        }),

        make("expanagrafica", "Esportazione archivio anagrafico dei Soci in Microsoft Excel.", {
            "Questa finestra mostra in una tabella tutte le schede dell'archivio dei soci, nell'ordine in "
            "cui sono state registrate, comprese quelle con la tessera annullata: è quindi anche il modo "
            "per rivedere le tessere non più valide. Ogni riga è un socio; le colonne riportano, dopo il "
            "numero della scheda, i dati della tessera, della nascita e della residenza, i titoli, i "
            "recapiti, i dati fiscali e bancari, le note e, per ultima, se la tessera è annullata.",

            "Il pulsante \"Esporta\" scrive tutte le schede in un foglio di lavoro, il file Tesserati.xls "
            "nella cartella dei dati, che si apre con Microsoft Excel o con un altro programma di "
            "fogli di calcolo. Prima di cominciare il programma chiede conferma; a esportazione finita "
            "propone di aprire subito il file. Ogni esportazione sostituisce il file della precedente.",

            "Se il file Tesserati.xls è già aperto nel programma di fogli di calcolo, il sistema non "
            "permette di riscriverlo: chiudere il file e ripetere l'esportazione. Il pulsante \"Esci\" "
            "chiude la finestra e riporta all'archivio dei soci.",
        }),

        make("tessera", "Stampa tessera singola.", {
            "Questa schermata prepara e stampa la tessera di un socio, una alla volta. In alto a sinistra "
            "della tessera compaiono il nome dell'Ente o Associazione e le due righe di sottotitolo, in "
            "basso le annotazioni e a destra il logo: per cambiarli basta fare clic su di essi. Il logo e "
            "i dati dell'Ente sono salvati in automatico all'uscita da questo ambiente di lavoro e "
            "ricompaiono alla prossima apertura, anche nella stampa di più tessere.",

            "La tessera riporta il cognome e nome del socio, la carica ricoperta, il numero della tessera, "
            "le date di rilascio e di scadenza e la foto. I dati si richiamano dall'archivio dei soci con "
            "il pulsante Trova oppure scorrendo le schede con le frecce; il pulsante Nuovo svuota la "
            "tessera senza toccare l'archivio, che da qui non viene mai modificato.",

            "Prima della stampa si possono regolare il margine superiore e il margine sinistro, in "
            "millimetri, e scegliere l'orientamento verticale od orizzontale del foglio: così la tessera "
            "cade nel punto giusto con qualunque stampante, che sia una stampante per tessere plastificate, "
            "una normale stampante su fogli A4 o una stampante per cartoncini di piccolo formato. Le "
            "impostazioni scelte sono ricordate per le stampe successive. L'anteprima mostra la tessera "
            "sul foglio senza i margini.",

            "La foto è quella salvata nella scheda del socio: conviene scattarla o sceglierla in verticale, "
            "perché in stampa viene adattata al riquadro della foto. I piccoli pulsanti accanto alla foto e "
            "al logo li cancellano dalla tessera corrente.",
        }),

        make("tessere", "Stampa più tessere.", {
            "Questa schermata stampa fino a nove tessere diverse su un unico foglio A4, tre file di tre. "
            "Ogni tessera ha il suo pulsante \"Importa dati tesserino\", che apre la ricerca nell'archivio "
            "dei soci: il socio scelto con un doppio clic riempie quella tessera con i suoi dati e la sua "
            "foto. Il nome dell'Ente, i sottotitoli, le annotazioni e il logo sono quelli impostati nella "
            "stampa della tessera singola. Prima di stampare si può vedere l'intera pagina in anteprima.",

            "I dati e la foto di una tessera si cancellano con il suo pulsante numerato sotto \"Cancella "
            "tessera n.\"; il pulsante Nuovo, o l'immagine della gomma dopo una conferma, svuota tutte e "
            "nove le tessere insieme. Queste cancellazioni riguardano soltanto il foglio da stampare: le "
            "schede dell'archivio dei soci non vengono mai eliminate.",
        }),

        make("scadenzario", "Scadenzario pagamenti.", {
            "Lo scadenzario annota i pagamenti che qualcuno (il Pagatore) deve a qualcun altro (il "
            "Beneficiario) e gli appuntamenti, con la data e l'ora della scadenza e i giorni di "
            "preavviso con cui si vuole essere avvisati. Le scadenze si tengono anno per anno: ogni anno "
            "solare ha il suo archivio.",

            "All'apertura si indica l'anno e si preme \"Apri\" per entrare nell'archivio di quell'anno. "
            "Ogni volta che si apre lo scadenzario il programma controlla le scadenze dell'anno in corso: "
            "se qualcuna cade entro i suoi giorni di preavviso lo dice con un messaggio in rosso e un "
            "avviso sonoro, e il pulsante \"OK\" ne mostra l'elenco. Dal calendario si scelgono un giorno "
            "o un mese per vederne le scadenze, in ordine cronologico.",

            "Per salvare una scheda sono necessari il giorno e il mese della scadenza, l'ora e i minuti "
            "dell'appuntamento, i giorni di preavviso, il Pagatore, il Beneficiario e la causale. Il "
            "giorno, il mese, l'ora e i minuti si scelgono dai menu a cascata; l'importo in euro accetta "
            "cifre e virgola e si completa da solo con i decimali. Il tasto Invio porta da un campo al "
            "successivo.",

            "Il pulsante accanto al Pagatore importa nome, codice fiscale, tessera, carica, cellulare e "
            "recapito di un socio dall'archivio anagrafico; quello accanto al codice fiscale ne controlla "
            "la correttezza (un codice di sole cifre viene controllato come partita IVA).",

            "\"Duplica\" serve per le scadenze che si ripetono: partendo da una scheda già in archivio "
            "prepara una scheda nuova con gli stessi dati, in cui basta indicare la nuova data e "
            "salvare.",

            "Le caselle \"Appuntamento da confermare\" e \"Pagamento effettuato\" annotano lo stato "
            "della scadenza; i tre pulsanti di riepilogo elencano gli appuntamenti da confermare, i "
            "pagamenti da effettuare e quelli effettuati. Dalla barra in alto si cercano le schede, si "
            "stampano con la loro anteprima e si esporta l'archivio dell'anno in un foglio di calcolo di "
            "Microsoft Excel.",
        }),

        make("orari", "Applicazione Impostazione Orari.", {
            "In questo ambiente si preparano gli schemi degli orari di servizio: ogni scheda descrive gli orari "
            "di lavoro e le attività da svolgere in un qualunque periodo, per esempio l'orario estivo di una "
            "sede o il servizio di una manifestazione. Uno schema salvato si può poi importare nelle tabelle "
            "dei turni giornaliere o settimanali dell'area CALENDARIO TURNI, così da non doverne riscrivere "
            "ogni volta le fasce orarie.",

            "Ogni scheda ha un nome che la identifica (\"Nome tabella turni:\"), il periodo di validità, la "
            "sede operativa e le disposizioni organizzative; seguono fino a dodici fasce orarie, ciascuna con "
            "l'ora di inizio (\"DALLE ORE:\"), l'ora di fine (\"ALLE ORE:\") e l'attività da svolgere, e in "
            "fondo le annotazioni. Gli orari si scrivono liberamente, per esempio 08:00 o 8.30, con al massimo "
            "cinque caratteri; le fasce non usate si lasciano vuote. Il tasto Invio porta da un campo al "
            "successivo, fascia dopo fascia.",

            "La schermata si apre sempre su una scheda nuova e vuota. Per registrare uno schema si preme "
            "\"Nuovo\", si compilano i campi e si preme \"Salva\": il nome della tabella è l'unico dato "
            "obbligatorio. La scheda salvata si aggiunge in fondo all'archivio e la sua posizione compare fra "
            "le frecce; modificandola e premendo di nuovo \"Salva\" la si aggiorna. Le frecce mostrano la "
            "prima, la precedente, la successiva e l'ultima scheda dell'archivio: le modifiche non salvate "
            "vanno perse.",

            "Per preparare uno schema simile a uno già in archivio conviene aprire quest'ultimo e premere "
            "\"Duplica\": la schermata mostra una copia non ancora salvata, con tutti i dati tranne i file "
            "allegati; basta cambiare ciò che serve e premere \"Salva\" per aggiungerla come nuova scheda, "
            "mentre la scheda di partenza resta com'era.",

            "Il pulsante \"Trova\" cerca le schede in base a uno o più campi insieme (nome, periodo, sede, "
            "disposizioni, attività delle prime cinque fasce e annotazioni): con un doppio clic su una riga "
            "dei risultati la scheda si apre nella schermata, e l'elenco trovato si può stampare. Con "
            "\"Allega\" si associano alla scheda fino a tre file qualsiasi, ciascuno con una descrizione: il "
            "programma ne conserva una copia nella cartella Documenti_Allegati e gli allegati entrano in "
            "archivio quando si salva la scheda.",

            "Il pulsante \"Excel\" esporta l'intero archivio degli orari in un foglio di calcolo di Microsoft "
            "Excel, il file Orari_Lavoro.xls nella cartella dei dati, con le prime dieci fasce orarie di "
            "ogni scheda. Il pulsante \"Stampa\" stampa la scheda mostrata sullo schermo, così com'è, su un "
            "foglio A4 orizzontale, con lo spazio per la firma del responsabile.",
        }),

        make("exporari", "Esportazione archivio orari di lavoro in Microsoft Excel.", {
            "Il pulsante \"Esporta\" di questa finestra esporta l'archivio degli orari di lavoro in un foglio "
            "di lavoro che si apre con Microsoft Excel o con qualunque altro programma di fogli di calcolo. "
            "La tabella mostra tutte le schede, nell'ordine in cui sono state registrate, con le prime dieci "
            "fasce orarie di ciascuna.",

            "Dopo l'apertura della tabella si fa clic sull'icona di Excel: il programma chiede conferma, crea "
            "il file Orari_Lavoro.xls nella cartella dei dati e propone di aprirlo subito; rispondendo "
            "sì il foglio si apre nel programma di fogli di calcolo.",

            "Per conservare il foglio lo si salva poi con un nome qualsiasi, perché ogni esportazione "
            "sostituisce il file Orari_Lavoro.xls della precedente. Se il file è già aperto nel programma di "
            "fogli di calcolo il sistema non permette di riscriverlo: chiuderlo e ripetere l'esportazione.",
        }),

        make("turni", "Applicazione Calendario Turni.", {
            "Il Calendario Turni organizza i turni di lavoro in due ambienti: le tabelle giornaliere, una per "
            "ogni giorno e sede, e le tabelle settimanali, una per ogni settimana. Si entra in uno dei due "
            "dalla finestra di scelta dell'anno: si scrive l'anno solare con quattro cifre e si preme \"Apri\" "
            "sotto la voce della programmazione giornaliera o di quella settimanale. Ogni anno ha i propri "
            "archivi, che il programma crea la prima volta che l'anno viene aperto.",

            "Una tabella giornaliera ha un nome che la identifica, la data a cui si riferisce, il periodo di "
            "validità degli orari, la sede operativa, le disposizioni organizzative, dodici fasce orarie e le "
            "annotazioni. Per ogni fascia si indicano l'ora di inizio (DALLE ORE), l'ora di fine (ALLE ORE), i "
            "turnisti e l'attività da svolgere. Il tasto Invio porta da un campo al successivo.",

            "La data non si scrive: premendo un tasto qualsiasi nel campo \"Data:\", oppure il pulsante del "
            "calendario alla sua destra, si apre il calendario da cui sceglierla; i tasti Canc e Backspace la "
            "cancellano. Per salvare una tabella sono necessari il nome e la data.",

            "Il pulsante \"Nuovo\" prepara una scheda vuota; \"Salva\" inserisce in archivio una scheda nuova "
            "oppure salva le modifiche di quella mostrata, il cui numero compare tra le frecce di "
            "scorrimento. Le frecce mostrano la prima, la precedente, la successiva e l'ultima tabella "
            "dell'anno. \"Duplica\" trasforma la tabella mostrata in una copia nuova, senza i file allegati, "
            "da modificare e salvare come nuova tabella, per esempio per il giorno seguente.",

            "Il pulsante alla destra del nome importa uno schema dall'archivio degli orari (area IMPOSTAZIONE "
            "ORARI): nome, periodo, sede, disposizioni, annotazioni e le dodici fasce con le attività prendono "
            "il posto di quelli mostrati, mentre data, turnisti e allegati restano come sono. Il pulsante alla "
            "destra di ogni riga dei turnisti apre la ricerca dei soci: con un doppio clic sul socio scelto il "
            "suo nome si aggiunge alla riga. Importando più soci nella stessa riga i nomi si susseguono separati "
            "da una virgola; una riga contiene al massimo 120 caratteri.",

            "\"Trova\" cerca le tabelle dell'anno per nome, data (per esempio /03/ trova tutte quelle di marzo), "
            "sede, disposizioni, turnisti delle prime cinque fasce e annotazioni; un doppio clic su una riga "
            "dell'elenco riporta la tabella sullo schermo. \"Allega file\" associa alla tabella fino a tre file, "
            "che si conservano con il salvataggio successivo.",

            "Il pulsante di Excel esporta tutte le tabelle giornaliere dell'anno nel file Turni_Lavoro.xls, con "
            "le prime dieci fasce di ciascuna. \"Anteprima\" e \"Stampa scheda\" mostrano o stampano la tabella "
            "com'è sullo schermo, anche se non ancora salvata, su un foglio A4 orizzontale con lo spazio per la "
            "firma del responsabile.",

            "Le tabelle settimanali hanno la data di inizio e di fine della settimana e, per ognuna delle dodici "
            "fasce orarie, una casella dei turnisti per ogni giorno dal lunedì alla domenica (la colonna della "
            "domenica è in rosso). I turnisti si scrivono a mano, fino a 40 caratteri per casella. Le due date "
            "si scelgono dal calendario come nella tabella giornaliera; per salvare sono necessari il nome, la "
            "data di inizio e la data di fine. Il pulsante alla destra del nome importa da uno schema degli "
            "orari il nome, la sede, le disposizioni, le annotazioni e le dodici fasce, lasciando date, "
            "turnisti e allegati come sono. \"Trova\" cerca per nome, sede, data di inizio, data di fine, "
            "disposizioni e annotazioni. Le tabelle settimanali non si esportano; si stampano su un foglio A4 "
            "orizzontale.",
        }),

        make("expturni", "Esportazione archivio turni di lavoro in Microsoft Excel.", {
            "Il pulsante \"Esporta\" di questa finestra esporta l'intero archivio annuale delle tabelle dei turni "
            "giornaliere in un file XLS, che si apre con Microsoft Excel o con qualunque altro programma di fogli "
            "di calcolo. La tabella mostra tutte le schede dell'anno, nell'ordine in cui sono state registrate, "
            "con gli orari e i turnisti delle prime dieci fasce orarie di ciascuna.",

            "Dopo l'apertura della tabella si fa clic sull'icona di Excel: il programma chiede conferma, crea "
            "il file Turni_Lavoro.xls nella cartella dei dati e propone di aprirlo subito.",

            "Per conservare il foglio lo si salva poi con un nome qualsiasi, perché ogni esportazione "
            "sostituisce il file Turni_Lavoro.xls della precedente. Se il file è già aperto nel programma di "
            "fogli di calcolo il sistema non permette di riscriverlo: chiuderlo e ripetere l'esportazione.",
        }),

        make("password", "Cambia password.", {
            "Questa finestra sostituisce la password di accesso al programma. Si apre con il pulsante "
            "\"Cambia password\" della finestra di accesso, prima di entrare nel programma; quando si "
            "chiude si torna alla finestra di accesso, dove si può entrare subito con la nuova "
            "password.",

            "Nel campo \"Vecchia password:\" si scrive la password in uso; nei campi \"Nuova password:\" "
            "e \"Conferma nuova password:\" si scrive due volte, allo stesso modo, la nuova password. "
            "Il pulsante OK si attiva quando tutti e tre i campi sono compilati, e il tasto Invio passa "
            "da un campo al successivo. Il pulsante \"Chiudi\" chiude la finestra senza cambiare nulla.",

            "Se la vecchia password è errata, oppure se la nuova password e la conferma non "
            "coincidono, il programma lo segnala e chiede di scriverle di nuovo. Nel confronto fra la "
            "nuova password e la conferma contano anche le maiuscole e le minuscole: le due vanno "
            "scritte in modo identico.",

            "Le lettere della password vengono registrate in maiuscolo: per questo, una volta "
            "cambiata, la password funziona digitata indifferentemente in maiuscolo o in minuscolo. "
            "Fanno eccezione le lettere accentate, che vanno digitate sempre come la prima volta. Gli "
            "spazi all'inizio e alla fine vengono ignorati, quelli in mezzo invece contano. Si "
            "consiglia una password di almeno otto caratteri, facile da ricordare per chi la usa e "
            "difficile da indovinare per gli altri.",

            "Chi dimentica la password può cancellare il file unins000.dll nella cartella dei dati e "
            "riaprire il programma installato, o reinstallare una copia portatile: il programma ripristina "
            "la password del primo accesso, indicata nella guida del menu principale, e lascia i dati al "
            "loro posto. Lo stesso avviene se il file della password risulta danneggiato.",
        }),
    };
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

}  // namespace

const QList<Topic>& all()
{
    static const QList<Topic> table = buildTable();
    return table;
}

const Topic& topic(const QString& id)
{
    for (const Topic& t : all()) {
        if (t.id == id)
            return t;
    }
    throw std::invalid_argument("unknown help topic: " + id.toStdString());
}

QString manualHtml()
{
    return manualHtml(all());
}

QString manualHtml(const QList<Topic>& topics)
{
    const QString product = QStringLiteral("Norvalis 2.0");
    const QString subtitle = QStringLiteral("Guida all'utilizzo del software");

    QString html;
    html += QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"it\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1 - %2</title>\n"
        "<style>\n"
        "body { font-family: 'Times New Roman', serif; font-size: 12pt; }\n"
        "h1, h2, p.prodotto, p.sottotitolo, p.descrizione, p.voce { font-family: Arial, sans-serif; }\n"
        "h1 { font-size: 18pt; font-weight: bold; color: #8b0a1a; margin-top: 0; margin-bottom: 18px; }\n"
        "h2 { font-size: 18pt; font-weight: bold; margin-top: 0; margin-bottom: 24px; }\n"
        "p { margin-top: 0; margin-bottom: 12px; text-align: justify; line-height: 125%; }\n"
        "p.prodotto { font-size: 40pt; font-weight: bold; text-align: center; "
        "margin-bottom: 16px; color: #8b0a1a; }\n"
        "p.sottotitolo { font-size: 20pt; text-align: center; margin-bottom: 40px; }\n"
        "p.descrizione { font-size: 13pt; text-align: center; }\n"
        "p.voce { font-size: 12pt; text-align: left; margin-bottom: 10px; }\n"
        "a { color: #000000; text-decoration: none; }\n"
        ".nuova { page-break-before: always; }\n"
        "</style>\n</head>\n<body>\n")
                .arg(escaped(product), escaped(subtitle));

    // Title page.
    html += QStringLiteral("<p class=\"prodotto\">%1</p>\n").arg(escaped(product));
    html += QStringLiteral("<p class=\"sottotitolo\">%1</p>\n").arg(escaped(subtitle));
    html += QStringLiteral("<p class=\"descrizione\">%1</p>\n")
                .arg(escaped(QStringLiteral("Il programma per la segreteria di circoli, associazioni ed enti")));

    // Table of contents: one line per topic, numbered, linking to its heading.
    html += QStringLiteral("<h2 class=\"nuova\">Indice</h2>\n");
    for (int i = 0; i < topics.size(); ++i) {
        html += QStringLiteral("<p class=\"voce\"><a href=\"#%1\">%2. %3</a></p>\n")
                    .arg(escaped(topics[i].id), QString::number(i + 1), escaped(topics[i].title));
    }

    // The topics, each on a page of its own.
    for (int i = 0; i < topics.size(); ++i) {
        const Topic& t = topics[i];
        html += QStringLiteral("<h1 class=\"nuova\"><a name=\"%1\"></a>%2. %3</h1>\n")
                    .arg(escaped(t.id), QString::number(i + 1), escaped(t.title));
        for (const QString& paragraph : t.body.split(ParagraphBreak))
            html += QStringLiteral("<p>%1</p>\n").arg(escaped(paragraph));
    }

    html += QStringLiteral("</body>\n</html>\n");
    return html;
}

}  // namespace HelpTexts
