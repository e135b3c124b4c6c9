// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

namespace rtf {

// Documents measure in twips; the view shows them at 96 dpi, 1440 twips to the inch.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

} // namespace rtf
