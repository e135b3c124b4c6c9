// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/metafile_bitmap.h"

#include <QtEndian>

#include <optional>

namespace rtf {
namespace {

// Every field is little-endian; a read past the end is nothing.
std::optional<quint32> read32(QByteArrayView data, qsizetype at) {
    if (at < 0 || at > data.size() - 4)
        return std::nullopt;
    return qFromLittleEndian<quint32>(data.data() + at);
}

std::optional<quint16> read16(QByteArrayView data, qsizetype at) {
    if (at < 0 || at > data.size() - 2)
        return std::nullopt;
    return qFromLittleEndian<quint16>(data.data() + at);
}

// A packed DIB (header, colours, pixels) with the file header a BMP reader
// needs in front; empty when its header does not say where the pixels start.
QByteArray bmpFile(QByteArrayView dib) {
    const std::optional<quint32> headerSize = read32(dib, 0);
    if (!headerSize || *headerSize < 12 || *headerSize > quint32(dib.size()))
        return {};
    qint64 colours = 0;
    int colourBytes = 3; // the old core header's triples
    if (*headerSize >= 40) {
        const quint16 bitCount = read16(dib, 14).value_or(0);
        const quint32 compression = read32(dib, 16).value_or(0);
        const quint32 used = read32(dib, 32).value_or(0);
        colours = used ? used : bitCount <= 8 ? qint64(1) << bitCount : 0;
        colourBytes = 4;
        // Bit fields' masks follow the short header.
        constexpr quint32 bitFields = 3, alphaBitFields = 6;
        if (*headerSize == 40 && (compression == bitFields || compression == alphaBitFields))
            colours += compression == bitFields ? 3 : 4;
    } else {
        const quint16 bitCount = read16(dib, 10).value_or(0);
        colours = bitCount <= 8 ? qint64(1) << bitCount : 0;
    }
    const qint64 pixelsAt = 14 + qint64(*headerSize) + colours * colourBytes;
    if (pixelsAt > 14 + dib.size())
        return {};
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(pixelsAt), file.data() + 10);
    return file + dib.toByteArray();
}

} // namespace

QByteArray bitmapInWindowsMetafile(QByteArrayView metafile) {
    constexpr quint32 placeableKey = 0x9AC6CDD7;
    qsizetype at = read32(metafile, 0) == placeableKey ? 22 : 0;
    // The header's size is counted in 16-bit words, as every record's is.
    const std::optional<quint16> headerWords = read16(metafile, at + 2);
    if (!headerWords || *headerWords < 9)
        return {};
    at += qsizetype(*headerWords) * 2;
    constexpr quint16 endOfFile = 0x0000, dibBitBlt = 0x0940, dibStretchBlt = 0x0B41,
                      setDibToDevice = 0x0D33, stretchDib = 0x0F43;
    while (const std::optional<quint32> words = read32(metafile, at)) {
        const quint16 function = read16(metafile, at + 4).value_or(endOfFile);
        const qint64 size = qint64(*words) * 2;
        if (function == endOfFile || size < 6 || size > metafile.size() - at)
            return {};
        const QByteArrayView record = metafile.sliced(at, qsizetype(size));
        // Where each record's bitmap starts, past its fixed fields.
        qsizetype dibAt = 0;
        switch (function) {
        case dibBitBlt:
            dibAt = 6 + 4 + 6 * 2;
            break;
        case dibStretchBlt:
            dibAt = 6 + 4 + 8 * 2;
            break;
        case setDibToDevice:
            dibAt = 6 + 9 * 2;
            break;
        case stretchDib:
            dibAt = 6 + 4 + 9 * 2;
            break;
        default:
            break;
        }
        if (dibAt > 0 && dibAt < record.size()) {
            QByteArray bmp = bmpFile(record.sliced(dibAt));
            if (!bmp.isEmpty())
                return bmp;
        }
        at += qsizetype(size);
    }
    return {};
}

QByteArray bitmapInEnhancedMetafile(QByteArrayView metafile) {
    constexpr quint32 header = 1, endOfFile = 14, bitBlt = 76, stretchBlt = 77,
                      setDiBitsToDevice = 80, stretchDiBits = 81;
    if (read32(metafile, 0) != header)
        return {};
    qsizetype at = 0;
    while (const std::optional<quint32> type = read32(metafile, at)) {
        const quint32 size = read32(metafile, at + 4).value_or(0);
        if (type == endOfFile || size < 8 || size % 4 || size > quint64(metafile.size() - at))
            return {};
        const QByteArrayView record = metafile.sliced(at, qsizetype(size));
        // Where each record keeps the offsets of its bitmap's header and pixels.
        qsizetype offsetsAt = 0;
        switch (*type) {
        case bitBlt:
        case stretchBlt:
            offsetsAt = 8 + 16 + 4 * 4 + 4 + 4 * 2 + 24 + 4 + 4;
            break;
        case setDiBitsToDevice:
        case stretchDiBits:
            offsetsAt = 8 + 16 + 6 * 4;
            break;
        default:
            break;
        }
        const std::optional<quint32> headerAt = read32(record, offsetsAt);
        const std::optional<quint32> headerSize = read32(record, offsetsAt + 4);
        const std::optional<quint32> pixelsAt = read32(record, offsetsAt + 8);
        const std::optional<quint32> pixelsSize = read32(record, offsetsAt + 12);
        if (offsetsAt > 0 && headerAt && headerSize && pixelsAt && pixelsSize && *headerSize &&
            *pixelsSize && quint64(*headerAt) + *headerSize <= quint64(record.size()) &&
            quint64(*pixelsAt) + *pixelsSize <= quint64(record.size())) {
            // The header and the pixels may lie apart; the DIB has them together.
            const QByteArray dib = record.sliced(*headerAt, *headerSize).toByteArray() +
                                   record.sliced(*pixelsAt, *pixelsSize).toByteArray();
            QByteArray bmp = bmpFile(dib);
            if (!bmp.isEmpty())
                return bmp;
        }
        at += qsizetype(size);
    }
    return {};
}

} // namespace rtf
