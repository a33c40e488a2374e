#pragma once
// The chat of a room: the history with coloured names, the input line, the send button
// and the receiver box, whose items are the room's players by name with their keys.
// Lines go out through the room window (ChatRecordReady), which sends them as message 17.
#include <QColor>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <span>

class CMyEdit;
class CSWComboBox;
class QPushButton;
class QTextEdit;

class CChatCtrl : public QWidget {
    Q_OBJECT
public:
    CChatCtrl();
    ~CChatCtrl() override;

    // A visible child of `parent` with its four children laid out for `rect`.
    void Create(const QRect& rect, QWidget* parent, int controlId);

    void SetMyKey(uint16_t key) { myKey_ = key; }
    // Appends a receiver item without a line (the players already in the room).
    void AddName(const QString& name, uint16_t key);
    // Appends a receiver item and writes "<name>进入房间".
    void AddPlayer(const QString& name, uint16_t key);
    // Removes the first item with the key and writes "<name>离开房间".
    void RemovePlayer(uint16_t key);
    // Chooses the receiver whose name begins with `name` (case aside).
    void SelectReceiver(const QString& name);
    // A chat record: a player's line or a system line; other types show nothing.
    void ShowChat(std::span<const uint8_t> chatRecord);
    // Sends the input line to the chosen receiver, or to everybody when none is chosen.
    void Send();

    // The name of the first item with the key; "所有人" for none.
    QString NameOfKey(uint16_t key) const;
    // The item whose name begins with `name`, searching after the first item and then the first; -1 for none.
    int FindReceiver(const QString& name) const;

    QTextEdit* History() const { return m_history; }
    CMyEdit* Input() const { return m_input; }
    QPushButton* SendButton() const { return m_send; }
    CSWComboBox* ReceiverBox() const { return m_receiver; }

signals:
    // A chat record to send; the bytes are valid during the call only.
    void ChatRecordReady(std::span<const uint8_t> chatRecord);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Write(const QString& text, const QColor& colour);
    // Keeps the user's own character format around a line and shows the line's end.
    template <typename Pieces>
    void WriteLine(Pieces pieces);
    void WriteName(uint16_t key, const QString& trailer);
    void Layout();

    QTextEdit* m_history = nullptr;
    CMyEdit* m_input = nullptr;
    QPushButton* m_send = nullptr;
    CSWComboBox* m_receiver = nullptr;
    QColor background_{82, 113, 156};
    uint16_t myKey_ = 0;
};
