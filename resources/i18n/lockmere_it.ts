<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="User">
        <source>User Name</source>
        <translation>Nome utente</translation>
    </message>
    <message id="Password">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="Email">
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message id="Website">
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message id="Computer">
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message id="Software">
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message id="BankCard">
        <source>Bank Card</source>
        <translation>Carta bancaria</translation>
    </message>
    <message id="eBank">
        <source>Online Banking</source>
        <translation>Home banking</translation>
    </message>
    <message id="Router">
        <source>Router</source>
        <translation>Router</translation>
    </message>
    <message id="Lock">
        <source>Lock</source>
        <translation>Serratura</translation>
    </message>
    <message id="Safe">
        <source>Safe</source>
        <translation>Cassaforte</translation>
    </message>
    <message id="Other">
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message id="Users">
        <source>Users</source>
        <translation>Utenti</translation>
    </message>
    <message id="Exit">
        <source>Log Out</source>
        <translation>Disconnetti</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message id="IsRoot">
        <source>Administrator</source>
        <translation>Amministratore</translation>
    </message>
    <message id="Category">
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message id="Http">
        <source>Web Address</source>
        <translation>Indirizzo web</translation>
    </message>
    <message id="Memo">
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="OK">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="DelConfirm">
        <source>Delete the selected item?</source>
        <translation>Eliminare l'elemento selezionato?</translation>
    </message>
    <message id="DelInfo">
        <source>It will be removed for good. This cannot be undone.</source>
        <translation>Verrà rimosso per sempre. L'operazione non si può annullare.</translation>
    </message>
    <message id="NoPermissionAlert">
        <source>You are not allowed to do this.</source>
        <translation>Non hai il permesso di farlo.</translation>
    </message>
    <message id="NoPermissionAlertInfo">
        <source>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</source>
        <translation>Gli account sono gestiti dagli amministratori. Un account normale può aprire solo il proprio account, e l'account chiamato «root» non può mai essere eliminato.</translation>
    </message>
    <message id="TitleNotNull">
        <source>The title is empty.</source>
        <translation>Il titolo è vuoto.</translation>
    </message>
    <message id="TitleNotNullInfo">
        <source>Give the entry a title so that you can find it in the list.</source>
        <translation>Dai un titolo alla voce per ritrovarla nell'elenco.</translation>
    </message>
    <message id="PwdNotNull">
        <source>The password is empty.</source>
        <translation>La password è vuota.</translation>
    </message>
    <message id="PwdNotNullInfo">
        <source>Enter a password before you save.</source>
        <translation>Inserisci una password prima di salvare.</translation>
    </message>
    <message id="UserNotNull">
        <source>The user name is empty.</source>
        <translation>Il nome utente è vuoto.</translation>
    </message>
    <message id="UserNotNullInfo">
        <source>Enter a name for the account before you save.</source>
        <translation>Inserisci un nome per l'account prima di salvare.</translation>
    </message>
    <message id="SaveFailAlert">
        <source>Could not save.</source>
        <translation>Impossibile salvare.</translation>
    </message>
    <message id="SaveFailAlertInfo">
        <source>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</source>
        <translation>Non è stato modificato nulla. Il nome potrebbe essere già in uso, oppure il database è di sola lettura o usato da un altro programma. Quanto hai scritto è conservato: riprova o annulla.</translation>
    </message>
    <message id="DelUserAlert">
        <source>This account cannot be deleted.</source>
        <translation>Questo account non può essere eliminato.</translation>
    </message>
    <message id="CannotDelLoginUser">
        <source>You are logged in with this account. Log in with another administrator account to delete it.</source>
        <translation>Hai effettuato l'accesso con questo account. Accedi con un altro account amministratore per eliminarlo.</translation>
    </message>
    <message id="UserHasData">
        <source>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</source>
        <translation>Questo account possiede ancora delle voci (nelle sue categorie, nel suo cestino o come versioni precedenti). Accedi con esso, elimina prima le sue voci e svuota il suo cestino.</translation>
    </message>
    <message id="CategoryNotNull">
        <source>No category is chosen.</source>
        <translation>Nessuna categoria scelta.</translation>
    </message>
    <message id="CategoryNotNullInfo">
        <source>Choose the category to file the entry under.</source>
        <translation>Scegli la categoria in cui archiviare la voce.</translation>
    </message>
    <message id="LogIn">
        <source>Log In</source>
        <translation>Accedi</translation>
    </message>
    <message id="AddEntry">
        <source>Add Entry</source>
        <translation>Aggiungi voce</translation>
    </message>
    <message id="RemoveEntry">
        <source>Remove Entry</source>
        <translation>Rimuovi voce</translation>
    </message>
    <message id="AddUser">
        <source>Add User</source>
        <translation>Aggiungi utente</translation>
    </message>
    <message id="RemoveUser">
        <source>Remove User</source>
        <translation>Rimuovi utente</translation>
    </message>
    <message id="EntryList">
        <source>Password Entries</source>
        <translation>Voci delle password</translation>
    </message>
    <message id="UserList">
        <source>User Accounts</source>
        <translation>Account utente</translation>
    </message>
    <message id="EntryCount">
        <source>Number of entries</source>
        <translation>Numero di voci</translation>
    </message>
    <message id="UserCount">
        <source>Number of accounts</source>
        <translation>Numero di account</translation>
    </message>
    <message id="Generate">
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message id="GeneratePassword">
        <source>Generate a Strong Password</source>
        <translation>Genera una password robusta</translation>
    </message>
    <message id="Strength">
        <source>Password Strength</source>
        <translation>Robustezza della password</translation>
    </message>
    <message id="StrengthVeryWeak">
        <source>Very weak</source>
        <translation>Molto debole</translation>
    </message>
    <message id="StrengthWeak">
        <source>Weak</source>
        <translation>Debole</translation>
    </message>
    <message id="StrengthFair">
        <source>Fair</source>
        <translation>Discreta</translation>
    </message>
    <message id="StrengthGood">
        <source>Good</source>
        <translation>Buona</translation>
    </message>
    <message id="StrengthStrong">
        <source>Strong</source>
        <translation>Robusta</translation>
    </message>
    <message id="CopyPassword">
        <source>Copy Password</source>
        <translation>Copia password</translation>
    </message>
    <message id="CopyUser">
        <source>Copy User Name</source>
        <translation>Copia nome utente</translation>
    </message>
    <message id="CopyHttp">
        <source>Copy Web Address</source>
        <translation>Copia indirizzo web</translation>
    </message>
    <message id="ClipboardClearsIn">
        <source>Copied; the clipboard clears in %1 s</source>
        <translation>Copiato; gli appunti verranno svuotati tra %1 s</translation>
    </message>
    <message id="EntryEditor">
        <source>Entry</source>
        <translation>Voce</translation>
    </message>
    <message id="AccountEditor">
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message id="RecordGone">
        <source>This record is no longer there</source>
        <translation>Questo elemento non esiste più</translation>
    </message>
    <message id="RecordGoneInfo">
        <source>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</source>
        <translation>Un'altra copia di Lockmere ha modificato l'elenco nel frattempo. L'elenco è stato riletto; non è stato modificato nulla.</translation>
    </message>
    <message id="DeleteFailAlert">
        <source>Could not delete</source>
        <translation>Impossibile eliminare</translation>
    </message>
    <message id="DeleteFailAlertInfo">
        <source>The database refused the deletion. Nothing was deleted; try again later.</source>
        <translation>Il database ha rifiutato l'eliminazione. Non è stato eliminato nulla; riprova più tardi.</translation>
    </message>
    <message id="UserDataUnknown">
        <source>Lockmere could not read whether this account owns entries, so it was not deleted.</source>
        <translation>Lockmere non è riuscito a verificare se questo account possiede voci, quindi non è stato eliminato.</translation>
    </message>
    <message id="Open">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="NewEntry">
        <source>New Entry</source>
        <translation>Nuova voce</translation>
    </message>
    <message id="Find">
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message id="SearchField">
        <source>Search all entries</source>
        <translation>Cerca in tutte le voci</translation>
    </message>
    <message id="SearchResults">
        <source>Search Results</source>
        <translation>Risultati della ricerca</translation>
    </message>
    <message id="OpenHttp">
        <source>Open Web Address</source>
        <translation>Apri indirizzo web</translation>
    </message>
    <message id="Quit">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="FileMenu">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="EntryMenu">
        <source>&amp;Entry</source>
        <translation>&amp;Voce</translation>
    </message>
    <message id="ViewMenu">
        <source>&amp;View</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message id="NoHttpAlert">
        <source>This entry has no web address</source>
        <translation>Questa voce non ha un indirizzo web</translation>
    </message>
    <message id="NoHttpAlertInfo">
        <source>Enter one in the entry's Web address field.</source>
        <translation>Inseriscine uno nel campo Indirizzo web della voce.</translation>
    </message>
    <message id="HttpRefusedAlert">
        <source>This address is not opened</source>
        <translation>Questo indirizzo non viene aperto</translation>
    </message>
    <message id="HttpRefusedAlertInfo">
        <source>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</source>
        <translation>Lockmere apre solo pagine web: indirizzi che iniziano con http:// o https://, o senza schema.</translation>
    </message>
    <message id="HttpOpenFailAlert">
        <source>The web address could not be opened</source>
        <translation>Impossibile aprire l'indirizzo web</translation>
    </message>
    <message id="HttpOpenFailAlertInfo">
        <source>No web browser took it. Copy the address and paste it into your browser.</source>
        <translation>Nessun browser web l'ha accettato. Copia l'indirizzo e incollalo nel browser.</translation>
    </message>
    <message id="ImportMenu">
        <source>Import…</source>
        <translation>Importa…</translation>
    </message>
    <message id="ExportMenu">
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message id="ImportTitle">
        <source>Import Passwords</source>
        <translation>Importa password</translation>
    </message>
    <message id="ExportTitle">
        <source>Export Passwords</source>
        <translation>Esporta password</translation>
    </message>
    <message id="CsvFiles">
        <source>CSV files</source>
        <translation>File CSV</translation>
    </message>
    <message id="AllFiles">
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message id="Import">
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message id="Export">
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message id="ImportRefused">
        <source>This file is not imported</source>
        <translation>Questo file non viene importato</translation>
    </message>
    <message id="ImportIsFolder">
        <source>It is a folder, not a file.</source>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message id="ImportTooLarge">
        <source>It is larger than %1 MB; no password manager's export is that large.</source>
        <translation>Supera i %1 MB; nessuna esportazione di un gestore di password è così grande.</translation>
    </message>
    <message id="ImportUnreadable">
        <source>It cannot be read: %1</source>
        <translation>Non si può leggere: %1</translation>
    </message>
    <message id="ImportEmpty">
        <source>It is empty.</source>
        <translation>È vuoto.</translation>
    </message>
    <message id="ImportNotText">
        <source>It is not a text file.</source>
        <translation>Non è un file di testo.</translation>
    </message>
    <message id="ImportNotUtf8">
        <source>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</source>
        <translation>Il suo testo non è in UTF-8 (né in UTF-16). Esportalo di nuovo in UTF-8, come fanno in modo predefinito i gestori di password e i browser.</translation>
    </message>
    <message id="ImportUnknownHeader">
        <source>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</source>
        <translation>La sua prima riga non nomina alcuna colonna nota a Lockmere. Era attesa l'intestazione di un'esportazione di %1.</translation>
    </message>
    <message id="ImportStrayQuote">
        <source>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</source>
        <translation>La riga %1 ha delle virgolette in un campo che non è tra virgolette, o del testo dopo le virgolette di chiusura.</translation>
    </message>
    <message id="ImportUnclosedQuote">
        <source>The quotation mark opened on line %1 is never closed.</source>
        <translation>Le virgolette aperte alla riga %1 non vengono mai chiuse.</translation>
    </message>
    <message id="ImportFieldCount">
        <source>Line %1 has %2 fields; the header has %3.</source>
        <translation>La riga %1 ha %2 campi; l'intestazione ne ha %3.</translation>
    </message>
    <message id="KindKeePassXC">
        <source>KeePassXC (or Lockmere)</source>
        <translation>KeePassXC (o Lockmere)</translation>
    </message>
    <message id="KindBitwarden">
        <source>Bitwarden</source>
        <translation>Bitwarden</translation>
    </message>
    <message id="KindFirefox">
        <source>Firefox</source>
        <translation>Firefox</translation>
    </message>
    <message id="KindChrome">
        <source>Chrome</source>
        <translation>Chrome</translation>
    </message>
    <message id="ImportPerCategory">
        <source>%1: %2 new</source>
        <translation>%1: %2 nuove</translation>
    </message>
    <message id="ImportSkippedDuplicates">
        <source>Skipped, exactly as already there: %1</source>
        <translation>Saltate, identiche a quelle già presenti: %1</translation>
    </message>
    <message id="ImportSkippedEmpty">
        <source>Skipped, without title and password: %1</source>
        <translation>Saltate, senza titolo né password: %1</translation>
    </message>
    <message id="ImportNothing">
        <source>Nothing to import from this %1 file</source>
        <translation>Niente da importare da questo file di %1</translation>
    </message>
    <message id="ImportConfirm">
        <source>Import %2 entries from this %1 file?</source>
        <translation>Importare %2 voci da questo file di %1?</translation>
    </message>
    <message id="Importing">
        <source>Importing…</source>
        <translation>Importazione…</translation>
    </message>
    <message id="ImportCancelled">
        <source>The import was cancelled</source>
        <translation>L'importazione è stata annullata</translation>
    </message>
    <message id="ImportFailed">
        <source>The entries could not be saved</source>
        <translation>Impossibile salvare le voci</translation>
    </message>
    <message id="NothingImported">
        <source>Nothing was imported; every entry is as it was.</source>
        <translation>Non è stato importato nulla; ogni voce è rimasta com'era.</translation>
    </message>
    <message id="ImportedFields">
        <source>Imported fields:</source>
        <translation>Campi importati:</translation>
    </message>
    <message id="ExportWarning">
        <source>The exported file holds your passwords unencrypted</source>
        <translation>Il file esportato contiene le tue password non cifrate</translation>
    </message>
    <message id="ExportWarningInfo">
        <source>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</source>
        <translation>Chiunque possa leggere il file può leggere tutte le password di questo account. È leggibile solo dal tuo utente di questo computer, quindi anche da chi condivide quell'utente e dall'amministratore del computer; eliminalo quando non ti serve più.</translation>
    </message>
    <message id="ExportFailed">
        <source>The file could not be written</source>
        <translation>Impossibile scrivere il file</translation>
    </message>
    <message id="ExportFailedInfo">
        <source>Choose a folder that you can write to. No file was left behind.</source>
        <translation>Scegli una cartella in cui puoi scrivere. Non è rimasto alcun file.</translation>
    </message>
    <message id="DefaultPasswordAlert">
        <source>root still has its published password</source>
        <translation>root ha ancora la sua password pubblicata</translation>
    </message>
    <message id="DefaultPasswordAlertInfo">
        <source>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</source>
        <translation>Ogni nuova installazione dà a root la password «tiwe», e chiunque può leggerla nella documentazione. Cambiala ora, così che nessun altro possa accedere come root.</translation>
    </message>
    <message id="ChangePasswordNow">
        <source>Change Now</source>
        <translation>Cambia ora</translation>
    </message>
    <message id="Later">
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message id="DiscardAlert">
        <source>Discard changes?</source>
        <translation>Scartare le modifiche?</translation>
    </message>
    <message id="DiscardAlertInfo">
        <source>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</source>
        <translation>Quanto hai modificato nell'editor non è stato salvato. Scartalo, oppure continua a modificare e salvalo.</translation>
    </message>
    <message id="Discard">
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message id="KeepEditing">
        <source>Keep Editing</source>
        <translation>Continua a modificare</translation>
    </message>
    <message id="MovedTo">
        <source>Moved to %1</source>
        <translation>Spostata in %1</translation>
    </message>
    <message id="CopiedPassword">
        <source>Password copied; clears in %1 s</source>
        <translation>Password copiata; verrà cancellata tra %1 s</translation>
    </message>
    <message id="CopiedUser">
        <source>User name copied; clears in %1 s</source>
        <translation>Nome utente copiato; verrà cancellato tra %1 s</translation>
    </message>
    <message id="CopiedHttp">
        <source>Web address copied; clears in %1 s</source>
        <translation>Indirizzo web copiato; verrà cancellato tra %1 s</translation>
    </message>
    <message id="Passphrase">
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message id="Length">
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message id="Words">
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message id="NoWordList">
        <source>Passphrases need a word list: install the wamerican package.</source>
        <translation>Le passphrase richiedono un elenco di parole: installa il pacchetto wamerican.</translation>
    </message>
    <message id="UppercaseLetters">
        <source>Upper-case letters</source>
        <translation>Lettere maiuscole</translation>
    </message>
    <message id="LowercaseLetters">
        <source>Lower-case letters</source>
        <translation>Lettere minuscole</translation>
    </message>
    <message id="Digits">
        <source>Digits</source>
        <translation>Cifre</translation>
    </message>
    <message id="Symbols">
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message id="GeneratorOptions">
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message id="ImportBrokenUtf16">
        <source>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</source>
        <translation>Il suo testo UTF-16 è troncato o contiene mezzo carattere. Esportalo di nuovo, meglio in UTF-8.</translation>
    </message>
    <message id="ImportNotAFile">
        <source>It is not an ordinary file but a device, a pipe or a socket.</source>
        <translation>Non è un file normale ma un dispositivo, una pipe o un socket.</translation>
    </message>
    <message id="ImportTooManyRows">
        <source>It has more than %1 rows; no password manager's export has that many.</source>
        <translation>Ha più di %1 righe; nessuna esportazione di un gestore di password ne ha così tante.</translation>
    </message>
    <message id="ImportSkippedTooLong">
        <source>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</source>
        <translation>Saltate, un campo più lungo di quanto Lockmere conservi (%1 KB; note %2 KB): %3</translation>
    </message>
    <message id="ExportFailedBecause">
        <source>%1. Nothing was written; a file already there keeps what it held.</source>
        <translation>%1. Non è stato scritto nulla; un file già presente conserva il suo contenuto.</translation>
    </message>
    <message id="ExportForeignLink">
        <source>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</source>
        <translation>Il nome scelto è un collegamento simbolico che appartiene a un altro utente: scrivere attraverso di esso sovrascriverebbe un file scelto da lui. Non è stato scritto nulla; scegli un altro nome.</translation>
    </message>
    <message id="FileBusyStatus">
        <source>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</source>
        <translation>Lockmere.sqlite3 è in uso da un altro programma; gli elenchi mostrano ciò che contenevano. Riprova tra un momento.</translation>
    </message>
    <message id="FileUnreadableStatus">
        <source>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</source>
        <translation>Impossibile leggere Lockmere.sqlite3: potrebbe essere danneggiato. Gli elenchi mostrano ciò che contenevano.</translation>
    </message>
    <message id="FileBusyAlert">
        <source>The file is in use by another program</source>
        <translation>Il file è in uso da un altro programma</translation>
    </message>
    <message id="FileBusyAlertInfo">
        <source>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</source>
        <translation>Un'altra copia di Lockmere (o un altro programma) sta scrivendo in Lockmere.sqlite3. Non è stato cambiato nulla; riprova tra un momento.</translation>
    </message>
    <message id="FileUnreadableAlert">
        <source>The file cannot be read</source>
        <translation>Impossibile leggere il file</translation>
    </message>
    <message id="FileUnreadableAlertInfo">
        <source>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</source>
        <translation>Lockmere non è riuscito a leggere Lockmere.sqlite3; potrebbe essere danneggiato o mancante. Non è stato cambiato nulla.</translation>
    </message>
    <message id="SessionEndedAlert">
        <source>You have been logged out</source>
        <translation>Sei stato disconnesso</translation>
    </message>
    <message id="AccountGoneInfo">
        <source>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</source>
        <translation>Il tuo account è stato eliminato in un'altra copia di Lockmere. Non è stato salvato altro per esso.</translation>
    </message>
    <message id="AccountChangedInfo">
        <source>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</source>
        <translation>Il nome o i diritti di amministratore del tuo account sono stati cambiati in un'altra copia di Lockmere. Accedi di nuovo per continuare con i diritti attuali.</translation>
    </message>
    <message id="FieldTooLong">
        <source>This text is too long</source>
        <translation>Questo testo è troppo lungo</translation>
    </message>
    <message id="FieldTooLongInfo">
        <source>The field %1 holds at most %2 characters. Shorten it, then save again.</source>
        <translation>Il campo %1 contiene al massimo %2 caratteri. Accorcialo, poi salva di nuovo.</translation>
    </message>
    <message id="RootNameAlert">
        <source>The name root is reserved</source>
        <translation>Il nome root è riservato</translation>
    </message>
    <message id="RootNameAlertInfo">
        <source>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</source>
        <translation>L'account chiamato root può cambiare i diritti di amministratore di tutti. Solo l'account che aveva quel nome può averlo; scegline un altro.</translation>
    </message>
    <message id="FileProblemAlert">
        <source>Lockmere cannot use its file</source>
        <translation>Lockmere non può usare il suo file</translation>
    </message>
    <message id="FileReadOnlyAlert">
        <source>Lockmere can only read its file</source>
        <translation>Lockmere può solo leggere il suo file</translation>
    </message>
    <message id="FileNoFolder">
        <source>%1: the Documents folder is missing and cannot be made. Nothing was written.</source>
        <translation>%1: la cartella Documenti manca e non può essere creata. Non è stato scritto nulla.</translation>
    </message>
    <message id="FileCannotCreate">
        <source>%1: the file cannot be made in this folder (no permission). Nothing was written.</source>
        <translation>%1: il file non può essere creato in questa cartella (nessun permesso). Non è stato scritto nulla.</translation>
    </message>
    <message id="FileForeignLink">
        <source>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</source>
        <translation>%1 è un collegamento creato da un altro utente. Lockmere non lo segue, perché le tue password non finiscano dove quell'utente ha scelto. Non è stato scritto nulla; rimuovi il collegamento.</translation>
    </message>
    <message id="FileDanglingLink">
        <source>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 è un collegamento a un file che non esiste. Non è stato scritto nulla; rimuovi il collegamento o ripristina il file.</translation>
    </message>
    <message id="FileCannotOpen">
        <source>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</source>
        <translation>Impossibile aprire %1: al suo posto c'è altro, oppure non hai il permesso di leggerlo. Non è stato cambiato nulla.</translation>
    </message>
    <message id="FileNotADatabase">
        <source>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</source>
        <translation>%1 non è un database di Lockmere (non è un file SQLite). Non è stato cambiato nulla; spostalo per ripartire con un nuovo file, o ripristinalo da un backup.</translation>
    </message>
    <message id="FileDamaged">
        <source>%1 is damaged. Nothing in it was changed; restore it from a backup.</source>
        <translation>%1 è danneggiato. Non è stato cambiato nulla; ripristinalo da un backup.</translation>
    </message>
    <message id="FileBusyAtStart">
        <source>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</source>
        <translation>%1 è bloccato da un altro programma. Non è stato cambiato nulla; chiudi l'altro programma, poi accedi di nuovo.</translation>
    </message>
    <message id="FileReadOnly">
        <source>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</source>
        <translation>%1 non può essere scritto (file o cartella di sola lettura). Puoi accedere e leggere tutto, ma non salvare nulla.</translation>
    </message>
    <message id="SavedIn">
        <source>Saved in %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message id="ChangedMeanwhileAlert">
        <source>Changed in another copy meanwhile</source>
        <translation>Modificato nel frattempo in un'altra copia</translation>
    </message>
    <message id="ChangedMeanwhileAlertInfo">
        <source>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</source>
        <translation>Un'altra copia di Lockmere ha salvato questo elemento mentre lo modificavi, quindi non è stato salvato nulla. Ciò che hai scritto resta: salva di nuovo per salvare le tue modifiche sopra (i campi che non hai cambiato mantengono i valori dell'altra copia), oppure annulla per vedere l'altra modifica.</translation>
    </message>
    <message id="DeletedMeanwhileAlert">
        <source>Deleted in another copy meanwhile</source>
        <translation>Eliminato nel frattempo in un'altra copia</translation>
    </message>
    <message id="DeletedMeanwhileAlertInfo">
        <source>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</source>
        <translation>Un'altra copia di Lockmere ha eliminato questo elemento mentre lo modificavi, quindi non è stato salvato nulla. Ciò che hai scritto è ancora nell'editor: copia ciò che ti serve o aggiungilo di nuovo.</translation>
    </message>
    <message id="FileMovedStatus">
        <source>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</source>
        <translation>Lockmere.sqlite3 è stato spostato, sostituito o eliminato mentre Lockmere era aperto: riavvia Lockmere.</translation>
    </message>
    <message id="FileMoved">
        <source>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</source>
        <translation>%1 è stato spostato, sostituito o eliminato mentre Lockmere era aperto (forse un'altra copia l'ha protetto o ne ha tolto la protezione). Non vi si legge né scrive più nulla: riavvia Lockmere.</translation>
    </message>
    <message id="FileReadOnlyInfo">
        <source>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</source>
        <translation>Lockmere.sqlite3 può solo essere letto (file o cartella di sola lettura). Non è stato cambiato nulla.</translation>
    </message>
    <message id="ProtectMenu">
        <source>Protect File with a Passphrase…</source>
        <translation>Proteggi il file con una passphrase…</translation>
    </message>
    <message id="ChangePassphraseMenu">
        <source>Change File Passphrase…</source>
        <translation>Cambia la passphrase del file…</translation>
    </message>
    <message id="NewRecoveryCodeMenu">
        <source>Show New Recovery Code…</source>
        <translation>Mostra un nuovo codice di recupero…</translation>
    </message>
    <message id="RemoveProtectionMenu">
        <source>Remove Protection…</source>
        <translation>Rimuovi la protezione…</translation>
    </message>
    <message id="UnlockButton">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="UnlockPrompt">
        <source>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</source>
        <translation>%1 è protetto. Digita la sua passphrase, o il codice di recupero, per aprirlo. Poi ognuno accede come al solito.</translation>
    </message>
    <message id="UnlockField">
        <source>File passphrase or recovery code</source>
        <translation>Passphrase del file o codice di recupero</translation>
    </message>
    <message id="UnlockRefused">
        <source>This is not the file passphrase or the recovery code. Nothing was changed; try again.</source>
        <translation>Non è la passphrase del file né il codice di recupero. Non è stato cambiato nulla; riprova.</translation>
    </message>
    <message id="UnlockDamaged">
        <source>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</source>
        <translation>Il file è danneggiato: una sua parte è stata cambiata o tagliata fuori da Lockmere. Non vi è stato scritto nulla; ripristinalo da un backup.</translation>
    </message>
    <message id="Continue">
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message id="RemoveProtection">
        <source>Remove Protection</source>
        <translation>Rimuovi la protezione</translation>
    </message>
    <message id="NewPassphraseTitle">
        <source>File passphrase</source>
        <translation>Passphrase del file</translation>
    </message>
    <message id="NewPassphraseInfo">
        <source>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</source>
        <translation>Chiunque avvii Lockmere su questo computer ne avrà bisogno prima di accedere: comunicala a chi condivide il file. Scegli parole facili da ricordare e difficili da indovinare.</translation>
    </message>
    <message id="NewPassphrase">
        <source>New file passphrase</source>
        <translation>Nuova passphrase</translation>
    </message>
    <message id="RepeatPassphrase">
        <source>Type it again</source>
        <translation>Digitala di nuovo</translation>
    </message>
    <message id="SetPassphrase">
        <source>Use This Passphrase</source>
        <translation>Usa questa passphrase</translation>
    </message>
    <message id="PassphraseTooShort">
        <source>A file passphrase has at least %1 characters.</source>
        <translation>Una passphrase ha almeno %1 caratteri.</translation>
    </message>
    <message id="PassphraseTooWeak">
        <source>This passphrase is too easy to guess: add words, or choose less common ones.</source>
        <translation>Questa passphrase è troppo facile da indovinare: aggiungi parole o scegline di meno comuni.</translation>
    </message>
    <message id="PassphrasesDiffer">
        <source>The two passphrases differ: type the same one twice.</source>
        <translation>Le due passphrase sono diverse: digita due volte la stessa.</translation>
    </message>
    <message id="RecoveryCodeTitle">
        <source>Recovery code</source>
        <translation>Codice di recupero</translation>
    </message>
    <message id="RecoveryCodeInfo">
        <source>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</source>
        <translation>Se la passphrase del file viene dimenticata, questo codice apre il file al suo posto. È mostrato solo ora: scrivilo e conservalo lontano da questo computer. Senza la passphrase e senza questo codice nessuno può aprire il file, nemmeno Lockmere.</translation>
    </message>
    <message id="CopyRecoveryCode">
        <source>Copy the Code</source>
        <translation>Copia il codice</translation>
    </message>
    <message id="RecoveryCodeKept">
        <source>I have written the code down and keep it apart from this computer</source>
        <translation>Ho scritto il codice e lo conservo lontano da questo computer</translation>
    </message>
    <message id="ProtectedAlert">
        <source>The file is protected</source>
        <translation>Il file è protetto</translation>
    </message>
    <message id="ProtectedAlertInfo">
        <source>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</source>
        <translation>Ogni pagina di Lockmere.sqlite3 ora è cifrata, e la sua copia in chiaro è stata sovrascritta. Dal prossimo avvio Lockmere chiede la passphrase (o il codice di recupero) prima che chiunque possa accedere.</translation>
    </message>
    <message id="PassphraseChangedAlert">
        <source>The file passphrase is changed</source>
        <translation>La passphrase del file è cambiata</translation>
    </message>
    <message id="PassphraseChangedAlertInfo">
        <source>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</source>
        <translation>D'ora in poi solo la nuova passphrase (o il codice di recupero) apre il file; quella vecchia non più.</translation>
    </message>
    <message id="RecoveryCodeChangedAlert">
        <source>The recovery code is new</source>
        <translation>Il codice di recupero è nuovo</translation>
    </message>
    <message id="RecoveryCodeChangedAlertInfo">
        <source>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</source>
        <translation>D'ora in poi solo il codice appena mostrato apre il file se la passphrase viene dimenticata; quello vecchio non più.</translation>
    </message>
    <message id="ProtectionRemovedAlert">
        <source>Protection is removed</source>
        <translation>La protezione è stata rimossa</translation>
    </message>
    <message id="ProtectionRemovedAlertInfo">
        <source>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</source>
        <translation>Lockmere.sqlite3 è di nuovo un normale file SQLite: chiunque possa leggerlo può leggere tutte le sue password.</translation>
    </message>
    <message id="ProtectionFailed">
        <source>The file was not changed</source>
        <translation>Il file non è stato modificato</translation>
    </message>
    <message id="ProtectionFailedInfo">
        <source>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</source>
        <translation>Lockmere non è riuscito a scrivere o verificare il nuovo file (disco pieno, una cartella senza permesso di scrittura). Il file è com'era e si apre come prima.</translation>
    </message>
    <message id="RemoveProtectionAlert">
        <source>Remove the file's protection?</source>
        <translation>Rimuovere la protezione del file?</translation>
    </message>
    <message id="RemoveProtectionAlertInfo">
        <source>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</source>
        <translation>Lockmere.sqlite3 sarà riscritto come normale file SQLite: chiunque possa leggerlo (un backup, una cartella sincronizzata, un altro programma di questo utente) leggerà tutte le password di tutti gli account. Passphrase e codice di recupero non serviranno più.</translation>
    </message>
    <message id="ExportWarningProtectedInfo">
        <source>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</source>
        <translation>Lockmere.sqlite3 è protetto, ma il file esportato no: chiunque possa leggerlo può leggere tutte le password di questo account. È leggibile solo dal tuo utente di questo computer, quindi anche da chi lo condivide; eliminalo quando non ti serve più.</translation>
    </message>
    <message id="RecoveredAlert">
        <source>Opened with the recovery code</source>
        <translation>Aperto con il codice di recupero</translation>
    </message>
    <message id="RecoveredAlertInfo">
        <source>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</source>
        <translation>Se anche la password di root è dimenticata, Lockmere può reimpostarla a quella pubblicata (tiwe); al prossimo accesso root dovrà cambiarla. Scegli presto una nuova passphrase (File → Cambia la passphrase del file…).</translation>
    </message>
    <message id="ResetRootPassword">
        <source>Reset Root's Password</source>
        <translation>Reimposta la password di root</translation>
    </message>
    <message id="HistoryButton">
        <source>History…</source>
        <translation>Cronologia…</translation>
    </message>
    <message id="HistoryTitle">
        <source>Earlier versions of %1</source>
        <translation>Versioni precedenti di %1</translation>
    </message>
    <message id="HistoryEmpty">
        <source>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</source>
        <translation>Questa voce non ha ancora versioni precedenti: ogni salvataggio che la modifica conserva ciò che conteneva prima.</translation>
    </message>
    <message id="HistoryInfo">
        <source>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</source>
        <translation>Dalla più recente. Si conservano le ultime 20 versioni di ogni voce. Ripristinare una versione conserva come versione anche i valori che sostituisce.</translation>
    </message>
    <message id="ReplacedAt">
        <source>Replaced</source>
        <translation>Sostituita il</translation>
    </message>
    <message id="WhatChanged">
        <source>What changed</source>
        <translation>Cosa è cambiato</translation>
    </message>
    <message id="NothingChanged">
        <source>Nothing</source>
        <translation>Niente</translation>
    </message>
    <message id="CopyOldPassword">
        <source>Copy Its Password</source>
        <translation>Copia la sua password</translation>
    </message>
    <message id="RestoreVersion">
        <source>Restore This Version</source>
        <translation>Ripristina questa versione</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="RecycleBinMenu">
        <source>Recycle Bin</source>
        <translation>Cestino</translation>
    </message>
    <message id="RecycleBinTitle">
        <source>Recycle bin</source>
        <translation>Cestino</translation>
    </message>
    <message id="RecycleBinInfo">
        <source>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</source>
        <translation>Le tue voci eliminate. Ripristinane una per rimetterla nella sua categoria (o in Altro, se non c'è più), o eliminala definitivamente. Le voci eliminate da più di %1 giorni vengono rimosse definitivamente al tuo prossimo accesso.</translation>
    </message>
    <message id="DeletedAt">
        <source>Deleted</source>
        <translation>Eliminata il</translation>
    </message>
    <message id="RestoreEntry">
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message id="DeleteForGood">
        <source>Delete for Good</source>
        <translation>Elimina definitivamente</translation>
    </message>
    <message id="EmptyRecycleBin">
        <source>Empty Recycle Bin</source>
        <translation>Svuota il cestino</translation>
    </message>
    <message id="EmptyRecycleBinAlert">
        <source>Empty the recycle bin?</source>
        <translation>Svuotare il cestino?</translation>
    </message>
    <message id="EmptyRecycleBinAlertInfo">
        <source>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</source>
        <translation>Tutte le voci del tuo cestino, con le loro versioni precedenti, saranno eliminate definitivamente. Non si può annullare.</translation>
    </message>
    <message id="DeleteForGoodInfo">
        <source>This entry and its earlier versions will be deleted for good. This cannot be undone.</source>
        <translation>Questa voce e le sue versioni precedenti saranno eliminate definitivamente. Non si può annullare.</translation>
    </message>
    <message id="DelEntryInfo">
        <source>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</source>
        <translation>Va nel tuo cestino, da cui puoi ripristinarla per 30 giorni (Visualizza → Cestino).</translation>
    </message>
    <message id="MovedToBin">
        <source>Moved to the recycle bin</source>
        <translation>Spostata nel cestino</translation>
    </message>
    <message id="ChangePassphraseTitle">
        <source>New file passphrase</source>
        <translation>Nuova passphrase del file</translation>
    </message>
    <message id="ChangePassphraseInfo">
        <source>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</source>
        <translation>La nuova passphrase sostituisce quella attuale appena la confermi: da allora solo lei (o il codice di recupero) apre il file. Comunicala a chi condivide il file.</translation>
    </message>
    <message id="ShowPassphrase">
        <source>Show the passphrase</source>
        <translation>Mostra la passphrase</translation>
    </message>
    <message id="RecoveryCodeReplaces">
        <source>This code replaces the current one: the code you wrote down before stops working when you click Continue.</source>
        <translation>Questo codice sostituisce quello attuale: il codice che avevi scritto smette di funzionare quando fai clic su Continua.</translation>
    </message>
    <message id="RecoveryCodeCopied">
        <source>Copied; the clipboard clears in 10 s</source>
        <translation>Copiato; gli appunti si svuotano tra 10 s</translation>
    </message>
    <message id="CurrentSecretTitle">
        <source>Current file passphrase</source>
        <translation>Passphrase attuale del file</translation>
    </message>
    <message id="CurrentSecretInfo">
        <source>To change the file's protection, type its current passphrase (or its recovery code).</source>
        <translation>Per cambiare la protezione del file, digita la passphrase attuale (o il codice di recupero).</translation>
    </message>
    <message id="WrongFileSecret">
        <source>Not the file's passphrase</source>
        <translation>Non è la passphrase del file</translation>
    </message>
    <message id="UnlockChecking">
        <source>Checking…</source>
        <translation>Verifica in corso…</translation>
    </message>
    <message id="RootPasswordResetAlert">
        <source>Root's password is the published one again</source>
        <translation>La password di root è di nuovo quella pubblicata</translation>
    </message>
    <message id="RootPasswordResetAlertInfo">
        <source>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</source>
        <translation>Accedi ora come root con la password tiwe e cambiala subito: la conosce chiunque abbia letto il README.</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="VersionRestored">
        <source>Version restored and saved</source>
        <translation>Versione ripristinata e salvata</translation>
    </message>
    <message id="RestoredFromBin">
        <source>Restored from the recycle bin</source>
        <translation>Ripristinato dal cestino</translation>
    </message>
    <message id="LoginRefused">
        <source>Wrong user name or password</source>
        <translation>Nome utente o password errati</translation>
    </message>
    <message id="NewAccount">
        <source>New Account…</source>
        <translation>Nuovo account…</translation>
    </message>
    <message id="AdministratorsOnly">
        <source>Only an administrator can add or delete accounts</source>
        <translation>Solo un amministratore può aggiungere o eliminare account</translation>
    </message>
    <message id="HidePasswords">
        <source>Hide Passwords</source>
        <translation>Nascondi password</translation>
    </message>
    <message id="ShowPassword">
        <source>Show the password</source>
        <translation>Mostra la password</translation>
    </message>
    <message id="ImportedStatus">
        <source>Entries imported: %1, from %2</source>
        <translation>Voci importate: %1, da %2</translation>
    </message>
    <message id="ExportedStatus">
        <source>Entries exported: %1, to %2</source>
        <translation>Voci esportate: %1, in %2</translation>
    </message>
    <message id="ShowWebAddresses">
        <source>Web Address Column</source>
        <translation>Colonna Indirizzo web</translation>
    </message>
    <message id="HelpMenu">
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message id="KeyboardShortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message id="AboutLockmere">
        <source>About Lockmere</source>
        <translation>Informazioni su Lockmere</translation>
    </message>
    <message id="AboutInfo">
        <source>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</source>
        <translation>Un gestore di password per un computer condiviso da più persone.&lt;br&gt;&lt;br&gt;Licenza: %1&lt;br&gt;File: %2&lt;br&gt;%3</translation>
    </message>
    <message id="AboutLicence">
        <source>proprietary, all rights reserved</source>
        <translation>proprietaria, tutti i diritti riservati</translation>
    </message>
    <message id="AboutProtected">
        <source>The file is protected by a file passphrase.</source>
        <translation>Il file è protetto da una passphrase del file.</translation>
    </message>
    <message id="AboutNotProtected">
        <source>The file is not protected: anyone who can read it can read every password in it.</source>
        <translation>Il file non è protetto: chiunque possa leggerlo può leggerne tutte le password.</translation>
    </message>
    <message id="EscapeKeyMeans">
        <source>Close the editor without saving, or end the search</source>
        <translation>Chiudi l’editor senza salvare o termina la ricerca</translation>
    </message>
    <message id="Key">
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message id="Command">
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message id="PassphraseWordsFrom">
        <source>Words from the %1 word list (%2)</source>
        <translation>Parole dall’elenco di parole in %1 (%2)</translation>
    </message>
</context>
</TS>
