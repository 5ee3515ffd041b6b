<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="User">
        <source>User Name</source>
        <translation>User Name</translation>
    </message>
    <message id="Password">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="Email">
        <source>Email</source>
        <translation>Email</translation>
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
        <translation>Bank Card</translation>
    </message>
    <message id="eBank">
        <source>Online Banking</source>
        <translation>Online Banking</translation>
    </message>
    <message id="Router">
        <source>Router</source>
        <translation>Router</translation>
    </message>
    <message id="Lock">
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message id="Safe">
        <source>Safe</source>
        <translation>Safe</translation>
    </message>
    <message id="Other">
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message id="Users">
        <source>Users</source>
        <translation>Users</translation>
    </message>
    <message id="Exit">
        <source>Log Out</source>
        <translation>Log Out</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="IsRoot">
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message id="Category">
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message id="Http">
        <source>Web Address</source>
        <translation>Web Address</translation>
    </message>
    <message id="Memo">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="OK">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="DelConfirm">
        <source>Delete the selected item?</source>
        <translation>Delete the selected item?</translation>
    </message>
    <message id="DelInfo">
        <source>It will be removed for good. This cannot be undone.</source>
        <translation>It will be removed for good. This cannot be undone.</translation>
    </message>
    <message id="NoPermissionAlert">
        <source>You are not allowed to do this.</source>
        <translation>You are not allowed to do this.</translation>
    </message>
    <message id="NoPermissionAlertInfo">
        <source>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</source>
        <translation>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</translation>
    </message>
    <message id="TitleNotNull">
        <source>The title is empty.</source>
        <translation>The title is empty.</translation>
    </message>
    <message id="TitleNotNullInfo">
        <source>Give the entry a title so that you can find it in the list.</source>
        <translation>Give the entry a title so that you can find it in the list.</translation>
    </message>
    <message id="PwdNotNull">
        <source>The password is empty.</source>
        <translation>The password is empty.</translation>
    </message>
    <message id="PwdNotNullInfo">
        <source>Enter a password before you save.</source>
        <translation>Enter a password before you save.</translation>
    </message>
    <message id="UserNotNull">
        <source>The user name is empty.</source>
        <translation>The user name is empty.</translation>
    </message>
    <message id="UserNotNullInfo">
        <source>Enter a name for the account before you save.</source>
        <translation>Enter a name for the account before you save.</translation>
    </message>
    <message id="SaveFailAlert">
        <source>Could not save.</source>
        <translation>Could not save.</translation>
    </message>
    <message id="SaveFailAlertInfo">
        <source>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</source>
        <translation>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</translation>
    </message>
    <message id="DelUserAlert">
        <source>This account cannot be deleted.</source>
        <translation>This account cannot be deleted.</translation>
    </message>
    <message id="CannotDelLoginUser">
        <source>You are logged in with this account. Log in with another administrator account to delete it.</source>
        <translation>You are logged in with this account. Log in with another administrator account to delete it.</translation>
    </message>
    <message id="UserHasData">
        <source>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</source>
        <translation>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</translation>
    </message>
    <message id="CategoryNotNull">
        <source>No category is chosen.</source>
        <translation>No category is chosen.</translation>
    </message>
    <message id="CategoryNotNullInfo">
        <source>Choose the category to file the entry under.</source>
        <translation>Choose the category to file the entry under.</translation>
    </message>
    <message id="LogIn">
        <source>Log In</source>
        <translation>Log In</translation>
    </message>
    <message id="AddEntry">
        <source>Add Entry</source>
        <translation>Add Entry</translation>
    </message>
    <message id="RemoveEntry">
        <source>Remove Entry</source>
        <translation>Remove Entry</translation>
    </message>
    <message id="AddUser">
        <source>Add User</source>
        <translation>Add User</translation>
    </message>
    <message id="RemoveUser">
        <source>Remove User</source>
        <translation>Remove User</translation>
    </message>
    <message id="EntryList">
        <source>Password Entries</source>
        <translation>Password Entries</translation>
    </message>
    <message id="UserList">
        <source>User Accounts</source>
        <translation>User Accounts</translation>
    </message>
    <message id="EntryCount">
        <source>Number of entries</source>
        <translation>Number of entries</translation>
    </message>
    <message id="UserCount">
        <source>Number of accounts</source>
        <translation>Number of accounts</translation>
    </message>
    <message id="Generate">
        <source>Generate</source>
        <translation>Generate</translation>
    </message>
    <message id="GeneratePassword">
        <source>Generate a Strong Password</source>
        <translation>Generate a Strong Password</translation>
    </message>
    <message id="Strength">
        <source>Password Strength</source>
        <translation>Password Strength</translation>
    </message>
    <message id="StrengthVeryWeak">
        <source>Very weak</source>
        <translation>Very weak</translation>
    </message>
    <message id="StrengthWeak">
        <source>Weak</source>
        <translation>Weak</translation>
    </message>
    <message id="StrengthFair">
        <source>Fair</source>
        <translation>Fair</translation>
    </message>
    <message id="StrengthGood">
        <source>Good</source>
        <translation>Good</translation>
    </message>
    <message id="StrengthStrong">
        <source>Strong</source>
        <translation>Strong</translation>
    </message>
    <message id="CopyPassword">
        <source>Copy Password</source>
        <translation>Copy Password</translation>
    </message>
    <message id="CopyUser">
        <source>Copy User Name</source>
        <translation>Copy User Name</translation>
    </message>
    <message id="CopyHttp">
        <source>Copy Web Address</source>
        <translation>Copy Web Address</translation>
    </message>
    <message id="ClipboardClearsIn">
        <source>Copied; the clipboard clears in %1 s</source>
        <translation>Copied; the clipboard clears in %1 s</translation>
    </message>
    <message id="EntryEditor">
        <source>Entry</source>
        <translation>Entry</translation>
    </message>
    <message id="AccountEditor">
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message id="RecordGone">
        <source>This record is no longer there</source>
        <translation>This record is no longer there</translation>
    </message>
    <message id="RecordGoneInfo">
        <source>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</source>
        <translation>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</translation>
    </message>
    <message id="DeleteFailAlert">
        <source>Could not delete</source>
        <translation>Could not delete</translation>
    </message>
    <message id="DeleteFailAlertInfo">
        <source>The database refused the deletion. Nothing was deleted; try again later.</source>
        <translation>The database refused the deletion. Nothing was deleted; try again later.</translation>
    </message>
    <message id="UserDataUnknown">
        <source>Lockmere could not read whether this account owns entries, so it was not deleted.</source>
        <translation>Lockmere could not read whether this account owns entries, so it was not deleted.</translation>
    </message>
    <message id="Open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="NewEntry">
        <source>New Entry</source>
        <translation>New Entry</translation>
    </message>
    <message id="Find">
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message id="SearchField">
        <source>Search all entries</source>
        <translation>Search all entries</translation>
    </message>
    <message id="SearchResults">
        <source>Search Results</source>
        <translation>Search Results</translation>
    </message>
    <message id="OpenHttp">
        <source>Open Web Address</source>
        <translation>Open Web Address</translation>
    </message>
    <message id="Quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="FileMenu">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="EntryMenu">
        <source>&amp;Entry</source>
        <translation>&amp;Entry</translation>
    </message>
    <message id="ViewMenu">
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message id="NoHttpAlert">
        <source>This entry has no web address</source>
        <translation>This entry has no web address</translation>
    </message>
    <message id="NoHttpAlertInfo">
        <source>Enter one in the entry's Web address field.</source>
        <translation>Enter one in the entry's Web address field.</translation>
    </message>
    <message id="HttpRefusedAlert">
        <source>This address is not opened</source>
        <translation>This address is not opened</translation>
    </message>
    <message id="HttpRefusedAlertInfo">
        <source>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</source>
        <translation>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</translation>
    </message>
    <message id="HttpOpenFailAlert">
        <source>The web address could not be opened</source>
        <translation>The web address could not be opened</translation>
    </message>
    <message id="HttpOpenFailAlertInfo">
        <source>No web browser took it. Copy the address and paste it into your browser.</source>
        <translation>No web browser took it. Copy the address and paste it into your browser.</translation>
    </message>
    <message id="ImportMenu">
        <source>Import…</source>
        <translation>Import…</translation>
    </message>
    <message id="ExportMenu">
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message id="ImportTitle">
        <source>Import Passwords</source>
        <translation>Import Passwords</translation>
    </message>
    <message id="ExportTitle">
        <source>Export Passwords</source>
        <translation>Export Passwords</translation>
    </message>
    <message id="CsvFiles">
        <source>CSV files</source>
        <translation>CSV files</translation>
    </message>
    <message id="AllFiles">
        <source>All files</source>
        <translation>All files</translation>
    </message>
    <message id="Import">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="Export">
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message id="ImportRefused">
        <source>This file is not imported</source>
        <translation>This file is not imported</translation>
    </message>
    <message id="ImportIsFolder">
        <source>It is a folder, not a file.</source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message id="ImportTooLarge">
        <source>It is larger than %1 MB; no password manager's export is that large.</source>
        <translation>It is larger than %1 MB; no password manager's export is that large.</translation>
    </message>
    <message id="ImportUnreadable">
        <source>It cannot be read: %1</source>
        <translation>It cannot be read: %1</translation>
    </message>
    <message id="ImportEmpty">
        <source>It is empty.</source>
        <translation>It is empty.</translation>
    </message>
    <message id="ImportNotText">
        <source>It is not a text file.</source>
        <translation>It is not a text file.</translation>
    </message>
    <message id="ImportNotUtf8">
        <source>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</source>
        <translation>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</translation>
    </message>
    <message id="ImportUnknownHeader">
        <source>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</source>
        <translation>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</translation>
    </message>
    <message id="ImportStrayQuote">
        <source>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</source>
        <translation>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</translation>
    </message>
    <message id="ImportUnclosedQuote">
        <source>The quotation mark opened on line %1 is never closed.</source>
        <translation>The quotation mark opened on line %1 is never closed.</translation>
    </message>
    <message id="ImportFieldCount">
        <source>Line %1 has %2 fields; the header has %3.</source>
        <translation>Line %1 has %2 fields; the header has %3.</translation>
    </message>
    <message id="KindKeePassXC">
        <source>KeePassXC (or Lockmere)</source>
        <translation>KeePassXC (or Lockmere)</translation>
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
        <translation>%1: %2 new</translation>
    </message>
    <message id="ImportSkippedDuplicates">
        <source>Skipped, exactly as already there: %1</source>
        <translation>Skipped, exactly as already there: %1</translation>
    </message>
    <message id="ImportSkippedEmpty">
        <source>Skipped, without title and password: %1</source>
        <translation>Skipped, without title and password: %1</translation>
    </message>
    <message id="ImportNothing">
        <source>Nothing to import from this %1 file</source>
        <translation>Nothing to import from this %1 file</translation>
    </message>
    <message id="ImportConfirm">
        <source>Import %2 entries from this %1 file?</source>
        <translation>Import %2 entries from this %1 file?</translation>
    </message>
    <message id="Importing">
        <source>Importing…</source>
        <translation>Importing…</translation>
    </message>
    <message id="ImportCancelled">
        <source>The import was cancelled</source>
        <translation>The import was cancelled</translation>
    </message>
    <message id="ImportFailed">
        <source>The entries could not be saved</source>
        <translation>The entries could not be saved</translation>
    </message>
    <message id="NothingImported">
        <source>Nothing was imported; every entry is as it was.</source>
        <translation>Nothing was imported; every entry is as it was.</translation>
    </message>
    <message id="ImportedFields">
        <source>Imported fields:</source>
        <translation>Imported fields:</translation>
    </message>
    <message id="ExportWarning">
        <source>The exported file holds your passwords unencrypted</source>
        <translation>The exported file holds your passwords unencrypted</translation>
    </message>
    <message id="ExportWarningInfo">
        <source>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</source>
        <translation>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</translation>
    </message>
    <message id="ExportFailed">
        <source>The file could not be written</source>
        <translation>The file could not be written</translation>
    </message>
    <message id="ExportFailedInfo">
        <source>Choose a folder that you can write to. No file was left behind.</source>
        <translation>Choose a folder that you can write to. No file was left behind.</translation>
    </message>
    <message id="DefaultPasswordAlert">
        <source>root still has its published password</source>
        <translation>root still has its published password</translation>
    </message>
    <message id="DefaultPasswordAlertInfo">
        <source>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</source>
        <translation>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</translation>
    </message>
    <message id="ChangePasswordNow">
        <source>Change Now</source>
        <translation>Change Now</translation>
    </message>
    <message id="Later">
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message id="DiscardAlert">
        <source>Discard changes?</source>
        <translation>Discard changes?</translation>
    </message>
    <message id="DiscardAlertInfo">
        <source>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</source>
        <translation>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</translation>
    </message>
    <message id="Discard">
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message id="KeepEditing">
        <source>Keep Editing</source>
        <translation>Keep Editing</translation>
    </message>
    <message id="MovedTo">
        <source>Moved to %1</source>
        <translation>Moved to %1</translation>
    </message>
    <message id="CopiedPassword">
        <source>Password copied; clears in %1 s</source>
        <translation>Password copied; clears in %1 s</translation>
    </message>
    <message id="CopiedUser">
        <source>User name copied; clears in %1 s</source>
        <translation>User name copied; clears in %1 s</translation>
    </message>
    <message id="CopiedHttp">
        <source>Web address copied; clears in %1 s</source>
        <translation>Web address copied; clears in %1 s</translation>
    </message>
    <message id="Passphrase">
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message id="Length">
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message id="Words">
        <source>Words</source>
        <translation>Words</translation>
    </message>
    <message id="NoWordList">
        <source>Passphrases need a word list: install the wamerican package.</source>
        <translation>Passphrases need a word list: install the wamerican package.</translation>
    </message>
    <message id="UppercaseLetters">
        <source>Upper-case letters</source>
        <translation>Upper-case letters</translation>
    </message>
    <message id="LowercaseLetters">
        <source>Lower-case letters</source>
        <translation>Lower-case letters</translation>
    </message>
    <message id="Digits">
        <source>Digits</source>
        <translation>Digits</translation>
    </message>
    <message id="Symbols">
        <source>Symbols</source>
        <translation>Symbols</translation>
    </message>
    <message id="GeneratorOptions">
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message id="ImportBrokenUtf16">
        <source>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</source>
        <translation>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</translation>
    </message>
    <message id="ImportNotAFile">
        <source>It is not an ordinary file but a device, a pipe or a socket.</source>
        <translation>It is not an ordinary file but a device, a pipe or a socket.</translation>
    </message>
    <message id="ImportTooManyRows">
        <source>It has more than %1 rows; no password manager's export has that many.</source>
        <translation>It has more than %1 rows; no password manager's export has that many.</translation>
    </message>
    <message id="ImportSkippedTooLong">
        <source>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</source>
        <translation>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</translation>
    </message>
    <message id="ExportFailedBecause">
        <source>%1. Nothing was written; a file already there keeps what it held.</source>
        <translation>%1. Nothing was written; a file already there keeps what it held.</translation>
    </message>
    <message id="ExportForeignLink">
        <source>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</source>
        <translation>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</translation>
    </message>
    <message id="FileBusyStatus">
        <source>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</source>
        <translation>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</translation>
    </message>
    <message id="FileUnreadableStatus">
        <source>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</source>
        <translation>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</translation>
    </message>
    <message id="FileBusyAlert">
        <source>The file is in use by another program</source>
        <translation>The file is in use by another program</translation>
    </message>
    <message id="FileBusyAlertInfo">
        <source>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</source>
        <translation>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</translation>
    </message>
    <message id="FileUnreadableAlert">
        <source>The file cannot be read</source>
        <translation>The file cannot be read</translation>
    </message>
    <message id="FileUnreadableAlertInfo">
        <source>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</source>
        <translation>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</translation>
    </message>
    <message id="SessionEndedAlert">
        <source>You have been logged out</source>
        <translation>You have been logged out</translation>
    </message>
    <message id="AccountGoneInfo">
        <source>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</source>
        <translation>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</translation>
    </message>
    <message id="AccountChangedInfo">
        <source>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</source>
        <translation>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</translation>
    </message>
    <message id="FieldTooLong">
        <source>This text is too long</source>
        <translation>This text is too long</translation>
    </message>
    <message id="FieldTooLongInfo">
        <source>The field %1 holds at most %2 characters. Shorten it, then save again.</source>
        <translation>The field %1 holds at most %2 characters. Shorten it, then save again.</translation>
    </message>
    <message id="RootNameAlert">
        <source>The name root is reserved</source>
        <translation>The name root is reserved</translation>
    </message>
    <message id="RootNameAlertInfo">
        <source>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</source>
        <translation>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</translation>
    </message>
    <message id="FileProblemAlert">
        <source>Lockmere cannot use its file</source>
        <translation>Lockmere cannot use its file</translation>
    </message>
    <message id="FileReadOnlyAlert">
        <source>Lockmere can only read its file</source>
        <translation>Lockmere can only read its file</translation>
    </message>
    <message id="FileNoFolder">
        <source>%1: the Documents folder is missing and cannot be made. Nothing was written.</source>
        <translation>%1: the Documents folder is missing and cannot be made. Nothing was written.</translation>
    </message>
    <message id="FileCannotCreate">
        <source>%1: the file cannot be made in this folder (no permission). Nothing was written.</source>
        <translation>%1: the file cannot be made in this folder (no permission). Nothing was written.</translation>
    </message>
    <message id="FileForeignLink">
        <source>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</source>
        <translation>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</translation>
    </message>
    <message id="FileDanglingLink">
        <source>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</translation>
    </message>
    <message id="FileCannotOpen">
        <source>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</source>
        <translation>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</translation>
    </message>
    <message id="FileNotADatabase">
        <source>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</source>
        <translation>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</translation>
    </message>
    <message id="FileDamaged">
        <source>%1 is damaged. Nothing in it was changed; restore it from a backup.</source>
        <translation>%1 is damaged. Nothing in it was changed; restore it from a backup.</translation>
    </message>
    <message id="FileBusyAtStart">
        <source>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</source>
        <translation>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</translation>
    </message>
    <message id="FileReadOnly">
        <source>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</source>
        <translation>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</translation>
    </message>
    <message id="SavedIn">
        <source>Saved in %1</source>
        <translation>Saved in %1</translation>
    </message>
    <message id="ChangedMeanwhileAlert">
        <source>Changed in another copy meanwhile</source>
        <translation>Changed in another copy meanwhile</translation>
    </message>
    <message id="ChangedMeanwhileAlertInfo">
        <source>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</source>
        <translation>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</translation>
    </message>
    <message id="DeletedMeanwhileAlert">
        <source>Deleted in another copy meanwhile</source>
        <translation>Deleted in another copy meanwhile</translation>
    </message>
    <message id="DeletedMeanwhileAlertInfo">
        <source>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</source>
        <translation>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</translation>
    </message>
    <message id="FileMovedStatus">
        <source>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</source>
        <translation>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</translation>
    </message>
    <message id="FileMoved">
        <source>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</source>
        <translation>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</translation>
    </message>
    <message id="FileReadOnlyInfo">
        <source>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</source>
        <translation>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</translation>
    </message>
    <message id="ProtectMenu">
        <source>Protect File with a Passphrase…</source>
        <translation>Protect File with a Passphrase…</translation>
    </message>
    <message id="ChangePassphraseMenu">
        <source>Change File Passphrase…</source>
        <translation>Change File Passphrase…</translation>
    </message>
    <message id="NewRecoveryCodeMenu">
        <source>Show New Recovery Code…</source>
        <translation>Show New Recovery Code…</translation>
    </message>
    <message id="RemoveProtectionMenu">
        <source>Remove Protection…</source>
        <translation>Remove Protection…</translation>
    </message>
    <message id="UnlockButton">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="UnlockPrompt">
        <source>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</source>
        <translation>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</translation>
    </message>
    <message id="UnlockField">
        <source>File passphrase or recovery code</source>
        <translation>File passphrase or recovery code</translation>
    </message>
    <message id="UnlockRefused">
        <source>This is not the file passphrase or the recovery code. Nothing was changed; try again.</source>
        <translation>This is not the file passphrase or the recovery code. Nothing was changed; try again.</translation>
    </message>
    <message id="UnlockDamaged">
        <source>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</source>
        <translation>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</translation>
    </message>
    <message id="Continue">
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message id="RemoveProtection">
        <source>Remove Protection</source>
        <translation>Remove Protection</translation>
    </message>
    <message id="NewPassphraseTitle">
        <source>File passphrase</source>
        <translation>File passphrase</translation>
    </message>
    <message id="NewPassphraseInfo">
        <source>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</source>
        <translation>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</translation>
    </message>
    <message id="NewPassphrase">
        <source>New file passphrase</source>
        <translation>New file passphrase</translation>
    </message>
    <message id="RepeatPassphrase">
        <source>Type it again</source>
        <translation>Type it again</translation>
    </message>
    <message id="SetPassphrase">
        <source>Use This Passphrase</source>
        <translation>Use This Passphrase</translation>
    </message>
    <message id="PassphraseTooShort">
        <source>A file passphrase has at least %1 characters.</source>
        <translation>A file passphrase has at least %1 characters.</translation>
    </message>
    <message id="PassphraseTooWeak">
        <source>This passphrase is too easy to guess: add words, or choose less common ones.</source>
        <translation>This passphrase is too easy to guess: add words, or choose less common ones.</translation>
    </message>
    <message id="PassphrasesDiffer">
        <source>The two passphrases differ: type the same one twice.</source>
        <translation>The two passphrases differ: type the same one twice.</translation>
    </message>
    <message id="RecoveryCodeTitle">
        <source>Recovery code</source>
        <translation>Recovery code</translation>
    </message>
    <message id="RecoveryCodeInfo">
        <source>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</source>
        <translation>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</translation>
    </message>
    <message id="CopyRecoveryCode">
        <source>Copy the Code</source>
        <translation>Copy the Code</translation>
    </message>
    <message id="RecoveryCodeKept">
        <source>I have written the code down and keep it apart from this computer</source>
        <translation>I have written the code down and keep it apart from this computer</translation>
    </message>
    <message id="ProtectedAlert">
        <source>The file is protected</source>
        <translation>The file is protected</translation>
    </message>
    <message id="ProtectedAlertInfo">
        <source>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</source>
        <translation>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</translation>
    </message>
    <message id="PassphraseChangedAlert">
        <source>The file passphrase is changed</source>
        <translation>The file passphrase is changed</translation>
    </message>
    <message id="PassphraseChangedAlertInfo">
        <source>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</source>
        <translation>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</translation>
    </message>
    <message id="RecoveryCodeChangedAlert">
        <source>The recovery code is new</source>
        <translation>The recovery code is new</translation>
    </message>
    <message id="RecoveryCodeChangedAlertInfo">
        <source>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</source>
        <translation>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</translation>
    </message>
    <message id="ProtectionRemovedAlert">
        <source>Protection is removed</source>
        <translation>Protection is removed</translation>
    </message>
    <message id="ProtectionRemovedAlertInfo">
        <source>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</source>
        <translation>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</translation>
    </message>
    <message id="ProtectionFailed">
        <source>The file was not changed</source>
        <translation>The file was not changed</translation>
    </message>
    <message id="ProtectionFailedInfo">
        <source>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</source>
        <translation>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</translation>
    </message>
    <message id="RemoveProtectionAlert">
        <source>Remove the file's protection?</source>
        <translation>Remove the file's protection?</translation>
    </message>
    <message id="RemoveProtectionAlertInfo">
        <source>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</source>
        <translation>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</translation>
    </message>
    <message id="ExportWarningProtectedInfo">
        <source>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</source>
        <translation>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</translation>
    </message>
    <message id="RecoveredAlert">
        <source>Opened with the recovery code</source>
        <translation>Opened with the recovery code</translation>
    </message>
    <message id="RecoveredAlertInfo">
        <source>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</source>
        <translation>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</translation>
    </message>
    <message id="ResetRootPassword">
        <source>Reset Root's Password</source>
        <translation>Reset Root's Password</translation>
    </message>
    <message id="HistoryButton">
        <source>History…</source>
        <translation>History…</translation>
    </message>
    <message id="HistoryTitle">
        <source>Earlier versions of %1</source>
        <translation>Earlier versions of %1</translation>
    </message>
    <message id="HistoryEmpty">
        <source>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</source>
        <translation>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</translation>
    </message>
    <message id="HistoryInfo">
        <source>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</source>
        <translation>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</translation>
    </message>
    <message id="ReplacedAt">
        <source>Replaced</source>
        <translation>Replaced</translation>
    </message>
    <message id="WhatChanged">
        <source>What changed</source>
        <translation>What changed</translation>
    </message>
    <message id="NothingChanged">
        <source>Nothing</source>
        <translation>Nothing</translation>
    </message>
    <message id="CopyOldPassword">
        <source>Copy Its Password</source>
        <translation>Copy Its Password</translation>
    </message>
    <message id="RestoreVersion">
        <source>Restore This Version</source>
        <translation>Restore This Version</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="RecycleBinMenu">
        <source>Recycle Bin</source>
        <translation>Recycle Bin</translation>
    </message>
    <message id="RecycleBinTitle">
        <source>Recycle Bin</source>
        <translation>Recycle Bin</translation>
    </message>
    <message id="RecycleBinInfo">
        <source>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</source>
        <translation>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</translation>
    </message>
    <message id="DeletedAt">
        <source>Deleted</source>
        <translation>Deleted</translation>
    </message>
    <message id="RestoreEntry">
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message id="DeleteForGood">
        <source>Delete for Good</source>
        <translation>Delete for Good</translation>
    </message>
    <message id="EmptyRecycleBin">
        <source>Empty Recycle Bin</source>
        <translation>Empty Recycle Bin</translation>
    </message>
    <message id="EmptyRecycleBinAlert">
        <source>Empty the recycle bin?</source>
        <translation>Empty the recycle bin?</translation>
    </message>
    <message id="EmptyRecycleBinAlertInfo">
        <source>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</source>
        <translation>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</translation>
    </message>
    <message id="DeleteForGoodInfo">
        <source>This entry and its earlier versions will be deleted for good. This cannot be undone.</source>
        <translation>This entry and its earlier versions will be deleted for good. This cannot be undone.</translation>
    </message>
    <message id="DelEntryInfo">
        <source>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</source>
        <translation>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</translation>
    </message>
    <message id="MovedToBin">
        <source>Moved to the recycle bin</source>
        <translation>Moved to the recycle bin</translation>
    </message>
    <message id="ChangePassphraseTitle">
        <source>New file passphrase</source>
        <translation>New file passphrase</translation>
    </message>
    <message id="ChangePassphraseInfo">
        <source>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</source>
        <translation>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</translation>
    </message>
    <message id="ShowPassphrase">
        <source>Show the passphrase</source>
        <translation>Show the passphrase</translation>
    </message>
    <message id="RecoveryCodeReplaces">
        <source>This code replaces the current one: the code you wrote down before stops working when you click Continue.</source>
        <translation>This code replaces the current one: the code you wrote down before stops working when you click Continue.</translation>
    </message>
    <message id="RecoveryCodeCopied">
        <source>Copied; the clipboard clears in 10 s</source>
        <translation>Copied; the clipboard clears in 10 s</translation>
    </message>
    <message id="CurrentSecretTitle">
        <source>Current file passphrase</source>
        <translation>Current file passphrase</translation>
    </message>
    <message id="CurrentSecretInfo">
        <source>To change the file's protection, type its current passphrase (or its recovery code).</source>
        <translation>To change the file's protection, type its current passphrase (or its recovery code).</translation>
    </message>
    <message id="WrongFileSecret">
        <source>Not the file's passphrase</source>
        <translation>Not the file's passphrase</translation>
    </message>
    <message id="UnlockChecking">
        <source>Checking…</source>
        <translation>Checking…</translation>
    </message>
    <message id="RootPasswordResetAlert">
        <source>Root's password is the published one again</source>
        <translation>Root's password is the published one again</translation>
    </message>
    <message id="RootPasswordResetAlertInfo">
        <source>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</source>
        <translation>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="VersionRestored">
        <source>Version restored and saved</source>
        <translation>Version restored and saved</translation>
    </message>
    <message id="RestoredFromBin">
        <source>Restored from the recycle bin</source>
        <translation>Restored from the recycle bin</translation>
    </message>
    <message id="LoginRefused">
        <source>Wrong user name or password</source>
        <translation>Wrong user name or password</translation>
    </message>
    <message id="NewAccount">
        <source>New Account…</source>
        <translation>New Account…</translation>
    </message>
    <message id="AdministratorsOnly">
        <source>Only an administrator can add or delete accounts</source>
        <translation>Only an administrator can add or delete accounts</translation>
    </message>
    <message id="HidePasswords">
        <source>Hide Passwords</source>
        <translation>Hide Passwords</translation>
    </message>
    <message id="ShowPassword">
        <source>Show the password</source>
        <translation>Show the password</translation>
    </message>
    <message id="ImportedStatus">
        <source>Entries imported: %1, from %2</source>
        <translation>Entries imported: %1, from %2</translation>
    </message>
    <message id="ExportedStatus">
        <source>Entries exported: %1, to %2</source>
        <translation>Entries exported: %1, to %2</translation>
    </message>
    <message id="ShowWebAddresses">
        <source>Web Address Column</source>
        <translation>Web Address Column</translation>
    </message>
    <message id="HelpMenu">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="KeyboardShortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message id="AboutLockmere">
        <source>About Lockmere</source>
        <translation>About Lockmere</translation>
    </message>
    <message id="AboutInfo">
        <source>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</source>
        <translation>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</translation>
    </message>
    <message id="AboutLicence">
        <source>proprietary, all rights reserved</source>
        <translation>proprietary, all rights reserved</translation>
    </message>
    <message id="AboutProtected">
        <source>The file is protected by a file passphrase.</source>
        <translation>The file is protected by a file passphrase.</translation>
    </message>
    <message id="AboutNotProtected">
        <source>The file is not protected: anyone who can read it can read every password in it.</source>
        <translation>The file is not protected: anyone who can read it can read every password in it.</translation>
    </message>
    <message id="EscapeKeyMeans">
        <source>Close the editor without saving, or end the search</source>
        <translation>Close the editor without saving, or end the search</translation>
    </message>
    <message id="Key">
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message id="Command">
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message id="PassphraseWordsFrom">
        <source>Words from the %1 word list (%2)</source>
        <translation>Words from the %1 word list (%2)</translation>
    </message>
</context>
</TS>
