<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Accessibilita</name>
    <message>
        <source>Dall&apos;intestazione della bitmap di appoggio</source>
        <translation>From the carrier bitmap&apos;s header</translation>
    </message>
    <message>
        <source>In pixel, dall&apos;intestazione della bitmap di appoggio</source>
        <translation>In pixels, from the carrier bitmap&apos;s header</translation>
    </message>
    <message>
        <source>In pixel per metro, dall&apos;intestazione della bitmap di appoggio</source>
        <translation>In pixels per metre, from the carrier bitmap&apos;s header</translation>
    </message>
    <message>
        <source>Le frecce su e giù scelgono 1, 2, 4 o 8 bit per byte</source>
        <translation>The up and down arrows choose 1, 2, 4 or 8 bits per byte</translation>
    </message>
    <message>
        <source>Schede</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Chiude il programma</source>
        <translation>Closes the program</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Pagina Crypt</source>
        <translation>Crypt page</translation>
    </message>
    <message>
        <source>Apri la bitmap di appoggio</source>
        <translation>Open the carrier bitmap</translation>
    </message>
    <message>
        <source>Bitmap di appoggio</source>
        <translation>Carrier bitmap</translation>
    </message>
    <message>
        <source>Percorso della bitmap in cui nascondere i dati; vi si può trascinare un file</source>
        <translation>Path of the bitmap to hide the data in; a file can be dropped here</translation>
    </message>
    <message>
        <source>Nascondi una stringa</source>
        <translation>Hide a string</translation>
    </message>
    <message>
        <source>Stringa da nascondere</source>
        <translation>String to hide</translation>
    </message>
    <message>
        <source>Nascondi un file</source>
        <translation>Hide a file</translation>
    </message>
    <message>
        <source>Apri il file da nascondere</source>
        <translation>Open the file to hide</translation>
    </message>
    <message>
        <source>File da nascondere</source>
        <translation>File to hide</translation>
    </message>
    <message>
        <source>Percorso del file da nascondere; vi si può trascinare un file</source>
        <translation>Path of the file to hide; a file can be dropped here</translation>
    </message>
    <message>
        <source>Chiave crittografica</source>
        <translation>Encryption key</translation>
    </message>
    <message>
        <source>Mescola i dati nella bitmap; al massimo 30 caratteri</source>
        <translation>Scrambles the data in the bitmap; at most 30 characters</translation>
    </message>
    <message>
        <source>Bit da utilizzare</source>
        <translation>Bits to use</translation>
    </message>
    <message>
        <source>Quanti bit meno significativi di ogni byte accolgono i dati: 1, 2, 4 o 8; si cambia con il selettore accanto</source>
        <translation>How many low bits of each byte take the data: 1, 2, 4 or 8; changed with the selector beside it</translation>
    </message>
    <message>
        <source>Selettore dei bit da utilizzare</source>
        <translation>Bits to use selector</translation>
    </message>
    <message>
        <source>Crypt</source>
        <translation>Crypt</translation>
    </message>
    <message>
        <source>Nasconde i dati nella bitmap di appoggio</source>
        <translation>Hides the data in the carrier bitmap</translation>
    </message>
    <message>
        <source>Avanzamento della criptazione</source>
        <translation>Hiding progress</translation>
    </message>
    <message>
        <source>Percentuale dei dati già nascosti</source>
        <translation>Share of the data hidden so far, in percent</translation>
    </message>
    <message>
        <source>Proteggi con passphrase</source>
        <translation>Protect with a passphrase</translation>
    </message>
    <message>
        <source>Cifra i dati con una passphrase, chiesta alla pressione di Crypt</source>
        <translation>Encrypts the data with a passphrase, asked for when Crypt is pressed</translation>
    </message>
    <message>
        <source>Tipo di bitmap</source>
        <translation>Bitmap type</translation>
    </message>
    <message>
        <source>Dimensione del file in byte</source>
        <translation>File size in bytes</translation>
    </message>
    <message>
        <source>Offset dei dati</source>
        <translation>Data offset</translation>
    </message>
    <message>
        <source>Lunghezza dell&apos;intestazione</source>
        <translation>Header length</translation>
    </message>
    <message>
        <source>Larghezza della bitmap</source>
        <translation>Bitmap width</translation>
    </message>
    <message>
        <source>Altezza della bitmap</source>
        <translation>Bitmap height</translation>
    </message>
    <message>
        <source>Numero di piani</source>
        <translation>Number of planes</translation>
    </message>
    <message>
        <source>Profondità di colore</source>
        <translation>Colour depth</translation>
    </message>
    <message>
        <source>In bit per pixel, dall&apos;intestazione della bitmap di appoggio</source>
        <translation>In bits per pixel, from the carrier bitmap&apos;s header</translation>
    </message>
    <message>
        <source>Compressione della bitmap</source>
        <translation>Bitmap compression</translation>
    </message>
    <message>
        <source>Grandezza dei dati bitmap</source>
        <translation>Bitmap data size</translation>
    </message>
    <message>
        <source>Risoluzione orizzontale</source>
        <translation>Horizontal resolution</translation>
    </message>
    <message>
        <source>Risoluzione verticale</source>
        <translation>Vertical resolution</translation>
    </message>
    <message>
        <source>Numero di colori usati</source>
        <translation>Number of colours used</translation>
    </message>
    <message>
        <source>Numero di colori importanti</source>
        <translation>Number of important colours</translation>
    </message>
    <message>
        <source>Byte utilizzabili</source>
        <translation>Usable bytes</translation>
    </message>
    <message>
        <source>Quanti byte la bitmap di appoggio può accogliere con i bit scelti</source>
        <translation>How many bytes the carrier bitmap can take with the chosen bits</translation>
    </message>
    <message>
        <source>Pagina Decrypt</source>
        <translation>Decrypt page</translation>
    </message>
    <message>
        <source>Bitmap da cui estrarre</source>
        <translation>Bitmap to extract from</translation>
    </message>
    <message>
        <source>Percorso della bitmap che nasconde i dati; vi si può trascinare un file</source>
        <translation>Path of the bitmap that holds the hidden data; a file can be dropped here</translation>
    </message>
    <message>
        <source>Apri la bitmap da cui estrarre</source>
        <translation>Open the bitmap to extract from</translation>
    </message>
    <message>
        <source>La chiave data quando i dati furono nascosti; al massimo 30 caratteri</source>
        <translation>The key given when the data were hidden; at most 30 characters</translation>
    </message>
    <message>
        <source>Quanti bit meno significativi di ogni byte contengono i dati: 1, 2, 4 o 8; si cambia con il selettore accanto</source>
        <translation>How many low bits of each byte hold the data: 1, 2, 4 or 8; changed with the selector beside it</translation>
    </message>
    <message>
        <source>Stringa decriptata</source>
        <translation>Extracted string</translation>
    </message>
    <message>
        <source>La stringa estratta dalla bitmap, in sola lettura</source>
        <translation>The string extracted from the bitmap, read-only</translation>
    </message>
    <message>
        <source>Nome del file estratto</source>
        <translation>Name of the extracted file</translation>
    </message>
    <message>
        <source>Cartella di salvataggio</source>
        <translation>Folder to save in</translation>
    </message>
    <message>
        <source>Scegli la cartella di salvataggio</source>
        <translation>Choose the folder to save in</translation>
    </message>
    <message>
        <source>Estrai una stringa</source>
        <translation>Extract a string</translation>
    </message>
    <message>
        <source>Estrai un file</source>
        <translation>Extract a file</translation>
    </message>
    <message>
        <source>DeCrypt</source>
        <translation>DeCrypt</translation>
    </message>
    <message>
        <source>Estrae i dati nascosti nella bitmap</source>
        <translation>Extracts the data hidden in the bitmap</translation>
    </message>
    <message>
        <source>Avanzamento della decriptazione</source>
        <translation>Extraction progress</translation>
    </message>
    <message>
        <source>Percentuale dei dati già estratti</source>
        <translation>Share of the data extracted so far, in percent</translation>
    </message>
    <message>
        <source>Protetto da passphrase</source>
        <translation>Protected by a passphrase</translation>
    </message>
    <message>
        <source>I dati sono cifrati: la passphrase viene chiesta alla pressione di DeCrypt</source>
        <translation>The data are encrypted: the passphrase is asked for when DeCrypt is pressed</translation>
    </message>
    <message>
        <source>Unità</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Il file system in cui scegliere la cartella</source>
        <translation>The file system to choose the folder in</translation>
    </message>
    <message>
        <source>Cartelle</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Invio o un doppio clic apre la cartella evidenziata</source>
        <translation>Enter or a double click opens the highlighted folder</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Salva nella cartella aperta</source>
        <translation>Saves in the open folder</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Argomenti</name>
    <message>
        <source>Opzione sconosciuta: %1 (usare tavelin --help).</source>
        <translation>Unknown option: %1 (see tavelin --help).</translation>
    </message>
    <message>
        <source>Si può aprire un solo file alla volta.</source>
        <translation>Only one file can be opened at a time.</translation>
    </message>
    <message>
        <source>Uso: tavelin [FILE]

