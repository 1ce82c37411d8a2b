#pragma once
// The user list frmKorisnici and its add/edit window frmKorisniciChange.
// KORISNICI (the entry) is in shell/entries.h.

#include <memory>

#include "listkit/list_state.h"

namespace shell {

// Opens the modal add (isNew) or edit window over the list.
void KorisniciChange(const std::shared_ptr<listkit::ListState>& list, bool isNew);
// Deletes the selected users, then reloads the list.
void KorisniciDelete(const std::shared_ptr<listkit::ListState>& list);

}  // namespace shell
