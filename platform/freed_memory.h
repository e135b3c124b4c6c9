// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

// Hands memory freed by a large piece of work back to the system: the
// allocator keeps it otherwise, in every thread's pool, for the program's life.
void returnFreedMemory();