Nasconde una stringa o un intero file nei bit meno significativi dei pixel di una
bitmap, mescolati con una chiave, e li estrae di nuovo, in una finestra.

  FILE            apre FILE nella scheda Crypt come con Apri...; un&apos;immagine di
                  un altro formato si può convertire in una bitmap di appoggio
  -h, --help      mostra questo aiuto ed esce
  -V, --version   mostra la versione ed esce

Per gli script e le macchine senza schermo: tavelin-cli --help.
</source>
        <translation>Usage: tavelin [FILE]

Hides a string or a whole file in the least significant bits of a bitmap&apos;s
pixels, scrambled with a key, and extracts them again, in a window.

  FILE            opens FILE in the Crypt tab as Open... does; a picture in
                  another format can be converted into a carrier bitmap
  -h, --help      shows this help and exits
  -V, --version   shows the version and exits

For scripts and machines without a display: tavelin-cli --help.
</translation>
    </message>
</context>
<context>
    <name>DialogoPassphrase</name>
    <message>
        <source>&amp;Passphrase</source>
        <translation>&amp;Passphrase</translation>
    </message>
    <message>
        <source>&amp;Ripeti la passphrase</source>
        <translation>&amp;Repeat the passphrase</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>Ripeti la passphrase</source>
        <translation>Repeat the passphrase</translation>
    </message>
