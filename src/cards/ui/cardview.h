#pragma once
// The mock-up of a member card on screen, drawn from the same layout as the
// printed card: the organization's texts on the navy header and footer, the
// logo, the photo and the five member texts. Its controls carry the names
// of the screen ("titAssociazione", "txtTesserato", "imgFoto"...) followed
// by the slot's suffix ("_A") when the screen shows several cards.

#include "cards/cardlayout.h"

#include <QWidget>

class PhotoView;
class QLabel;

class CardView : public QWidget {
    Q_OBJECT
public:
    CardView(const QString& suffix, double pixelsPerMm, QWidget* parent = nullptr);

    const QString& suffix() const { return m_suffix; }
    // "titAssociazione", "txtTesserato"... without the suffix.
    QLabel* text(const QString& name) const;
    PhotoView* imgFoto;
    PhotoView* imgLogo;

    Cards::CardFace face() const;
    void setFace(const Cards::CardFace& face);
    Cards::Organization organization() const;
    void setOrganization(const Cards::Organization& organization);
    void setLogo(const QImage& logo);
    void setPhoto(const QImage& photo);
    // The member texts of `face`, leaving the organization and the pictures.
    void setMemberTexts(const Cards::CardFace& face);

    // The organization's texts and the logo react to clicks.
    void setEditable(bool editable);

signals:
    void organizationClicked();
    void logoClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect place(const QRectF& boxUnits) const;

    QString m_suffix;
    double m_scale;  // pixels per millimetre
    std::vector<Report::Object> m_shapes;
    QList<QLabel*> m_organizationTexts;
    bool m_editable = false;
};
