// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArray>

class QTextDocument;

// Replaces the content of out with the rich-text document rtf. A damaged document gives what
// could be read of it. Text is cut short where it would take more than about 40 MB in Qt, and
// pictures, kept no larger than they are shown, are left out beyond about 40 MB; the two
// together stay under 56 MB, so that any input reads in under a second. Only input that is not
// RTF at all (does not start with {\rtf) is refused, leaving out empty.
bool readRtf(const QByteArray &rtf, QTextDocument &out);
