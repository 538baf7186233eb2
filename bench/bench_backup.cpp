// Speed of a backup: a data folder with a Tesserati.pro of 10,000 members
// (or the number given) and a webcam photo for each (640 x 480 JPEG, about
// 50 KB), zipped as the program's daily backup does, then put back by a
// restore. Compared with copying the same files. Not part of the test run.

#include "app/backup.h"
#include "benchsupport.h"
#include "members/memberrecord.h"
#include "storage/appdir.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A photo-like picture: soft shapes with some sensor noise, as a webcam gives.
QByteArray webcamPhoto()
{
    QImage image(640, 480, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(12));
            image.setPixel(x, y, qRgb(120 + x / 8 + noise, 90 + y / 6 + noise, 80 + (x + y) / 12 + noise));
        }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(220, 180, 150));
    painter.drawEllipse(QPoint(320, 220), 120, 160);
    painter.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return jpeg;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Milliseconds to copy the data files to `target`, file by file, without zip.
double plainCopyMs(const QStringList& files, const QString& target)
{
    QDir().mkpath(target);
    QElapsedTimer timer;
    timer.start();
    for (const QString& name : files)
        QFile::copy(AppDir::filePath(name), target + QLatin1Char('/') + name);
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    AppDir::set(dir.path());

    if (!bench::writeMemberArchive(AppDir::filePath(QLatin1String(members::kFileName)), records,
                                   QStringLiteral("via dei Mille")))
        return 1;
    const QByteArray photo = webcamPhoto();
    for (int i = 1; i <= records; ++i)
        if (!writeFile(AppDir::filePath(QString::number(i) + QStringLiteral(".jpg")), photo))
            return 1;
    writeFile(AppDir::filePath(QStringLiteral("Tesserini.ini")), "[Dati Ente]\r\nNome=Circolo\r\n");
    writeFile(AppDir::filePath(QStringLiteral("Logo.jpg")), photo);

    const QStringList files = Backup::dataFiles();
    qint64 bytes = 0;
    for (const QString& name : files)
        bytes += QFileInfo(AppDir::filePath(name)).size();

    QElapsedTimer timer;
    timer.start();
    QString error;
    const QString zip = Backup::dailyPath(QDate(2025, 3, 7));
    if (!Backup::write(zip, &error)) {
        std::fprintf(stderr, "backup: %s\n", qPrintable(error));
        return 1;
    }
    const double backupMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    Backup::Restored restored;
    if (!Backup::restore(zip, &restored, &error)) {
        std::fprintf(stderr, "restore: %s\n", qPrintable(error));
        return 1;
    }
    const double restoreMs = timer.nsecsElapsed() / 1e6;

    const double copyMs = plainCopyMs(files, dir.path() + QStringLiteral("/copia"));

    std::printf("members:             %d, photos %d of %lld KB\n", records, records, qint64(photo.size()) / 1024);
    std::printf("data files:          %lld (%lld MB)\n", qint64(files.size()), bytes / 1000000);
    std::printf("zip:                 %lld MB\n", QFileInfo(zip).size() / 1000000);
    std::printf("backup:              %.0f ms\n", backupMs);
    std::printf("restore:             %.0f ms (its own backup of the state before included)\n", restoreMs);
    std::printf("plain copy:          %.0f ms (the same files copied one by one, no sync)\n", copyMs);
    return 0;
}
