#include "members/memberphoto.h"
#include "members/ui/camera.h"
#include "members/ui/frmwebcam.h"
#include "members/ui/frmzoom.h"
#include "members/ui/photopanel.h"
#include "members/ui/photoview.h"
#include "storage/appdir.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"

#include <QDir>
#include <QCameraDevice>
#include <QMediaDevices>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

namespace {

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

bool isJpeg(const QString& path)
{
    return readAll(path).startsWith("\xFF\xD8\xFF");
}

// JPEG is lossy: a flat colour comes back within a few steps.
bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

// What the fake cameras of a test did, seen from the test's thread.
struct CameraLog {
    bool works = true;
    int frameLimit = -1;  // frames to deliver before going quiet; -1 = until stopped
    std::atomic<int> created{0};
    std::atomic<int> running{0};
    std::atomic<int> delivered{0};
    std::atomic<bool> finished{false};
    std::atomic<bool> offUiThread{true};
    // When set, the camera thread looks at this view as each emit returns:
    // with a synchronous hand-over the frame is drawn by then, and nothing
    // else can draw before the camera's next frame.
    std::atomic<PhotoView*> view{nullptr};
    std::atomic<int> drawnOnReturn{0};
};

QColor frameColour(int k)
{
    return QColor((40 * k) % 256, 120, 255 - (30 * k) % 256);
}

// A camera whose frames come from a thread of its own, like a real one.
class FakeCamera : public CameraSource {
public:
    explicit FakeCamera(CameraLog& log) : m_log(log) { ++m_log.created; }
    ~FakeCamera() override { stop(); }

    bool start() override
    {
        if (!m_log.works)
            return false;
        ++m_log.running;
        m_quit = false;
        const std::thread::id ui = std::this_thread::get_id();
        m_thread = std::thread([this, ui] {
            for (int k = 1; !m_quit && (m_log.frameLimit < 0 || k <= m_log.frameLimit); ++k) {
                if (std::this_thread::get_id() == ui)
                    m_log.offUiThread = false;
                emit frameReady(filled(QSize(640, 480), frameColour(k)));
                ++m_log.delivered;
                if (PhotoView* view = m_log.view; view && view->image().pixelColor(0, 0) == frameColour(k))
                    ++m_log.drawnOnReturn;
                if (m_log.frameLimit < 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            m_log.finished = true;
        });
        return true;
    }
    void stop() override
    {
        m_quit = true;
        if (m_thread.joinable()) {
            m_thread.join();
            --m_log.running;
        }
    }

private:
    CameraLog& m_log;
    std::atomic<bool> m_quit{false};
    std::thread m_thread;
};

}  // namespace

class TestPhoto : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UiDoubles> m_ui;
    std::unique_ptr<CameraLog> m_camera;
    std::unique_ptr<QWidget> m_screen;  // stands for the member screen
    PhotoPanel* m_panel = nullptr;

    QString file(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
        m_ui = std::make_unique<UiDoubles>();
        m_camera = std::make_unique<CameraLog>();
        Camera::setFactory([log = m_camera.get()] { return std::make_unique<FakeCamera>(*log); });
        m_screen = std::make_unique<QWidget>();
        m_screen->setObjectName(QStringLiteral("frmAnagrafica"));
        m_panel = new PhotoPanel(m_screen.get());
        m_panel->move(20, 20);
        m_screen->resize(220, 300);
    }
    void cleanup()
    {
        m_screen.reset();
        Camera::setFactory(nullptr);
        m_camera.reset();
        m_ui.reset();
    }

