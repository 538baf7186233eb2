#include "app/ui/startup.h"

#include "storage/appdir.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int runDesktop(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvalis"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));

    if (!AppDir::initialise(QApplication::arguments().mid(1), QApplication::applicationDirPath())) {
        std::fprintf(stderr, "norvalis: impossibile creare la cartella dei dati %s\n",
                     qPrintable(AppDir::path()));
        return 1;
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral(" Norvalis 2.0 - Accesso"));
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("Norvalis 2.0\nCartella dei dati: %1").arg(AppDir::path()));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    window.resize(420, 160);
    window.show();
    return app.exec();
}
