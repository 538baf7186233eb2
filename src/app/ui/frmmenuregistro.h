#pragma once
// The year chooser of the shift calendar: the year of the daily or the
// weekly shift archive to open.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmMenuRegistro : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMenuRegistro(QWidget* parent = nullptr);

    QLineEdit* txtAnnoFatture;
    QPushButton* btnApriFatture;
    QLineEdit* txtAnnoSet;
    QPushButton* btnApriAnnoSet;
    QToolButton* imgGuida;
    QToolButton* imgEsci;
    QLabel* lblMemory;  // the exit route: "avvio", "registro" or "settimanale"

    // What the last "Apri" chose, for the shift screen it opens.
    QString chosenArchive() const { return m_archive; }
    QString chosenCaption() const { return m_caption; }

public slots:
    void btnApriFattureClick();
    void btnApriAnnoSetClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(QLineEdit* year, const char* extension, const char* route);

    QString m_archive;
    QString m_caption;
};
