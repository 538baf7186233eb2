#pragma once
// The help window: a topic's title and text, and the link to the PDF manual.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class LinkLabel;
class QToolButton;

class TfrmGuida : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* parent = nullptr);

    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    LinkLabel* lnkWeb;
    QToolButton* imgPDF;
    QPushButton* btnChiudi;

public slots:
    void lnkWebClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// Opens a new help window owned by `owner` on the title and text, modally,
// and discards it when it closes.
void showHelp(QWidget* owner, const QString& title, const QString& text);
// The same for one of the program's help topics ("avvio", "menuregistro", ...).
void showHelp(QWidget* owner, const QString& topicId);
