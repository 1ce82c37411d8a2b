#pragma once
// The user list frmKorisnici and its add/edit window frmKorisniciChange.
// KORISNICI (the entry) is in shell/entries.h.

#include <memory>

#include "listkit/list_state.h"

namespace shell {

// The list's load: every user in ID order into grdKorisnici, then the re-layout.
void KORISNICIGETDATA(listkit::ListState& list);
// The list's re-layout for the window's size.
void KORISNICIFORMRESIZE(const listkit::ListState& list);
// Opens the modal add (isNew) or edit window over the list.
void KorisniciChange(const std::shared_ptr<listkit::ListState>& list, bool isNew);
// Deletes the selected users, then reloads the list.
void KorisniciDelete(const std::shared_ptr<listkit::ListState>& list);

}  // namespace shell
