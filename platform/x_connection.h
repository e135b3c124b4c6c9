// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

struct xcb_connection_t;

// The program's connection to its X server; none on another platform.
xcb_connection_t *xConnection();
