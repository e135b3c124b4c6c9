// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QtGlobal>

#include <algorithm>

namespace rtf {

// Bounds what a document may cost in memory and time, whatever its source says. Text and
// pictures each have a share of their own and together a smaller total, so that neither leaves
// the other nothing; decoding pictures has its own allowance of time.
class OutputBudget {
  public:
    OutputBudget(qint64 total, qint64 textShare, qint64 pictureShare, qint64 decodingShare)
        : total_(total), text_(textShare), pictures_(pictureShare), decoding_(decodingShare) {}

    // Text and structure: once one does not fit, the document is complete.
    bool spend(qint64 cost) {
        if (!trySpend(cost))
            exhausted_ = true;
        return !exhausted_;
    }
    // Structure that can be left out, such as a table's merged cells.
    bool trySpend(qint64 cost) { return take(text_, cost); }
    // Pictures: one that does not fit is left out and the rest still comes.
    bool spendOnPicture(qint64 cost) { return take(pictures_, cost); }
    // The time a picture's pixels take to decode, whatever is kept of them.
    bool spendOnDecoding(qint64 cost) {
        if (exhausted_ || cost > decoding_)
            return false;
        decoding_ -= cost;
        return true;
    }
    // What a picture was paid for beyond what it keeps.
    void refundPicture(qint64 cost) {
        pictures_ += cost;
        total_ += cost;
    }
    bool exhausted() const { return exhausted_; }

  private:
    bool take(qint64 &share, qint64 cost) {
        if (exhausted_ || cost > share || cost > total_)
            return false;
        share -= cost;
        total_ -= cost;
        return true;
    }

    qint64 total_;
    qint64 text_;
    qint64 pictures_;
    qint64 decoding_;
    bool exhausted_ = false;
};

} // namespace rtf
