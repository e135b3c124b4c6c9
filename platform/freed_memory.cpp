// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/freed_memory.h"

#include <cstdlib> // tells which C library this is
#ifdef __GLIBC__
#include <malloc.h>
#endif

void returnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
