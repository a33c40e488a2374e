#include "controls/MyEdit.h"

#include <QKeyEvent>

CMyEdit::CMyEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::Box);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void CMyEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit EnterPressed();
    QPlainTextEdit::keyPressEvent(event);
}
