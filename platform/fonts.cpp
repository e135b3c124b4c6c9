// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace {

struct StandIn {
    const char *classic;
    const char *free;
};
constexpr StandIn standIns[] = {{"Comic Sans MS", "Comic Neue"},
                                {"Arial", "Liberation Sans"},
                                {"MS Sans Serif", "Liberation Sans"}};

bool isInstalled(const QString &family) {
    static const QStringList installed = [] {
        QStringList families = QFontDatabase::families();
        // Families that foundries share are listed as "Family [Foundry]".
        for (QString &family : families)
            family = family.section(QStringLiteral(" ["), 0, 0);
        return families;
    }();
    return installed.contains(family, Qt::CaseInsensitive);
}

// The free face itself where the classic one is missing: asked for a missing
// family, the toolkit sorts every installed font for it before it turns to the
// substitute, a tenth of the start-up's work for two families.
QString familyToAsk(const QString &family) {
    for (const StandIn &standIn : standIns) {
        if (family.compare(QLatin1String(standIn.classic), Qt::CaseInsensitive) == 0) {
            const QString free = QLatin1String(standIn.free);
            return isInstalled(family) || !isInstalled(free) ? family : free;
        }
    }
    return family;
}

} // namespace

void installFontSubstitutes() {
    for (const StandIn &standIn : standIns)
        QFont::insertSubstitution(QLatin1String(standIn.classic), QLatin1String(standIn.free));
}

QFont designFont(const QString &family, qreal pointSize, bool bold, bool underline) {
    QFont font(familyToAsk(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont windowFont() {
    return designFont(QStringLiteral("MS Sans Serif"), 8.25);
}

void loadFontConfiguration() {
    FcInit();
}
