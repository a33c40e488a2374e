#include "lobby/AboutDlg.h"

#include "platform/DialogBuilder.h"
#include "res/Templates.h"

#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    const auto controls = platform::DialogBuilder(*res::FindTemplate(res::IDD_ABOUTBOX)).Build(*this);
    connect(qobject_cast<QPushButton*>(controls.at(res::IDOK)), &QPushButton::clicked, this, &QDialog::accept);
}
