#pragma once
// The member's photo: a JPEG picture beside the archive named after the
// record's position, and the copies the user saves elsewhere.

#include <QImage>
#include <QString>

namespace members {

// The photo file of the record at `position` (1-based): application
// directory + "12.jpg" for the twelfth record.
QString photoPath(int position);

// A picture file (JPEG, bitmap...), recognised by its content and turned
// upright as the camera recorded it; a null image when it cannot be read.
QImage readPicture(const QString& path);
// The photo of a record; a null image when the file is missing or unreadable.
QImage loadPhoto(int position);
// Writes `photo` as the record's photo file in JPEG, replacing an earlier one.
// An existing file is only replaced by a complete new one.
bool writePhoto(int position, const QImage& photo);

// Writes `photo` in JPEG under `path`; false when nothing was written
// (a null picture, a folder that does not exist, a disk that refuses it).
bool saveJpeg(const QString& path, const QImage& photo);
// A name typed without an extension gets ".jpg".
QString withJpegExtension(const QString& name);

// The dialogs of the photo tools.
inline const QString OpenPhotoTitle = QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
inline const QString OpenPhotoFilter =
    QStringLiteral("Immagine JPEG (*.jpg; *.jpeg);;Immagine Bitmap (*.bmp)");
inline const QString SavePhotoTitle = QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
inline const QString SavePhotoFilter = QStringLiteral("File Jpeg (*.jpg)");
inline const QString SavePhotoName = QStringLiteral("Foto.jpg");
inline const QString SavePhotoExtension = QStringLiteral("jpg");
inline const QString OverwritePhotoQuestion =
    QStringLiteral("Attenzione: nella cartella indicata è presente un file con lo stesso nome.")
    + QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole sovrascrivere il file esistente?");
// "Accendi webcam" on a computer without a camera, or one that will not start.
inline const QString NoCameraWarning =
    QStringLiteral("Attenzione: non è stata trovata nessuna webcam collegata al computer.")
    + QStringLiteral("\r\n\r\n")
    + QStringLiteral("Collegare la webcam, attendere che il sistema la riconosca e premere di nuovo "
                     "\"Accendi webcam\".");

}  // namespace members
