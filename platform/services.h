#pragma once

class Dialogs;
class SettingsBackend;

// The outside world as the windows see it; tests hand in fakes.
struct Services {
    Dialogs &dialogs;
    SettingsBackend &store;
};
