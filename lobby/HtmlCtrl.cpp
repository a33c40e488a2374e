#include "lobby/HtmlCtrl.h"

namespace {
const QString kAppPrefix = QStringLiteral("app:");
}

CHtmlCtrl::CHtmlCtrl()
{
    setOpenExternalLinks(false);
    setHtml(QStringLiteral("<p style=\"margin:16px\">欢迎来到游戏大厅。请在左边的大厅列表中双击一个房间进入。</p>"));
}

bool CHtmlCtrl::CreateFromStatic(int controlId, QWidget* parent)
{
    QWidget* placeholder = parent ? parent->findChild<QWidget*>(QString::number(controlId), Qt::FindDirectChildrenOnly)
                                  : nullptr;
    if (!placeholder)
        return false;
    const QRect place = placeholder->geometry();
    delete placeholder;
    setParent(parent);
    setObjectName(QString::number(controlId));
    setGeometry(place);
    show();
    return true;
}

bool CHtmlCtrl::OnBeforeNavigate2(const QString& address)
{
    if (!address.startsWith(kAppPrefix, Qt::CaseInsensitive))
        return false;
    OnAppCmd(address.mid(kAppPrefix.size()));
    return true;
}

void CHtmlCtrl::OnAppCmd(const QString&) {}

void CHtmlCtrl::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    if (OnBeforeNavigate2(name.toString()))
        return;
    QTextBrowser::doSetSource(name, type);
}
