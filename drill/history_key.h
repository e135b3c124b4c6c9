#pragma once

#include <QDateTime>
#include <QString>

// "06/12/26 14:03:09": always "/" and ":", whatever the regional separators.
QString historyKey(const QDateTime &when);
