#pragma once
// The page of the first tab: a light HTML view in place of a static placeholder.
// Links whose address begins with "app:" (in any case) are for the application: their
// navigation is cancelled and the rest of the address goes to OnAppCmd. Every other
// link navigates as usual.
#include <QTextBrowser>

class CHtmlCtrl : public QTextBrowser {
    Q_OBJECT
public:
    CHtmlCtrl();

    // Takes the place of the parent's control `controlId`: its rectangle and its id,
    // as a visible child. False when the parent has no such control.
    bool CreateFromStatic(int controlId, QWidget* parent);

    // True when the navigation to `address` is cancelled.
    bool OnBeforeNavigate2(const QString& address);

protected:
    // The hook for "app:" links; it does nothing.
    virtual void OnAppCmd(const QString& address);
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
};
