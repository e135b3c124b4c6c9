// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

class QWidget;

// Text the player typed or the store holds, ready to go inside one of the
// program's own texts: control characters but the tab become a visible mark,
// and text with right-to-left letters or direction marks, or any text in a
// right-to-left language, is isolated, so that it and the words around it
// cannot reorder one another.
QString shownText(const QString &text);

// Sets the title exactly as given: Qt would take a "[*]" in it for the place
// of the modified mark and drop it.
void setTitleAsGiven(QWidget &window, const QString &title);
