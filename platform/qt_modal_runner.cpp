#include "platform/qt_modal_runner.h"

#include <QDialog>

void QtModalRunner::runModal(QDialog &dialog) {
    dialog.exec();
}
