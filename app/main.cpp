// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "app/command_line.h"
#include "app/frm_tables.h"
#include "platform/announcer.h"
#include "platform/app_info.h"
#include "platform/clock_seeded_random.h"
#include "platform/detached_process_starter.h"
#include "platform/fonts.h"
#include "platform/line_edit_accessibility.h"
#include "platform/local_file_system.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_modal_runner.h"
#include "platform/session_end.h"
#include "platform/sqlite_store.h"
#include "platform/stand_in_registry.h"
#include "platform/store_location.h"
#include "platform/system_clock.h"
#include "platform/translations.h"
#include "platform/typing_order.h"
#include "platform/ui_language.h"

#include <QAccessible>
#include <QApplication>
#include <QSessionManager>
#include <QThreadPool>

#include <cstdlib>
#include <future>
#include <memory>

namespace {

QtMessageHandler toolkitMessages = nullptr;

// Without a display the toolkit gives up with an abort, which leaves a core
// dump behind for what is no fault of the program; its message says enough.
void endPlainlyOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    toolkitMessages(type, context, text);
    if (type == QtFatalMsg)
        std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[]) {
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    toolkitMessages = qInstallMessageHandler(endPlainlyOnFatal);
    QApplication application(argc, argv);
    qInstallMessageHandler(toolkitMessages);
    // Done on a second processor while the toolkit's accessibility connects to
    // the session bus, as it does before the first text is set, waiting for it
    // (some 5 ms where the bus must first be started, as when no desktop session
    // runs one): reading the font lists, which the toolkit would do before its
    // first text, then opening the store, which needs no window. Begun before
    // the toolkit connected to the display, the second thread kept the main
    // thread from a processor; and a store is made only once there is a display.
    std::future<std::unique_ptr<SqliteStore>> opening = std::async(std::launch::async, [] {
        loadFontConfiguration();
        return std::make_unique<SqliteStore>(settingsFilePath(appTitle()));
    });
    QAccessible::isActive();
    TypingOrder typingOrder;
    application.installEventFilter(&typingOrder);
    QApplication::setApplicationName(appTitle());
    QGuiApplication::setDesktopFileName(appId());
    // A session manager would restart the game with an argument that it refuses.
    QObject::connect(
        &application, &QGuiApplication::saveStateRequest,
        [](QSessionManager &session) { session.setRestartHint(QSessionManager::RestartNever); });
    // The toolkit scales and converts large pictures (the help document's) on pooled threads, which
    // would otherwise idle for half a minute after their work.
    QThreadPool::globalInstance()->setExpiryTimeout(0);
    installFontSubstitutes();
    installLineEditAccessibility();
    const QString language = uiLanguage();
    const Translations translations(language);
    QLocale::setDefault(shownLocale(language, environmentVariable));

    QtModalRunner modal;
    QtDialogs dialogs(modal);
    const std::unique_ptr<SqliteStore> store = opening.get();
    SystemClock clock;
    ClockSeededRandom random(clock);
    StandInRegistry registry;
    LocalFileSystem files;
    DetachedProcessStarter processes;
    ScreenReaderAnnouncer announcer;
    frmTables window(
        Services{dialogs, *store, clock, random, modal, registry, files, processes, announcer});
    const SessionEnd sessionEnd([&window] { window.saveOnSessionEnd(); });
    window.Form_Load();
    return QApplication::exec();
}
