#pragma once
// The main menu: six work areas in two rows, help, about, credits and exit.

#include <QWidget>

#include <functional>

class QPushButton;
class QToolButton;

class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);

    // Shows a work screen (or the year chooser) and hides the menu.
    void openArea(QWidget* screen);

public slots:
    void imgGuidaClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void imgEsciClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Area {
        const char* picture;    // imgAnagrafica
        const char* bar;        // btnAnagrafica
        const char* text;       // ARCHIVIO SOCI
        const char* icon;       // area_anagrafica
        std::function<QWidget*()> screen;  // the window the area opens
    };
    QWidget* makeArea(const Area& area);
};
