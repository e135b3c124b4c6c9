#include "platform/app_info.h"

#include <QCoreApplication>

QString appTitle() {
    return QStringLiteral("Quorvel");
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

int versionMajor() {
    return QUORVEL_VERSION_MAJOR;
}

int versionMinor() {
    return QUORVEL_VERSION_MINOR;
}
