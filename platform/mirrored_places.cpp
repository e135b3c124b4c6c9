// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/mirrored_places.h"

#include <QWidget>

void mirrorFixedPlaces(QWidget &container) {
    if (container.layoutDirection() != Qt::RightToLeft)
        return;
    const auto children = container.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow() || child->layoutDirection() == Qt::LeftToRight)
            continue;
        child->move(container.width() - child->x() - child->width(), child->y());
        mirrorFixedPlaces(*child);
    }
}
