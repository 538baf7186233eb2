#include "cli/commands.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return cli::run(app.arguments().mid(1), stdout, stderr);
}
