#include "runtime/db/server_address.h"

#include "runtime/language.h"

#include <QUrl>
#include <stdexcept>

namespace db {
namespace {

const QLatin1String Schemes[] = {QLatin1String("postgresql://"), QLatin1String("postgres://")};

QString Decoded(QStringView part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

[[noreturn]] void RaiseBadAddress(const QString& shown, const QString& why)
{
    throw std::invalid_argument(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 305).arg(shown, why).toStdString());
}

// The hosts of "host1:port1,[::1]:port2": the host and port lists libpq takes, comma-separated.
void ReadHosts(QStringView list, ServerAddress& address)
{
    QStringList hosts, ports;
    bool anyPort = false;
    for (QStringView entry : list.split(u',')) {
        QStringView host = entry, port;
        if (entry.startsWith(u'[')) {
            const qsizetype close = entry.indexOf(u']');
            if (close < 0)
                RaiseBadAddress(address.displayText, QStringLiteral("\"[\" without \"]\""));
            host = entry.mid(1, close - 1);
            port = entry.mid(close + 1);
        } else if (const qsizetype colon = entry.lastIndexOf(u':'); colon >= 0) {
            host = entry.left(colon);
            port = entry.mid(colon);
        }
        if (port.startsWith(u':'))
            port = port.mid(1);
        else if (!port.isEmpty())
            RaiseBadAddress(address.displayText, QStringLiteral("\"%1\"").arg(entry));
        hosts << Decoded(host);
        ports << Decoded(port);
        anyPort = anyPort || !port.isEmpty();
    }
    if (!hosts.join(QString()).isEmpty())
        address.keywords.append(qMakePair(QStringLiteral("host"), hosts.join(u',')));
    if (anyPort)
        address.keywords.append(qMakePair(QStringLiteral("port"), ports.join(u',')));
}

// The address as given, less its password (in the user part or in the query).
QString WithoutPassword(const QString& text, qsizetype schemeLength)
{
    QString shown = text;
    const qsizetype pathStart = shown.indexOf(u'/', schemeLength);
    const qsizetype queryStart = shown.indexOf(u'?', schemeLength);
    qsizetype authorityEnd = shown.size();
    for (qsizetype end : {pathStart, queryStart})
        if (end >= 0 && end < authorityEnd)
            authorityEnd = end;
    const qsizetype at = shown.indexOf(u'@', schemeLength);
    if (at >= 0 && at < authorityEnd) {
        const qsizetype colon = shown.indexOf(u':', schemeLength);
        if (colon >= 0 && colon < at)
            shown.remove(colon, at - colon);
    }
    const qsizetype query = shown.indexOf(u'?', schemeLength);
    if (query >= 0) {
        QStringList kept;
        for (const QString& pair : shown.mid(query + 1).split(u'&'))
            if (Decoded(pair.section(u'=', 0, 0)).trimmed() != QLatin1String("password"))
                kept << pair;
        shown.truncate(query);
        if (!kept.isEmpty())
            shown += QStringLiteral("?") + kept.join(u'&');
    }
    return shown;
}

qsizetype SchemeLength(const QString& text)
{
    for (const QLatin1String scheme : Schemes)
        if (text.startsWith(scheme, Qt::CaseInsensitive))
            return scheme.size();
    return -1;
}

} // namespace

QString ServerAddress::value(const QString& keyword) const
{
    QString found;
    for (const auto& [key, value] : keywords)
        if (key == keyword)
            found = value;
    return found;
}

bool IsServerAddress(const QString& text)
{
    return SchemeLength(text.trimmed()) > 0;
}

QString DisplayedAddress(const QString& text)
{
    const qsizetype scheme = SchemeLength(text.trimmed());
    return scheme > 0 ? WithoutPassword(text.trimmed(), scheme) : text;
}

ServerAddress ParseServerAddress(const QString& given)
{
    const QString text = given.trimmed();
    const qsizetype scheme = SchemeLength(text);
    ServerAddress address;
    address.displayText = scheme > 0 ? WithoutPassword(text, scheme) : text;
    if (scheme < 0)
        RaiseBadAddress(address.displayText, QStringLiteral("postgresql://"));
    QStringView rest = QStringView(text).mid(scheme);
    QStringView query;
    if (const qsizetype mark = rest.indexOf(u'?'); mark >= 0) {
        query = rest.mid(mark + 1);
        rest = rest.left(mark);
    }
    QStringView path;
    if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0) {
        path = rest.mid(slash + 1);
        rest = rest.left(slash);
    }
    if (const qsizetype at = rest.indexOf(u'@'); at >= 0) {
        const QStringView user = rest.left(at);
        const qsizetype colon = user.indexOf(u':');
        if (!user.left(colon < 0 ? user.size() : colon).isEmpty())
            address.keywords.append(qMakePair(QStringLiteral("user"), Decoded(user.left(colon < 0 ? user.size() : colon))));
        if (colon >= 0)
            address.password = Decoded(user.mid(colon + 1));
        rest = rest.mid(at + 1);
    }
    if (!rest.isEmpty())
        ReadHosts(rest, address);
    if (!path.isEmpty())
        address.keywords.append(qMakePair(QStringLiteral("dbname"), Decoded(path)));
    for (QStringView pair : query.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        if (equals <= 0)
            RaiseBadAddress(address.displayText, QStringLiteral("\"%1\"").arg(Decoded(pair).section(u'=', 0, 0)));
        const QString key = Decoded(pair.left(equals));
        const QString value = Decoded(pair.mid(equals + 1));
        if (key == QLatin1String("password"))
            address.password = value;
        else
            address.keywords.append(qMakePair(key, value));
    }
    return address;
}

} // namespace db
