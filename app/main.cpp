#include "app/frm_tables.h"
#include "platform/app_info.h"
#include "platform/fonts.h"
#include "platform/qt_dialogs.h"
#include "platform/sqlite_store.h"
#include "platform/store_location.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(appTitle());
    installFontSubstitutes();

    QtDialogs dialogs;
    SqliteStore store(settingsFilePath(appTitle()));
    frmTables window(Services{dialogs, store});
    window.Form_Load();
    return QApplication::exec();
}
