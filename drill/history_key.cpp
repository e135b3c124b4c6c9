#include "drill/history_key.h"

QString historyKey(const QDateTime &when) {
    return when.toString(QStringLiteral("dd/MM/yy HH:mm:ss"));
}
