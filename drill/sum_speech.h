// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "drill/asked_sum.h"

#include <QString>

#include <optional>

// How an answer went: right, wrong, or none given (a blank box).
Outcome outcomeOf(const QString &answer, const Sum &sum);

// What a screen reader says as sum `number` of `count` comes up: how the
// last one went, then the new sum. Longer than the time allowed, it is cut
// down, the new sum kept whole to the end.
QString sumSpeech(const std::optional<AskedSum> &last, const Sum &next, int number, int count,
                  int millisecondsAllowed);
