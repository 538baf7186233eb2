#include "storage/archiveerror.h"

namespace {

QString describe(ArchiveError::Operation operation, const QString& path, const QString& detail)
{
    QString verb;
    switch (operation) {
    case ArchiveError::Operation::Open: verb = QStringLiteral("impossibile aprire"); break;
    case ArchiveError::Operation::Create: verb = QStringLiteral("impossibile creare"); break;
    case ArchiveError::Operation::Read: verb = QStringLiteral("errore di lettura in"); break;
    case ArchiveError::Operation::Write: verb = QStringLiteral("errore di scrittura in"); break;
    case ArchiveError::Operation::Seek: verb = QStringLiteral("posizione non valida in"); break;
    case ArchiveError::Operation::Close: verb = QStringLiteral("errore di chiusura di"); break;
    }
    return verb + QLatin1Char(' ') + path + QStringLiteral(": ") + detail;
}

}  // namespace

ArchiveError::ArchiveError(Operation operation, QString path, QString detail)
    : std::runtime_error(describe(operation, path, detail).toStdString()),
      m_operation(operation), m_path(std::move(path)), m_detail(std::move(detail))
{
}

QString ArchiveError::userMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}
