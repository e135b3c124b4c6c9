// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "history/record_counter.h"

#include <limits>
#include <stdexcept>

qint16 recordCounter(qsizetype count) {
    if (count < std::numeric_limits<qint16>::min() || count > std::numeric_limits<qint16>::max())
        throw std::overflow_error("record counter out of 16-bit range");
    return static_cast<qint16>(count);
}
