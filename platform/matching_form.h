// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// The form in which the store compares section and key names, the same in
// every locale: Unicode's full case folding with compatibility normalisation
// ("Straße" and "STRASSE", "ΌΣΟΣ" and "όσος", fullwidth and plain letters
// match), and the dotted and dotless i of Turkish and Azerbaijani taken for a
// plain i, so that "IŞIK" finds "Işık" whichever keyboard typed it.
QString matchingForm(const QString &name);
