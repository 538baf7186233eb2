#pragma once
// A picture frame that shows an image scaled to fit, proportions kept, while
// the image itself keeps its full resolution.

#include <QImage>
#include <QLabel>

class PhotoView : public QLabel {
    Q_OBJECT
public:
    explicit PhotoView(const QString& objectName, QWidget* parent = nullptr);

    void setImage(const QImage& image);
    QImage image() const { return m_image; }
    // What the frame says while it has no image.
    void setPlaceholder(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();

    QImage m_image;
    QString m_placeholder;
};
