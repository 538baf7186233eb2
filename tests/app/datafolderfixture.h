#pragma once
// A data folder holding one file of every kind the program keeps there, and
// files it does not keep (exports, an earlier backup, a note of the user's),
// with a look at every file in it to tell whether anything changed.

#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QStringList>

struct FileState {
    QByteArray content;
    QDateTime modified;
    bool operator==(const FileState&) const = default;
};
using FolderState = QMap<QString, FileState>;

// Every file and folder below `folder`, by relative path ("Backup/" for a folder).
inline FolderState folderState(const QString& folder)
{
    FolderState state;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = root.relativeFilePath(info.filePath()) + (info.isDir() ? QStringLiteral("/") : QString());
        state.insert(name, {info.isDir() ? QByteArray() : fileContent(info.filePath()), info.lastModified()});
    }
    return state;
}

// The contents of the files of `state` whose paths are in `names`.
inline QMap<QString, QByteArray> contents(const FolderState& state, const QStringList& names)
{
    QMap<QString, QByteArray> out;
    for (const QString& name : names)
        out.insert(name, state.value(name).content);
    return out;
}

// Writes `data` into `folder`/`relative`, making its folders.
inline bool putFile(const QString& folder, const QString& relative, const QByteArray& data)
{
    const QString path = folder + QLatin1Char('/') + relative;
    return QDir().mkpath(QFileInfo(path).absolutePath()) && setFileContent(path, data);
}

// The files a backup holds, as the fixture writes them.
inline const QStringList& fixtureDataFiles()
{
    static const QStringList names = {
        QStringLiteral("12.jpg"),
        QStringLiteral("2025.ore"),
        QStringLiteral("2025.sca"),
        QStringLiteral("2025.set"),
        QStringLiteral("3.jpg"),
        QStringLiteral("Documenti_Allegati/Carta d'identit\u00E0.pdf"),
        QStringLiteral("Documenti_Allegati/moduli/iscrizione.txt"),
        QStringLiteral("Logo.jpg"),
        QStringLiteral("Orari.pro"),
        QStringLiteral("Tesserati.pro"),
        QStringLiteral("Tesserini.ini"),
        QStringLiteral("unins000.dll"),
    };
    return names;
}

// The files of the fixture a backup leaves out.
inline const QStringList& fixtureOtherFiles()
{
    static const QStringList names = {
        QStringLiteral("Backup/Norvalis_2024-01-31.zip"),
        QStringLiteral("Scadenze_Mensili.xls"),
        QStringLiteral("Tesserati.xls"),
        QStringLiteral("appunti.txt"),
        QStringLiteral("foto_gita.jpg"),
    };
    return names;
}

// Fills `folder` with the fixture's files, each with content of its own (the
// archives a few kilobytes of record-like bytes, the pictures bytes that do
// not compress). False when a file could not be written.
inline bool fillDataFolder(const QString& folder)
{
    int n = 0;
    for (const QString& name : fixtureDataFiles() + fixtureOtherFiles()) {
        QByteArray data;
        if (name.endsWith(QLatin1String(".jpg"))) {
            for (int i = 0; i < 5000; ++i)
                data.append(char((i * 7919 + n * 104729) >> 3));
        } else {
            data = QByteArray(3000, '\0');
            data.replace(0, name.toUtf8().size(), name.toUtf8());
            data.append(QByteArray::number(n));
        }
        if (!putFile(folder, name, data))
            return false;
        ++n;
    }
    return true;
}
