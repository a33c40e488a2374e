#include "platform/Text.h"

#include "net/Gbk.h"

#include <cstring>

#include <netdb.h>
#include <arpa/inet.h>
#include <unistd.h>

namespace platform {

QString FromGbk(const char* bytes, size_t size)
{
    if (!bytes || size == 0)
        return {};
    const void* nul = std::memchr(bytes, '\0', size);
    const size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes) : size;
    return QString::fromStdString(net::GbkToUtf8(std::string_view(bytes, length)));
}

QString FromGbk(const QByteArray& bytes)
{
    return FromGbk(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QByteArray ToGbk(const QString& text)
{
    const std::string gbk = net::Utf8ToGbk(text.toStdString());
    return QByteArray(gbk.data(), static_cast<qsizetype>(gbk.size()));
}

int GbkLength(const QString& text)
{
    return static_cast<int>(net::GbkLength(text.toStdString()));
}

QString LocalIPv4Address()
{
    char host[128] = {};
    if (gethostname(host, sizeof host - 1) != 0)
        return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found)
        return {};
    char dotted[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    inet_ntop(AF_INET, &address->sin_addr, dotted, sizeof dotted);
    freeaddrinfo(found);
    return QString::fromLatin1(dotted);
}

} // namespace platform