</context>
<context>
    <name>Frase</name>
    <message>
        <source>Passphrase errata, oppure i dati sono stati alterati</source>
        <translation>Wrong passphrase, or the data have been tampered with</translation>
    </message>
    <message>
        <source>La passphrase è vuota: digitarla di nuovo.</source>
        <translation>The passphrase is empty: type it again.</translation>
    </message>
    <message>
        <source>Le due passphrase non coincidono: digitarle di nuovo.</source>
        <translation>The two passphrases do not match: type them again.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Quorvane - Tavelin - Versione 1.0 (Freeware)</source>
        <translation>Quorvane - Tavelin - Version 1.0 (Freeware)</translation>
    </message>
    <message>
        <source>Crypt</source>
        <translation>Crypt</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Decrypt</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>PannelloInfo</name>
    <message>
        <source>Dati Bitmap:</source>
        <translation>Bitmap Data:</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Dimensione File (Bytes)</source>
        <translation>File Size (Bytes)</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Lunghezza Header</source>
        <translation>Header Length</translation>
    </message>
    <message>
        <source>Larghezza Bitmap</source>
        <translation>Bitmap Width</translation>
    </message>
    <message>
        <source>Altezza Bitmap</source>
        <translation>Bitmap Height</translation>
    </message>
    <message>
        <source>Numero Piani</source>
        <translation>Planes</translation>
    </message>
    <message>
        <source>Bits per Pixel</source>
        <translation>Bits per Pixel</translation>
    </message>
    <message>
        <source>Compressione</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Grandezza Bitmap</source>
        <translation>Bitmap Size</translation>
    </message>
    <message>
        <source>Risoluzione Orizz. Px/Mt</source>
        <translation>Horiz. Resolution Px/m</translation>
    </message>
    <message>
        <source>Risoluzione Vert. Px/Mt</source>
        <translation>Vert. Resolution Px/m</translation>
    </message>
    <message>
        <source>Colori usati</source>
        <translation>Colors Used</translation>
    </message>
    <message>
        <source>Colori importanti</source>
        <translation>Important Colors</translation>
    </message>
    <message>
        <source>Bytes utilizzabili:</source>
        <translation>Usable Bytes:</translation>
    </message>
    <message>
        <source>Formato file non valido<byte value="xd"/>
