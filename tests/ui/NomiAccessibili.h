// What a screen reader must hear of each control that takes the focus or
// shows a value, in each language: its role, its name, the page it sits on,
// and whether a description comes with it. One table for both languages.
#pragma once

#include <QAccessible>

namespace NomiAccessibili {

enum Pagina { Finestra = -1, Crypt = 0, Decrypt = 1, Cartelle = 2, Frase = 3 };

struct Voce {
  const char* oggetto;
  QAccessible::Role ruolo;
  Pagina pagina;
  const char* italiano;
  const char* inglese;
  bool descritto;
};

using R = QAccessible::Role;

// clang-format off
inline constexpr Voce kVoci[] = {
    {"qt_tabwidget_tabbar", R::PageTabList, Finestra, "Schede", "Tabs", false},
    {"CmdEsci", R::Button, Finestra, "Esci", "Quit", true},
    {"LblStato", R::StaticText, Finestra, "Stato", "Status", false},
    {"CmdDirCrypt", R::Button, Crypt, "Apri la bitmap di appoggio", "Open the carrier bitmap", false},
    {"TxtDirCrypt", R::EditableText, Crypt, "Bitmap di appoggio", "Carrier bitmap", true},
    {"Option3", R::RadioButton, Crypt, "Nascondi una stringa", "Hide a string", true},
    {"TxtString", R::EditableText, Crypt, "Stringa da nascondere", "String to hide", false},
    {"Option4", R::RadioButton, Crypt, "Nascondi un file", "Hide a file", false},
    {"Command1", R::Button, Crypt, "Apri il file da nascondere", "Open the file to hide", false},
    {"TxtSelFile", R::EditableText, Crypt, "File da nascondere", "File to hide", true},
    {"TxtKey", R::EditableText, Crypt, "Chiave crittografica", "Encryption key", true},
    {"TxtBit", R::EditableText, Crypt, "Bit da utilizzare", "Bits to use", true},
    {"VScroll1", R::ScrollBar, Crypt, "Selettore dei bit da utilizzare", "Bits to use selector", true},
    {"CmdCrypt", R::Button, Crypt, "Crypt", "Crypt", true},
    {"TxtPerc2", R::EditableText, Crypt, "Avanzamento della criptazione", "Hiding progress", true},
    {"ChkPassphrase", R::CheckBox, Crypt, "Proteggi con passphrase", "Protect with a passphrase", true},
    {"Label2_13", R::StaticText, Crypt, "Tipo di bitmap", "Bitmap type", true},
    {"Label2_0", R::StaticText, Crypt, "Dimensione del file in byte", "File size in bytes", true},
    {"Label2_1", R::StaticText, Crypt, "Offset dei dati", "Data offset", true},
    {"Label2_2", R::StaticText, Crypt, "Lunghezza dell'intestazione", "Header length", true},
    {"Label2_3", R::StaticText, Crypt, "Larghezza della bitmap", "Bitmap width", true},
    {"Label2_4", R::StaticText, Crypt, "Altezza della bitmap", "Bitmap height", true},
    {"Label2_5", R::StaticText, Crypt, "Numero di piani", "Number of planes", true},
    {"Label2_6", R::StaticText, Crypt, "Profondità di colore", "Colour depth", true},
    {"Label2_7", R::StaticText, Crypt, "Compressione della bitmap", "Bitmap compression", true},
    {"Label2_8", R::StaticText, Crypt, "Grandezza dei dati bitmap", "Bitmap data size", true},
    {"Label2_9", R::StaticText, Crypt, "Risoluzione orizzontale", "Horizontal resolution", true},
    {"Label2_10", R::StaticText, Crypt, "Risoluzione verticale", "Vertical resolution", true},
    {"Label2_11", R::StaticText, Crypt, "Numero di colori usati", "Number of colours used", true},
    {"Label2_12", R::StaticText, Crypt, "Numero di colori importanti", "Number of important colours", true},
    {"Label5", R::StaticText, Crypt, "Byte utilizzabili", "Usable bytes", true},
    {"TxtDirDeCrypt", R::EditableText, Decrypt, "Bitmap da cui estrarre", "Bitmap to extract from", true},
    {"CmdDirDeCrypt", R::Button, Decrypt, "Apri la bitmap da cui estrarre", "Open the bitmap to extract from", false},
    {"Text3", R::EditableText, Decrypt, "Chiave crittografica", "Encryption key", true},
    {"TxtBt", R::EditableText, Decrypt, "Bit da utilizzare", "Bits to use", true},
    {"VScroll2", R::ScrollBar, Decrypt, "Selettore dei bit da utilizzare", "Bits to use selector", true},
    {"Text1", R::EditableText, Decrypt, "Stringa decriptata", "Extracted string", true},
    {"Text5", R::EditableText, Decrypt, "Nome del file estratto", "Name of the extracted file", false},
    {"Text4", R::EditableText, Decrypt, "Cartella di salvataggio", "Folder to save in", false},
    {"Command2", R::Button, Decrypt, "Scegli la cartella di salvataggio", "Choose the folder to save in", false},
    {"Option5", R::RadioButton, Decrypt, "Estrai una stringa", "Extract a string", false},
    {"Option6", R::RadioButton, Decrypt, "Estrai un file", "Extract a file", false},
    {"CmdDeCrypt", R::Button, Decrypt, "DeCrypt", "DeCrypt", true},
    {"TxtPerc", R::EditableText, Decrypt, "Avanzamento della decriptazione", "Extraction progress", true},
    {"ChkPassphraseRivela", R::CheckBox, Decrypt, "Protetto da passphrase", "Protected by a passphrase", true},
    {"Drive1", R::ComboBox, Cartelle, "Unità", "Drive", true},
    {"Dir1", R::List, Cartelle, "Cartelle", "Folders", true},
    {"OK", R::Button, Cartelle, "Ok", "OK", true},
    {"Annulla", R::Button, Cartelle, "Annulla", "Cancel", false},
    {"TxtPassphrase", R::EditableText, Frase, "Passphrase", "Passphrase", false},
    {"TxtRipeti", R::EditableText, Frase, "Ripeti la passphrase", "Repeat the passphrase", false},
};
// clang-format on

}  // namespace NomiAccessibili
