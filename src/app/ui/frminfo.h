#pragma once
// The about window and the credits window of the main menu.

#include "app/shellrules.h"

#include <QDialog>

class LinkLabel;
class QPushButton;
class QToolButton;

// The maker's addresses.
namespace Maker {
inline const QString WebSite = QStringLiteral("https://www.norvalis.it");
inline const QString Email = QStringLiteral("info@norvalis.it");
// The e-mail of the about window: a request for information about the program.
ShellOpen::Target mailLink();
}  // namespace Maker

class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* parent = nullptr);

    LinkLabel* lnkWeb;
    QToolButton* imgEmail;
    QPushButton* btnVerifica;  // the check of the archives
    QPushButton* btnChiudi;
};

class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    LinkLabel* lnkWeb;
    QPushButton* btnChiudi;
};
