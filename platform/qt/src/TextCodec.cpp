// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

QString ToQt(const CString& bytes)
{
    std::string u = BytesToUtf8(bytes);
    return QString::fromUtf8(u.data(), (qsizetype)u.size());
}

CString FromQt(const QString& text)
{
    QByteArray b = text.toUtf8();
    return CString(b.constData(), (size_t)b.size());
}
