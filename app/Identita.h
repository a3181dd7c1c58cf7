// Who the program is: the names and the version it shows, and the maker's
// web address (the logo's tooltip and link). app/tavelin.rc and
// app/tavelin.desktop repeat these texts for the desktops that read them.
#pragma once

namespace Identita {
inline constexpr char Nome[] = "Tavelin";  // also the title of every message box
inline constexpr char Versione[] = "1.00";
inline constexpr char Organizzazione[] = "Quorvane S.R.L.";
inline constexpr char Prodotto[] = "Quorvane Tavelin";
inline constexpr char Indirizzo[] = "www.quorvane.example";  // a bare host name
}  // namespace Identita
