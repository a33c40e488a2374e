// The client program: the lobby application over the libraries.
#include "lobby/ClientApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    return CClientApp().InitInstance();
}
