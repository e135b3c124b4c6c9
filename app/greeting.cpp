#include "app/greeting.h"

QString greetingFor(const QString &caption, const QString &playerName) {
    return QString(caption).replace(QStringLiteral("PlayerName"), playerName, Qt::CaseSensitive);
}
