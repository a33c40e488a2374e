#pragma once
// The application: checks what the program needs, then runs the main dialog; the
// program ends with it.
#include <QString>
#include <QStringList>

class CClientApp {
public:
    // The program's exit code.
    int InitInstance();

    // Why the program cannot start, or empty: the resources that are missing first,
    // then a sockets layer that did not come up (string 103).
    static QString StartRefusal(const QStringList& missingResources, bool socketsUp);
};
