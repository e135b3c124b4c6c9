// "Progress": the current player's history at a glance.
#include "app/frm_tables.h"

#include "history/history_text.h"
#include "platform/clock.h"
#include "platform/modal_runner.h"
#include "progress/frm_progress.h"
#include "settings/settings.h"

void frmTables::mnuProgress_Click() {
    const std::optional<SettingPairs> records =
        GetAllSettings(services_.store, historySection(PlayerName));
    frmProgress window(readPlayerHistory(records.value_or(SettingPairs{})), PlayerName,
                       services_.clock.now(), this);
    services_.modal.runModal(window);
}
