#pragma once
// The application: checks what the program needs, then runs the main dialog; the
// program ends with it.
class CClientApp {
public:
    // The program's exit code.
    int InitInstance();
};
