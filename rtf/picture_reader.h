// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/keywords.h"
#include "rtf/tokenizer.h"

#include <QByteArray>
#include <QSize>

namespace rtf {

class DocumentWriter;
struct GroupState;

// Collects one \pict and puts it into the document when its group ends. PNG and JPEG
// pictures are shown, and of a metafile the bitmap it draws; device-dependent bitmaps and
// the rest of a metafile are left out.
class PictureReader {
  public:
    void start();
    void applyWord(Keyword keyword, const Token &token);
    void appendHex(QByteArrayView text);
    void appendBinary(QByteArrayView data);
    // frameTwips: the size of the shape around the picture, if any; maxWidth: the page's
    // width in pixels.
    void finish(DocumentWriter &writer, const GroupState &state, QSize frameTwips, qreal maxWidth);

    enum class Kind { Unsupported, Png, Jpeg, WindowsMetafile, EnhancedMetafile };

  private:
    Kind kind_ = Kind::Unsupported;
    int goalWidth_ = 0; // twips; 0 for the picture's own size
    int goalHeight_ = 0;
    int scaleX_ = 100; // percent
    int scaleY_ = 100;
    QByteArray data_;
    int highNibble_ = -1;
};

} // namespace rtf
