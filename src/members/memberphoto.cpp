#include "members/memberphoto.h"

#include "storage/appdir.h"
#include "storage/safefile.h"

#include <QFileInfo>
#include <QImageReader>

namespace members {

namespace {
constexpr int JpegQuality = 90;
}

QString photoPath(int position)
{
    return AppDir::filePath(QString::number(position) + QStringLiteral(".jpg"));
}

QImage readPicture(const QString& path)
{
    // By content: a bitmap saved under a .jpg name by another program still shows.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    return reader.read();
}

QImage loadPhoto(int position)
{
    return readPicture(photoPath(position));
}

bool writePhoto(int position, const QImage& photo)
{
    return saveJpeg(photoPath(position), photo);
}

bool saveJpeg(const QString& path, const QImage& photo)
{
    if (photo.isNull())
        return false;
    return SafeFile::replace(path, [&photo](QIODevice& device) { return photo.save(&device, "JPG", JpegQuality); });
}

QString withJpegExtension(const QString& name)
{
    return AppDir::withSuffix(name, QStringLiteral("jpg"));
}

}  // namespace members