    void photoFileFollowsThePosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::newRow("first record") << 1 << "1.jpg";
        QTest::newRow("twelfth record") << 12 << "12.jpg";
        QTest::newRow("no leading zeros") << 1000 << "1000.jpg";
    }
    void photoFileFollowsThePosition()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QCOMPARE(members::photoPath(position), AppDir::path() + name);
    }

    void typedNameGetsTheJpegExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "/tmp/tessera" << "/tmp/tessera.jpg";
        QTest::newRow("dot in the folder only") << "/tmp/soci.2024/tessera" << "/tmp/soci.2024/tessera.jpg";
        QTest::newRow("trailing dot") << "/tmp/tessera." << "/tmp/tessera.jpg";
        QTest::newRow("jpg kept") << "/tmp/Foto.jpg" << "/tmp/Foto.jpg";
        QTest::newRow("other extension kept") << "/tmp/Foto.jpeg" << "/tmp/Foto.jpeg";
    }
    void typedNameGetsTheJpegExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QCOMPARE(members::withJpegExtension(typed), saved);
    }

    void showingARecordLoadsItsPhotoOrTheBlank_data()
    {
        QTest::addColumn<QByteArray>("format");  // empty: no file; "junk": not a picture
        QTest::addColumn<bool>("blank");
        QTest::newRow("jpeg photo") << QByteArray("JPG") << false;
        QTest::newRow("bitmap under the .jpg name") << QByteArray("BMP") << false;
        QTest::newRow("missing file") << QByteArray() << true;
        QTest::newRow("not a picture") << QByteArray("junk") << true;
    }
    void showingARecordLoadsItsPhotoOrTheBlank()
    {
        QFETCH(QByteArray, format);
        QFETCH(bool, blank);
        const QImage stored = filled(QSize(600, 800), QColor(200, 40, 40));
        if (format == "junk")
            writeBytes(members::photoPath(7), "questa non è una foto");
        else if (!format.isEmpty())
            QVERIFY(stored.save(members::photoPath(7), format.constData()));
        m_panel->setPhoto(filled(QSize(50, 50), Qt::green));  // the previous record's photo

        m_panel->showRecordPhoto(7);

        QCOMPARE(m_panel->isBlank(), blank);
        if (blank) {
            QCOMPARE(m_panel->photo(), PhotoPanel::blankPicture());
        } else {
            QCOMPARE(m_panel->photo().size(), stored.size());  // full resolution, not the frame's
            QVERIFY(near(m_panel->photo().pixelColor(300, 400), QColor(200, 40, 40)));
        }
        QCOMPARE(m_panel->imgFoto->size(), PhotoPanel::FrameSize);
        QVERIFY(m_ui->messages->shown.isEmpty());
    }

    void framePicturesKeepTheirProportions()
    {
        m_panel->setPhoto(filled(QSize(1000, 500), Qt::red));  // wide: fits the frame's width
        QCOMPARE(m_panel->imgFoto->pixmap().size(), QSize(155, 77));
        m_panel->setPhoto(filled(QSize(300, 900), Qt::red));  // tall: fits the frame's height
        QCOMPARE(m_panel->imgFoto->pixmap().size(), QSize(57, 172));
    }

    void savingARecordWritesThePhotoFile_data()
    {
        QTest::addColumn<bool>("withPhoto");
        QTest::newRow("loaded bitmap written as JPEG") << true;
        QTest::newRow("no photo: the blank replaces a stale file") << false;
    }
    void savingARecordWritesThePhotoFile()
    {
        QFETCH(bool, withPhoto);
        QVERIFY(filled(QSize(90, 90), Qt::yellow).save(members::photoPath(3), "JPG"));  // stale
        const QString bitmap = file(QStringLiteral("tessera.bmp"));
        QVERIFY(filled(QSize(640, 480), QColor(30, 60, 200)).save(bitmap, "BMP"));
        if (withPhoto) {
            m_ui->files->names << bitmap;
            m_panel->btnSfoglia->click();
        } else {
            m_panel->btnCancFoto->click();
        }

        m_panel->writeRecordPhoto(3);

        QVERIFY(isJpeg(members::photoPath(3)));
        const QImage written(members::photoPath(3));
        if (withPhoto) {
            QCOMPARE(written.size(), QSize(640, 480));
            QVERIFY(near(written.pixelColor(320, 240), QColor(30, 60, 200)));
        } else {
            QCOMPARE(written.size(), PhotoPanel::blankPicture().size());
            QVERIFY(near(written.pixelColor(2, 2), PhotoPanel::blankPicture().pixelColor(2, 2)));
        }
        QCOMPARE(m_panel->isBlank(), !withPhoto);
    }

    void aFailedRecordPhotoWriteBlanksThePhoto()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("4.jpg")));  // nothing can be written there
        m_panel->setPhoto(filled(QSize(64, 64), Qt::red));
        m_panel->writeRecordPhoto(4);
        QVERIFY(m_panel->isBlank());
        QCOMPARE(m_panel->photo(), PhotoPanel::blankPicture());
        QVERIFY(m_ui->messages->shown.isEmpty());
    }

    void loadingAPhoto()
    {
        const QImage shown = filled(QSize(40, 40), Qt::green);
        m_panel->setPhoto(shown);
        m_panel->btnSfoglia->click();  // cancelled
        QCOMPARE(m_ui->files->requests.size(), 1);
        const auto& request = m_ui->files->requests.first();
        QVERIFY(!request.save);
        QCOMPARE(request.title, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
        QCOMPARE(request.filter, QStringLiteral("Immagine JPEG (*.jpg; *.jpeg);;Immagine Bitmap (*.bmp)"));
        QCOMPARE(m_panel->photo(), shown);

        const QString junk = file(QStringLiteral("documento.jpg"));
        writeBytes(junk, "non sono una foto");
        m_ui->files->names << junk;
        m_panel->btnSfoglia->click();
        QVERIFY(m_panel->isBlank());
        QVERIFY(m_ui->messages->shown.isEmpty());
    }

    void savingACopy_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("new file, extension added") << "copia" << false << MessageAnswer::Yes << true;
        QTest::newRow("existing file, keep it") << "copia.jpg" << true << MessageAnswer::No << false;
        QTest::newRow("existing file, replace it") << "copia.jpg" << true << MessageAnswer::Yes << true;
    }
    void savingACopy()
    {
        QFETCH(QString, typed);
        QFETCH(bool, exists);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, replaced);
        const QString target = file(QStringLiteral("copia.jpg"));
        const QByteArray older("la foto di prima");
        if (exists)
            writeBytes(target, older);
        m_ui->files->names << file(typed);
        m_ui->messages->answers << answer;
        m_panel->setPhoto(filled(QSize(320, 240), QColor(10, 150, 90)));

        m_panel->btnSalvaFoto->click();

        const auto& request = m_ui->files->requests.first();
        QVERIFY(request.save);
        QCOMPARE(request.title, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(request.filter, QStringLiteral("File Jpeg (*.jpg)"));
        QCOMPARE(request.proposedName, QStringLiteral("Foto.jpg"));
        QCOMPARE(request.defaultExtension, QStringLiteral("jpg"));
        QCOMPARE(m_ui->messages->texts(),
                 exists ? QStringList{members::OverwritePhotoQuestion} : QStringList{});
        if (exists)
            QCOMPARE(m_ui->messages->shown.first().buttons, MessageButtons::YesNo);
        if (replaced) {
            QVERIFY(isJpeg(target));
            QCOMPARE(QImage(target).size(), QSize(320, 240));
        } else {
            QCOMPARE(readAll(target), older);
        }
        QVERIFY(!m_panel->isBlank());
    }

    void aFailedCopyBlanksThePhoto()
    {
        m_ui->files->names << file(QStringLiteral("manca/copia.jpg"));  // a folder that does not exist
        m_panel->setPhoto(filled(QSize(32, 32), Qt::red));
        m_panel->btnSalvaFoto->click();
        QVERIFY(m_panel->isBlank());
        QVERIFY(m_ui->messages->shown.isEmpty());
    }

    void zoomShowsACopyOfThePhoto()
    {
        const QImage photo = filled(QSize(300, 400), Qt::blue);
        m_panel->setPhoto(photo);
        QImage zoomed;
        QString caption;
        QSize panel;
        m_ui->onModal = [&](QDialog& dialog) {
            auto* zoom = qobject_cast<TfrmZoom*>(&dialog);
            if (zoom) {
                zoomed = zoom->imgFoto->image();
                caption = zoom->windowTitle();
                panel = zoom->panFoto->size();
                shot(zoom, QStringLiteral("zoom"));
            }
            return int(QDialog::Accepted);
        };
        m_panel->btnZoom->click();
        QCOMPARE(m_ui->modals, QStringList{"TfrmZoom"});
        QCOMPARE(zoomed, photo);
        QCOMPARE(caption, QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        QCOMPARE(panel, m_screen->screen()->geometry().size() - QSize(60, 90));
    }

    void aClickClosesTheZoom_data()
    {
        QTest::addColumn<bool>("onPhoto");
        QTest::newRow("on the photo") << true;
        QTest::newRow("on the panel around it") << false;
    }
    void aClickClosesTheZoom()
    {
        QFETCH(bool, onPhoto);
        TfrmZoom zoom(filled(QSize(100, 400), Qt::blue));  // narrow: the panel shows on both sides
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        if (onPhoto)
            QTest::mouseClick(zoom.imgFoto, Qt::LeftButton);
        else
            QTest::mouseClick(zoom.panFoto, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!zoom.isVisible());
        QCOMPARE(zoom.result(), int(QDialog::Accepted));
    }

    void webcamFramesAreDrawnWhileTheCameraWaits()
    {
        m_camera->frameLimit = 5;
        TfrmWebCam webcam(m_panel, m_screen.get());
        m_camera->view = webcam.imgCamera;
        webcam.show();
        QCOMPARE(webcam.windowTitle(), QStringLiteral(" Cattura foto con webcam"));
        webcam.btnAccendi->click();
        QTRY_VERIFY(m_camera->finished);
        QCOMPARE(m_camera->delivered.load(), 5);
        QCOMPARE(m_camera->drawnOnReturn.load(), 5);
        QVERIFY(m_camera->offUiThread);
        QCOMPARE(webcam.imgCamera->image().pixelColor(0, 0), frameColour(5));
        QCOMPARE(webcam.imgCamera->image().size(), QSize(640, 480));
    }

    void captureAndImportIntoThePanel()
    {
        const QImage before = filled(QSize(20, 20), Qt::green);
        m_panel->setPhoto(before);
        m_ui->onModal = [&](QDialog& dialog) {
            auto* webcam = qobject_cast<TfrmWebCam*>(&dialog);
            if (!webcam)
                return int(QDialog::Rejected);
            webcam->show();
            webcam->btnAccendi->click();
            if (!QTest::qWaitFor([&] { return !webcam->imgCamera->image().isNull(); }))
                return int(QDialog::Rejected);
            webcam->btnCattura->click();
            const QImage captured = webcam->imgTarget->image();
            shot(webcam, QStringLiteral("webcam"));
            // Later frames change the live picture, not the captured one.
            const int seen = m_camera->delivered;
            if (!QTest::qWaitFor([&] { return m_camera->delivered > seen + 3; })
                || webcam->imgTarget->image() != captured)
                return int(QDialog::Rejected);
            webcam->btnImportaFoto->click();
            return webcam->result();
        };
        m_panel->btnWebcam->click();
        QCOMPARE(m_ui->modals, QStringList{"TfrmWebCam"});
        QVERIFY(!m_panel->isBlank());
        QVERIFY(m_panel->photo() != before);
        QCOMPARE(m_panel->photo().size(), QSize(640, 480));
        QCOMPARE(m_camera->running.load(), 0);
    }

    void everyWayOfClosingStopsTheCamera_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("photoChanges");
        QTest::newRow("Annulla") << "btnClose" << false;
        QTest::newRow("Importa foto in scheda") << "btnImportaFoto" << true;
        QTest::newRow("Spegni webcam") << "btnSpegni" << false;
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("window discarded") << "destroy" << false;
    }
    void everyWayOfClosingStopsTheCamera()
    {
        QFETCH(QString, how);
        QFETCH(bool, photoChanges);
        const QImage before = filled(QSize(20, 20), Qt::green);
        m_panel->setPhoto(before);
        auto webcam = std::make_unique<TfrmWebCam>(m_panel, m_screen.get());
        webcam->show();
        QVERIFY(QTest::qWaitForWindowExposed(webcam.get()));
        webcam->btnAccendi->click();
        QTRY_VERIFY(m_camera->delivered > 2);
        webcam->btnCattura->click();
        // Frames keep coming, so the camera thread is often waiting on a
        // hand-over when the window stops it.
        if (how == QLatin1String("escape"))
            QTest::keyClick(webcam.get(), Qt::Key_Escape);
        else if (how == QLatin1String("destroy"))
            webcam.reset();
        else
            webcam->findChild<QPushButton*>(how)->click();
        QCOMPARE(m_camera->running.load(), 0);
        if (webcam && how != QLatin1String("btnSpegni"))
            QVERIFY(!webcam->isVisible());
        QCOMPARE(m_panel->photo() != before, photoChanges);
        QCOMPARE(m_panel->photo().size(), photoChanges ? QSize(640, 480) : before.size());
    }

    void noCameraWarnsAndChangesNothing_data()
    {
        QTest::addColumn<bool>("platform");
        QTest::newRow("camera that will not start") << false;
        QTest::newRow("the platform's camera, none plugged in") << true;
    }
    void noCameraWarnsAndChangesNothing()
    {
        QFETCH(bool, platform);
        if (platform) {
            if (!QMediaDevices::videoInputs().isEmpty())
                QSKIP("this computer has a webcam");
            Camera::setFactory(nullptr);
        }
        m_camera->works = false;
        TfrmWebCam webcam(m_panel, m_screen.get());
        webcam.show();
        webcam.btnAccendi->click();
        QCOMPARE(m_ui->messages->texts(), QStringList{members::NoCameraWarning});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);
        QVERIFY(members::NoCameraWarning.startsWith(
            QStringLiteral("Attenzione: non è stata trovata nessuna webcam collegata al computer.")));
        QVERIFY(!webcam.cameraOn());
        QVERIFY(webcam.imgCamera->image().isNull());
        QVERIFY(webcam.isVisible());
        QCOMPARE(m_camera->running.load(), 0);
    }

    void savingTheCapturedPictureAsksLikeThePanel()
    {
        m_camera->frameLimit = 1;
        TfrmWebCam webcam(m_panel, m_screen.get());
        webcam.show();
        webcam.btnAccendi->click();
        QTRY_VERIFY(m_camera->finished);
        webcam.btnCattura->click();
        const QString target = file(QStringLiteral("Foto.jpg"));
        writeBytes(target, "vecchia");
        m_ui->files->names << target;
        m_ui->messages->answers << MessageAnswer::Yes;

        webcam.btnSalvaFotogramma->click();
        QCOMPARE(m_ui->messages->texts(), QStringList{members::OverwritePhotoQuestion});
        QCOMPARE(QImage(target).size(), QSize(640, 480));
        m_panel->btnSalvaFoto->click();  // nothing left to answer: cancelled
        const auto& camera = m_ui->files->requests.at(0);
        const auto& panel = m_ui->files->requests.at(1);
        QCOMPARE(std::tie(camera.title, camera.filter, camera.proposedName, camera.defaultExtension, camera.save),
                 std::tie(panel.title, panel.filter, panel.proposedName, panel.defaultExtension, panel.save));

        // A copy that cannot be written blanks the captured picture.
        m_ui->files->names << file(QStringLiteral("manca/Foto.jpg"));
        webcam.btnSalvaFotogramma->click();
        QCOMPARE(webcam.imgTarget->image(), PhotoPanel::blankPicture());
    }

    void renderPanel()
    {
        if (qEnvironmentVariableIsEmpty("NORVALIS_SHOTS"))
            QSKIP("pictures only when NORVALIS_SHOTS names a folder");
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
        shot(m_screen.get(), QStringLiteral("panel_blank"));
        QImage face(600, 800, QImage::Format_RGB32);
        face.fill(QColor(170, 200, 230));
        QPainter p(&face);
        p.setBrush(QColor(230, 190, 160));
        p.drawEllipse(QRect(180, 150, 240, 300));
        p.end();
        m_panel->setPhoto(face);
        shot(m_screen.get(), QStringLiteral("panel_photo"));
        TfrmZoom zoom(face);
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        shot(&zoom, QStringLiteral("zoom_photo"));
        TfrmWebCam webcam(m_panel, m_screen.get());
        webcam.show();
        QVERIFY(QTest::qWaitForWindowExposed(&webcam));
        shot(&webcam, QStringLiteral("webcam_off"));
        webcam.imgCamera->setImage(face.scaled(640, 480, Qt::IgnoreAspectRatio));
        webcam.btnCattura->click();
        shot(&webcam, QStringLiteral("webcam_frame"));
    }
};

QTEST_MAIN(TestPhoto)
#include "tst_photo.moc"