%1</source>
        <translation>Invalid file format<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>La bitmap non può accogliere dati: %1.</source>
        <translation>The bitmap cannot take data: %1.</translation>
    </message>
    <message>
        <source>Bitmap di dimensioni insufficienti</source>
        <translation>Bitmap too small</translation>
    </message>
</context>
<context>
    <name>Piattaforma</name>
    <message>
        <source>Tutti i file (*.*)|*.*</source>
        <extracomment>A file dialog&apos;s entry: a description, a bar, the patterns.</extracomment>
        <translation>All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>FileBitmap (*.bmp)|*.bmp</source>
        <extracomment>A file dialog&apos;s entry: a description, a bar, the patterns.</extracomment>
        <translation>Bitmap files (*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>RigaStato</name>
    <message>
        <source>Stato</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>Seldir</name>
    <message>
        <source>Impossibile aprire la cartella &quot;%1&quot;.</source>
        <translation>Cannot open the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Seleziona directory per il salvataggio...</source>
        <translation>Select a folder to save in...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>C&amp;ancel</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;unità &quot;%1&quot;.</source>
        <translation>Cannot read the drive &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TabCrypt</name>
    <message>
        <source>Inserisci una stringa (max xx char)</source>
        <translation>Enter a string (max xx chars)</translation>
    </message>
    <message>
        <source>Inserisci una stringa (max  %1 char)</source>
        <translation>Enter a string (max  %1 chars)</translation>
    </message>
    <message>
        <source>Seleziona Bitmap di appoggio</source>
        <translation>Select Carrier Bitmap</translation>
    </message>
    <message>
        <source>&amp;Apri...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source> Sorgente da Crittografare </source>
        <translation> Source to Encrypt </translation>
    </message>
    <message>
        <source>&amp;Inserisci una stringa (max xx char)</source>
        <translation>Enter a str&amp;ing (max xx chars)</translation>
    </message>
    <message>
        <source>Seleziona un &amp;file</source>
        <translation>Select a &amp;file</translation>
    </message>
    <message>
        <source>Apri...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Inserire chiave crittografica (max 30 char):</source>
        <translation>Enter the encryption key (max 30 chars):</translation>
    </message>
    <message>
        <source>Bit da utilizzare (1-2-4-8):</source>
        <translation>Bits to use (1-2-4-8):</translation>
    </message>
    <message>
        <source>% di criptazione:</source>
        <translation>% complete:</translation>
    </message>
    <message>
        <source>&amp;Crypt</source>
        <translation>&amp;Crypt</translation>
    </message>
    <message>
        <source>Proteggi con &amp;passphrase</source>
        <translation>Protect with &amp;passphrase</translation>
    </message>
    <message>
        <source>Proteggi con passphrase</source>
        <translation>Protect with passphrase</translation>
    </message>
    <message>
        <source>Attenzione: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Tutte le immagini (%1)|%1|</source>
        <extracomment>A file dialog&apos;s entry: a description, a bar, the patterns, a bar.</extracomment>
        <translation>All pictures (%1)|%1|</translation>
    </message>
    <message>
        <source>Derivazione delle chiavi dalla passphrase in corso…</source>
        <translation>Deriving the keys from the passphrase…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; è un&apos;immagine %2 di %3 × %4 pixel, che così non può fare da bitmap di appoggio.<byte value="xd"/>
Creare una bitmap di appoggio dall&apos;immagine?</source>
        <translation>&quot;%1&quot; is a %2 picture of %3 × %4 pixels, which cannot serve as a carrier bitmap as it is.<byte value="xd"/>
Create a carrier bitmap from the picture?</translation>
    </message>
    <message>
        <source>Salva la bitmap di appoggio</source>
        <translation>Save the carrier bitmap</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; esiste già e non viene sostituito: scegliere un altro nome.</source>
        <translation>The file &quot;%1&quot; already exists and is not replaced: choose another name.</translation>
    </message>
    <message>
        <source>Creazione della bitmap di appoggio in corso…</source>
        <translation>Creating the carrier bitmap…</translation>
    </message>
    <message>
        <source>Memoria insufficiente.</source>
        <translation>Not enough memory.</translation>
    </message>
    <message>
        <source>Impossibile creare la bitmap di appoggio.<byte value="xd"/>
%1</source>
        <translation>Cannot create the carrier bitmap.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Bitmap di appoggio creata: %1</source>
        <translation>Carrier bitmap created: %1</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; si è accorciato durante l&apos;operazione.</source>
        <translation>The file &quot;%1&quot; became shorter during the operation.</translation>
    </message>
    <message>
        <source>Attenzione !!<byte value="xd"/>
File troppo grande</source>
        <translation>Warning !!<byte value="xd"/>
File too large</translation>
    </message>
    <message>
        <source>Scegliere prima la bitmap di appoggio.</source>
        <translation>Choose the carrier bitmap first.</translation>
    </message>
    <message>
        <source>La bitmap di appoggio &quot;%1&quot; non si può più leggere o non è più una bitmap valida.</source>
        <translation>The carrier bitmap &quot;%1&quot; can no longer be read or is no longer a valid bitmap.</translation>
    </message>
    <message>
        <source>Bitmap di dimensioni insufficienti</source>
        <translation>Bitmap too small</translation>
    </message>
    <message>
        <source>La chiave contiene il carattere &quot;%1&quot;, che non si può nascondere: usare solo caratteri dell&apos;alfabeto latino occidentale.</source>
        <translation>The key contains the character &quot;%1&quot;, which cannot be hidden: use only characters of the Western Latin alphabet.</translation>
    </message>
    <message>
        <source>La stringa contiene il carattere &quot;%1&quot;, che non si può nascondere: usare solo caratteri dell&apos;alfabeto latino occidentale.</source>
        <translation>The string contains the character &quot;%1&quot;, which cannot be hidden: use only characters of the Western Latin alphabet.</translation>
    </message>
    <message>
        <source>Scegliere il file da nascondere.</source>
        <translation>Choose the file to hide.</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non esiste più o non si può leggere.</source>
        <translation>The file &quot;%1&quot; no longer exists or cannot be read.</translation>
    </message>
    <message>
        <source>Nascosti %1 byte in %2 (invisibili, protetti da passphrase)</source>
        <translation>Hid %1 bytes in %2 (invisible, protected by passphrase)</translation>
    </message>
    <message>
        <source>Derivazione della chiave dalla passphrase in corso…</source>
        <translation>Deriving the key from the passphrase…</translation>
    </message>
    <message>
        <source>Nascosti %1 byte in %2 (%3 bit per byte%4)</source>
        <translation>Hid %1 bytes in %2 (%3 bits per byte%4)</translation>
    </message>
    <message>
        <source>, protetti da passphrase</source>
        <translation>, protected by passphrase</translation>
    </message>
    <message>
        <source>Attenzione: i dati non entrano nello strato invisibile e i rilevatori possono scoprirli. %1</source>
        <translation>Warning: the data do not fit in the invisible layer, and detectors can find them. %1</translation>
    </message>
    <message>
        <source>Memoria insufficiente: i dati non sono stati nascosti.</source>
        <translation>Not enough memory: the data were not hidden.</translation>
    </message>
    <message>
        <source>Errore imprevisto: i dati non sono stati nascosti.</source>
        <translation>Unexpected error: the data were not hidden.</translation>
    </message>
</context>
<context>
    <name>TabDeCrypt</name>
    <message>
        <source>Seleziona Bitmap di appoggio</source>
        <translation>Select Carrier Bitmap</translation>
    </message>
    <message>
        <source>Apri...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Parametri</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Bit da utilizzare (1-2-4-8)</source>
        <translation>Bits to use (1-2-4-8)</translation>
    </message>
    <message>
        <source>Inserire chiave crittografica (max 30 char)</source>
        <translation>Enter the encryption key (max 30 chars)</translation>
    </message>
    <message>
        <source>Risultati del processo di decriptazione </source>
        <translation>Results of the decryption </translation>
    </message>
    <message>
        <source>Stringa decriptata:</source>
        <translation>Decrypted string:</translation>
    </message>
    <message>
        <source>File </source>
        <translation>File </translation>
    </message>
    <message>
        <source>Nome file:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Percorso:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Salva su...</source>
        <translation>Save to...</translation>
    </message>
    <message>
        <source>% di criptazione:</source>
        <translation>% complete:</translation>
    </message>
    <message>
        <source>&amp;Stringa</source>
        <translation>&amp;String</translation>
    </message>
    <message>
        <source>&amp;DeCrypt</source>
        <translation>&amp;DeCrypt</translation>
    </message>
    <message>
        <source>Selezionare cosa estrarre:</source>
        <translation>Select what to extract:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>P&amp;rotetto da passphrase</source>
        <translation>P&amp;rotected by passphrase</translation>
    </message>
    <message>
        <source>Protetto da passphrase</source>
        <translation>Protected by passphrase</translation>
    </message>
    <message>
        <source>Formato file non valido<byte value="xd"/>
%1</source>
        <translation>Invalid file format<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Estratti %1 byte</source>
        <translation>Extracted %1 bytes</translation>
    </message>
    <message>
        <source> come stringa</source>
        <translation> as a string</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> to %1</translation>
    </message>
    <message>
        <source> (invisibili, nascosti come &quot;%1&quot;)</source>
        <translation> (invisible, hidden as &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>Derivazione della chiave dalla passphrase in corso…</source>
        <translation>Deriving the key from the passphrase…</translation>
    </message>
    <message>
        <source>La bitmap è cambiata durante l&apos;operazione.</source>
        <translation>The bitmap changed during the operation.</translation>
    </message>
    <message>
        <source>Nessun dato trovato con questa chiave e questo numero di bit</source>
        <translation>No data found with this key and this number of bits</translation>
    </message>
    <message>
        <source>, protetti da passphrase</source>
        <translation>, protected by passphrase</translation>
    </message>
    <message>
        <source>Attenzione: i dati estratti non erano protetti da passphrase. %1</source>
        <translation>Warning: the extracted data were not protected by a passphrase. %1</translation>
    </message>
    <message>
        <source>Ricerca dei dati invisibili con la passphrase in corso…</source>
        <translation>Searching for invisible data with the passphrase…</translation>
    </message>
    <message>
        <source>Scegliere prima la bitmap di appoggio.</source>
        <translation>Choose the carrier bitmap first.</translation>
    </message>
    <message>
        <source>La bitmap di appoggio &quot;%1&quot; non esiste.</source>
        <translation>The carrier bitmap &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un file: scegliere una bitmap di appoggio.</source>
        <translation>&quot;%1&quot; is not a file: choose a carrier bitmap.</translation>
    </message>
    <message>
        <source>Impossibile leggere la bitmap di appoggio &quot;%1&quot;.</source>
        <translation>Cannot read the carrier bitmap &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Indicare il nome del file in cui salvare i dati.</source>
        <translation>Give the name of the file to save the data in.</translation>
    </message>
    <message>
        <source>Indicare la cartella in cui salvare i dati.</source>
        <translation>Give the folder to save the data in.</translation>
    </message>
    <message>
        <source>La cartella &quot;%1&quot; non esiste.</source>
        <translation>The folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è una cartella.</source>
        <translation>&quot;%1&quot; is not a folder.</translation>
    </message>
    <message>
        <source>La chiave contiene il carattere &quot;%1&quot;, che non si può usare: usare solo lettere, cifre e simboli dell&apos;alfabeto occidentale.</source>
        <translation>The key contains the character &quot;%1&quot;, which cannot be used: use only letters, digits and symbols of the Western alphabet.</translation>
    </message>
    <message>
        <source>Estrazione non riuscita.<byte value="xd"/>
Memoria insufficiente per estrarre i dati.</source>
        <translation>Extraction failed.<byte value="xd"/>
Not enough memory to extract the data.</translation>
    </message>
    <message>
        <source>Estrazione non riuscita.<byte value="xd"/>
%1</source>
        <translation>Extraction failed.<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>Tastiera</name>
    <message>
        <source>Invio chiude il programma; Tab passa ai controlli</source>
        <translation>Enter closes the program; Tab moves to the controls</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tavelin: nessuno schermo disponibile: la finestra non si può aprire (DISPLAY o WAYLAND_DISPLAY non indicano uno schermo raggiungibile). Senza schermo si usa tavelin-cli.
</source>
        <translation>tavelin: no display available: the window cannot open (DISPLAY or WAYLAND_DISPLAY names no reachable display). Without a display, use tavelin-cli.
</translation>
    </message>
</context>
</TS>
