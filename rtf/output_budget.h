#pragma once

#include <QtGlobal>

namespace rtf {

// Bounds what a document may cost in memory and time, whatever its source says.
class OutputBudget {
  public:
    explicit OutputBudget(qint64 units) : left_(units) {}

    // Text and structure: once one does not fit, the document is complete.
    bool spend(qint64 cost) {
        if (!trySpend(cost))
            exhausted_ = true;
        return !exhausted_;
    }
    // Pictures: one that does not fit is left out and the rest still comes.
    bool trySpend(qint64 cost) {
        if (exhausted_ || cost > left_)
            return false;
        left_ -= cost;
        return true;
    }
    // What a picture was paid for beyond what it keeps.
    void refund(qint64 cost) { left_ += cost; }
    bool exhausted() const { return exhausted_; }

  private:
    qint64 left_;
    bool exhausted_ = false;
};

} // namespace rtf
