// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/rtf_reader.h"

#include "rtf/parser.h"

#include <QTextDocument>

bool readRtf(const QByteArray &rtf, QTextDocument &out) {
    out.clear();
    if (!rtf.startsWith("{\\rtf"))
        return false;
    // Loading is not an edit the reader could undo.
    const bool undoRedo = out.isUndoRedoEnabled();
    out.setUndoRedoEnabled(false);
    rtf::Parser(out).parse(rtf);
    out.setUndoRedoEnabled(undoRedo);
    return true;
}
