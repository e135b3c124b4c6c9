// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// The texts of the About face.

// "Version 1.0": no padding, no revision.
QString versionText(int major, int minor);

// The heading of the frame round the author's details.
QString authorHeading();

// Four lines of author's details and the copyright years, joined by CR LF.
QString authorDetails();

QString disclaimerText();
