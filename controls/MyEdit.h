#pragma once
// The chat input line: a multi-line edit in which Enter also asks the parent to send.
#include <QPlainTextEdit>

class CMyEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CMyEdit(QWidget* parent = nullptr);

signals:
    // Enter was pressed; the key is still handled as usual afterwards.
    void EnterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
