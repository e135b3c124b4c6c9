// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <unordered_map>

namespace rtf {

constexpr int kWesternCodePage = 1252;

// The code page a font's \fcharset implies, or 0 when it implies none.
int codePageForCharset(int charset);

// windows-1252 without a codec, for systems whose Qt lacks one.
QChar windows1252ToUnicode(uchar byte);

// Decodes bytes written in Windows code pages. A character whose bytes come in several
// pieces (\'82\'a0) decodes across calls until reset() drops an unfinished one.
class TextDecoder {
  public:
    QString decode(QByteArrayView bytes, int codePage);
    void reset();

  private:
    QStringDecoder *decoderFor(int codePage);

    std::unordered_map<int, QStringDecoder> decoders_;
    QStringDecoder *current_ = nullptr;
    bool used_ = false; // since the last reset
};

} // namespace rtf
