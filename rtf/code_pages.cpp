// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/code_pages.h"

#include <array>
#include <utility>

namespace rtf {

int codePageForCharset(int charset) {
    static constexpr std::pair<int, int> codePages[] = {
        {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},  {136, 950},
        {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
        {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850},
    };
    for (const auto &[set, codePage] : codePages) {
        if (set == charset)
            return codePage;
    }
    return 0;
}

QChar windows1252ToUnicode(uchar byte) {
    // 0x80-0x9f differ from Latin-1; the five unassigned bytes keep their C1 value, as the
    // system codec does.
    static constexpr std::array<char16_t, 32> high{
        0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
        0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};
    if (byte >= 0x80 && byte < 0xa0)
        return QChar(high[byte - 0x80]);
    return QChar(byte);
}

QString TextDecoder::decode(QByteArrayView bytes, int codePage) {
    QStringDecoder *decoder = decoderFor(codePage);
    if (decoder != current_)
        reset();
    current_ = decoder;
    if (decoder) {
        used_ = true;
        return decoder->decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = windows1252ToUnicode(static_cast<uchar>(bytes[i]));
    return text;
}

void TextDecoder::reset() {
    if (current_ && used_)
        current_->resetState();
    used_ = false;
}

// Null when the system has no codec for the code page.
QStringDecoder *TextDecoder::decoderFor(int codePage) {
    auto found = decoders_.find(codePage);
    if (found == decoders_.end()) {
        QStringDecoder decoder;
        for (const char *prefix : {"windows-", "cp", "IBM"}) {
            decoder = QStringDecoder((prefix + QByteArray::number(codePage)).constData());
            if (decoder.isValid())
                break;
        }
        found = decoders_.emplace(codePage, std::move(decoder)).first;
    }
    return found->second.isValid() ? &found->second : nullptr;
}

} // namespace rtf
