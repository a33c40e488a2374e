#pragma once
// The login dialog: player name, password, and the lobby server's address and port,
// which lie below the buttons where the dialog cuts itself off. OK hands a login
// record to the main dialog; Cancel ends the program.
#include "lobby/LoginRecord.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLineEdit;

class CLoginDlg : public QDialog {
    Q_OBJECT
public:
    using LoginHandler = std::function<void(const LoginRecord&)>;
    using CancelHandler = std::function<void()>;

    static constexpr int kMaxChars = 20;
    static constexpr uint32_t kDefaultPort = 8080;

    // Both handlers run later, posted as WM_USER+1 and WM_USER+2 are.
    CLoginDlg(QWidget* parent, LoginHandler onLogin, CancelHandler onCancel);

    // Centres the dialog, cuts it off above the address and shows it.
    void Show();

    QLineEdit* NameEdit() const { return name_; }
    QLineEdit* PasswordEdit() const { return password_; }
    QLineEdit* AddressEdit() const { return address_; }
    QLineEdit* PortEdit() const { return port_; }

    void accept() override;  // OK: validate and hand over
    void reject() override;  // Cancel: end the program

private:
    // The data exchange from the controls, as the dialog framework checks it.
    bool SaveData();

    LoginHandler onLogin_;
    CancelHandler onCancel_;
    QLineEdit* name_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* port_ = nullptr;
    QString nameText_ = QStringLiteral("tavik");
    QString passwordText_ = QStringLiteral("tavik");
    QString addressText_ = QStringLiteral("127.0.0.1");
    uint32_t portNumber_ = kDefaultPort;
};
