#pragma once
// The member's photo on the member screen: the frame imgFoto and the buttons
// that load, capture, save, enlarge and blank it. The screen asks it to show
// and write the photo of a record by position.

#include <QImage>
#include <QWidget>

class PhotoView;
class QPushButton;
class QToolButton;

class PhotoPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize FrameSize{157, 174};

    explicit PhotoPanel(QWidget* parent = nullptr);

    PhotoView* imgFoto;
    QPushButton* btnSfoglia;
    QToolButton* btnWebcam;
    QToolButton* btnSalvaFoto;
    QToolButton* btnZoom;
    QToolButton* btnCancFoto;

    // The photo file of the record at `position`, or the blank picture when
    // it is missing or unreadable.
    void showRecordPhoto(int position);
    // Writes the photo shown (the blank picture when there is none) as the
    // record's photo file; when that fails the photo shown becomes blank.
    void writeRecordPhoto(int position);

    void clearPhoto();
    // A null image shows the blank picture.
    void setPhoto(const QImage& photo);
    // The picture shown, at its own resolution (the blank picture when blank).
    QImage photo() const;
    bool isBlank() const { return m_blank; }

    // The neutral placeholder of a member without photo.
    static QImage blankPicture();
    // Saves a copy of `picture` where the user chooses, asking before an
    // existing file is replaced. False only when the copy could not be written.
    static bool saveCopy(QWidget* parent, const QImage& picture);

public slots:
    void btnSfogliaClick();
    void btnWebcamClick();
    void btnSalvaFotoClick();
    void btnZoomClick();
    void btnCancFotoClick();

private:
    bool m_blank = true;
};
