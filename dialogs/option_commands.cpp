// The Options menu's commands on the board view. Each runs its dialog; what
// follows OK or Cancel happens inside the dialog.
#include "dialogs/column_choice.h"
#include "dialogs/num_players.h"
#include "dialogs/players_dlg.h"
#include "game/game_state.h"
#include "game/varnel_view.h"

void CVarnelView::OnOptionsColumns() {
  CColumnChoice dlg;
  dlg.DoModal();
}

void CVarnelView::OnOptionsNumPlayers() {
  CNumPlayers dlg;
  dlg.DoModal();
}

// The dialog shows the seats in play; with any other number of seats there
// is nothing to show.
void CVarnelView::OnOptionsPlayers() {
  if (g_nPlayers == 2) {
    CTwoPlayersDlg dlg;
    dlg.DoModal();
  } else if (g_nPlayers == 3) {
    CThreePlayersDlg dlg;
    dlg.DoModal();
  } else if (g_nPlayers == 4) {
    CFourPlayersDlg dlg;
    dlg.DoModal();
  }
}
