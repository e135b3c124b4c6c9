// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

class Announcer;
class Clock;
class Dialogs;
class FileSystem;
class ModalRunner;
class ProcessStarter;
class Registry;
class RandomSource;
class SettingsBackend;

// The outside world as the windows see it; tests hand in fakes.
struct Services {
    Dialogs &dialogs;
    SettingsBackend &store;
    Clock &clock;
    RandomSource &random;
    ModalRunner &modal;
    Registry &registry;
    FileSystem &files;
    ProcessStarter &processes;
    Announcer &announcer;
};
