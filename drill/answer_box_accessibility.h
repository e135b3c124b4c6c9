// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The answer box as a screen reader sees it: an edit box like any other,
// except that its selected blank is not a selection. A screen reader that
// saw one would call the first digit typed "Selection deleted.".
QAccessibleInterface *answerBoxAccessibility(const QString &className, QObject *object);
