#pragma once
// The user list frmKorisnici and its add/edit window frmKorisniciChange.
// KORISNICI (the entry) is in shell/entries.h.

namespace shell {

// The list's load: every user in ID order into grdKorisnici, then the re-layout.
void KORISNICIGETDATA();
// The list's re-layout for the window's size.
void KORISNICIFORMRESIZE();
// Opens the modal add (isNew) or edit window over the list.
void KorisniciChange(bool isNew);

}  // namespace shell
