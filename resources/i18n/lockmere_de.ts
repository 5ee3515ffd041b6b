<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="User">
        <source>User Name</source>
        <translation>Benutzername</translation>
    </message>
    <message id="Password">
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message id="Email">
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message id="Website">
        <source>Website</source>
        <translation>Webseite</translation>
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
        <translation>Bankkarte</translation>
    </message>
    <message id="eBank">
        <source>Online Banking</source>
        <translation>Online-Banking</translation>
    </message>
    <message id="Router">
        <source>Router</source>
        <translation>Router</translation>
    </message>
    <message id="Lock">
        <source>Lock</source>
        <translation>Schloss</translation>
    </message>
    <message id="Safe">
        <source>Safe</source>
        <translation>Tresor</translation>
    </message>
    <message id="Other">
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message id="Users">
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message id="Exit">
        <source>Log Out</source>
        <translation>Abmelden</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="IsRoot">
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message id="Category">
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message id="Http">
        <source>Web Address</source>
        <translation>Webadresse</translation>
    </message>
    <message id="Memo">
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="OK">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="DelConfirm">
        <source>Delete the selected item?</source>
        <translation>Den ausgewählten Eintrag löschen?</translation>
    </message>
    <message id="DelInfo">
        <source>It will be removed for good. This cannot be undone.</source>
        <translation>Er wird endgültig entfernt. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message id="NoPermissionAlert">
        <source>You are not allowed to do this.</source>
        <translation>Dazu sind Sie nicht berechtigt.</translation>
    </message>
    <message id="NoPermissionAlertInfo">
        <source>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</source>
        <translation>Konten werden von Administratoren verwaltet. Gewöhnliche Konten dürfen nur ihr eigenes Konto öffnen, und das Konto „root“ kann nie gelöscht werden.</translation>
    </message>
    <message id="TitleNotNull">
        <source>The title is empty.</source>
        <translation>Der Titel ist leer.</translation>
    </message>
    <message id="TitleNotNullInfo">
        <source>Give the entry a title so that you can find it in the list.</source>
        <translation>Geben Sie dem Eintrag einen Titel, damit Sie ihn in der Liste wiederfinden.</translation>
    </message>
    <message id="PwdNotNull">
        <source>The password is empty.</source>
        <translation>Das Passwort ist leer.</translation>
    </message>
    <message id="PwdNotNullInfo">
        <source>Enter a password before you save.</source>
        <translation>Geben Sie ein Passwort ein, bevor Sie speichern.</translation>
    </message>
    <message id="UserNotNull">
        <source>The user name is empty.</source>
        <translation>Der Benutzername ist leer.</translation>
    </message>
    <message id="UserNotNullInfo">
        <source>Enter a name for the account before you save.</source>
        <translation>Geben Sie einen Namen für das Konto ein, bevor Sie speichern.</translation>
    </message>
    <message id="SaveFailAlert">
        <source>Could not save.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message id="SaveFailAlertInfo">
        <source>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</source>
        <translation>Es wurde nichts geändert. Der Name ist vielleicht schon vergeben, oder die Datenbank ist schreibgeschützt oder von einem anderen Programm belegt. Ihre Eingaben bleiben erhalten: Versuchen Sie es erneut, oder brechen Sie ab.</translation>
    </message>
    <message id="DelUserAlert">
        <source>This account cannot be deleted.</source>
        <translation>Dieses Konto kann nicht gelöscht werden.</translation>
    </message>
    <message id="CannotDelLoginUser">
        <source>You are logged in with this account. Log in with another administrator account to delete it.</source>
        <translation>Sie sind mit diesem Konto angemeldet. Melden Sie sich mit einem anderen Administratorkonto an, um es zu löschen.</translation>
    </message>
    <message id="UserHasData">
        <source>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</source>
        <translation>Dieses Konto besitzt noch Passworteinträge (in seinen Kategorien, seinem Papierkorb oder als frühere Fassungen). Melden Sie sich damit an, löschen Sie zuerst seine Einträge und leeren Sie seinen Papierkorb.</translation>
    </message>
    <message id="CategoryNotNull">
        <source>No category is chosen.</source>
        <translation>Keine Kategorie gewählt.</translation>
    </message>
    <message id="CategoryNotNullInfo">
        <source>Choose the category to file the entry under.</source>
        <translation>Wählen Sie die Kategorie, unter der der Eintrag abgelegt wird.</translation>
    </message>
    <message id="LogIn">
        <source>Log In</source>
        <translation>Anmelden</translation>
    </message>
    <message id="AddEntry">
        <source>Add Entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message id="RemoveEntry">
        <source>Remove Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message id="AddUser">
        <source>Add User</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
    <message id="RemoveUser">
        <source>Remove User</source>
        <translation>Benutzer löschen</translation>
    </message>
    <message id="EntryList">
        <source>Password Entries</source>
        <translation>Passworteinträge</translation>
    </message>
    <message id="UserList">
        <source>User Accounts</source>
        <translation>Benutzerkonten</translation>
    </message>
    <message id="EntryCount">
        <source>Number of entries</source>
        <translation>Anzahl der Einträge</translation>
    </message>
    <message id="UserCount">
        <source>Number of accounts</source>
        <translation>Anzahl der Konten</translation>
    </message>
    <message id="Generate">
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message id="GeneratePassword">
        <source>Generate a Strong Password</source>
        <translation>Ein starkes Passwort erzeugen</translation>
    </message>
    <message id="Strength">
        <source>Password Strength</source>
        <translation>Passwortstärke</translation>
    </message>
    <message id="StrengthVeryWeak">
        <source>Very weak</source>
        <translation>Sehr schwach</translation>
    </message>
    <message id="StrengthWeak">
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message id="StrengthFair">
        <source>Fair</source>
        <translation>Mittel</translation>
    </message>
    <message id="StrengthGood">
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message id="StrengthStrong">
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message id="CopyPassword">
        <source>Copy Password</source>
        <translation>Passwort kopieren</translation>
    </message>
    <message id="CopyUser">
        <source>Copy User Name</source>
        <translation>Benutzernamen kopieren</translation>
    </message>
    <message id="CopyHttp">
        <source>Copy Web Address</source>
        <translation>Webadresse kopieren</translation>
    </message>
    <message id="ClipboardClearsIn">
        <source>Copied; the clipboard clears in %1 s</source>
        <translation>Kopiert; die Zwischenablage wird in %1 s geleert</translation>
    </message>
    <message id="EntryEditor">
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message id="AccountEditor">
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message id="RecordGone">
        <source>This record is no longer there</source>
        <translation>Dieser Eintrag ist nicht mehr vorhanden</translation>
    </message>
    <message id="RecordGoneInfo">
        <source>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</source>
        <translation>Eine andere Lockmere-Instanz hat die Liste inzwischen geändert. Die Liste wurde neu gelesen; nichts wurde verändert.</translation>
    </message>
    <message id="DeleteFailAlert">
        <source>Could not delete</source>
        <translation>Löschen nicht möglich</translation>
    </message>
    <message id="DeleteFailAlertInfo">
        <source>The database refused the deletion. Nothing was deleted; try again later.</source>
        <translation>Die Datenbank hat das Löschen abgelehnt. Nichts wurde gelöscht; bitte später erneut versuchen.</translation>
    </message>
    <message id="UserDataUnknown">
        <source>Lockmere could not read whether this account owns entries, so it was not deleted.</source>
        <translation>Lockmere konnte nicht lesen, ob dieses Konto Einträge besitzt; es wurde daher nicht gelöscht.</translation>
    </message>
    <message id="Open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="NewEntry">
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message id="Find">
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message id="SearchField">
        <source>Search all entries</source>
        <translation>Alle Einträge durchsuchen</translation>
    </message>
    <message id="SearchResults">
        <source>Search Results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message id="OpenHttp">
        <source>Open Web Address</source>
        <translation>Webadresse öffnen</translation>
    </message>
    <message id="Quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="FileMenu">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="EntryMenu">
        <source>&amp;Entry</source>
        <translation>&amp;Eintrag</translation>
    </message>
    <message id="ViewMenu">
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="NoHttpAlert">
        <source>This entry has no web address</source>
        <translation>Dieser Eintrag hat keine Webadresse</translation>
    </message>
    <message id="NoHttpAlertInfo">
        <source>Enter one in the entry's Web address field.</source>
        <translation>Tragen Sie eine im Feld „Webadresse“ des Eintrags ein.</translation>
    </message>
    <message id="HttpRefusedAlert">
        <source>This address is not opened</source>
        <translation>Diese Adresse wird nicht geöffnet</translation>
    </message>
    <message id="HttpRefusedAlertInfo">
        <source>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</source>
        <translation>Lockmere öffnet nur Webseiten: Adressen, die mit http:// oder https:// oder ganz ohne Schema beginnen.</translation>
    </message>
    <message id="HttpOpenFailAlert">
        <source>The web address could not be opened</source>
        <translation>Die Webadresse konnte nicht geöffnet werden</translation>
    </message>
    <message id="HttpOpenFailAlertInfo">
        <source>No web browser took it. Copy the address and paste it into your browser.</source>
        <translation>Kein Webbrowser hat sie angenommen. Kopieren Sie die Adresse und fügen Sie sie in Ihren Browser ein.</translation>
    </message>
    <message id="ImportMenu">
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message id="ExportMenu">
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message id="ImportTitle">
        <source>Import Passwords</source>
        <translation>Passwörter importieren</translation>
    </message>
    <message id="ExportTitle">
        <source>Export Passwords</source>
        <translation>Passwörter exportieren</translation>
    </message>
    <message id="CsvFiles">
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message id="AllFiles">
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message id="Import">
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message id="Export">
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message id="ImportRefused">
        <source>This file is not imported</source>
        <translation>Diese Datei wird nicht importiert</translation>
    </message>
    <message id="ImportIsFolder">
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message id="ImportTooLarge">
        <source>It is larger than %1 MB; no password manager's export is that large.</source>
        <translation>Sie ist größer als %1 MB; so groß ist der Export keines Passwortmanagers.</translation>
    </message>
    <message id="ImportUnreadable">
        <source>It cannot be read: %1</source>
        <translation>Sie kann nicht gelesen werden: %1</translation>
    </message>
    <message id="ImportEmpty">
        <source>It is empty.</source>
        <translation>Sie ist leer.</translation>
    </message>
    <message id="ImportNotText">
        <source>It is not a text file.</source>
        <translation>Sie ist keine Textdatei.</translation>
    </message>
    <message id="ImportNotUtf8">
        <source>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</source>
        <translation>Ihr Text ist nicht UTF-8 (oder UTF-16). Exportieren Sie sie erneut als UTF-8, wie es Passwortmanager und Browser von sich aus tun.</translation>
    </message>
    <message id="ImportUnknownHeader">
        <source>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</source>
        <translation>Ihre erste Zeile nennt keine Spalten, die Lockmere kennt. Erwartet wurde die Kopfzeile eines Exports von %1.</translation>
    </message>
    <message id="ImportStrayQuote">
        <source>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</source>
        <translation>Zeile %1 hat ein Anführungszeichen mitten in einem Feld ohne Anführungszeichen oder Text nach einem schließenden.</translation>
    </message>
    <message id="ImportUnclosedQuote">
        <source>The quotation mark opened on line %1 is never closed.</source>
        <translation>Das in Zeile %1 geöffnete Anführungszeichen wird nie geschlossen.</translation>
    </message>
    <message id="ImportFieldCount">
        <source>Line %1 has %2 fields; the header has %3.</source>
        <translation>Zeile %1 hat %2 Felder; die Kopfzeile hat %3.</translation>
    </message>
    <message id="KindKeePassXC">
        <source>KeePassXC (or Lockmere)</source>
        <translation>KeePassXC (oder Lockmere)</translation>
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
        <translation>%1: %2 neu</translation>
    </message>
    <message id="ImportSkippedDuplicates">
        <source>Skipped, exactly as already there: %1</source>
        <translation>Übersprungen, genau so schon vorhanden: %1</translation>
    </message>
    <message id="ImportSkippedEmpty">
        <source>Skipped, without title and password: %1</source>
        <translation>Übersprungen, ohne Titel und Passwort: %1</translation>
    </message>
    <message id="ImportNothing">
        <source>Nothing to import from this %1 file</source>
        <translation>Aus dieser %1-Datei gibt es nichts zu importieren</translation>
    </message>
    <message id="ImportConfirm">
        <source>Import %2 entries from this %1 file?</source>
        <translation>%2 Einträge aus dieser %1-Datei importieren?</translation>
    </message>
    <message id="Importing">
        <source>Importing…</source>
        <translation>Importiere …</translation>
    </message>
    <message id="ImportCancelled">
        <source>The import was cancelled</source>
        <translation>Der Import wurde abgebrochen</translation>
    </message>
    <message id="ImportFailed">
        <source>The entries could not be saved</source>
        <translation>Die Einträge konnten nicht gespeichert werden</translation>
    </message>
    <message id="NothingImported">
        <source>Nothing was imported; every entry is as it was.</source>
        <translation>Nichts wurde importiert; alle Einträge sind wie zuvor.</translation>
    </message>
    <message id="ImportedFields">
        <source>Imported fields:</source>
        <translation>Importierte Felder:</translation>
    </message>
    <message id="ExportWarning">
        <source>The exported file holds your passwords unencrypted</source>
        <translation>Die exportierte Datei enthält Ihre Passwörter unverschlüsselt</translation>
    </message>
    <message id="ExportWarningInfo">
        <source>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</source>
        <translation>Wer die Datei lesen kann, kann jedes Passwort dieses Kontos lesen. Sie wird nur für Ihre Anmeldung an diesem Computer lesbar angelegt, also auch für alle, die diese Anmeldung mitbenutzen, und für den Administrator des Computers; löschen Sie sie, sobald Sie sie nicht mehr brauchen.</translation>
    </message>
    <message id="ExportFailed">
        <source>The file could not be written</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message id="ExportFailedInfo">
        <source>Choose a folder that you can write to. No file was left behind.</source>
        <translation>Wählen Sie einen Ordner, in den Sie schreiben dürfen. Es blieb keine Datei zurück.</translation>
    </message>
    <message id="DefaultPasswordAlert">
        <source>root still has its published password</source>
        <translation>root hat noch sein veröffentlichtes Passwort</translation>
    </message>
    <message id="DefaultPasswordAlertInfo">
        <source>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</source>
        <translation>Jede neue Installation gibt root das Passwort „tiwe“, und jeder kann es in der Dokumentation lesen. Ändern Sie es jetzt, damit sich niemand sonst als root anmelden kann.</translation>
    </message>
    <message id="ChangePasswordNow">
        <source>Change Now</source>
        <translation>Jetzt ändern</translation>
    </message>
    <message id="Later">
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message id="DiscardAlert">
        <source>Discard changes?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
    <message id="DiscardAlertInfo">
        <source>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</source>
        <translation>Ihre Änderungen im Editor sind nicht gespeichert. Verwerfen Sie sie, oder bearbeiten Sie weiter und speichern Sie sie.</translation>
    </message>
    <message id="Discard">
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message id="KeepEditing">
        <source>Keep Editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message id="MovedTo">
        <source>Moved to %1</source>
        <translation>Verschoben nach %1</translation>
    </message>
    <message id="CopiedPassword">
        <source>Password copied; clears in %1 s</source>
        <translation>Passwort kopiert; wird in %1 s gelöscht</translation>
    </message>
    <message id="CopiedUser">
        <source>User name copied; clears in %1 s</source>
        <translation>Benutzername kopiert; wird in %1 s gelöscht</translation>
    </message>
    <message id="CopiedHttp">
        <source>Web address copied; clears in %1 s</source>
        <translation>Webadresse kopiert; wird in %1 s gelöscht</translation>
    </message>
    <message id="Passphrase">
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message id="Length">
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message id="Words">
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message id="NoWordList">
        <source>Passphrases need a word list: install the wamerican package.</source>
        <translation>Passphrasen brauchen eine Wortliste: Installieren Sie das Paket wamerican.</translation>
    </message>
    <message id="UppercaseLetters">
        <source>Upper-case letters</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message id="LowercaseLetters">
        <source>Lower-case letters</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message id="Digits">
        <source>Digits</source>
        <translation>Ziffern</translation>
    </message>
    <message id="Symbols">
        <source>Symbols</source>
        <translation>Sonderzeichen</translation>
    </message>
    <message id="GeneratorOptions">
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message id="ImportBrokenUtf16">
        <source>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</source>
        <translation>Ihr UTF-16-Text ist abgeschnitten oder enthält ein halbes Zeichen. Exportieren Sie sie erneut, am besten als UTF-8.</translation>
    </message>
    <message id="ImportNotAFile">
        <source>It is not an ordinary file but a device, a pipe or a socket.</source>
        <translation>Sie ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket.</translation>
    </message>
    <message id="ImportTooManyRows">
        <source>It has more than %1 rows; no password manager's export has that many.</source>
        <translation>Sie hat mehr als %1 Zeilen; so viele hat der Export keines Passwortmanagers.</translation>
    </message>
    <message id="ImportSkippedTooLong">
        <source>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</source>
        <translation>Übersprungen, ein Feld länger, als Lockmere speichert (%1 KB; Notizen %2 KB): %3</translation>
    </message>
    <message id="ExportFailedBecause">
        <source>%1. Nothing was written; a file already there keeps what it held.</source>
        <translation>%1. Es wurde nichts geschrieben; eine schon vorhandene Datei behält ihren Inhalt.</translation>
    </message>
    <message id="ExportForeignLink">
        <source>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</source>
        <translation>Der gewählte Name ist eine symbolische Verknüpfung, die einem anderen Benutzer gehört: Durch sie zu schreiben, würde eine Datei seiner Wahl überschreiben. Es wurde nichts geschrieben; wählen Sie einen anderen Namen.</translation>
    </message>
    <message id="FileBusyStatus">
        <source>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</source>
        <translation>Lockmere.sqlite3 wird von einem anderen Programm benutzt; die Listen zeigen ihren letzten Stand. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message id="FileUnreadableStatus">
        <source>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</source>
        <translation>Lockmere.sqlite3 kann nicht gelesen werden, vielleicht ist die Datei beschädigt. Die Listen zeigen ihren letzten Stand.</translation>
    </message>
    <message id="FileBusyAlert">
        <source>The file is in use by another program</source>
        <translation>Die Datei wird von einem anderen Programm benutzt</translation>
    </message>
    <message id="FileBusyAlertInfo">
        <source>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</source>
        <translation>Eine andere Kopie von Lockmere (oder ein anderes Programm) schreibt gerade in Lockmere.sqlite3. Nichts wurde geändert; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message id="FileUnreadableAlert">
        <source>The file cannot be read</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message id="FileUnreadableAlertInfo">
        <source>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</source>
        <translation>Lockmere konnte Lockmere.sqlite3 nicht lesen; die Datei ist vielleicht beschädigt oder fehlt. Nichts wurde geändert.</translation>
    </message>
    <message id="SessionEndedAlert">
        <source>You have been logged out</source>
        <translation>Sie wurden abgemeldet</translation>
    </message>
    <message id="AccountGoneInfo">
        <source>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</source>
        <translation>Ihr Konto wurde in einer anderen Kopie von Lockmere gelöscht. Für es wurde nichts mehr gespeichert.</translation>
    </message>
    <message id="AccountChangedInfo">
        <source>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</source>
        <translation>Name oder Administratorrechte Ihres Kontos wurden in einer anderen Kopie von Lockmere geändert. Melden Sie sich erneut an, um mit den jetzigen Rechten weiterzuarbeiten.</translation>
    </message>
    <message id="FieldTooLong">
        <source>This text is too long</source>
        <translation>Dieser Text ist zu lang</translation>
    </message>
    <message id="FieldTooLongInfo">
        <source>The field %1 holds at most %2 characters. Shorten it, then save again.</source>
        <translation>Das Feld %1 fasst höchstens %2 Zeichen. Kürzen Sie den Text und speichern Sie erneut.</translation>
    </message>
    <message id="RootNameAlert">
        <source>The name root is reserved</source>
        <translation>Der Name root ist vergeben</translation>
    </message>
    <message id="RootNameAlertInfo">
        <source>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</source>
        <translation>Das Konto namens root darf die Administratorrechte aller Konten ändern. Nur das Konto, das diesen Namen hatte, darf ihn tragen; wählen Sie einen anderen Namen.</translation>
    </message>
    <message id="FileProblemAlert">
        <source>Lockmere cannot use its file</source>
        <translation>Lockmere kann seine Datei nicht benutzen</translation>
    </message>
    <message id="FileReadOnlyAlert">
        <source>Lockmere can only read its file</source>
        <translation>Lockmere kann seine Datei nur lesen</translation>
    </message>
    <message id="FileNoFolder">
        <source>%1: the Documents folder is missing and cannot be made. Nothing was written.</source>
        <translation>%1: Der Ordner Dokumente fehlt und kann nicht angelegt werden. Es wurde nichts geschrieben.</translation>
    </message>
    <message id="FileCannotCreate">
        <source>%1: the file cannot be made in this folder (no permission). Nothing was written.</source>
        <translation>%1: Die Datei kann in diesem Ordner nicht angelegt werden (keine Berechtigung). Es wurde nichts geschrieben.</translation>
    </message>
    <message id="FileForeignLink">
        <source>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</source>
        <translation>%1 ist eine Verknüpfung, die ein anderer Benutzer angelegt hat. Lockmere folgt ihr nicht, damit Ihre Passwörter nirgendwohin gelangen, wo dieser Benutzer es will. Es wurde nichts geschrieben; entfernen Sie die Verknüpfung.</translation>
    </message>
    <message id="FileDanglingLink">
        <source>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 ist eine Verknüpfung auf eine Datei, die es nicht gibt. Es wurde nichts geschrieben; entfernen Sie die Verknüpfung oder stellen Sie die Datei wieder her.</translation>
    </message>
    <message id="FileCannotOpen">
        <source>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</source>
        <translation>%1 kann nicht geöffnet werden: Dort steht etwas anderes, oder Sie dürfen es nicht lesen. Nichts wurde geändert.</translation>
    </message>
    <message id="FileNotADatabase">
        <source>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</source>
        <translation>%1 ist keine Lockmere-Datenbank (keine SQLite-Datei). Darin wurde nichts geändert; verschieben Sie sie, um mit einer neuen Datei zu beginnen, oder stellen Sie sie aus einer Sicherung wieder her.</translation>
    </message>
    <message id="FileDamaged">
        <source>%1 is damaged. Nothing in it was changed; restore it from a backup.</source>
        <translation>%1 ist beschädigt. Darin wurde nichts geändert; stellen Sie die Datei aus einer Sicherung wieder her.</translation>
    </message>
    <message id="FileBusyAtStart">
        <source>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</source>
        <translation>%1 wird von einem anderen Programm gesperrt. Nichts wurde geändert; schließen Sie das andere Programm und melden Sie sich dann erneut an.</translation>
    </message>
    <message id="FileReadOnly">
        <source>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</source>
        <translation>%1 kann nicht geschrieben werden (schreibgeschützte Datei oder Ordner). Sie können sich anmelden und alles lesen, aber nichts speichern.</translation>
    </message>
    <message id="SavedIn">
        <source>Saved in %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message id="ChangedMeanwhileAlert">
        <source>Changed in another copy meanwhile</source>
        <translation>Inzwischen in einer anderen Kopie geändert</translation>
    </message>
    <message id="ChangedMeanwhileAlertInfo">
        <source>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</source>
        <translation>Eine andere Kopie von Lockmere hat diesen Eintrag gespeichert, während Sie ihn bearbeitet haben; daher wurde nichts gespeichert. Ihre Eingaben bleiben erhalten: Speichern Sie erneut, um Ihre Änderungen darüber zu speichern (unveränderte Felder behalten dann die Werte der anderen Kopie), oder brechen Sie ab, um die andere Änderung zu sehen.</translation>
    </message>
    <message id="DeletedMeanwhileAlert">
        <source>Deleted in another copy meanwhile</source>
        <translation>Inzwischen in einer anderen Kopie gelöscht</translation>
    </message>
    <message id="DeletedMeanwhileAlertInfo">
        <source>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</source>
        <translation>Eine andere Kopie von Lockmere hat diesen Eintrag gelöscht, während Sie ihn bearbeitet haben; daher wurde nichts gespeichert. Ihre Eingaben stehen noch im Editor: Kopieren Sie, was Sie brauchen, oder legen Sie es neu an.</translation>
    </message>
    <message id="FileMovedStatus">
        <source>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</source>
        <translation>Lockmere.sqlite3 wurde verschoben, ersetzt oder gelöscht, während Lockmere lief: Starten Sie Lockmere neu.</translation>
    </message>
    <message id="FileMoved">
        <source>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</source>
        <translation>%1 wurde verschoben, ersetzt oder gelöscht, während Lockmere lief (vielleicht hat eine andere Kopie sie geschützt oder ihren Schutz aufgehoben). Es wird nichts mehr daraus gelesen oder hineingeschrieben: Starten Sie Lockmere neu.</translation>
    </message>
    <message id="FileReadOnlyInfo">
        <source>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</source>
        <translation>Lockmere.sqlite3 kann nur gelesen werden (schreibgeschützte Datei oder Ordner). Nichts wurde geändert.</translation>
    </message>
    <message id="ProtectMenu">
        <source>Protect File with a Passphrase…</source>
        <translation>Datei mit einer Passphrase schützen…</translation>
    </message>
    <message id="ChangePassphraseMenu">
        <source>Change File Passphrase…</source>
        <translation>Passphrase der Datei ändern…</translation>
    </message>
    <message id="NewRecoveryCodeMenu">
        <source>Show New Recovery Code…</source>
        <translation>Neuen Wiederherstellungscode anzeigen…</translation>
    </message>
    <message id="RemoveProtectionMenu">
        <source>Remove Protection…</source>
        <translation>Schutz aufheben…</translation>
    </message>
    <message id="UnlockButton">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="UnlockPrompt">
        <source>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</source>
        <translation>%1 ist geschützt. Geben Sie die Passphrase der Datei oder ihren Wiederherstellungscode ein, um sie zu öffnen. Danach meldet sich jeder wie gewohnt an.</translation>
    </message>
    <message id="UnlockField">
        <source>File passphrase or recovery code</source>
        <translation>Passphrase der Datei oder Wiederherstellungscode</translation>
    </message>
    <message id="UnlockRefused">
        <source>This is not the file passphrase or the recovery code. Nothing was changed; try again.</source>
        <translation>Das ist weder die Passphrase der Datei noch ihr Wiederherstellungscode. Nichts wurde geändert; versuchen Sie es erneut.</translation>
    </message>
    <message id="UnlockDamaged">
        <source>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</source>
        <translation>Die Datei ist beschädigt: Ein Teil davon wurde außerhalb von Lockmere geändert oder abgeschnitten. Es wurde nichts hineingeschrieben; stellen Sie sie aus einer Sicherung wieder her.</translation>
    </message>
    <message id="Continue">
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message id="RemoveProtection">
        <source>Remove Protection</source>
        <translation>Schutz aufheben</translation>
    </message>
    <message id="NewPassphraseTitle">
        <source>File passphrase</source>
        <translation>Passphrase der Datei</translation>
    </message>
    <message id="NewPassphraseInfo">
        <source>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</source>
        <translation>Jeder, der Lockmere auf diesem Computer startet, braucht sie vor der Anmeldung: Nennen Sie sie allen, die die Datei mitbenutzen. Wählen Sie Wörter, die leicht zu merken und schwer zu erraten sind.</translation>
    </message>
    <message id="NewPassphrase">
        <source>New file passphrase</source>
        <translation>Neue Passphrase</translation>
    </message>
    <message id="RepeatPassphrase">
        <source>Type it again</source>
        <translation>Noch einmal eingeben</translation>
    </message>
    <message id="SetPassphrase">
        <source>Use This Passphrase</source>
        <translation>Diese Passphrase verwenden</translation>
    </message>
    <message id="PassphraseTooShort">
        <source>A file passphrase has at least %1 characters.</source>
        <translation>Eine Passphrase hat mindestens %1 Zeichen.</translation>
    </message>
    <message id="PassphraseTooWeak">
        <source>This passphrase is too easy to guess: add words, or choose less common ones.</source>
        <translation>Diese Passphrase ist zu leicht zu erraten: Fügen Sie Wörter hinzu oder wählen Sie weniger gebräuchliche.</translation>
    </message>
    <message id="PassphrasesDiffer">
        <source>The two passphrases differ: type the same one twice.</source>
        <translation>Die beiden Passphrasen unterscheiden sich: Geben Sie zweimal dieselbe ein.</translation>
    </message>
    <message id="RecoveryCodeTitle">
        <source>Recovery code</source>
        <translation>Wiederherstellungscode</translation>
    </message>
    <message id="RecoveryCodeInfo">
        <source>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</source>
        <translation>Falls die Passphrase der Datei vergessen wird, öffnet dieser Code die Datei. Er wird nur jetzt angezeigt: Schreiben Sie ihn auf und bewahren Sie ihn getrennt von diesem Computer auf. Ohne Passphrase und ohne diesen Code kann niemand die Datei öffnen, auch Lockmere nicht.</translation>
    </message>
    <message id="CopyRecoveryCode">
        <source>Copy the Code</source>
        <translation>Code kopieren</translation>
    </message>
    <message id="RecoveryCodeKept">
        <source>I have written the code down and keep it apart from this computer</source>
        <translation>Ich habe den Code aufgeschrieben und bewahre ihn getrennt von diesem Computer auf</translation>
    </message>
    <message id="ProtectedAlert">
        <source>The file is protected</source>
        <translation>Die Datei ist geschützt</translation>
    </message>
    <message id="ProtectedAlertInfo">
        <source>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</source>
        <translation>Jede Seite von Lockmere.sqlite3 ist jetzt verschlüsselt, und die unverschlüsselte Fassung wurde überschrieben. Ab dem nächsten Start fragt Lockmere nach der Passphrase (oder dem Wiederherstellungscode), bevor sich jemand anmelden kann.</translation>
    </message>
    <message id="PassphraseChangedAlert">
        <source>The file passphrase is changed</source>
        <translation>Die Passphrase der Datei ist geändert</translation>
    </message>
    <message id="PassphraseChangedAlertInfo">
        <source>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</source>
        <translation>Ab jetzt öffnet nur die neue Passphrase (oder der Wiederherstellungscode) die Datei; die alte nicht mehr.</translation>
    </message>
    <message id="RecoveryCodeChangedAlert">
        <source>The recovery code is new</source>
        <translation>Der Wiederherstellungscode ist neu</translation>
    </message>
    <message id="RecoveryCodeChangedAlertInfo">
        <source>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</source>
        <translation>Ab jetzt öffnet nur der eben angezeigte Code die Datei, wenn die Passphrase vergessen ist; der alte nicht mehr.</translation>
    </message>
    <message id="ProtectionRemovedAlert">
        <source>Protection is removed</source>
        <translation>Der Schutz ist aufgehoben</translation>
    </message>
    <message id="ProtectionRemovedAlertInfo">
        <source>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</source>
        <translation>Lockmere.sqlite3 ist wieder eine gewöhnliche SQLite-Datei: Wer sie lesen kann, kann jedes Passwort darin lesen.</translation>
    </message>
    <message id="ProtectionFailed">
        <source>The file was not changed</source>
        <translation>Die Datei wurde nicht geändert</translation>
    </message>
    <message id="ProtectionFailedInfo">
        <source>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</source>
        <translation>Lockmere konnte die neue Datei nicht schreiben oder prüfen (volle Festplatte, ein Ordner ohne Schreibrecht). Die Datei ist wie zuvor und öffnet sich wie bisher.</translation>
    </message>
    <message id="RemoveProtectionAlert">
        <source>Remove the file's protection?</source>
        <translation>Den Schutz der Datei aufheben?</translation>
    </message>
    <message id="RemoveProtectionAlertInfo">
        <source>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</source>
        <translation>Lockmere.sqlite3 wird wieder als gewöhnliche SQLite-Datei geschrieben: Wer sie lesen kann (eine Sicherung, ein synchronisierter Ordner, ein anderes Programm unter dieser Anmeldung), liest jedes Passwort jedes Kontos. Passphrase und Wiederherstellungscode werden nicht mehr gebraucht.</translation>
    </message>
    <message id="ExportWarningProtectedInfo">
        <source>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</source>
        <translation>Lockmere.sqlite3 ist geschützt, die exportierte Datei aber nicht: Wer sie lesen kann, kann jedes Passwort dieses Kontos lesen. Sie wird nur für Ihre Anmeldung an diesem Computer lesbar angelegt, also auch für alle, die diese Anmeldung mitbenutzen; löschen Sie sie, sobald Sie sie nicht mehr brauchen.</translation>
    </message>
    <message id="RecoveredAlert">
        <source>Opened with the recovery code</source>
        <translation>Mit dem Wiederherstellungscode geöffnet</translation>
    </message>
    <message id="RecoveredAlertInfo">
        <source>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</source>
        <translation>Falls auch das Passwort von root vergessen ist, kann Lockmere es auf das veröffentlichte (tiwe) zurücksetzen; root wird dann bei der nächsten Anmeldung gebeten, es zu ändern. Wählen Sie bald eine neue Passphrase (Datei → Passphrase der Datei ändern…).</translation>
    </message>
    <message id="ResetRootPassword">
        <source>Reset Root's Password</source>
        <translation>Passwort von root zurücksetzen</translation>
    </message>
    <message id="HistoryButton">
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message id="HistoryTitle">
        <source>Earlier versions of %1</source>
        <translation>Frühere Fassungen von %1</translation>
    </message>
    <message id="HistoryEmpty">
        <source>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</source>
        <translation>Dieser Eintrag hat noch keine früheren Fassungen: Jedes Speichern, das ihn ändert, bewahrt auf, was vorher darin stand.</translation>
    </message>
    <message id="HistoryInfo">
        <source>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</source>
        <translation>Die neueste zuerst. Die 20 letzten Fassungen jedes Eintrags werden aufbewahrt. Wird eine Fassung wiederhergestellt, bleibt auch das, was sie ersetzt, als Fassung erhalten.</translation>
    </message>
    <message id="ReplacedAt">
        <source>Replaced</source>
        <translation>Ersetzt am</translation>
    </message>
    <message id="WhatChanged">
        <source>What changed</source>
        <translation>Was sich änderte</translation>
    </message>
    <message id="NothingChanged">
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message id="CopyOldPassword">
        <source>Copy Its Password</source>
        <translation>Passwort kopieren</translation>
    </message>
    <message id="RestoreVersion">
        <source>Restore This Version</source>
        <translation>Diese Fassung wiederherstellen</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="RecycleBinMenu">
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message id="RecycleBinTitle">
        <source>Recycle bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message id="RecycleBinInfo">
        <source>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</source>
        <translation>Ihre gelöschten Einträge. Stellen Sie einen wieder her, um ihn in seine Kategorie zurückzulegen (oder unter Sonstiges, falls es sie nicht mehr gibt), oder löschen Sie ihn endgültig. Einträge, die vor mehr als %1 Tagen gelöscht wurden, werden bei Ihrer nächsten Anmeldung endgültig entfernt.</translation>
    </message>
    <message id="DeletedAt">
        <source>Deleted</source>
        <translation>Gelöscht am</translation>
    </message>
    <message id="RestoreEntry">
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message id="DeleteForGood">
        <source>Delete for Good</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message id="EmptyRecycleBin">
        <source>Empty Recycle Bin</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message id="EmptyRecycleBinAlert">
        <source>Empty the recycle bin?</source>
        <translation>Den Papierkorb leeren?</translation>
    </message>
    <message id="EmptyRecycleBinAlertInfo">
        <source>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</source>
        <translation>Jeder Eintrag in Ihrem Papierkorb wird mit seinen früheren Fassungen endgültig gelöscht. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message id="DeleteForGoodInfo">
        <source>This entry and its earlier versions will be deleted for good. This cannot be undone.</source>
        <translation>Dieser Eintrag und seine früheren Fassungen werden endgültig gelöscht. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message id="DelEntryInfo">
        <source>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</source>
        <translation>Er kommt in Ihren Papierkorb, aus dem Sie ihn 30 Tage lang wiederherstellen können (Ansicht → Papierkorb).</translation>
    </message>
    <message id="MovedToBin">
        <source>Moved to the recycle bin</source>
        <translation>In den Papierkorb gelegt</translation>
    </message>
    <message id="ChangePassphraseTitle">
        <source>New file passphrase</source>
        <translation>Neue Passphrase der Datei</translation>
    </message>
    <message id="ChangePassphraseInfo">
        <source>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</source>
        <translation>Die neue Passphrase ersetzt die bisherige, sobald Sie sie bestätigen: Danach öffnet nur noch sie (oder der Wiederherstellungscode) die Datei. Nennen Sie sie allen, die die Datei mitbenutzen.</translation>
    </message>
    <message id="ShowPassphrase">
        <source>Show the passphrase</source>
        <translation>Passphrase anzeigen</translation>
    </message>
    <message id="RecoveryCodeReplaces">
        <source>This code replaces the current one: the code you wrote down before stops working when you click Continue.</source>
        <translation>Dieser Code ersetzt den bisherigen: Der Code, den Sie früher aufgeschrieben haben, gilt nicht mehr, sobald Sie auf Weiter klicken.</translation>
    </message>
    <message id="RecoveryCodeCopied">
        <source>Copied; the clipboard clears in 10 s</source>
        <translation>Kopiert; die Zwischenablage wird in 10 s geleert</translation>
    </message>
    <message id="CurrentSecretTitle">
        <source>Current file passphrase</source>
        <translation>Bisherige Passphrase der Datei</translation>
    </message>
    <message id="CurrentSecretInfo">
        <source>To change the file's protection, type its current passphrase (or its recovery code).</source>
        <translation>Um den Schutz der Datei zu ändern, geben Sie ihre bisherige Passphrase (oder ihren Wiederherstellungscode) ein.</translation>
    </message>
    <message id="WrongFileSecret">
        <source>Not the file's passphrase</source>
        <translation>Nicht die Passphrase der Datei</translation>
    </message>
    <message id="UnlockChecking">
        <source>Checking…</source>
        <translation>Wird geprüft…</translation>
    </message>
    <message id="RootPasswordResetAlert">
        <source>Root's password is the published one again</source>
        <translation>Das Passwort von root ist wieder das veröffentlichte</translation>
    </message>
    <message id="RootPasswordResetAlertInfo">
        <source>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</source>
        <translation>Melden Sie sich jetzt als root mit dem Passwort tiwe an und ändern Sie es sofort: Jeder, der die README gelesen hat, kennt es.</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="VersionRestored">
        <source>Version restored and saved</source>
        <translation>Fassung wiederhergestellt und gespeichert</translation>
    </message>
    <message id="RestoredFromBin">
        <source>Restored from the recycle bin</source>
        <translation>Aus dem Papierkorb wiederhergestellt</translation>
    </message>
    <message id="LoginRefused">
        <source>Wrong user name or password</source>
        <translation>Falscher Benutzername oder falsches Passwort</translation>
    </message>
    <message id="NewAccount">
        <source>New Account…</source>
        <translation>Neues Konto…</translation>
    </message>
    <message id="AdministratorsOnly">
        <source>Only an administrator can add or delete accounts</source>
        <translation>Nur ein Administrator kann Konten hinzufügen oder löschen</translation>
    </message>
    <message id="HidePasswords">
        <source>Hide Passwords</source>
        <translation>Passwörter verbergen</translation>
    </message>
    <message id="ShowPassword">
        <source>Show the password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message id="ImportedStatus">
        <source>Entries imported: %1, from %2</source>
        <translation>Einträge importiert: %1, aus %2</translation>
    </message>
    <message id="ExportedStatus">
        <source>Entries exported: %1, to %2</source>
        <translation>Einträge exportiert: %1, nach %2</translation>
    </message>
    <message id="ShowWebAddresses">
        <source>Web Address Column</source>
        <translation>Spalte Webadresse</translation>
    </message>
    <message id="HelpMenu">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="KeyboardShortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message id="AboutLockmere">
        <source>About Lockmere</source>
        <translation>Über Lockmere</translation>
    </message>
    <message id="AboutInfo">
        <source>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</source>
        <translation>Ein Passwortmanager für einen Computer, den mehrere Menschen teilen.&lt;br&gt;&lt;br&gt;Lizenz: %1&lt;br&gt;Datei: %2&lt;br&gt;%3</translation>
    </message>
    <message id="AboutLicence">
        <source>proprietary, all rights reserved</source>
        <translation>proprietär, alle Rechte vorbehalten</translation>
    </message>
    <message id="AboutProtected">
        <source>The file is protected by a file passphrase.</source>
        <translation>Die Datei ist durch eine Dateipassphrase geschützt.</translation>
    </message>
    <message id="AboutNotProtected">
        <source>The file is not protected: anyone who can read it can read every password in it.</source>
        <translation>Die Datei ist nicht geschützt: Wer sie lesen kann, kann jedes Passwort darin lesen.</translation>
    </message>
    <message id="EscapeKeyMeans">
        <source>Close the editor without saving, or end the search</source>
        <translation>Editor ohne Speichern schließen oder Suche beenden</translation>
    </message>
    <message id="Key">
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message id="Command">
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message id="PassphraseWordsFrom">
        <source>Words from the %1 word list (%2)</source>
        <translation>Wörter aus der Wortliste %1 (%2)</translation>
    </message>
</context>
</TS>
