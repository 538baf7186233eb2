#pragma once
// Takes the member's photo with the webcam: live picture on the left, the
// captured one on the right, handed to the photo panel it was opened for.

#include "members/ui/camera.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class PhotoPanel;
class PhotoView;
class QPushButton;

class TfrmWebCam : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize ViewSize{366, 274};

    TfrmWebCam(PhotoPanel* target, QWidget* parent = nullptr);
    ~TfrmWebCam() override;

    PhotoView* imgCamera;
    PhotoView* imgTarget;
    QPushButton* btnAccendi;
    QPushButton* btnSpegni;
    QPushButton* btnCattura;
    QPushButton* btnSalvaFotogramma;
    QPushButton* btnImportaFoto;
    QPushButton* btnClose;

    bool cameraOn() const { return m_camera != nullptr; }

public slots:
    void btnAccendiClick();
    void btnSpegniClick();
    void btnCatturaClick();
    void btnSalvaFotogrammaClick();
    void btnImportaFotoClick();
    void btnCloseClick();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void stopCamera();

    QPointer<PhotoPanel> m_target;
    FrameRelay m_relay;
    std::unique_ptr<CameraSource> m_camera;  // while on
};
