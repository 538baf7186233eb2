#pragma once
// The member's photo as large as the screen allows; a click closes it.

#include <QDialog>
#include <QImage>

class PhotoView;
class QFrame;

class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZoom(const QImage& photo, QWidget* parent = nullptr);

    QFrame* panFoto;
    PhotoView* imgFoto;

    // The screen less 60 pixels in width and 90 in height.
    static QSize panelSizeFor(QSize screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
