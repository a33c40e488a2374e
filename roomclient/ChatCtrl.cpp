#include "roomclient/ChatCtrl.h"

#include "controls/MyEdit.h"
#include "controls/SWComboBox.h"

#include "net/ChatRecord.h"
#include "platform/MessageBoxes.h"
#include "platform/Text.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include <vector>

namespace {

const QColor kNameColour(250, 200, 200);
const QColor kOwnColour(0, 255, 0);
const QColor kArrowColour(100, 200, 200);
const QColor kSystemColour(255, 255, 0);
const QColor kTextColour(255, 255, 255);

// A chat record travels as the data of a message whose size is 16 bits with 8 bytes of head.
constexpr size_t kLongestChatRecord = 0xFFFF - 8;
constexpr uint8_t kPlayerLine = static_cast<uint8_t>(net::ChatLine::Player);
constexpr uint8_t kSystemLine = static_cast<uint8_t>(net::ChatLine::System);

} // namespace

CChatCtrl::CChatCtrl() = default;
CChatCtrl::~CChatCtrl() = default;

void CChatCtrl::Create(const QRect& rect, QWidget* parent, int controlId)
{
    setParent(parent);
    setObjectName(QString::number(controlId));
    setGeometry(rect);

    m_history = new QTextEdit(this);
    m_history->setReadOnly(true);
    m_history->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = m_history->palette();
    palette.setColor(QPalette::Base, background_);
    m_history->setPalette(palette);

    m_input = new CMyEdit(this);
    m_send = new QPushButton(QStringLiteral("--->"), this);
    m_receiver = new CSWComboBox(this);
    m_receiver->setEditable(true);
    m_receiver->setInsertPolicy(QComboBox::NoInsert);

    connect(m_send, &QPushButton::clicked, this, &CChatCtrl::Send);
    connect(m_input, &CMyEdit::EnterPressed, this, &CChatCtrl::Send);
    Layout();
    show();
}

void CChatCtrl::Layout()
{
    if (!m_history)
        return;
    const int w = width();
    const int h = height();
    m_history->setGeometry(0, 0, w, h - 50);
    m_input->setGeometry(0, h - 50, w, 25);
    m_send->setGeometry(0, h - 25, 80, 25);
    m_receiver->setGeometry(80, h - 25, w - 80, 25);
}

void CChatCtrl::resizeEvent(QResizeEvent* event)
{
    Layout();
    QWidget::resizeEvent(event);
}

void CChatCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
}

// ---- receivers

void CChatCtrl::AddName(const QString& name, uint16_t key)
{
    // The list changes; what the receiver field shows is the user's choice alone.
    const QString typed = m_receiver->currentText();
    m_receiver->addItem(name, QVariant::fromValue<uint>(key));
    m_receiver->setEditText(typed);
}

void CChatCtrl::AddPlayer(const QString& name, uint16_t key)
{
    AddName(name, key);
    WriteLine([&] {
        Write(name, kNameColour);
        Write(QStringLiteral("进入房间\n"), kTextColour);
    });
}

void CChatCtrl::RemovePlayer(uint16_t key)
{
    const int index = m_receiver->findData(QVariant::fromValue<uint>(key));
    if (index < 0)
        return;
    const QString name = m_receiver->itemText(index);
    const QString typed = m_receiver->currentText();
    m_receiver->removeItem(index);
    m_receiver->setEditText(typed);
    WriteLine([&] {
        Write(name, kNameColour);
        Write(QStringLiteral("离开房间\n"), kTextColour);
    });
}

int CChatCtrl::FindReceiver(const QString& name) const
{
    const int count = m_receiver->count();
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (m_receiver->itemText(index).startsWith(name, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

void CChatCtrl::SelectReceiver(const QString& name)
{
    const int index = FindReceiver(name);
    if (index >= 0)
        m_receiver->setCurrentIndex(index);
}

QString CChatCtrl::NameOfKey(uint16_t key) const
{
    const int index = m_receiver->findData(QVariant::fromValue<uint>(key));
    return index >= 0 ? m_receiver->itemText(index) : QStringLiteral("所有人");
}

// ---- history

void CChatCtrl::Write(const QString& text, const QColor& colour)
{
    QTextCursor cursor = m_history->textCursor();
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.insertText(text, format);
    m_history->setTextCursor(cursor);
}

template <typename Pieces>
void CChatCtrl::WriteLine(Pieces pieces)
{
    const QTextCharFormat saved = m_history->currentCharFormat();
    pieces();
    m_history->setCurrentCharFormat(saved);
    QScrollBar* bar = m_history->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void CChatCtrl::WriteName(uint16_t key, const QString& trailer)
{
    if (key == myKey_)
        Write(QStringLiteral("[你]") + trailer, kOwnColour);
    else
        Write(QStringLiteral("[%1]").arg(NameOfKey(key)) + trailer, kNameColour);
}

void CChatCtrl::ShowChat(std::span<const uint8_t> chatRecord)
{
    const net::ChatRecord chat = net::ChatRecord::Decode(net::ByteReader(chatRecord));
    if (chat.lineType != kPlayerLine && chat.lineType != kSystemLine)
        return;
    const QString text = platform::FromGbk(QByteArray::fromStdString(chat.text)) + QLatin1Char('\n');
    WriteLine([&] {
        if (chat.lineType == kSystemLine) {
            Write(QStringLiteral("[系统消息] "), kSystemColour);
        } else {
            WriteName(chat.sender, {});
            Write(QStringLiteral("->"), kArrowColour);
            WriteName(chat.receiver, QStringLiteral(" "));
        }
        Write(text, kTextColour);
    });
}

// ---- sending

void CChatCtrl::Send()
{
    const QString text = m_input->toPlainText().trimmed();
    if (text.isEmpty()) {
        platform::MessageBox(QStringLiteral("消息不可以为空"));
        return;
    }
    uint16_t receiver = 0;
    const QString receiverName = m_receiver->currentText().trimmed();
    if (!receiverName.isEmpty()) {
        const int index = FindReceiver(receiverName);
        if (index < 0) {
            platform::MessageBox(QStringLiteral("查无此人"));
            return;
        }
        receiver = static_cast<uint16_t>(m_receiver->itemData(index).toUInt());
        if (receiver == myKey_) {
            platform::MessageBox(QStringLiteral("不要自言自语哦"));
            return;
        }
    }
    net::ChatRecord chat;
    chat.lineType = kPlayerLine;
    chat.sender = myKey_;
    chat.receiver = receiver;
    chat.text = platform::ToGbk(text).toStdString();
    if (chat.Size() > kLongestChatRecord) {
        platform::MessageBox(QStringLiteral("消息太长了"));
        return;
    }
    const std::vector<uint8_t> record = net::Encoded(chat);
    ShowChat(record);
    emit ChatRecordReady(record);
}
