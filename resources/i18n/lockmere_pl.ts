<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name></name>
    <message id="User">
        <source>User Name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message id="Password">
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message id="Email">
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message id="Website">
        <source>Website</source>
        <translation>Strona WWW</translation>
    </message>
    <message id="Computer">
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message id="Software">
        <source>Software</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message id="BankCard">
        <source>Bank Card</source>
        <translation>Karta płatnicza</translation>
    </message>
    <message id="eBank">
        <source>Online Banking</source>
        <translation>Bankowość internetowa</translation>
    </message>
    <message id="Router">
        <source>Router</source>
        <translation>Router</translation>
    </message>
    <message id="Lock">
        <source>Lock</source>
        <translation>Zamek</translation>
    </message>
    <message id="Safe">
        <source>Safe</source>
        <translation>Sejf</translation>
    </message>
    <message id="Other">
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message id="Users">
        <source>Users</source>
        <translation>Użytkownicy</translation>
    </message>
    <message id="Exit">
        <source>Log Out</source>
        <translation>Wyloguj</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message id="IsRoot">
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message id="Category">
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message id="Http">
        <source>Web Address</source>
        <translation>Adres WWW</translation>
    </message>
    <message id="Memo">
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="OK">
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message id="DelConfirm">
        <source>Delete the selected item?</source>
        <translation>Usunąć zaznaczony element?</translation>
    </message>
    <message id="DelInfo">
        <source>It will be removed for good. This cannot be undone.</source>
        <translation>Zostanie usunięty na zawsze. Tego nie można cofnąć.</translation>
    </message>
    <message id="NoPermissionAlert">
        <source>You are not allowed to do this.</source>
        <translation>Nie masz uprawnień, aby to zrobić.</translation>
    </message>
    <message id="NoPermissionAlertInfo">
        <source>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</source>
        <translation>Kontami zarządzają administratorzy. Zwykłe konto może otworzyć tylko własne konto, a konta o nazwie „root” nie można nigdy usunąć.</translation>
    </message>
    <message id="TitleNotNull">
        <source>The title is empty.</source>
        <translation>Tytuł jest pusty.</translation>
    </message>
    <message id="TitleNotNullInfo">
        <source>Give the entry a title so that you can find it in the list.</source>
        <translation>Nadaj wpisowi tytuł, aby móc go znaleźć na liście.</translation>
    </message>
    <message id="PwdNotNull">
        <source>The password is empty.</source>
        <translation>Hasło jest puste.</translation>
    </message>
    <message id="PwdNotNullInfo">
        <source>Enter a password before you save.</source>
        <translation>Wpisz hasło przed zapisaniem.</translation>
    </message>
    <message id="UserNotNull">
        <source>The user name is empty.</source>
        <translation>Nazwa użytkownika jest pusta.</translation>
    </message>
    <message id="UserNotNullInfo">
        <source>Enter a name for the account before you save.</source>
        <translation>Wpisz nazwę konta przed zapisaniem.</translation>
    </message>
    <message id="SaveFailAlert">
        <source>Could not save.</source>
        <translation>Nie można zapisać.</translation>
    </message>
    <message id="SaveFailAlertInfo">
        <source>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</source>
        <translation>Nic nie zostało zmienione. Nazwa może być już zajęta albo baza danych jest tylko do odczytu lub używana przez inny program. To, co wpisano, zostało zachowane: spróbuj ponownie lub anuluj.</translation>
    </message>
    <message id="DelUserAlert">
        <source>This account cannot be deleted.</source>
        <translation>Tego konta nie można usunąć.</translation>
    </message>
    <message id="CannotDelLoginUser">
        <source>You are logged in with this account. Log in with another administrator account to delete it.</source>
        <translation>Jesteś zalogowany na to konto. Zaloguj się na inne konto administratora, aby je usunąć.</translation>
    </message>
    <message id="UserHasData">
        <source>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</source>
        <translation>To konto nadal ma wpisy haseł (w kategoriach, w koszu lub jako wcześniejsze wersje). Zaloguj się na nie, najpierw usuń jego wpisy i opróżnij kosz.</translation>
    </message>
    <message id="CategoryNotNull">
        <source>No category is chosen.</source>
        <translation>Nie wybrano kategorii.</translation>
    </message>
    <message id="CategoryNotNullInfo">
        <source>Choose the category to file the entry under.</source>
        <translation>Wybierz kategorię, w której ma się znaleźć wpis.</translation>
    </message>
    <message id="LogIn">
        <source>Log In</source>
        <translation>Zaloguj</translation>
    </message>
    <message id="AddEntry">
        <source>Add Entry</source>
        <translation>Dodaj wpis</translation>
    </message>
    <message id="RemoveEntry">
        <source>Remove Entry</source>
        <translation>Usuń wpis</translation>
    </message>
    <message id="AddUser">
        <source>Add User</source>
        <translation>Dodaj użytkownika</translation>
    </message>
    <message id="RemoveUser">
        <source>Remove User</source>
        <translation>Usuń użytkownika</translation>
    </message>
    <message id="EntryList">
        <source>Password Entries</source>
        <translation>Wpisy z hasłami</translation>
    </message>
    <message id="UserList">
        <source>User Accounts</source>
        <translation>Konta użytkowników</translation>
    </message>
    <message id="EntryCount">
        <source>Number of entries</source>
        <translation>Liczba wpisów</translation>
    </message>
    <message id="UserCount">
        <source>Number of accounts</source>
        <translation>Liczba kont</translation>
    </message>
    <message id="Generate">
        <source>Generate</source>
        <translation>Generuj</translation>
    </message>
    <message id="GeneratePassword">
        <source>Generate a Strong Password</source>
        <translation>Wygeneruj silne hasło</translation>
    </message>
    <message id="Strength">
        <source>Password Strength</source>
        <translation>Siła hasła</translation>
    </message>
    <message id="StrengthVeryWeak">
        <source>Very weak</source>
        <translation>Bardzo słabe</translation>
    </message>
    <message id="StrengthWeak">
        <source>Weak</source>
        <translation>Słabe</translation>
    </message>
    <message id="StrengthFair">
        <source>Fair</source>
        <translation>Przeciętne</translation>
    </message>
    <message id="StrengthGood">
        <source>Good</source>
        <translation>Dobre</translation>
    </message>
    <message id="StrengthStrong">
        <source>Strong</source>
        <translation>Silne</translation>
    </message>
    <message id="CopyPassword">
        <source>Copy Password</source>
        <translation>Kopiuj hasło</translation>
    </message>
    <message id="CopyUser">
        <source>Copy User Name</source>
        <translation>Kopiuj nazwę użytkownika</translation>
    </message>
    <message id="CopyHttp">
        <source>Copy Web Address</source>
        <translation>Kopiuj adres WWW</translation>
    </message>
    <message id="ClipboardClearsIn">
        <source>Copied; the clipboard clears in %1 s</source>
        <translation>Skopiowano; schowek zostanie wyczyszczony za %1 s</translation>
    </message>
    <message id="EntryEditor">
        <source>Entry</source>
        <translation>Wpis</translation>
    </message>
    <message id="AccountEditor">
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message id="RecordGone">
        <source>This record is no longer there</source>
        <translation>Tego elementu już nie ma</translation>
    </message>
    <message id="RecordGoneInfo">
        <source>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</source>
        <translation>Inna kopia programu Lockmere zmieniła w międzyczasie listę. Lista została wczytana ponownie; nic nie zostało zmienione.</translation>
    </message>
    <message id="DeleteFailAlert">
        <source>Could not delete</source>
        <translation>Nie można usunąć</translation>
    </message>
    <message id="DeleteFailAlertInfo">
        <source>The database refused the deletion. Nothing was deleted; try again later.</source>
        <translation>Baza danych odmówiła usunięcia. Nic nie zostało usunięte; spróbuj ponownie później.</translation>
    </message>
    <message id="UserDataUnknown">
        <source>Lockmere could not read whether this account owns entries, so it was not deleted.</source>
        <translation>Lockmere nie mógł sprawdzić, czy to konto ma wpisy, więc nie zostało usunięte.</translation>
    </message>
    <message id="Open">
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message id="NewEntry">
        <source>New Entry</source>
        <translation>Nowy wpis</translation>
    </message>
    <message id="Find">
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message id="SearchField">
        <source>Search all entries</source>
        <translation>Szukaj we wszystkich wpisach</translation>
    </message>
    <message id="SearchResults">
        <source>Search Results</source>
        <translation>Wyniki wyszukiwania</translation>
    </message>
    <message id="OpenHttp">
        <source>Open Web Address</source>
        <translation>Otwórz adres WWW</translation>
    </message>
    <message id="Quit">
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message id="FileMenu">
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message id="EntryMenu">
        <source>&amp;Entry</source>
        <translation>&amp;Wpis</translation>
    </message>
    <message id="ViewMenu">
        <source>&amp;View</source>
        <translation>Wid&amp;ok</translation>
    </message>
    <message id="NoHttpAlert">
        <source>This entry has no web address</source>
        <translation>Ten wpis nie ma adresu WWW</translation>
    </message>
    <message id="NoHttpAlertInfo">
        <source>Enter one in the entry's Web address field.</source>
        <translation>Wpisz go w polu Adres WWW tego wpisu.</translation>
    </message>
    <message id="HttpRefusedAlert">
        <source>This address is not opened</source>
        <translation>Ten adres nie zostanie otwarty</translation>
    </message>
    <message id="HttpRefusedAlertInfo">
        <source>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</source>
        <translation>Lockmere otwiera tylko strony WWW: adresy zaczynające się od http:// lub https:// albo bez schematu.</translation>
    </message>
    <message id="HttpOpenFailAlert">
        <source>The web address could not be opened</source>
        <translation>Nie można otworzyć adresu WWW</translation>
    </message>
    <message id="HttpOpenFailAlertInfo">
        <source>No web browser took it. Copy the address and paste it into your browser.</source>
        <translation>Żadna przeglądarka go nie przyjęła. Skopiuj adres i wklej go do przeglądarki.</translation>
    </message>
    <message id="ImportMenu">
        <source>Import…</source>
        <translation>Importuj…</translation>
    </message>
    <message id="ExportMenu">
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message id="ImportTitle">
        <source>Import Passwords</source>
        <translation>Importuj hasła</translation>
    </message>
    <message id="ExportTitle">
        <source>Export Passwords</source>
        <translation>Eksportuj hasła</translation>
    </message>
    <message id="CsvFiles">
        <source>CSV files</source>
        <translation>Pliki CSV</translation>
    </message>
    <message id="AllFiles">
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message id="Import">
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message id="Export">
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message id="ImportRefused">
        <source>This file is not imported</source>
        <translation>Ten plik nie zostanie zaimportowany</translation>
    </message>
    <message id="ImportIsFolder">
        <source>It is a folder, not a file.</source>
        <translation>To jest folder, nie plik.</translation>
    </message>
    <message id="ImportTooLarge">
        <source>It is larger than %1 MB; no password manager's export is that large.</source>
        <translation>Jest większy niż %1 MB; żaden eksport menedżera haseł nie jest tak duży.</translation>
    </message>
    <message id="ImportUnreadable">
        <source>It cannot be read: %1</source>
        <translation>Nie można go odczytać: %1</translation>
    </message>
    <message id="ImportEmpty">
        <source>It is empty.</source>
        <translation>Jest pusty.</translation>
    </message>
    <message id="ImportNotText">
        <source>It is not a text file.</source>
        <translation>To nie jest plik tekstowy.</translation>
    </message>
    <message id="ImportNotUtf8">
        <source>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</source>
        <translation>Jego tekst nie jest w UTF-8 (ani w UTF-16). Wyeksportuj go ponownie jako UTF-8, jak domyślnie robią menedżery haseł i przeglądarki.</translation>
    </message>
    <message id="ImportUnknownHeader">
        <source>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</source>
        <translation>Jego pierwszy wiersz nie nazywa żadnych kolumn znanych programowi Lockmere. Oczekiwano nagłówka eksportu z %1.</translation>
    </message>
    <message id="ImportStrayQuote">
        <source>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</source>
        <translation>Wiersz %1 ma cudzysłów w polu, które nie jest w cudzysłowie, albo tekst po cudzysłowie zamykającym.</translation>
    </message>
    <message id="ImportUnclosedQuote">
        <source>The quotation mark opened on line %1 is never closed.</source>
        <translation>Cudzysłów otwarty w wierszu %1 nigdy nie zostaje zamknięty.</translation>
    </message>
    <message id="ImportFieldCount">
        <source>Line %1 has %2 fields; the header has %3.</source>
        <translation>Wiersz %1 ma %2 pól; nagłówek ma %3.</translation>
    </message>
    <message id="KindKeePassXC">
        <source>KeePassXC (or Lockmere)</source>
        <translation>KeePassXC (lub Lockmere)</translation>
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
        <translation>%1: %2 nowych</translation>
    </message>
    <message id="ImportSkippedDuplicates">
        <source>Skipped, exactly as already there: %1</source>
        <translation>Pominięte, identyczne z istniejącymi: %1</translation>
    </message>
    <message id="ImportSkippedEmpty">
        <source>Skipped, without title and password: %1</source>
        <translation>Pominięte, bez tytułu i hasła: %1</translation>
    </message>
    <message id="ImportNothing">
        <source>Nothing to import from this %1 file</source>
        <translation>Nie ma nic do zaimportowania z tego pliku %1</translation>
    </message>
    <message id="ImportConfirm">
        <source>Import %2 entries from this %1 file?</source>
        <translation>Zaimportować %2 wpisów z tego pliku %1?</translation>
    </message>
    <message id="Importing">
        <source>Importing…</source>
        <translation>Importowanie…</translation>
    </message>
    <message id="ImportCancelled">
        <source>The import was cancelled</source>
        <translation>Import został anulowany</translation>
    </message>
    <message id="ImportFailed">
        <source>The entries could not be saved</source>
        <translation>Nie można zapisać wpisów</translation>
    </message>
    <message id="NothingImported">
        <source>Nothing was imported; every entry is as it was.</source>
        <translation>Nic nie zostało zaimportowane; każdy wpis jest taki jak wcześniej.</translation>
    </message>
    <message id="ImportedFields">
        <source>Imported fields:</source>
        <translation>Zaimportowane pola:</translation>
    </message>
    <message id="ExportWarning">
        <source>The exported file holds your passwords unencrypted</source>
        <translation>Wyeksportowany plik zawiera Twoje hasła bez szyfrowania</translation>
    </message>
    <message id="ExportWarningInfo">
        <source>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</source>
        <translation>Każdy, kto może odczytać plik, może odczytać każde hasło tego konta. Może go odczytać tylko Twój użytkownik tego komputera, czyli także każdy, kto z niego korzysta, oraz administrator komputera; usuń go, gdy nie będzie już potrzebny.</translation>
    </message>
    <message id="ExportFailed">
        <source>The file could not be written</source>
        <translation>Nie można zapisać pliku</translation>
    </message>
    <message id="ExportFailedInfo">
        <source>Choose a folder that you can write to. No file was left behind.</source>
        <translation>Wybierz folder, w którym możesz zapisywać. Nie pozostawiono żadnego pliku.</translation>
    </message>
    <message id="DefaultPasswordAlert">
        <source>root still has its published password</source>
        <translation>root nadal ma opublikowane hasło</translation>
    </message>
    <message id="DefaultPasswordAlertInfo">
        <source>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</source>
        <translation>Każda nowa instalacja nadaje kontu root hasło „tiwe”, które każdy może przeczytać w dokumentacji. Zmień je teraz, aby nikt inny nie mógł zalogować się jako root.</translation>
    </message>
    <message id="ChangePasswordNow">
        <source>Change Now</source>
        <translation>Zmień teraz</translation>
    </message>
    <message id="Later">
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message id="DiscardAlert">
        <source>Discard changes?</source>
        <translation>Odrzucić zmiany?</translation>
    </message>
    <message id="DiscardAlertInfo">
        <source>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</source>
        <translation>To, co zmieniono w edytorze, nie zostało zapisane. Odrzuć zmiany albo edytuj dalej i zapisz.</translation>
    </message>
    <message id="Discard">
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message id="KeepEditing">
        <source>Keep Editing</source>
        <translation>Edytuj dalej</translation>
    </message>
    <message id="MovedTo">
        <source>Moved to %1</source>
        <translation>Przeniesiono do: %1</translation>
    </message>
    <message id="CopiedPassword">
        <source>Password copied; clears in %1 s</source>
        <translation>Skopiowano hasło; zniknie za %1 s</translation>
    </message>
    <message id="CopiedUser">
        <source>User name copied; clears in %1 s</source>
        <translation>Skopiowano nazwę użytkownika; zniknie za %1 s</translation>
    </message>
    <message id="CopiedHttp">
        <source>Web address copied; clears in %1 s</source>
        <translation>Skopiowano adres WWW; zniknie za %1 s</translation>
    </message>
    <message id="Passphrase">
        <source>Passphrase</source>
        <translation>Fraza hasła</translation>
    </message>
    <message id="Length">
        <source>Length</source>
        <translation>Długość</translation>
    </message>
    <message id="Words">
        <source>Words</source>
        <translation>Słowa</translation>
    </message>
    <message id="NoWordList">
        <source>Passphrases need a word list: install the wamerican package.</source>
        <translation>Frazy haseł wymagają listy słów: zainstaluj pakiet wamerican.</translation>
    </message>
    <message id="UppercaseLetters">
        <source>Upper-case letters</source>
        <translation>Wielkie litery</translation>
    </message>
    <message id="LowercaseLetters">
        <source>Lower-case letters</source>
        <translation>Małe litery</translation>
    </message>
    <message id="Digits">
        <source>Digits</source>
        <translation>Cyfry</translation>
    </message>
    <message id="Symbols">
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message id="GeneratorOptions">
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message id="ImportBrokenUtf16">
        <source>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</source>
        <translation>Jego tekst UTF-16 jest ucięty lub zawiera połowę znaku. Wyeksportuj go ponownie, najlepiej jako UTF-8.</translation>
    </message>
    <message id="ImportNotAFile">
        <source>It is not an ordinary file but a device, a pipe or a socket.</source>
        <translation>To nie jest zwykły plik, lecz urządzenie, potok lub gniazdo.</translation>
    </message>
    <message id="ImportTooManyRows">
        <source>It has more than %1 rows; no password manager's export has that many.</source>
        <translation>Ma więcej niż %1 wierszy; żaden eksport menedżera haseł nie ma ich tak wiele.</translation>
    </message>
    <message id="ImportSkippedTooLong">
        <source>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</source>
        <translation>Pominięte, pole dłuższe, niż Lockmere przechowuje (%1 KB; notatki %2 KB): %3</translation>
    </message>
    <message id="ExportFailedBecause">
        <source>%1. Nothing was written; a file already there keeps what it held.</source>
        <translation>%1. Nic nie zapisano; plik, który już istniał, zachowuje swoją zawartość.</translation>
    </message>
    <message id="ExportForeignLink">
        <source>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</source>
        <translation>Wybrana nazwa to dowiązanie symboliczne należące do innego użytkownika: zapis przez nie nadpisałby plik przez niego wybrany. Nic nie zapisano; wybierz inną nazwę.</translation>
    </message>
    <message id="FileBusyStatus">
        <source>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</source>
        <translation>Lockmere.sqlite3 jest używany przez inny program; listy pokazują poprzednią zawartość. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message id="FileUnreadableStatus">
        <source>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</source>
        <translation>Nie można odczytać Lockmere.sqlite3: plik może być uszkodzony. Listy pokazują poprzednią zawartość.</translation>
    </message>
    <message id="FileBusyAlert">
        <source>The file is in use by another program</source>
        <translation>Plik jest używany przez inny program</translation>
    </message>
    <message id="FileBusyAlertInfo">
        <source>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</source>
        <translation>Inna kopia Lockmere (lub inny program) zapisuje właśnie Lockmere.sqlite3. Nic nie zostało zmienione; spróbuj ponownie za chwilę.</translation>
    </message>
    <message id="FileUnreadableAlert">
        <source>The file cannot be read</source>
        <translation>Nie można odczytać pliku</translation>
    </message>
    <message id="FileUnreadableAlertInfo">
        <source>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</source>
        <translation>Lockmere nie mógł odczytać Lockmere.sqlite3; plik może być uszkodzony lub go nie ma. Nic nie zostało zmienione.</translation>
    </message>
    <message id="SessionEndedAlert">
        <source>You have been logged out</source>
        <translation>Nastąpiło wylogowanie</translation>
    </message>
    <message id="AccountGoneInfo">
        <source>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</source>
        <translation>Twoje konto zostało usunięte w innej kopii Lockmere. Nic więcej nie zostało dla niego zapisane.</translation>
    </message>
    <message id="AccountChangedInfo">
        <source>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</source>
        <translation>Nazwa lub uprawnienia administratora Twojego konta zostały zmienione w innej kopii Lockmere. Zaloguj się ponownie, aby kontynuować z obecnymi uprawnieniami.</translation>
    </message>
    <message id="FieldTooLong">
        <source>This text is too long</source>
        <translation>Ten tekst jest za długi</translation>
    </message>
    <message id="FieldTooLongInfo">
        <source>The field %1 holds at most %2 characters. Shorten it, then save again.</source>
        <translation>Pole %1 mieści najwyżej %2 znaków. Skróć tekst i zapisz ponownie.</translation>
    </message>
    <message id="RootNameAlert">
        <source>The name root is reserved</source>
        <translation>Nazwa root jest zastrzeżona</translation>
    </message>
    <message id="RootNameAlertInfo">
        <source>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</source>
        <translation>Konto o nazwie root może zmieniać uprawnienia administratora wszystkich kont. Tylko konto, które miało tę nazwę, może ją nosić; wybierz inną nazwę.</translation>
    </message>
    <message id="FileProblemAlert">
        <source>Lockmere cannot use its file</source>
        <translation>Lockmere nie może użyć swojego pliku</translation>
    </message>
    <message id="FileReadOnlyAlert">
        <source>Lockmere can only read its file</source>
        <translation>Lockmere może tylko odczytać swój plik</translation>
    </message>
    <message id="FileNoFolder">
        <source>%1: the Documents folder is missing and cannot be made. Nothing was written.</source>
        <translation>%1: brak folderu Dokumenty i nie można go utworzyć. Nic nie zostało zapisane.</translation>
    </message>
    <message id="FileCannotCreate">
        <source>%1: the file cannot be made in this folder (no permission). Nothing was written.</source>
        <translation>%1: nie można utworzyć pliku w tym folderze (brak uprawnień). Nic nie zostało zapisane.</translation>
    </message>
    <message id="FileForeignLink">
        <source>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</source>
        <translation>%1 to dowiązanie utworzone przez innego użytkownika. Lockmere za nim nie podąża, aby Twoje hasła nie trafiły tam, gdzie wybrał ten użytkownik. Nic nie zostało zapisane; usuń dowiązanie.</translation>
    </message>
    <message id="FileDanglingLink">
        <source>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 to dowiązanie do pliku, który nie istnieje. Nic nie zostało zapisane; usuń dowiązanie lub przywróć plik.</translation>
    </message>
    <message id="FileCannotOpen">
        <source>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</source>
        <translation>Nie można otworzyć %1: jest tam coś innego albo nie masz prawa do odczytu. Nic nie zostało zmienione.</translation>
    </message>
    <message id="FileNotADatabase">
        <source>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</source>
        <translation>%1 nie jest bazą danych Lockmere (nie jest plikiem SQLite). Nic w nim nie zmieniono; przenieś go, aby zacząć od nowego pliku, lub przywróć go z kopii zapasowej.</translation>
    </message>
    <message id="FileDamaged">
        <source>%1 is damaged. Nothing in it was changed; restore it from a backup.</source>
        <translation>%1 jest uszkodzony. Nic w nim nie zmieniono; przywróć go z kopii zapasowej.</translation>
    </message>
    <message id="FileBusyAtStart">
        <source>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</source>
        <translation>%1 jest zablokowany przez inny program. Nic nie zostało zmienione; zamknij ten program i zaloguj się ponownie.</translation>
    </message>
    <message id="FileReadOnly">
        <source>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</source>
        <translation>Nie można zapisać %1 (plik lub folder tylko do odczytu). Możesz się zalogować i wszystko odczytać, ale nic nie zostanie zapisane.</translation>
    </message>
    <message id="SavedIn">
        <source>Saved in %1</source>
        <translation>Zapisano w kategorii %1</translation>
    </message>
    <message id="ChangedMeanwhileAlert">
        <source>Changed in another copy meanwhile</source>
        <translation>W międzyczasie zmieniono w innej kopii</translation>
    </message>
    <message id="ChangedMeanwhileAlertInfo">
        <source>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</source>
        <translation>Inna kopia Lockmere zapisała ten element, gdy go edytowałeś, więc nic nie zostało zapisane. Wpisany tekst pozostaje: zapisz ponownie, aby zapisać swoje zmiany na nim (niezmienione pola zachowają wtedy wartości z innej kopii), albo anuluj, aby zobaczyć tamtą zmianę.</translation>
    </message>
    <message id="DeletedMeanwhileAlert">
        <source>Deleted in another copy meanwhile</source>
        <translation>W międzyczasie usunięto w innej kopii</translation>
    </message>
    <message id="DeletedMeanwhileAlertInfo">
        <source>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</source>
        <translation>Inna kopia Lockmere usunęła ten element, gdy go edytowałeś, więc nic nie zostało zapisane. Wpisany tekst jest nadal w edytorze: skopiuj, czego potrzebujesz, albo dodaj go ponownie.</translation>
    </message>
    <message id="FileMovedStatus">
        <source>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</source>
        <translation>Plik Lockmere.sqlite3 został przeniesiony, zastąpiony lub usunięty podczas pracy Lockmere: uruchom Lockmere ponownie.</translation>
    </message>
    <message id="FileMoved">
        <source>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</source>
        <translation>Plik %1 został przeniesiony, zastąpiony lub usunięty podczas pracy Lockmere (być może inna kopia go zabezpieczyła lub zdjęła zabezpieczenie). Nic więcej nie będzie z niego odczytywane ani w nim zapisywane: uruchom Lockmere ponownie.</translation>
    </message>
    <message id="FileReadOnlyInfo">
        <source>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</source>
        <translation>Lockmere.sqlite3 można tylko odczytać (plik lub folder tylko do odczytu). Nic nie zostało zmienione.</translation>
    </message>
    <message id="ProtectMenu">
        <source>Protect File with a Passphrase…</source>
        <translation>Zabezpiecz plik hasłem…</translation>
    </message>
    <message id="ChangePassphraseMenu">
        <source>Change File Passphrase…</source>
        <translation>Zmień hasło pliku…</translation>
    </message>
    <message id="NewRecoveryCodeMenu">
        <source>Show New Recovery Code…</source>
        <translation>Pokaż nowy kod odzyskiwania…</translation>
    </message>
    <message id="RemoveProtectionMenu">
        <source>Remove Protection…</source>
        <translation>Usuń zabezpieczenie…</translation>
    </message>
    <message id="UnlockButton">
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message id="UnlockPrompt">
        <source>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</source>
        <translation>%1 jest zabezpieczony. Wpisz hasło pliku albo kod odzyskiwania, aby go otworzyć. Potem każdy loguje się jak zwykle.</translation>
    </message>
    <message id="UnlockField">
        <source>File passphrase or recovery code</source>
        <translation>Hasło pliku lub kod odzyskiwania</translation>
    </message>
    <message id="UnlockRefused">
        <source>This is not the file passphrase or the recovery code. Nothing was changed; try again.</source>
        <translation>To nie jest hasło pliku ani kod odzyskiwania. Nic nie zostało zmienione; spróbuj ponownie.</translation>
    </message>
    <message id="UnlockDamaged">
        <source>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</source>
        <translation>Plik jest uszkodzony: jego część została zmieniona lub ucięta poza Lockmere. Nic w nim nie zapisano; przywróć go z kopii zapasowej.</translation>
    </message>
    <message id="Continue">
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message id="RemoveProtection">
        <source>Remove Protection</source>
        <translation>Usuń zabezpieczenie</translation>
    </message>
    <message id="NewPassphraseTitle">
        <source>File passphrase</source>
        <translation>Hasło pliku</translation>
    </message>
    <message id="NewPassphraseInfo">
        <source>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</source>
        <translation>Każdy, kto uruchomi Lockmere na tym komputerze, będzie go potrzebował przed zalogowaniem: przekaż je osobom, które korzystają z pliku. Wybierz słowa łatwe do zapamiętania i trudne do odgadnięcia.</translation>
    </message>
    <message id="NewPassphrase">
        <source>New file passphrase</source>
        <translation>Nowe hasło pliku</translation>
    </message>
    <message id="RepeatPassphrase">
        <source>Type it again</source>
        <translation>Wpisz je ponownie</translation>
    </message>
    <message id="SetPassphrase">
        <source>Use This Passphrase</source>
        <translation>Użyj tego hasła</translation>
    </message>
    <message id="PassphraseTooShort">
        <source>A file passphrase has at least %1 characters.</source>
        <translation>Hasło pliku ma co najmniej %1 znaków.</translation>
    </message>
    <message id="PassphraseTooWeak">
        <source>This passphrase is too easy to guess: add words, or choose less common ones.</source>
        <translation>To hasło jest zbyt łatwe do odgadnięcia: dodaj słowa lub wybierz mniej popularne.</translation>
    </message>
    <message id="PassphrasesDiffer">
        <source>The two passphrases differ: type the same one twice.</source>
        <translation>Te dwa hasła się różnią: wpisz dwa razy to samo.</translation>
    </message>
    <message id="RecoveryCodeTitle">
        <source>Recovery code</source>
        <translation>Kod odzyskiwania</translation>
    </message>
    <message id="RecoveryCodeInfo">
        <source>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</source>
        <translation>Jeśli hasło pliku zostanie zapomniane, ten kod otworzy plik. Jest pokazywany tylko teraz: zapisz go i przechowuj z dala od tego komputera. Bez hasła i bez tego kodu nikt nie otworzy pliku, nawet Lockmere.</translation>
    </message>
    <message id="CopyRecoveryCode">
        <source>Copy the Code</source>
        <translation>Kopiuj kod</translation>
    </message>
    <message id="RecoveryCodeKept">
        <source>I have written the code down and keep it apart from this computer</source>
        <translation>Zapisałem kod i przechowuję go z dala od tego komputera</translation>
    </message>
    <message id="ProtectedAlert">
        <source>The file is protected</source>
        <translation>Plik jest zabezpieczony</translation>
    </message>
    <message id="ProtectedAlertInfo">
        <source>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</source>
        <translation>Każda strona Lockmere.sqlite3 jest teraz zaszyfrowana, a jej jawna kopia została nadpisana. Od następnego uruchomienia Lockmere poprosi o hasło pliku (lub kod odzyskiwania), zanim ktokolwiek się zaloguje.</translation>
    </message>
    <message id="PassphraseChangedAlert">
        <source>The file passphrase is changed</source>
        <translation>Hasło pliku zostało zmienione</translation>
    </message>
    <message id="PassphraseChangedAlertInfo">
        <source>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</source>
        <translation>Od teraz plik otwiera tylko nowe hasło (lub kod odzyskiwania); stare już nie.</translation>
    </message>
    <message id="RecoveryCodeChangedAlert">
        <source>The recovery code is new</source>
        <translation>Kod odzyskiwania jest nowy</translation>
    </message>
    <message id="RecoveryCodeChangedAlertInfo">
        <source>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</source>
        <translation>Od teraz, gdy hasło zostanie zapomniane, plik otworzy tylko właśnie pokazany kod; stary już nie.</translation>
    </message>
    <message id="ProtectionRemovedAlert">
        <source>Protection is removed</source>
        <translation>Zabezpieczenie zostało usunięte</translation>
    </message>
    <message id="ProtectionRemovedAlertInfo">
        <source>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</source>
        <translation>Lockmere.sqlite3 jest znów zwykłym plikiem SQLite: każdy, kto może go odczytać, odczyta wszystkie hasła.</translation>
    </message>
    <message id="ProtectionFailed">
        <source>The file was not changed</source>
        <translation>Plik nie został zmieniony</translation>
    </message>
    <message id="ProtectionFailedInfo">
        <source>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</source>
        <translation>Lockmere nie mógł zapisać ani sprawdzić nowego pliku (pełny dysk, folder bez prawa zapisu). Plik jest taki jak był i otwiera się jak wcześniej.</translation>
    </message>
    <message id="RemoveProtectionAlert">
        <source>Remove the file's protection?</source>
        <translation>Usunąć zabezpieczenie pliku?</translation>
    </message>
    <message id="RemoveProtectionAlertInfo">
        <source>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</source>
        <translation>Lockmere.sqlite3 zostanie zapisany z powrotem jako zwykły plik SQLite: każdy, kto może go odczytać (kopia zapasowa, synchronizowany folder, inny program tego użytkownika), odczyta każde hasło każdego konta. Hasło pliku i kod odzyskiwania nie będą już potrzebne.</translation>
    </message>
    <message id="ExportWarningProtectedInfo">
        <source>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</source>
        <translation>Lockmere.sqlite3 jest zabezpieczony, ale eksportowany plik nie: każdy, kto może go odczytać, odczyta każde hasło tego konta. Może go odczytać tylko Twój użytkownik tego komputera, czyli także każdy, kto z niego korzysta; usuń go, gdy nie będzie już potrzebny.</translation>
    </message>
    <message id="RecoveredAlert">
        <source>Opened with the recovery code</source>
        <translation>Otwarto kodem odzyskiwania</translation>
    </message>
    <message id="RecoveredAlertInfo">
        <source>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</source>
        <translation>Jeśli zapomniano też hasła root, Lockmere może przywrócić opublikowane (tiwe); root zostanie poproszony o jego zmianę przy następnym logowaniu. Wkrótce wybierz nowe hasło pliku (Plik → Zmień hasło pliku…).</translation>
    </message>
    <message id="ResetRootPassword">
        <source>Reset Root's Password</source>
        <translation>Zresetuj hasło root</translation>
    </message>
    <message id="HistoryButton">
        <source>History…</source>
        <translation>Historia…</translation>
    </message>
    <message id="HistoryTitle">
        <source>Earlier versions of %1</source>
        <translation>Wcześniejsze wersje: %1</translation>
    </message>
    <message id="HistoryEmpty">
        <source>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</source>
        <translation>Ten wpis nie ma jeszcze wcześniejszych wersji: każdy zapis, który go zmienia, zachowuje poprzednią zawartość.</translation>
    </message>
    <message id="HistoryInfo">
        <source>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</source>
        <translation>Od najnowszych. Przechowywanych jest 20 ostatnich wersji każdego wpisu. Przywrócenie wersji zachowuje zastępowane wartości także jako wersję.</translation>
    </message>
    <message id="ReplacedAt">
        <source>Replaced</source>
        <translation>Zastąpiono</translation>
    </message>
    <message id="WhatChanged">
        <source>What changed</source>
        <translation>Co się zmieniło</translation>
    </message>
    <message id="NothingChanged">
        <source>Nothing</source>
        <translation>Nic</translation>
    </message>
    <message id="CopyOldPassword">
        <source>Copy Its Password</source>
        <translation>Kopiuj hasło</translation>
    </message>
    <message id="RestoreVersion">
        <source>Restore This Version</source>
        <translation>Przywróć tę wersję</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message id="RecycleBinMenu">
        <source>Recycle Bin</source>
        <translation>Kosz</translation>
    </message>
    <message id="RecycleBinTitle">
        <source>Recycle bin</source>
        <translation>Kosz</translation>
    </message>
    <message id="RecycleBinInfo">
        <source>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</source>
        <translation>Twoje usunięte wpisy. Przywróć wpis do jego kategorii (lub do Inne, jeśli jej już nie ma) albo usuń go na zawsze. Wpisy usunięte ponad %1 dni temu zostaną usunięte na zawsze przy następnym logowaniu.</translation>
    </message>
    <message id="DeletedAt">
        <source>Deleted</source>
        <translation>Usunięto</translation>
    </message>
    <message id="RestoreEntry">
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message id="DeleteForGood">
        <source>Delete for Good</source>
        <translation>Usuń na zawsze</translation>
    </message>
    <message id="EmptyRecycleBin">
        <source>Empty Recycle Bin</source>
        <translation>Opróżnij kosz</translation>
    </message>
    <message id="EmptyRecycleBinAlert">
        <source>Empty the recycle bin?</source>
        <translation>Opróżnić kosz?</translation>
    </message>
    <message id="EmptyRecycleBinAlertInfo">
        <source>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</source>
        <translation>Każdy wpis w Twoim koszu, wraz z wcześniejszymi wersjami, zostanie usunięty na zawsze. Tego nie można cofnąć.</translation>
    </message>
    <message id="DeleteForGoodInfo">
        <source>This entry and its earlier versions will be deleted for good. This cannot be undone.</source>
        <translation>Ten wpis i jego wcześniejsze wersje zostaną usunięte na zawsze. Tego nie można cofnąć.</translation>
    </message>
    <message id="DelEntryInfo">
        <source>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</source>
        <translation>Trafi do Twojego kosza, z którego możesz go przywrócić przez 30 dni (Widok → Kosz).</translation>
    </message>
    <message id="MovedToBin">
        <source>Moved to the recycle bin</source>
        <translation>Przeniesiono do kosza</translation>
    </message>
    <message id="ChangePassphraseTitle">
        <source>New file passphrase</source>
        <translation>Nowe hasło pliku</translation>
    </message>
    <message id="ChangePassphraseInfo">
        <source>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</source>
        <translation>Nowe hasło zastąpi obecne, gdy tylko je potwierdzisz: od tej chwili tylko ono (lub kod odzyskiwania) otworzy plik. Przekaż je osobom, które korzystają z pliku.</translation>
    </message>
    <message id="ShowPassphrase">
        <source>Show the passphrase</source>
        <translation>Pokaż hasło</translation>
    </message>
    <message id="RecoveryCodeReplaces">
        <source>This code replaces the current one: the code you wrote down before stops working when you click Continue.</source>
        <translation>Ten kod zastępuje obecny: zapisany wcześniej kod przestanie działać po kliknięciu Dalej.</translation>
    </message>
    <message id="RecoveryCodeCopied">
        <source>Copied; the clipboard clears in 10 s</source>
        <translation>Skopiowano; schowek zostanie wyczyszczony za 10 s</translation>
    </message>
    <message id="CurrentSecretTitle">
        <source>Current file passphrase</source>
        <translation>Obecne hasło pliku</translation>
    </message>
    <message id="CurrentSecretInfo">
        <source>To change the file's protection, type its current passphrase (or its recovery code).</source>
        <translation>Aby zmienić zabezpieczenie pliku, wpisz jego obecne hasło (lub kod odzyskiwania).</translation>
    </message>
    <message id="WrongFileSecret">
        <source>Not the file's passphrase</source>
        <translation>To nie jest hasło pliku</translation>
    </message>
    <message id="UnlockChecking">
        <source>Checking…</source>
        <translation>Sprawdzanie…</translation>
    </message>
    <message id="RootPasswordResetAlert">
        <source>Root's password is the published one again</source>
        <translation>Hasło root to znów opublikowane hasło</translation>
    </message>
    <message id="RootPasswordResetAlertInfo">
        <source>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</source>
        <translation>Zaloguj się teraz jako root hasłem tiwe i od razu je zmień: zna je każdy, kto przeczytał README.</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message id="VersionRestored">
        <source>Version restored and saved</source>
        <translation>Wersja przywrócona i zapisana</translation>
    </message>
    <message id="RestoredFromBin">
        <source>Restored from the recycle bin</source>
        <translation>Przywrócono z kosza</translation>
    </message>
    <message id="LoginRefused">
        <source>Wrong user name or password</source>
        <translation>Nieprawidłowa nazwa użytkownika lub hasło</translation>
    </message>
    <message id="NewAccount">
        <source>New Account…</source>
        <translation>Nowe konto…</translation>
    </message>
    <message id="AdministratorsOnly">
        <source>Only an administrator can add or delete accounts</source>
        <translation>Tylko administrator może dodawać i usuwać konta</translation>
    </message>
    <message id="HidePasswords">
        <source>Hide Passwords</source>
        <translation>Ukryj hasła</translation>
    </message>
    <message id="ShowPassword">
        <source>Show the password</source>
        <translation>Pokaż hasło</translation>
    </message>
    <message id="ImportedStatus">
        <source>Entries imported: %1, from %2</source>
        <translation>Zaimportowane wpisy: %1, z %2</translation>
    </message>
    <message id="ExportedStatus">
        <source>Entries exported: %1, to %2</source>
        <translation>Wyeksportowane wpisy: %1, do %2</translation>
    </message>
    <message id="ShowWebAddresses">
        <source>Web Address Column</source>
        <translation>Kolumna Adres WWW</translation>
    </message>
    <message id="HelpMenu">
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message id="KeyboardShortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message id="AboutLockmere">
        <source>About Lockmere</source>
        <translation>O programie Lockmere</translation>
    </message>
    <message id="AboutInfo">
        <source>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</source>
        <translation>Menedżer haseł dla komputera, z którego korzysta kilka osób.&lt;br&gt;&lt;br&gt;Licencja: %1&lt;br&gt;Plik: %2&lt;br&gt;%3</translation>
    </message>
    <message id="AboutLicence">
        <source>proprietary, all rights reserved</source>
        <translation>własnościowa, wszelkie prawa zastrzeżone</translation>
    </message>
    <message id="AboutProtected">
        <source>The file is protected by a file passphrase.</source>
        <translation>Plik jest chroniony frazą hasła pliku.</translation>
    </message>
    <message id="AboutNotProtected">
        <source>The file is not protected: anyone who can read it can read every password in it.</source>
        <translation>Plik nie jest chroniony: każdy, kto może go odczytać, odczyta wszystkie zapisane w nim hasła.</translation>
    </message>
    <message id="EscapeKeyMeans">
        <source>Close the editor without saving, or end the search</source>
        <translation>Zamknij edytor bez zapisywania lub zakończ wyszukiwanie</translation>
    </message>
    <message id="Key">
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message id="Command">
        <source>Command</source>
        <translation>Polecenie</translation>
    </message>
    <message id="PassphraseWordsFrom">
        <source>Words from the %1 word list (%2)</source>
        <translation>Słowa z listy słów: %1 (%2)</translation>
    </message>
</context>
</TS>
