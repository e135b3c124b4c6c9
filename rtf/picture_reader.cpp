// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/picture_reader.h"

#include "rtf/document_writer.h"
#include "rtf/metafile_bitmap.h"
#include "rtf/units.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace rtf {
namespace {

constexpr int kMaxGoalTwips = 31680;
// Reading a picture costs work even before its pixels. It keeps four bytes for each pixel shown,
// and decoding costs time for each pixel it has: a PNG's about 12 ns, a JPEG's a quarter of that
// (measured with Qt 6.4).
constexpr qint64 kPictureCost = 20'000;
constexpr qint64 kBytesPerPixel = 4;
// A 4K screenshot in 8 bits a channel, or a full-HD one in 16.
constexpr qint64 kMaxDecodedBytes = 40 << 20;
constexpr int kMaxScale = 1000;

qreal displayLength(int goalTwips, int scale, int pixels) {
    const qreal length = goalTwips > 0 ? twipsToPixels(goalTwips) : pixels;
    return std::max<qreal>(1, length * scale / 100);
}

} // namespace

void PictureReader::start() {
    *this = PictureReader{};
}

void PictureReader::applyWord(Keyword keyword, const Token &token) {
    switch (keyword) {
    case Keyword::PngBlip:
        kind_ = Kind::Png;
        break;
    case Keyword::JpegBlip:
        kind_ = Kind::Jpeg;
        break;
    case Keyword::WindowsMetafile:
        kind_ = Kind::WindowsMetafile;
        break;
    case Keyword::EnhancedMetafile:
        kind_ = Kind::EnhancedMetafile;
        break;
    case Keyword::PictureGoalWidth:
        goalWidth_ = std::clamp(token.parameter, 0, kMaxGoalTwips);
        break;
    case Keyword::PictureGoalHeight:
        goalHeight_ = std::clamp(token.parameter, 0, kMaxGoalTwips);
        break;
    case Keyword::PictureScaleX:
        scaleX_ = std::clamp(token.parameter, 1, kMaxScale);
        break;
    case Keyword::PictureScaleY:
        scaleY_ = std::clamp(token.parameter, 1, kMaxScale);
        break;
    default:
        break;
    }
}

// Anything but hex digits is noise; an odd digit at the end is dropped.
void PictureReader::appendHex(QByteArrayView text) {
    if (kind_ == Kind::Unsupported)
        return;
    for (char c : text) {
        const int value = hexDigitValue(c);
        if (value < 0)
            continue;
        if (highNibble_ < 0) {
            highNibble_ = value;
        } else {
            data_.append(static_cast<char>(highNibble_ * 16 + value));
            highNibble_ = -1;
        }
    }
}

void PictureReader::appendBinary(QByteArrayView data) {
    if (kind_ != Kind::Unsupported)
        data_.append(data);
}

namespace {

// What an image reader takes: the picture itself, or the bitmap a metafile draws.
QByteArray imageData(QByteArray data, PictureReader::Kind kind) {
    switch (kind) {
    case PictureReader::Kind::WindowsMetafile:
        return bitmapInWindowsMetafile(data);
    case PictureReader::Kind::EnhancedMetafile:
        return bitmapInEnhancedMetafile(data);
    default:
        return data;
    }
}

const char *decoderFor(PictureReader::Kind kind) {
    switch (kind) {
    case PictureReader::Kind::Png:
        return "png";
    case PictureReader::Kind::Jpeg:
        return "jpeg";
    default:
        return "bmp";
    }
}

} // namespace

void PictureReader::finish(DocumentWriter &writer, const GroupState &state, QSize frameTwips,
                           qreal maxWidth) {
    OutputBudget &budget = writer.budget();
    if (kind_ == Kind::Unsupported || data_.isEmpty() || !budget.spendOnPicture(kPictureCost))
        return;
    QByteArray data = imageData(std::move(data_), kind_);
    if (data.isEmpty())
        return;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    // Only the declared decoder: a picture never reaches the parsers of other formats.
    QImageReader reader(&buffer, decoderFor(kind_));
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (size.isEmpty())
        return;
    // A picture in a shape takes the shape's size; none is wider than the page.
    QSizeF shown(displayLength(goalWidth_, scaleX_, size.width()),
                 displayLength(goalHeight_, scaleY_, size.height()));
    if (frameTwips.width() > 0 && frameTwips.height() > 0)
        shown = QSizeF(std::max(1, twipsToPixels(frameTwips.width())),
                       std::max(1, twipsToPixels(frameTwips.height())));
    if (shown.width() > maxWidth)
        shown = QSizeF(maxWidth, std::max<qreal>(1, shown.height() * maxWidth / shown.width()));
    // No more pixels are kept than are shown, and in no more depth than a screen shows.
    const QSize kept =
        size.scaled(size.boundedTo(QSize(qCeil(shown.width()), qCeil(shown.height()))),
                    Qt::KeepAspectRatio)
            .expandedTo({1, 1});
    const qint64 pixels = qint64(size.width()) * size.height();
    const int bytesPerPixel =
        std::max(4, QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel() / 8);
    // The decoder holds the whole picture only while it reads it: that is bounded for each
    // picture, and only what is kept is paid for as long as the document lasts.
    if (pixels * bytesPerPixel > kMaxDecodedBytes)
        return;
    const qint64 work = kind_ == Kind::Jpeg ? pixels / 4 : pixels * bytesPerPixel / 4;
    const qint64 keeps = kBytesPerPixel * kept.width() * kept.height();
    if (!budget.spendOnPicture(keeps))
        return;
    if (!budget.spendOnDecoding(work)) {
        budget.refundPicture(keeps);
        return;
    }
    reader.setAllocationLimit(int(kMaxDecodedBytes >> 20) + 1);
    if (kept != size)
        reader.setScaledSize(kept);
    QImage picture = reader.read();
    if (picture.depth() > 32)
        picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                    : QImage::Format_RGB32);
    if (picture.isNull() || picture.sizeInBytes() > keeps) {
        budget.refundPicture(keeps);
        return;
    }
    budget.refundPicture(keeps - picture.sizeInBytes());
    writer.insertPicture(picture, shown, state);
}

} // namespace rtf
