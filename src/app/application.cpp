#include "app/application.h"

#include <QApplication>

int RunApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return 0;
}
