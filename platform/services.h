#pragma once

class Dialogs;
class FileSystem;
class ModalRunner;
class ProcessStarter;
class Registry;
class SettingsBackend;

// The outside world as the windows see it; tests hand in fakes.
struct Services {
    Dialogs &dialogs;
    SettingsBackend &store;
    ModalRunner &modal;
    Registry &registry;
    FileSystem &files;
    ProcessStarter &processes;
};
