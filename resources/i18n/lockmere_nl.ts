<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name></name>
    <message id="User">
        <source>User Name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message id="Password">
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message id="Email">
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message id="Website">
        <source>Website</source>
        <translation>Website</translation>
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
        <translation>Bankpas</translation>
    </message>
    <message id="eBank">
        <source>Online Banking</source>
        <translation>Internetbankieren</translation>
    </message>
    <message id="Router">
        <source>Router</source>
        <translation>Router</translation>
    </message>
    <message id="Lock">
        <source>Lock</source>
        <translation>Slot</translation>
    </message>
    <message id="Safe">
        <source>Safe</source>
        <translation>Kluis</translation>
    </message>
    <message id="Other">
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message id="Users">
        <source>Users</source>
        <translation>Gebruikers</translation>
    </message>
    <message id="Exit">
        <source>Log Out</source>
        <translation>Afmelden</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="IsRoot">
        <source>Administrator</source>
        <translation>Beheerder</translation>
    </message>
    <message id="Category">
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message id="Http">
        <source>Web Address</source>
        <translation>Webadres</translation>
    </message>
    <message id="Memo">
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="OK">
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message id="DelConfirm">
        <source>Delete the selected item?</source>
        <translation>Het geselecteerde item verwijderen?</translation>
    </message>
    <message id="DelInfo">
        <source>It will be removed for good. This cannot be undone.</source>
        <translation>Het wordt definitief verwijderd. Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message id="NoPermissionAlert">
        <source>You are not allowed to do this.</source>
        <translation>U mag dit niet doen.</translation>
    </message>
    <message id="NoPermissionAlertInfo">
        <source>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</source>
        <translation>Accounts worden door beheerders beheerd. Een gewoon account kan alleen het eigen account openen, en het account met de naam ‘root’ kan nooit worden verwijderd.</translation>
    </message>
    <message id="TitleNotNull">
        <source>The title is empty.</source>
        <translation>De titel is leeg.</translation>
    </message>
    <message id="TitleNotNullInfo">
        <source>Give the entry a title so that you can find it in the list.</source>
        <translation>Geef het item een titel, zodat u het in de lijst terugvindt.</translation>
    </message>
    <message id="PwdNotNull">
        <source>The password is empty.</source>
        <translation>Het wachtwoord is leeg.</translation>
    </message>
    <message id="PwdNotNullInfo">
        <source>Enter a password before you save.</source>
        <translation>Voer een wachtwoord in voordat u opslaat.</translation>
    </message>
    <message id="UserNotNull">
        <source>The user name is empty.</source>
        <translation>De gebruikersnaam is leeg.</translation>
    </message>
    <message id="UserNotNullInfo">
        <source>Enter a name for the account before you save.</source>
        <translation>Voer een naam voor het account in voordat u opslaat.</translation>
    </message>
    <message id="SaveFailAlert">
        <source>Could not save.</source>
        <translation>Opslaan is mislukt.</translation>
    </message>
    <message id="SaveFailAlertInfo">
        <source>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</source>
        <translation>Er is niets gewijzigd. De naam is misschien al in gebruik, of de database is alleen-lezen of in gebruik door een ander programma. Wat u hebt getypt blijft bewaard: probeer het opnieuw of annuleer.</translation>
    </message>
    <message id="DelUserAlert">
        <source>This account cannot be deleted.</source>
        <translation>Dit account kan niet worden verwijderd.</translation>
    </message>
    <message id="CannotDelLoginUser">
        <source>You are logged in with this account. Log in with another administrator account to delete it.</source>
        <translation>U bent met dit account aangemeld. Meld u aan met een ander beheerdersaccount om het te verwijderen.</translation>
    </message>
    <message id="UserHasData">
        <source>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</source>
        <translation>Dit account heeft nog wachtwoorditems (in zijn categorieën, zijn prullenbak of als eerdere versies). Meld u ermee aan, verwijder eerst zijn items en leeg zijn prullenbak.</translation>
    </message>
    <message id="CategoryNotNull">
        <source>No category is chosen.</source>
        <translation>Er is geen categorie gekozen.</translation>
    </message>
    <message id="CategoryNotNullInfo">
        <source>Choose the category to file the entry under.</source>
        <translation>Kies de categorie waarin het item wordt opgeborgen.</translation>
    </message>
    <message id="LogIn">
        <source>Log In</source>
        <translation>Aanmelden</translation>
    </message>
    <message id="AddEntry">
        <source>Add Entry</source>
        <translation>Item toevoegen</translation>
    </message>
    <message id="RemoveEntry">
        <source>Remove Entry</source>
        <translation>Item verwijderen</translation>
    </message>
    <message id="AddUser">
        <source>Add User</source>
        <translation>Gebruiker toevoegen</translation>
    </message>
    <message id="RemoveUser">
        <source>Remove User</source>
        <translation>Gebruiker verwijderen</translation>
    </message>
    <message id="EntryList">
        <source>Password Entries</source>
        <translation>Wachtwoorditems</translation>
    </message>
    <message id="UserList">
        <source>User Accounts</source>
        <translation>Gebruikersaccounts</translation>
    </message>
    <message id="EntryCount">
        <source>Number of entries</source>
        <translation>Aantal items</translation>
    </message>
    <message id="UserCount">
        <source>Number of accounts</source>
        <translation>Aantal accounts</translation>
    </message>
    <message id="Generate">
        <source>Generate</source>
        <translation>Genereren</translation>
    </message>
    <message id="GeneratePassword">
        <source>Generate a Strong Password</source>
        <translation>Een sterk wachtwoord genereren</translation>
    </message>
    <message id="Strength">
        <source>Password Strength</source>
        <translation>Wachtwoordsterkte</translation>
    </message>
    <message id="StrengthVeryWeak">
        <source>Very weak</source>
        <translation>Zeer zwak</translation>
    </message>
    <message id="StrengthWeak">
        <source>Weak</source>
        <translation>Zwak</translation>
    </message>
    <message id="StrengthFair">
        <source>Fair</source>
        <translation>Redelijk</translation>
    </message>
    <message id="StrengthGood">
        <source>Good</source>
        <translation>Goed</translation>
    </message>
    <message id="StrengthStrong">
        <source>Strong</source>
        <translation>Sterk</translation>
    </message>
    <message id="CopyPassword">
        <source>Copy Password</source>
        <translation>Wachtwoord kopiëren</translation>
    </message>
    <message id="CopyUser">
        <source>Copy User Name</source>
        <translation>Gebruikersnaam kopiëren</translation>
    </message>
    <message id="CopyHttp">
        <source>Copy Web Address</source>
        <translation>Webadres kopiëren</translation>
    </message>
    <message id="ClipboardClearsIn">
        <source>Copied; the clipboard clears in %1 s</source>
        <translation>Gekopieerd; het klembord wordt over %1 s gewist</translation>
    </message>
    <message id="EntryEditor">
        <source>Entry</source>
        <translation>Item</translation>
    </message>
    <message id="AccountEditor">
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message id="RecordGone">
        <source>This record is no longer there</source>
        <translation>Dit item bestaat niet meer</translation>
    </message>
    <message id="RecordGoneInfo">
        <source>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</source>
        <translation>Een andere kopie van Lockmere heeft de lijst intussen gewijzigd. De lijst is opnieuw ingelezen; er is niets gewijzigd.</translation>
    </message>
    <message id="DeleteFailAlert">
        <source>Could not delete</source>
        <translation>Verwijderen is mislukt</translation>
    </message>
    <message id="DeleteFailAlertInfo">
        <source>The database refused the deletion. Nothing was deleted; try again later.</source>
        <translation>De database weigerde het verwijderen. Er is niets verwijderd; probeer het later opnieuw.</translation>
    </message>
    <message id="UserDataUnknown">
        <source>Lockmere could not read whether this account owns entries, so it was not deleted.</source>
        <translation>Lockmere kon niet nagaan of dit account items heeft, dus het is niet verwijderd.</translation>
    </message>
    <message id="Open">
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message id="NewEntry">
        <source>New Entry</source>
        <translation>Nieuw item</translation>
    </message>
    <message id="Find">
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message id="SearchField">
        <source>Search all entries</source>
        <translation>Alle items doorzoeken</translation>
    </message>
    <message id="SearchResults">
        <source>Search Results</source>
        <translation>Zoekresultaten</translation>
    </message>
    <message id="OpenHttp">
        <source>Open Web Address</source>
        <translation>Webadres openen</translation>
    </message>
    <message id="Quit">
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message id="FileMenu">
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message id="EntryMenu">
        <source>&amp;Entry</source>
        <translation>&amp;Item</translation>
    </message>
    <message id="ViewMenu">
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message id="NoHttpAlert">
        <source>This entry has no web address</source>
        <translation>Dit item heeft geen webadres</translation>
    </message>
    <message id="NoHttpAlertInfo">
        <source>Enter one in the entry's Web address field.</source>
        <translation>Voer er een in bij het veld Webadres van het item.</translation>
    </message>
    <message id="HttpRefusedAlert">
        <source>This address is not opened</source>
        <translation>Dit adres wordt niet geopend</translation>
    </message>
    <message id="HttpRefusedAlertInfo">
        <source>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</source>
        <translation>Lockmere opent alleen webpagina's: adressen die beginnen met http:// of https://, of zonder schema.</translation>
    </message>
    <message id="HttpOpenFailAlert">
        <source>The web address could not be opened</source>
        <translation>Het webadres kon niet worden geopend</translation>
    </message>
    <message id="HttpOpenFailAlertInfo">
        <source>No web browser took it. Copy the address and paste it into your browser.</source>
        <translation>Geen webbrowser nam het aan. Kopieer het adres en plak het in uw browser.</translation>
    </message>
    <message id="ImportMenu">
        <source>Import…</source>
        <translation>Importeren…</translation>
    </message>
    <message id="ExportMenu">
        <source>Export…</source>
        <translation>Exporteren…</translation>
    </message>
    <message id="ImportTitle">
        <source>Import Passwords</source>
        <translation>Wachtwoorden importeren</translation>
    </message>
    <message id="ExportTitle">
        <source>Export Passwords</source>
        <translation>Wachtwoorden exporteren</translation>
    </message>
    <message id="CsvFiles">
        <source>CSV files</source>
        <translation>CSV-bestanden</translation>
    </message>
    <message id="AllFiles">
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message id="Import">
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message id="Export">
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message id="ImportRefused">
        <source>This file is not imported</source>
        <translation>Dit bestand wordt niet geïmporteerd</translation>
    </message>
    <message id="ImportIsFolder">
        <source>It is a folder, not a file.</source>
        <translation>Het is een map, geen bestand.</translation>
    </message>
    <message id="ImportTooLarge">
        <source>It is larger than %1 MB; no password manager's export is that large.</source>
        <translation>Het is groter dan %1 MB; geen export van een wachtwoordbeheerder is zo groot.</translation>
    </message>
    <message id="ImportUnreadable">
        <source>It cannot be read: %1</source>
        <translation>Het kan niet worden gelezen: %1</translation>
    </message>
    <message id="ImportEmpty">
        <source>It is empty.</source>
        <translation>Het is leeg.</translation>
    </message>
    <message id="ImportNotText">
        <source>It is not a text file.</source>
        <translation>Het is geen tekstbestand.</translation>
    </message>
    <message id="ImportNotUtf8">
        <source>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</source>
        <translation>De tekst is niet in UTF-8 (of UTF-16). Exporteer het opnieuw als UTF-8, zoals wachtwoordbeheerders en browsers standaard doen.</translation>
    </message>
    <message id="ImportUnknownHeader">
        <source>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</source>
        <translation>De eerste regel noemt geen kolommen die Lockmere kent. Verwacht werd de kop van een export van %1.</translation>
    </message>
    <message id="ImportStrayQuote">
        <source>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</source>
        <translation>Regel %1 heeft een aanhalingsteken in een veld dat niet tussen aanhalingstekens staat, of tekst na een sluitend aanhalingsteken.</translation>
    </message>
    <message id="ImportUnclosedQuote">
        <source>The quotation mark opened on line %1 is never closed.</source>
        <translation>Het aanhalingsteken dat op regel %1 wordt geopend, wordt nooit gesloten.</translation>
    </message>
    <message id="ImportFieldCount">
        <source>Line %1 has %2 fields; the header has %3.</source>
        <translation>Regel %1 heeft %2 velden; de kop heeft er %3.</translation>
    </message>
    <message id="KindKeePassXC">
        <source>KeePassXC (or Lockmere)</source>
        <translation>KeePassXC (of Lockmere)</translation>
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
        <translation>%1: %2 nieuw</translation>
    </message>
    <message id="ImportSkippedDuplicates">
        <source>Skipped, exactly as already there: %1</source>
        <translation>Overgeslagen, precies zoals al aanwezig: %1</translation>
    </message>
    <message id="ImportSkippedEmpty">
        <source>Skipped, without title and password: %1</source>
        <translation>Overgeslagen, zonder titel en wachtwoord: %1</translation>
    </message>
    <message id="ImportNothing">
        <source>Nothing to import from this %1 file</source>
        <translation>Niets te importeren uit dit %1-bestand</translation>
    </message>
    <message id="ImportConfirm">
        <source>Import %2 entries from this %1 file?</source>
        <translation>%2 items uit dit %1-bestand importeren?</translation>
    </message>
    <message id="Importing">
        <source>Importing…</source>
        <translation>Bezig met importeren…</translation>
    </message>
    <message id="ImportCancelled">
        <source>The import was cancelled</source>
        <translation>Het importeren is geannuleerd</translation>
    </message>
    <message id="ImportFailed">
        <source>The entries could not be saved</source>
        <translation>De items konden niet worden opgeslagen</translation>
    </message>
    <message id="NothingImported">
        <source>Nothing was imported; every entry is as it was.</source>
        <translation>Er is niets geïmporteerd; elk item is gebleven zoals het was.</translation>
    </message>
    <message id="ImportedFields">
        <source>Imported fields:</source>
        <translation>Geïmporteerde velden:</translation>
    </message>
    <message id="ExportWarning">
        <source>The exported file holds your passwords unencrypted</source>
        <translation>Het geëxporteerde bestand bevat uw wachtwoorden onversleuteld</translation>
    </message>
    <message id="ExportWarningInfo">
        <source>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</source>
        <translation>Iedereen die het bestand kan lezen, kan elk wachtwoord van dit account lezen. Alleen uw aanmelding op deze computer kan het lezen, dus ook iedereen die die aanmelding deelt, en de beheerder van de computer; verwijder het zodra u het niet meer nodig hebt.</translation>
    </message>
    <message id="ExportFailed">
        <source>The file could not be written</source>
        <translation>Het bestand kon niet worden geschreven</translation>
    </message>
    <message id="ExportFailedInfo">
        <source>Choose a folder that you can write to. No file was left behind.</source>
        <translation>Kies een map waarin u kunt schrijven. Er is geen bestand achtergebleven.</translation>
    </message>
    <message id="DefaultPasswordAlert">
        <source>root still has its published password</source>
        <translation>root heeft nog het gepubliceerde wachtwoord</translation>
    </message>
    <message id="DefaultPasswordAlertInfo">
        <source>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</source>
        <translation>Elke nieuwe installatie geeft root het wachtwoord ‘tiwe’, en iedereen kan het in de documentatie lezen. Wijzig het nu, zodat niemand anders zich als root kan aanmelden.</translation>
    </message>
    <message id="ChangePasswordNow">
        <source>Change Now</source>
        <translation>Nu wijzigen</translation>
    </message>
    <message id="Later">
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message id="DiscardAlert">
        <source>Discard changes?</source>
        <translation>Wijzigingen verwerpen?</translation>
    </message>
    <message id="DiscardAlertInfo">
        <source>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</source>
        <translation>Wat u in de editor hebt gewijzigd, is niet opgeslagen. Verwerp het, of ga verder met bewerken en sla het op.</translation>
    </message>
    <message id="Discard">
        <source>Discard</source>
        <translation>Verwerpen</translation>
    </message>
    <message id="KeepEditing">
        <source>Keep Editing</source>
        <translation>Verder bewerken</translation>
    </message>
    <message id="MovedTo">
        <source>Moved to %1</source>
        <translation>Verplaatst naar %1</translation>
    </message>
    <message id="CopiedPassword">
        <source>Password copied; clears in %1 s</source>
        <translation>Wachtwoord gekopieerd; wordt over %1 s gewist</translation>
    </message>
    <message id="CopiedUser">
        <source>User name copied; clears in %1 s</source>
        <translation>Gebruikersnaam gekopieerd; wordt over %1 s gewist</translation>
    </message>
    <message id="CopiedHttp">
        <source>Web address copied; clears in %1 s</source>
        <translation>Webadres gekopieerd; wordt over %1 s gewist</translation>
    </message>
    <message id="Passphrase">
        <source>Passphrase</source>
        <translation>Wachtzin</translation>
    </message>
    <message id="Length">
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message id="Words">
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message id="NoWordList">
        <source>Passphrases need a word list: install the wamerican package.</source>
        <translation>Wachtzinnen hebben een woordenlijst nodig: installeer het pakket wamerican.</translation>
    </message>
    <message id="UppercaseLetters">
        <source>Upper-case letters</source>
        <translation>Hoofdletters</translation>
    </message>
    <message id="LowercaseLetters">
        <source>Lower-case letters</source>
        <translation>Kleine letters</translation>
    </message>
    <message id="Digits">
        <source>Digits</source>
        <translation>Cijfers</translation>
    </message>
    <message id="Symbols">
        <source>Symbols</source>
        <translation>Symbolen</translation>
    </message>
    <message id="GeneratorOptions">
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message id="ImportBrokenUtf16">
        <source>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</source>
        <translation>De UTF-16-tekst is afgekapt of bevat een half teken. Exporteer het opnieuw, het liefst als UTF-8.</translation>
    </message>
    <message id="ImportNotAFile">
        <source>It is not an ordinary file but a device, a pipe or a socket.</source>
        <translation>Het is geen gewoon bestand maar een apparaat, een pipe of een socket.</translation>
    </message>
    <message id="ImportTooManyRows">
        <source>It has more than %1 rows; no password manager's export has that many.</source>
        <translation>Het heeft meer dan %1 rijen; geen export van een wachtwoordbeheerder heeft er zoveel.</translation>
    </message>
    <message id="ImportSkippedTooLong">
        <source>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</source>
        <translation>Overgeslagen, een veld langer dan Lockmere bewaart (%1 KB; notities %2 KB): %3</translation>
    </message>
    <message id="ExportFailedBecause">
        <source>%1. Nothing was written; a file already there keeps what it held.</source>
        <translation>%1. Er is niets geschreven; een bestand dat er al was, behoudt zijn inhoud.</translation>
    </message>
    <message id="ExportForeignLink">
        <source>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</source>
        <translation>De gekozen naam is een symbolische koppeling van een andere gebruiker: erdoorheen schrijven zou een bestand naar diens keuze overschrijven. Er is niets geschreven; kies een andere naam.</translation>
    </message>
    <message id="FileBusyStatus">
        <source>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</source>
        <translation>Lockmere.sqlite3 is in gebruik door een ander programma; de lijsten tonen wat ze hadden. Probeer het zo opnieuw.</translation>
    </message>
    <message id="FileUnreadableStatus">
        <source>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</source>
        <translation>Lockmere.sqlite3 kan niet worden gelezen: het is misschien beschadigd. De lijsten tonen wat ze hadden.</translation>
    </message>
    <message id="FileBusyAlert">
        <source>The file is in use by another program</source>
        <translation>Het bestand is in gebruik door een ander programma</translation>
    </message>
    <message id="FileBusyAlertInfo">
        <source>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</source>
        <translation>Een andere kopie van Lockmere (of een ander programma) schrijft naar Lockmere.sqlite3. Er is niets gewijzigd; probeer het zo opnieuw.</translation>
    </message>
    <message id="FileUnreadableAlert">
        <source>The file cannot be read</source>
        <translation>Het bestand kan niet worden gelezen</translation>
    </message>
    <message id="FileUnreadableAlertInfo">
        <source>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</source>
        <translation>Lockmere kon Lockmere.sqlite3 niet lezen; het is misschien beschadigd of verdwenen. Er is niets gewijzigd.</translation>
    </message>
    <message id="SessionEndedAlert">
        <source>You have been logged out</source>
        <translation>U bent afgemeld</translation>
    </message>
    <message id="AccountGoneInfo">
        <source>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</source>
        <translation>Uw account is in een andere kopie van Lockmere verwijderd. Er is niets meer voor opgeslagen.</translation>
    </message>
    <message id="AccountChangedInfo">
        <source>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</source>
        <translation>De naam of de beheerdersrechten van uw account zijn in een andere kopie van Lockmere gewijzigd. Meld u opnieuw aan om verder te gaan met de huidige rechten.</translation>
    </message>
    <message id="FieldTooLong">
        <source>This text is too long</source>
        <translation>Deze tekst is te lang</translation>
    </message>
    <message id="FieldTooLongInfo">
        <source>The field %1 holds at most %2 characters. Shorten it, then save again.</source>
        <translation>Het veld %1 bevat ten hoogste %2 tekens. Maak de tekst korter en sla opnieuw op.</translation>
    </message>
    <message id="RootNameAlert">
        <source>The name root is reserved</source>
        <translation>De naam root is gereserveerd</translation>
    </message>
    <message id="RootNameAlertInfo">
        <source>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</source>
        <translation>Het account met de naam root mag ieders beheerdersrechten wijzigen. Alleen het account dat die naam had mag hem dragen; kies een andere naam.</translation>
    </message>
    <message id="FileProblemAlert">
        <source>Lockmere cannot use its file</source>
        <translation>Lockmere kan zijn bestand niet gebruiken</translation>
    </message>
    <message id="FileReadOnlyAlert">
        <source>Lockmere can only read its file</source>
        <translation>Lockmere kan zijn bestand alleen lezen</translation>
    </message>
    <message id="FileNoFolder">
        <source>%1: the Documents folder is missing and cannot be made. Nothing was written.</source>
        <translation>%1: de map Documenten ontbreekt en kan niet worden gemaakt. Er is niets geschreven.</translation>
    </message>
    <message id="FileCannotCreate">
        <source>%1: the file cannot be made in this folder (no permission). Nothing was written.</source>
        <translation>%1: het bestand kan in deze map niet worden gemaakt (geen toestemming). Er is niets geschreven.</translation>
    </message>
    <message id="FileForeignLink">
        <source>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</source>
        <translation>%1 is een koppeling die een andere gebruiker heeft gemaakt. Lockmere volgt die niet, zodat uw wachtwoorden niet terechtkomen waar die gebruiker wil. Er is niets geschreven; verwijder de koppeling.</translation>
    </message>
    <message id="FileDanglingLink">
        <source>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 is een koppeling naar een bestand dat niet bestaat. Er is niets geschreven; verwijder de koppeling of zet het bestand terug.</translation>
    </message>
    <message id="FileCannotOpen">
        <source>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</source>
        <translation>%1 kan niet worden geopend: er staat iets anders, of u mag het niet lezen. Er is niets gewijzigd.</translation>
    </message>
    <message id="FileNotADatabase">
        <source>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</source>
        <translation>%1 is geen Lockmere-database (geen SQLite-bestand). Er is niets in gewijzigd; verplaats het om met een nieuw bestand te beginnen, of zet het terug uit een back-up.</translation>
    </message>
    <message id="FileDamaged">
        <source>%1 is damaged. Nothing in it was changed; restore it from a backup.</source>
        <translation>%1 is beschadigd. Er is niets in gewijzigd; zet het terug uit een back-up.</translation>
    </message>
    <message id="FileBusyAtStart">
        <source>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</source>
        <translation>%1 is vergrendeld door een ander programma. Er is niets gewijzigd; sluit het andere programma en meld u opnieuw aan.</translation>
    </message>
    <message id="FileReadOnly">
        <source>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</source>
        <translation>%1 kan niet worden geschreven (alleen-lezen bestand of map). U kunt zich aanmelden en alles lezen, maar niets opslaan.</translation>
    </message>
    <message id="SavedIn">
        <source>Saved in %1</source>
        <translation>Opgeslagen in %1</translation>
    </message>
    <message id="ChangedMeanwhileAlert">
        <source>Changed in another copy meanwhile</source>
        <translation>Intussen in een andere kopie gewijzigd</translation>
    </message>
    <message id="ChangedMeanwhileAlertInfo">
        <source>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</source>
        <translation>Een andere kopie van Lockmere heeft dit item opgeslagen terwijl u het bewerkte, dus er is niets opgeslagen. Wat u typte blijft staan: sla opnieuw op om uw wijzigingen eroverheen op te slaan (velden die u niet wijzigde houden dan de waarden van de andere kopie), of annuleer om de andere wijziging te zien.</translation>
    </message>
    <message id="DeletedMeanwhileAlert">
        <source>Deleted in another copy meanwhile</source>
        <translation>Intussen in een andere kopie verwijderd</translation>
    </message>
    <message id="DeletedMeanwhileAlertInfo">
        <source>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</source>
        <translation>Een andere kopie van Lockmere heeft dit item verwijderd terwijl u het bewerkte, dus er is niets opgeslagen. Wat u typte staat nog in de editor: kopieer wat u nodig hebt of voeg het opnieuw toe.</translation>
    </message>
    <message id="FileMovedStatus">
        <source>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</source>
        <translation>Lockmere.sqlite3 is verplaatst, vervangen of verwijderd terwijl Lockmere draaide: start Lockmere opnieuw.</translation>
    </message>
    <message id="FileMoved">
        <source>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</source>
        <translation>%1 is verplaatst, vervangen of verwijderd terwijl Lockmere draaide (misschien heeft een andere kopie het beveiligd of de beveiliging verwijderd). Er wordt niets meer uit gelezen of in geschreven: start Lockmere opnieuw.</translation>
    </message>
    <message id="FileReadOnlyInfo">
        <source>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</source>
        <translation>Lockmere.sqlite3 kan alleen worden gelezen (alleen-lezen bestand of map). Er is niets gewijzigd.</translation>
    </message>
    <message id="ProtectMenu">
        <source>Protect File with a Passphrase…</source>
        <translation>Bestand beveiligen met een wachtwoordzin…</translation>
    </message>
    <message id="ChangePassphraseMenu">
        <source>Change File Passphrase…</source>
        <translation>Wachtwoordzin van het bestand wijzigen…</translation>
    </message>
    <message id="NewRecoveryCodeMenu">
        <source>Show New Recovery Code…</source>
        <translation>Nieuwe herstelcode tonen…</translation>
    </message>
    <message id="RemoveProtectionMenu">
        <source>Remove Protection…</source>
        <translation>Beveiliging verwijderen…</translation>
    </message>
    <message id="UnlockButton">
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message id="UnlockPrompt">
        <source>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</source>
        <translation>%1 is beveiligd. Typ de wachtwoordzin van het bestand, of de herstelcode, om het te openen. Daarna meldt iedereen zich aan zoals gewoonlijk.</translation>
    </message>
    <message id="UnlockField">
        <source>File passphrase or recovery code</source>
        <translation>Wachtwoordzin van het bestand of herstelcode</translation>
    </message>
    <message id="UnlockRefused">
        <source>This is not the file passphrase or the recovery code. Nothing was changed; try again.</source>
        <translation>Dit is niet de wachtwoordzin van het bestand en ook niet de herstelcode. Er is niets gewijzigd; probeer het opnieuw.</translation>
    </message>
    <message id="UnlockDamaged">
        <source>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</source>
        <translation>Het bestand is beschadigd: een deel ervan is buiten Lockmere gewijzigd of afgeknipt. Er is niets in geschreven; zet het terug uit een back-up.</translation>
    </message>
    <message id="Continue">
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message id="RemoveProtection">
        <source>Remove Protection</source>
        <translation>Beveiliging verwijderen</translation>
    </message>
    <message id="NewPassphraseTitle">
        <source>File passphrase</source>
        <translation>Wachtwoordzin van het bestand</translation>
    </message>
    <message id="NewPassphraseInfo">
        <source>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</source>
        <translation>Iedereen die Lockmere op deze computer start, heeft hem nodig voordat hij zich aanmeldt: vertel hem aan wie het bestand deelt. Kies woorden die makkelijk te onthouden en moeilijk te raden zijn.</translation>
    </message>
    <message id="NewPassphrase">
        <source>New file passphrase</source>
        <translation>Nieuwe wachtwoordzin</translation>
    </message>
    <message id="RepeatPassphrase">
        <source>Type it again</source>
        <translation>Typ hem opnieuw</translation>
    </message>
    <message id="SetPassphrase">
        <source>Use This Passphrase</source>
        <translation>Deze wachtwoordzin gebruiken</translation>
    </message>
    <message id="PassphraseTooShort">
        <source>A file passphrase has at least %1 characters.</source>
        <translation>Een wachtwoordzin heeft minstens %1 tekens.</translation>
    </message>
    <message id="PassphraseTooWeak">
        <source>This passphrase is too easy to guess: add words, or choose less common ones.</source>
        <translation>Deze wachtwoordzin is te makkelijk te raden: voeg woorden toe of kies minder gangbare.</translation>
    </message>
    <message id="PassphrasesDiffer">
        <source>The two passphrases differ: type the same one twice.</source>
        <translation>De twee wachtwoordzinnen verschillen: typ twee keer dezelfde.</translation>
    </message>
    <message id="RecoveryCodeTitle">
        <source>Recovery code</source>
        <translation>Herstelcode</translation>
    </message>
    <message id="RecoveryCodeInfo">
        <source>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</source>
        <translation>Als de wachtwoordzin van het bestand ooit vergeten wordt, opent deze code het bestand. Hij wordt alleen nu getoond: schrijf hem op en bewaar hem apart van deze computer. Zonder wachtwoordzin en zonder deze code kan niemand het bestand openen, ook Lockmere niet.</translation>
    </message>
    <message id="CopyRecoveryCode">
        <source>Copy the Code</source>
        <translation>Code kopiëren</translation>
    </message>
    <message id="RecoveryCodeKept">
        <source>I have written the code down and keep it apart from this computer</source>
        <translation>Ik heb de code opgeschreven en bewaar hem apart van deze computer</translation>
    </message>
    <message id="ProtectedAlert">
        <source>The file is protected</source>
        <translation>Het bestand is beveiligd</translation>
    </message>
    <message id="ProtectedAlertInfo">
        <source>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</source>
        <translation>Elke pagina van Lockmere.sqlite3 is nu versleuteld, en de onversleutelde versie is overschreven. Vanaf de volgende start vraagt Lockmere om de wachtwoordzin (of de herstelcode) voordat iemand zich kan aanmelden.</translation>
    </message>
    <message id="PassphraseChangedAlert">
        <source>The file passphrase is changed</source>
        <translation>De wachtwoordzin van het bestand is gewijzigd</translation>
    </message>
    <message id="PassphraseChangedAlertInfo">
        <source>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</source>
        <translation>Vanaf nu opent alleen de nieuwe wachtwoordzin (of de herstelcode) het bestand; de oude niet meer.</translation>
    </message>
    <message id="RecoveryCodeChangedAlert">
        <source>The recovery code is new</source>
        <translation>De herstelcode is nieuw</translation>
    </message>
    <message id="RecoveryCodeChangedAlertInfo">
        <source>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</source>
        <translation>Vanaf nu opent alleen de zojuist getoonde code het bestand als de wachtwoordzin vergeten is; de oude niet meer.</translation>
    </message>
    <message id="ProtectionRemovedAlert">
        <source>Protection is removed</source>
        <translation>De beveiliging is verwijderd</translation>
    </message>
    <message id="ProtectionRemovedAlertInfo">
        <source>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</source>
        <translation>Lockmere.sqlite3 is weer een gewoon SQLite-bestand: iedereen die het kan lezen, kan elk wachtwoord erin lezen.</translation>
    </message>
    <message id="ProtectionFailed">
        <source>The file was not changed</source>
        <translation>Het bestand is niet gewijzigd</translation>
    </message>
    <message id="ProtectionFailedInfo">
        <source>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</source>
        <translation>Lockmere kon het nieuwe bestand niet schrijven of controleren (schijf vol, een map zonder schrijfrecht). Het bestand is zoals het was en opent zoals voorheen.</translation>
    </message>
    <message id="RemoveProtectionAlert">
        <source>Remove the file's protection?</source>
        <translation>De beveiliging van het bestand verwijderen?</translation>
    </message>
    <message id="RemoveProtectionAlertInfo">
        <source>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</source>
        <translation>Lockmere.sqlite3 wordt weer als gewoon SQLite-bestand geschreven: iedereen die het kan lezen (een back-up, een gesynchroniseerde map, een ander programma onder deze aanmelding) leest elk wachtwoord van elk account. De wachtwoordzin en de herstelcode zijn dan niet meer nodig.</translation>
    </message>
    <message id="ExportWarningProtectedInfo">
        <source>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</source>
        <translation>Lockmere.sqlite3 is beveiligd, maar het geëxporteerde bestand niet: iedereen die het kan lezen, kan elk wachtwoord van dit account lezen. Alleen uw aanmelding op deze computer kan het lezen, dus ook iedereen die die aanmelding deelt; verwijder het zodra u het niet meer nodig hebt.</translation>
    </message>
    <message id="RecoveredAlert">
        <source>Opened with the recovery code</source>
        <translation>Geopend met de herstelcode</translation>
    </message>
    <message id="RecoveredAlertInfo">
        <source>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</source>
        <translation>Als het wachtwoord van root ook vergeten is, kan Lockmere het terugzetten naar het gepubliceerde (tiwe); root wordt dan bij de volgende aanmelding gevraagd het te wijzigen. Kies binnenkort een nieuwe wachtwoordzin (Bestand → Wachtwoordzin van het bestand wijzigen…).</translation>
    </message>
    <message id="ResetRootPassword">
        <source>Reset Root's Password</source>
        <translation>Wachtwoord van root herstellen</translation>
    </message>
    <message id="HistoryButton">
        <source>History…</source>
        <translation>Geschiedenis…</translation>
    </message>
    <message id="HistoryTitle">
        <source>Earlier versions of %1</source>
        <translation>Eerdere versies van %1</translation>
    </message>
    <message id="HistoryEmpty">
        <source>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</source>
        <translation>Dit item heeft nog geen eerdere versies: elke keer dat opslaan het wijzigt, wordt bewaard wat er eerder in stond.</translation>
    </message>
    <message id="HistoryInfo">
        <source>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</source>
        <translation>Nieuwste eerst. De 20 laatste versies van elk item worden bewaard. Een versie terugzetten bewaart ook de waarden die ze vervangt als versie.</translation>
    </message>
    <message id="ReplacedAt">
        <source>Replaced</source>
        <translation>Vervangen op</translation>
    </message>
    <message id="WhatChanged">
        <source>What changed</source>
        <translation>Wat er veranderde</translation>
    </message>
    <message id="NothingChanged">
        <source>Nothing</source>
        <translation>Niets</translation>
    </message>
    <message id="CopyOldPassword">
        <source>Copy Its Password</source>
        <translation>Wachtwoord kopiëren</translation>
    </message>
    <message id="RestoreVersion">
        <source>Restore This Version</source>
        <translation>Deze versie terugzetten</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="RecycleBinMenu">
        <source>Recycle Bin</source>
        <translation>Prullenbak</translation>
    </message>
    <message id="RecycleBinTitle">
        <source>Recycle bin</source>
        <translation>Prullenbak</translation>
    </message>
    <message id="RecycleBinInfo">
        <source>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</source>
        <translation>Uw verwijderde items. Zet er een terug in zijn categorie (of in Overig als die er niet meer is), of verwijder het definitief. Items die meer dan %1 dagen geleden zijn verwijderd, worden bij uw volgende aanmelding definitief verwijderd.</translation>
    </message>
    <message id="DeletedAt">
        <source>Deleted</source>
        <translation>Verwijderd op</translation>
    </message>
    <message id="RestoreEntry">
        <source>Restore</source>
        <translation>Terugzetten</translation>
    </message>
    <message id="DeleteForGood">
        <source>Delete for Good</source>
        <translation>Definitief verwijderen</translation>
    </message>
    <message id="EmptyRecycleBin">
        <source>Empty Recycle Bin</source>
        <translation>Prullenbak legen</translation>
    </message>
    <message id="EmptyRecycleBinAlert">
        <source>Empty the recycle bin?</source>
        <translation>De prullenbak legen?</translation>
    </message>
    <message id="EmptyRecycleBinAlertInfo">
        <source>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</source>
        <translation>Elk item in uw prullenbak, met zijn eerdere versies, wordt definitief verwijderd. Dit kan niet ongedaan worden.</translation>
    </message>
    <message id="DeleteForGoodInfo">
        <source>This entry and its earlier versions will be deleted for good. This cannot be undone.</source>
        <translation>Dit item en zijn eerdere versies worden definitief verwijderd. Dit kan niet ongedaan worden.</translation>
    </message>
    <message id="DelEntryInfo">
        <source>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</source>
        <translation>Het gaat naar uw prullenbak, waaruit u het 30 dagen kunt terugzetten (Beeld → Prullenbak).</translation>
    </message>
    <message id="MovedToBin">
        <source>Moved to the recycle bin</source>
        <translation>Naar de prullenbak verplaatst</translation>
    </message>
    <message id="ChangePassphraseTitle">
        <source>New file passphrase</source>
        <translation>Nieuwe wachtwoordzin van het bestand</translation>
    </message>
    <message id="ChangePassphraseInfo">
        <source>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</source>
        <translation>De nieuwe wachtwoordzin vervangt de huidige zodra u hem bevestigt: daarna opent alleen hij (of de herstelcode) het bestand. Vertel hem aan wie het bestand deelt.</translation>
    </message>
    <message id="ShowPassphrase">
        <source>Show the passphrase</source>
        <translation>Wachtwoordzin tonen</translation>
    </message>
    <message id="RecoveryCodeReplaces">
        <source>This code replaces the current one: the code you wrote down before stops working when you click Continue.</source>
        <translation>Deze code vervangt de huidige: de code die u eerder opschreef werkt niet meer zodra u op Doorgaan klikt.</translation>
    </message>
    <message id="RecoveryCodeCopied">
        <source>Copied; the clipboard clears in 10 s</source>
        <translation>Gekopieerd; het klembord wordt over 10 s leeggemaakt</translation>
    </message>
    <message id="CurrentSecretTitle">
        <source>Current file passphrase</source>
        <translation>Huidige wachtwoordzin van het bestand</translation>
    </message>
    <message id="CurrentSecretInfo">
        <source>To change the file's protection, type its current passphrase (or its recovery code).</source>
        <translation>Typ om de beveiliging van het bestand te wijzigen de huidige wachtwoordzin (of de herstelcode).</translation>
    </message>
    <message id="WrongFileSecret">
        <source>Not the file's passphrase</source>
        <translation>Niet de wachtwoordzin van het bestand</translation>
    </message>
    <message id="UnlockChecking">
        <source>Checking…</source>
        <translation>Bezig met controleren…</translation>
    </message>
    <message id="RootPasswordResetAlert">
        <source>Root's password is the published one again</source>
        <translation>Het wachtwoord van root is weer het gepubliceerde</translation>
    </message>
    <message id="RootPasswordResetAlertInfo">
        <source>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</source>
        <translation>Meld u nu aan als root met het wachtwoord tiwe en wijzig het meteen: iedereen die de README heeft gelezen kent het.</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message id="VersionRestored">
        <source>Version restored and saved</source>
        <translation>Versie hersteld en opgeslagen</translation>
    </message>
    <message id="RestoredFromBin">
        <source>Restored from the recycle bin</source>
        <translation>Teruggezet uit de prullenbak</translation>
    </message>
    <message id="LoginRefused">
        <source>Wrong user name or password</source>
        <translation>Onjuiste gebruikersnaam of onjuist wachtwoord</translation>
    </message>
    <message id="NewAccount">
        <source>New Account…</source>
        <translation>Nieuw account…</translation>
    </message>
    <message id="AdministratorsOnly">
        <source>Only an administrator can add or delete accounts</source>
        <translation>Alleen een beheerder kan accounts toevoegen of verwijderen</translation>
    </message>
    <message id="HidePasswords">
        <source>Hide Passwords</source>
        <translation>Wachtwoorden verbergen</translation>
    </message>
    <message id="ShowPassword">
        <source>Show the password</source>
        <translation>Wachtwoord tonen</translation>
    </message>
    <message id="ImportedStatus">
        <source>Entries imported: %1, from %2</source>
        <translation>Items geïmporteerd: %1, uit %2</translation>
    </message>
    <message id="ExportedStatus">
        <source>Entries exported: %1, to %2</source>
        <translation>Items geëxporteerd: %1, naar %2</translation>
    </message>
    <message id="ShowWebAddresses">
        <source>Web Address Column</source>
        <translation>Kolom Webadres</translation>
    </message>
    <message id="HelpMenu">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="KeyboardShortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message id="AboutLockmere">
        <source>About Lockmere</source>
        <translation>Over Lockmere</translation>
    </message>
    <message id="AboutInfo">
        <source>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</source>
        <translation>Een wachtwoordbeheerder voor een computer die meerdere mensen delen.&lt;br&gt;&lt;br&gt;Licentie: %1&lt;br&gt;Bestand: %2&lt;br&gt;%3</translation>
    </message>
    <message id="AboutLicence">
        <source>proprietary, all rights reserved</source>
        <translation>eigendom, alle rechten voorbehouden</translation>
    </message>
    <message id="AboutProtected">
        <source>The file is protected by a file passphrase.</source>
        <translation>Het bestand is beveiligd met een bestandswachtzin.</translation>
    </message>
    <message id="AboutNotProtected">
        <source>The file is not protected: anyone who can read it can read every password in it.</source>
        <translation>Het bestand is niet beveiligd: wie het kan lezen, kan elk wachtwoord erin lezen.</translation>
    </message>
    <message id="EscapeKeyMeans">
        <source>Close the editor without saving, or end the search</source>
        <translation>Editor sluiten zonder opslaan, of zoeken beëindigen</translation>
    </message>
    <message id="Key">
        <source>Key</source>
        <translation>Toets</translation>
    </message>
    <message id="Command">
        <source>Command</source>
        <translation>Opdracht</translation>
    </message>
    <message id="PassphraseWordsFrom">
        <source>Words from the %1 word list (%2)</source>
        <translation>Woorden uit de woordenlijst %1 (%2)</translation>
    </message>
</context>
</TS>
