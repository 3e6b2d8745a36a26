// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"
#include <QApplication>
#include <QMessageBox>
#include "platform/TextCodec.h"

static MessageBoxAnswerer& Answerer()
{
    static MessageBoxAnswerer a;
    return a;
}

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { Answerer() = std::move(answerer); }

int AfxMessageBox(const CString& text, unsigned type, const CString& caption, QWidget* parent)
{
    if (Answerer()) return Answerer()(MessageBoxRequest{text, caption, type});

    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setText(ToQt(text));
    box.setWindowTitle(caption.empty() ? QApplication::applicationName() : ToQt(caption));
    switch (type & 0xF0) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (type & 0x0F) {
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MB_YESNOCANCEL: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MB_RETRYCANCEL: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    int r = box.exec();
    switch (r) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Retry: return IDRETRY;
    default: return (type & 0x0F) == MB_OK ? IDOK : ((type & 0x0F) == MB_YESNO ? IDNO : IDCANCEL);
    }
}
