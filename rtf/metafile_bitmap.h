// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArray>

namespace rtf {

// The first device-independent bitmap a Windows metafile (WMF, with or
// without its placeable header) or enhanced metafile (EMF) draws, as a BMP
// file that an image reader takes. Empty when it draws none: the rest of a
// metafile (lines, text, fills) is not drawn.
QByteArray bitmapInWindowsMetafile(QByteArrayView metafile);
QByteArray bitmapInEnhancedMetafile(QByteArrayView metafile);

} // namespace rtf
