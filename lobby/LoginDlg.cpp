#include "lobby/LoginDlg.h"

#include "platform/DialogBuilder.h"
#include "platform/MessageBoxes.h"
#include "platform/Messages.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "res/Templates.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int kAddressId = 1003;

// The dialog framework's own words for a failed exchange.
QString TooLongText(int maxChars)
{
    return QStringLiteral("请输入不超过 %1 个字符。").arg(maxChars);
}
const QString kNotANumberText = QStringLiteral("请输入一个正整数。");
QString OutOfRangeText(uint32_t low, uint32_t high)
{
    return QStringLiteral("请输入一个介于 %1 和 %2 之间的整数。").arg(low).arg(high);
}

} // namespace

CLoginDlg::CLoginDlg(QWidget* parent, LoginHandler onLogin, CancelHandler onCancel)
    : QDialog(parent), onLogin_(std::move(onLogin)), onCancel_(std::move(onCancel))
{
    auto controls = platform::DialogBuilder(*res::FindTemplate(res::IDD_LOGIN)).Build(*this);
    name_ = qobject_cast<QLineEdit*>(controls.at(1001));
    password_ = qobject_cast<QLineEdit*>(controls.at(1002));
    address_ = qobject_cast<QLineEdit*>(controls.at(kAddressId));
    port_ = qobject_cast<QLineEdit*>(controls.at(1004));
    connect(qobject_cast<QPushButton*>(controls.at(res::IDOK)), &QPushButton::clicked, this, &CLoginDlg::accept);
    connect(qobject_cast<QPushButton*>(controls.at(res::IDCANCEL)), &QPushButton::clicked, this, &CLoginDlg::reject);
    // "注册" (1000) has no behaviour.
    name_->setText(nameText_);
    password_->setText(passwordText_);
    address_->setText(addressText_);
    port_->setText(QString::number(portNumber_));
}

void CLoginDlg::Show()
{
    const QSize screen = platform::FullScreenSize();
    const QSize size = frameGeometry().size();
    move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
    // The window ends 20 pixels below the top of the address edit; its caption and
    // frame take their share, so the address and port stay out of sight.
    int frame = frameGeometry().height() - height();
    if (frame <= 0)
        frame = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    resize(width(), address_->geometry().top() + 20 - frame);
    show();
}

bool CLoginDlg::SaveData()
{
    // As the framework does, a failed field takes the focus after its message.
    const auto fail = [](QLineEdit* edit, const QString& text) {
        platform::MessageBox(text);
        edit->setFocus();
        edit->selectAll();
        return false;
    };
    const QString password = password_->text();
    if (password.size() > kMaxChars)
        return fail(password_, TooLongText(kMaxChars));
    const QString name = name_->text();
    if (name.size() > kMaxChars)
        return fail(name_, TooLongText(kMaxChars));
    bool number = false;
    const uint32_t port = port_->text().trimmed().toUInt(&number);
    if (!number)
        return fail(port_, kNotANumberText);
    if (port < 1 || port > 65535)
        return fail(port_, OutOfRangeText(1, 65535));
    passwordText_ = password;
    nameText_ = name;
    addressText_ = address_->text();
    portNumber_ = port;
    return true;
}

void CLoginDlg::accept()
{
    if (!SaveData())
        return;
    const QByteArray name = platform::ToGbk(nameText_);
    const QByteArray password = platform::ToGbk(passwordText_);
    const QByteArray address = platform::ToGbk(addressText_);
    if (name.size() > kMaxChars) {
        platform::MessageBox(QStringLiteral("请输入正确用户名"));
        return;
    }
    if (password.size() > kMaxChars) {
        platform::MessageBox(QStringLiteral("请输入正确密码"));
        return;
    }
    // An address that does not fit its 20 bytes would reach another server.
    if (address.isEmpty() || address.size() > kMaxChars) {
        platform::MessageBox(QStringLiteral("请输入正确的服务器地址"));
        return;
    }
    LoginRecord record;
    record.name = name.toStdString();
    record.password = password.toStdString();
    record.address = address.toStdString();
    record.port = portNumber_;
    platform::PostMessage(this, [handler = onLogin_, record] { handler(record); });
    hide();
}

void CLoginDlg::reject()
{
    QDialog::reject();
    platform::PostMessage(this, [handler = onCancel_] { handler(); });
}
