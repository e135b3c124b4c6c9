// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QtGlobal>

// The viewer numbers records in 16 bits. A count that does not fit is a
// run-time failure (std::overflow_error), caught by the viewer's error trap.
qint16 recordCounter(qsizetype count);
