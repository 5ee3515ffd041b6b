<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="User">
        <source>User Name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message id="Password">
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message id="Email">
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message id="Website">
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message id="Computer">
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message id="Software">
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message id="BankCard">
        <source>Bank Card</source>
        <translation>Carte bancaire</translation>
    </message>
    <message id="eBank">
        <source>Online Banking</source>
        <translation>Banque en ligne</translation>
    </message>
    <message id="Router">
        <source>Router</source>
        <translation>Routeur</translation>
    </message>
    <message id="Lock">
        <source>Lock</source>
        <translation>Serrure</translation>
    </message>
    <message id="Safe">
        <source>Safe</source>
        <translation>Coffre-fort</translation>
    </message>
    <message id="Other">
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message id="Users">
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message id="Exit">
        <source>Log Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message id="IsRoot">
        <source>Administrator</source>
        <translation>Administrateur</translation>
    </message>
    <message id="Category">
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message id="Http">
        <source>Web Address</source>
        <translation>Adresse web</translation>
    </message>
    <message id="Memo">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="OK">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="DelConfirm">
        <source>Delete the selected item?</source>
        <translation>Supprimer l'élément sélectionné ?</translation>
    </message>
    <message id="DelInfo">
        <source>It will be removed for good. This cannot be undone.</source>
        <translation>Il sera supprimé définitivement. Cette action est irréversible.</translation>
    </message>
    <message id="NoPermissionAlert">
        <source>You are not allowed to do this.</source>
        <translation>Vous n'êtes pas autorisé à faire cela.</translation>
    </message>
    <message id="NoPermissionAlertInfo">
        <source>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</source>
        <translation>Les comptes sont gérés par les administrateurs. Un compte ordinaire ne peut ouvrir que son propre compte, et le compte nommé « root » ne peut jamais être supprimé.</translation>
    </message>
    <message id="TitleNotNull">
        <source>The title is empty.</source>
        <translation>Le titre est vide.</translation>
    </message>
    <message id="TitleNotNullInfo">
        <source>Give the entry a title so that you can find it in the list.</source>
        <translation>Donnez un titre à l'entrée pour la retrouver dans la liste.</translation>
    </message>
    <message id="PwdNotNull">
        <source>The password is empty.</source>
        <translation>Le mot de passe est vide.</translation>
    </message>
    <message id="PwdNotNullInfo">
        <source>Enter a password before you save.</source>
        <translation>Saisissez un mot de passe avant d'enregistrer.</translation>
    </message>
    <message id="UserNotNull">
        <source>The user name is empty.</source>
        <translation>Le nom d'utilisateur est vide.</translation>
    </message>
    <message id="UserNotNullInfo">
        <source>Enter a name for the account before you save.</source>
        <translation>Saisissez un nom pour le compte avant d'enregistrer.</translation>
    </message>
    <message id="SaveFailAlert">
        <source>Could not save.</source>
        <translation>Impossible d'enregistrer.</translation>
    </message>
    <message id="SaveFailAlertInfo">
        <source>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</source>
        <translation>Rien n'a été modifié. Le nom est peut-être déjà pris, ou la base de données est en lecture seule ou utilisée par un autre programme. Ce que vous avez saisi est conservé : réessayez ou annulez.</translation>
    </message>
    <message id="DelUserAlert">
        <source>This account cannot be deleted.</source>
        <translation>Ce compte ne peut pas être supprimé.</translation>
    </message>
    <message id="CannotDelLoginUser">
        <source>You are logged in with this account. Log in with another administrator account to delete it.</source>
        <translation>Vous êtes connecté avec ce compte. Connectez-vous avec un autre compte administrateur pour le supprimer.</translation>
    </message>
    <message id="UserHasData">
        <source>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</source>
        <translation>Ce compte possède encore des éléments (dans ses catégories, sa corbeille ou comme versions précédentes). Connectez-vous avec lui, supprimez d'abord ses éléments et videz sa corbeille.</translation>
    </message>
    <message id="CategoryNotNull">
        <source>No category is chosen.</source>
        <translation>Aucune catégorie n'est choisie.</translation>
    </message>
    <message id="CategoryNotNullInfo">
        <source>Choose the category to file the entry under.</source>
        <translation>Choisissez la catégorie dans laquelle classer l'entrée.</translation>
    </message>
    <message id="LogIn">
        <source>Log In</source>
        <translation>Se connecter</translation>
    </message>
    <message id="AddEntry">
        <source>Add Entry</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message id="RemoveEntry">
        <source>Remove Entry</source>
        <translation>Supprimer l'entrée</translation>
    </message>
    <message id="AddUser">
        <source>Add User</source>
        <translation>Ajouter un utilisateur</translation>
    </message>
    <message id="RemoveUser">
        <source>Remove User</source>
        <translation>Supprimer l'utilisateur</translation>
    </message>
    <message id="EntryList">
        <source>Password Entries</source>
        <translation>Entrées de mots de passe</translation>
    </message>
    <message id="UserList">
        <source>User Accounts</source>
        <translation>Comptes utilisateurs</translation>
    </message>
    <message id="EntryCount">
        <source>Number of entries</source>
        <translation>Nombre d'entrées</translation>
    </message>
    <message id="UserCount">
        <source>Number of accounts</source>
        <translation>Nombre de comptes</translation>
    </message>
    <message id="Generate">
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message id="GeneratePassword">
        <source>Generate a Strong Password</source>
        <translation>Générer un mot de passe robuste</translation>
    </message>
    <message id="Strength">
        <source>Password Strength</source>
        <translation>Robustesse du mot de passe</translation>
    </message>
    <message id="StrengthVeryWeak">
        <source>Very weak</source>
        <translation>Très faible</translation>
    </message>
    <message id="StrengthWeak">
        <source>Weak</source>
        <translation>Faible</translation>
    </message>
    <message id="StrengthFair">
        <source>Fair</source>
        <translation>Moyen</translation>
    </message>
    <message id="StrengthGood">
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message id="StrengthStrong">
        <source>Strong</source>
        <translation>Robuste</translation>
    </message>
    <message id="CopyPassword">
        <source>Copy Password</source>
        <translation>Copier le mot de passe</translation>
    </message>
    <message id="CopyUser">
        <source>Copy User Name</source>
        <translation>Copier le nom d'utilisateur</translation>
    </message>
    <message id="CopyHttp">
        <source>Copy Web Address</source>
        <translation>Copier l'adresse web</translation>
    </message>
    <message id="ClipboardClearsIn">
        <source>Copied; the clipboard clears in %1 s</source>
        <translation>Copié ; le presse-papiers sera vidé dans %1 s</translation>
    </message>
    <message id="EntryEditor">
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message id="AccountEditor">
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message id="RecordGone">
        <source>This record is no longer there</source>
        <translation>Cet élément n'existe plus</translation>
    </message>
    <message id="RecordGoneInfo">
        <source>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</source>
        <translation>Une autre instance de Lockmere a modifié la liste entre-temps. La liste a été relue ; rien n'a été modifié.</translation>
    </message>
    <message id="DeleteFailAlert">
        <source>Could not delete</source>
        <translation>Impossible de supprimer</translation>
    </message>
    <message id="DeleteFailAlertInfo">
        <source>The database refused the deletion. Nothing was deleted; try again later.</source>
        <translation>La base de données a refusé la suppression. Rien n'a été supprimé ; réessayez plus tard.</translation>
    </message>
    <message id="UserDataUnknown">
        <source>Lockmere could not read whether this account owns entries, so it was not deleted.</source>
        <translation>Lockmere n'a pas pu vérifier si ce compte possède des entrées ; il n'a donc pas été supprimé.</translation>
    </message>
    <message id="Open">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="NewEntry">
        <source>New Entry</source>
        <translation>Nouvelle entrée</translation>
    </message>
    <message id="Find">
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message id="SearchField">
        <source>Search all entries</source>
        <translation>Rechercher dans toutes les entrées</translation>
    </message>
    <message id="SearchResults">
        <source>Search Results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message id="OpenHttp">
        <source>Open Web Address</source>
        <translation>Ouvrir l'adresse web</translation>
    </message>
    <message id="Quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="FileMenu">
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="EntryMenu">
        <source>&amp;Entry</source>
        <translation>&amp;Entrée</translation>
    </message>
    <message id="ViewMenu">
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message id="NoHttpAlert">
        <source>This entry has no web address</source>
        <translation>Cette entrée n'a pas d'adresse web</translation>
    </message>
    <message id="NoHttpAlertInfo">
        <source>Enter one in the entry's Web address field.</source>
        <translation>Saisissez-en une dans le champ Adresse web de l'entrée.</translation>
    </message>
    <message id="HttpRefusedAlert">
        <source>This address is not opened</source>
        <translation>Cette adresse n'est pas ouverte</translation>
    </message>
    <message id="HttpRefusedAlertInfo">
        <source>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</source>
        <translation>Lockmere n'ouvre que des pages web : des adresses qui commencent par http:// ou https://, ou sans schéma.</translation>
    </message>
    <message id="HttpOpenFailAlert">
        <source>The web address could not be opened</source>
        <translation>L'adresse web n'a pas pu être ouverte</translation>
    </message>
    <message id="HttpOpenFailAlertInfo">
        <source>No web browser took it. Copy the address and paste it into your browser.</source>
        <translation>Aucun navigateur web ne l'a prise en charge. Copiez l'adresse et collez-la dans votre navigateur.</translation>
    </message>
    <message id="ImportMenu">
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message id="ExportMenu">
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message id="ImportTitle">
        <source>Import Passwords</source>
        <translation>Importer des mots de passe</translation>
    </message>
    <message id="ExportTitle">
        <source>Export Passwords</source>
        <translation>Exporter des mots de passe</translation>
    </message>
    <message id="CsvFiles">
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message id="AllFiles">
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message id="Import">
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message id="Export">
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message id="ImportRefused">
        <source>This file is not imported</source>
        <translation>Ce fichier n'est pas importé</translation>
    </message>
    <message id="ImportIsFolder">
        <source>It is a folder, not a file.</source>
        <translation>C'est un dossier, pas un fichier.</translation>
    </message>
    <message id="ImportTooLarge">
        <source>It is larger than %1 MB; no password manager's export is that large.</source>
        <translation>Il dépasse %1 Mo ; aucun export de gestionnaire de mots de passe n'est aussi volumineux.</translation>
    </message>
    <message id="ImportUnreadable">
        <source>It cannot be read: %1</source>
        <translation>Il ne peut pas être lu : %1</translation>
    </message>
    <message id="ImportEmpty">
        <source>It is empty.</source>
        <translation>Il est vide.</translation>
    </message>
    <message id="ImportNotText">
        <source>It is not a text file.</source>
        <translation>Ce n'est pas un fichier texte.</translation>
    </message>
    <message id="ImportNotUtf8">
        <source>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</source>
        <translation>Son texte n'est pas en UTF-8 (ni en UTF-16). Exportez-le de nouveau en UTF-8, comme le font par défaut les gestionnaires de mots de passe et les navigateurs.</translation>
    </message>
    <message id="ImportUnknownHeader">
        <source>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</source>
        <translation>Sa première ligne ne nomme aucune colonne connue de Lockmere. L'en-tête attendu est celui d'un export de %1.</translation>
    </message>
    <message id="ImportStrayQuote">
        <source>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</source>
        <translation>La ligne %1 contient un guillemet dans un champ qui n'est pas entre guillemets, ou du texte après un guillemet fermant.</translation>
    </message>
    <message id="ImportUnclosedQuote">
        <source>The quotation mark opened on line %1 is never closed.</source>
        <translation>Le guillemet ouvert à la ligne %1 n'est jamais fermé.</translation>
    </message>
    <message id="ImportFieldCount">
        <source>Line %1 has %2 fields; the header has %3.</source>
        <translation>La ligne %1 a %2 champs ; l'en-tête en a %3.</translation>
    </message>
    <message id="KindKeePassXC">
        <source>KeePassXC (or Lockmere)</source>
        <translation>KeePassXC (ou Lockmere)</translation>
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
        <translation>%1 : %2 nouvelles</translation>
    </message>
    <message id="ImportSkippedDuplicates">
        <source>Skipped, exactly as already there: %1</source>
        <translation>Ignorées, identiques à l'existant : %1</translation>
    </message>
    <message id="ImportSkippedEmpty">
        <source>Skipped, without title and password: %1</source>
        <translation>Ignorées, sans titre ni mot de passe : %1</translation>
    </message>
    <message id="ImportNothing">
        <source>Nothing to import from this %1 file</source>
        <translation>Rien à importer de ce fichier %1</translation>
    </message>
    <message id="ImportConfirm">
        <source>Import %2 entries from this %1 file?</source>
        <translation>Importer %2 entrées de ce fichier %1 ?</translation>
    </message>
    <message id="Importing">
        <source>Importing…</source>
        <translation>Importation…</translation>
    </message>
    <message id="ImportCancelled">
        <source>The import was cancelled</source>
        <translation>L'importation a été annulée</translation>
    </message>
    <message id="ImportFailed">
        <source>The entries could not be saved</source>
        <translation>Les entrées n'ont pas pu être enregistrées</translation>
    </message>
    <message id="NothingImported">
        <source>Nothing was imported; every entry is as it was.</source>
        <translation>Rien n'a été importé ; chaque entrée est restée telle quelle.</translation>
    </message>
    <message id="ImportedFields">
        <source>Imported fields:</source>
        <translation>Champs importés :</translation>
    </message>
    <message id="ExportWarning">
        <source>The exported file holds your passwords unencrypted</source>
        <translation>Le fichier exporté contient vos mots de passe non chiffrés</translation>
    </message>
    <message id="ExportWarningInfo">
        <source>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</source>
        <translation>Quiconque peut lire le fichier peut lire tous les mots de passe de ce compte. Il n'est lisible que par votre session sur cet ordinateur, donc aussi par tous ceux qui partagent cette session, et par l'administrateur de l'ordinateur ; supprimez-le dès que vous n'en avez plus besoin.</translation>
    </message>
    <message id="ExportFailed">
        <source>The file could not be written</source>
        <translation>Le fichier n'a pas pu être écrit</translation>
    </message>
    <message id="ExportFailedInfo">
        <source>Choose a folder that you can write to. No file was left behind.</source>
        <translation>Choisissez un dossier dans lequel vous pouvez écrire. Aucun fichier n'a été laissé.</translation>
    </message>
    <message id="DefaultPasswordAlert">
        <source>root still has its published password</source>
        <translation>root a toujours son mot de passe publié</translation>
    </message>
    <message id="DefaultPasswordAlertInfo">
        <source>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</source>
        <translation>Chaque nouvelle installation donne à root le mot de passe « tiwe », que tout le monde peut lire dans la documentation. Changez-le maintenant, pour que personne d'autre ne puisse se connecter en tant que root.</translation>
    </message>
    <message id="ChangePasswordNow">
        <source>Change Now</source>
        <translation>Changer maintenant</translation>
    </message>
    <message id="Later">
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message id="DiscardAlert">
        <source>Discard changes?</source>
        <translation>Abandonner les modifications ?</translation>
    </message>
    <message id="DiscardAlertInfo">
        <source>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</source>
        <translation>Ce que vous avez modifié dans l'éditeur n'a pas été enregistré. Abandonnez-le, ou continuez la modification et enregistrez-la.</translation>
    </message>
    <message id="Discard">
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message id="KeepEditing">
        <source>Keep Editing</source>
        <translation>Continuer la modification</translation>
    </message>
    <message id="MovedTo">
        <source>Moved to %1</source>
        <translation>Déplacée vers %1</translation>
    </message>
    <message id="CopiedPassword">
        <source>Password copied; clears in %1 s</source>
        <translation>Mot de passe copié ; effacé dans %1 s</translation>
    </message>
    <message id="CopiedUser">
        <source>User name copied; clears in %1 s</source>
        <translation>Nom d'utilisateur copié ; effacé dans %1 s</translation>
    </message>
    <message id="CopiedHttp">
        <source>Web address copied; clears in %1 s</source>
        <translation>Adresse web copiée ; effacée dans %1 s</translation>
    </message>
    <message id="Passphrase">
        <source>Passphrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message id="Length">
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message id="Words">
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message id="NoWordList">
        <source>Passphrases need a word list: install the wamerican package.</source>
        <translation>Les phrases secrètes ont besoin d'une liste de mots : installez le paquet wamerican.</translation>
    </message>
    <message id="UppercaseLetters">
        <source>Upper-case letters</source>
        <translation>Lettres majuscules</translation>
    </message>
    <message id="LowercaseLetters">
        <source>Lower-case letters</source>
        <translation>Lettres minuscules</translation>
    </message>
    <message id="Digits">
        <source>Digits</source>
        <translation>Chiffres</translation>
    </message>
    <message id="Symbols">
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message id="GeneratorOptions">
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message id="ImportBrokenUtf16">
        <source>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</source>
        <translation>Son texte UTF-16 est tronqué ou contient un demi-caractère. Exportez-le de nouveau, de préférence en UTF-8.</translation>
    </message>
    <message id="ImportNotAFile">
        <source>It is not an ordinary file but a device, a pipe or a socket.</source>
        <translation>Ce n'est pas un fichier ordinaire mais un périphérique, un tube ou un socket.</translation>
    </message>
    <message id="ImportTooManyRows">
        <source>It has more than %1 rows; no password manager's export has that many.</source>
        <translation>Il compte plus de %1 lignes ; aucun export de gestionnaire de mots de passe n'en a autant.</translation>
    </message>
    <message id="ImportSkippedTooLong">
        <source>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</source>
        <translation>Ignorées, un champ plus long que ce que Lockmere conserve (%1 Ko ; notes %2 Ko) : %3</translation>
    </message>
    <message id="ExportFailedBecause">
        <source>%1. Nothing was written; a file already there keeps what it held.</source>
        <translation>%1. Rien n'a été écrit ; un fichier déjà présent garde son contenu.</translation>
    </message>
    <message id="ExportForeignLink">
        <source>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</source>
        <translation>Le nom choisi est un lien symbolique qui appartient à un autre utilisateur : écrire à travers lui écraserait un fichier de son choix. Rien n'a été écrit ; choisissez un autre nom.</translation>
    </message>
    <message id="FileBusyStatus">
        <source>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</source>
        <translation>Lockmere.sqlite3 est utilisé par un autre programme ; les listes montrent ce qu'elles contenaient. Réessayez dans un instant.</translation>
    </message>
    <message id="FileUnreadableStatus">
        <source>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</source>
        <translation>Lockmere.sqlite3 ne peut pas être lu : il est peut-être endommagé. Les listes montrent ce qu'elles contenaient.</translation>
    </message>
    <message id="FileBusyAlert">
        <source>The file is in use by another program</source>
        <translation>Le fichier est utilisé par un autre programme</translation>
    </message>
    <message id="FileBusyAlertInfo">
        <source>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</source>
        <translation>Une autre copie de Lockmere (ou un autre programme) écrit dans Lockmere.sqlite3. Rien n'a été modifié ; réessayez dans un instant.</translation>
    </message>
    <message id="FileUnreadableAlert">
        <source>The file cannot be read</source>
        <translation>Le fichier ne peut pas être lu</translation>
    </message>
    <message id="FileUnreadableAlertInfo">
        <source>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</source>
        <translation>Lockmere n'a pas pu lire Lockmere.sqlite3 ; il est peut-être endommagé ou absent. Rien n'a été modifié.</translation>
    </message>
    <message id="SessionEndedAlert">
        <source>You have been logged out</source>
        <translation>Vous avez été déconnecté</translation>
    </message>
    <message id="AccountGoneInfo">
        <source>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</source>
        <translation>Votre compte a été supprimé dans une autre copie de Lockmere. Plus rien n'a été enregistré pour lui.</translation>
    </message>
    <message id="AccountChangedInfo">
        <source>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</source>
        <translation>Le nom ou les droits d'administrateur de votre compte ont été modifiés dans une autre copie de Lockmere. Reconnectez-vous pour continuer avec les droits actuels.</translation>
    </message>
    <message id="FieldTooLong">
        <source>This text is too long</source>
        <translation>Ce texte est trop long</translation>
    </message>
    <message id="FieldTooLongInfo">
        <source>The field %1 holds at most %2 characters. Shorten it, then save again.</source>
        <translation>Le champ %1 contient au plus %2 caractères. Raccourcissez-le, puis enregistrez à nouveau.</translation>
    </message>
    <message id="RootNameAlert">
        <source>The name root is reserved</source>
        <translation>Le nom root est réservé</translation>
    </message>
    <message id="RootNameAlertInfo">
        <source>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</source>
        <translation>Le compte nommé root peut changer les droits d'administrateur de tous. Seul le compte qui portait ce nom peut le porter ; choisissez-en un autre.</translation>
    </message>
    <message id="FileProblemAlert">
        <source>Lockmere cannot use its file</source>
        <translation>Lockmere ne peut pas utiliser son fichier</translation>
    </message>
    <message id="FileReadOnlyAlert">
        <source>Lockmere can only read its file</source>
        <translation>Lockmere ne peut que lire son fichier</translation>
    </message>
    <message id="FileNoFolder">
        <source>%1: the Documents folder is missing and cannot be made. Nothing was written.</source>
        <translation>%1 : le dossier Documents est absent et ne peut pas être créé. Rien n'a été écrit.</translation>
    </message>
    <message id="FileCannotCreate">
        <source>%1: the file cannot be made in this folder (no permission). Nothing was written.</source>
        <translation>%1 : le fichier ne peut pas être créé dans ce dossier (pas d'autorisation). Rien n'a été écrit.</translation>
    </message>
    <message id="FileForeignLink">
        <source>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</source>
        <translation>%1 est un lien créé par un autre utilisateur. Lockmere ne le suit pas, pour que vos mots de passe n'aillent pas là où cet utilisateur l'a choisi. Rien n'a été écrit ; supprimez le lien.</translation>
    </message>
    <message id="FileDanglingLink">
        <source>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 est un lien vers un fichier qui n'existe pas. Rien n'a été écrit ; supprimez le lien ou restaurez son fichier.</translation>
    </message>
    <message id="FileCannotOpen">
        <source>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</source>
        <translation>%1 ne peut pas être ouvert : autre chose se trouve là, ou vous n'avez pas le droit de le lire. Rien n'a été modifié.</translation>
    </message>
    <message id="FileNotADatabase">
        <source>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</source>
        <translation>%1 n'est pas une base de données Lockmere (pas un fichier SQLite). Rien n'y a été modifié ; déplacez-le pour repartir d'un nouveau fichier, ou restaurez-le depuis une sauvegarde.</translation>
    </message>
    <message id="FileDamaged">
        <source>%1 is damaged. Nothing in it was changed; restore it from a backup.</source>
        <translation>%1 est endommagé. Rien n'y a été modifié ; restaurez-le depuis une sauvegarde.</translation>
    </message>
    <message id="FileBusyAtStart">
        <source>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</source>
        <translation>%1 est verrouillé par un autre programme. Rien n'a été modifié ; fermez l'autre programme, puis reconnectez-vous.</translation>
    </message>
    <message id="FileReadOnly">
        <source>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</source>
        <translation>%1 ne peut pas être modifié (fichier ou dossier en lecture seule). Vous pouvez vous connecter et tout lire, mais rien ne peut être enregistré.</translation>
    </message>
    <message id="SavedIn">
        <source>Saved in %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message id="ChangedMeanwhileAlert">
        <source>Changed in another copy meanwhile</source>
        <translation>Modifié entre-temps dans une autre copie</translation>
    </message>
    <message id="ChangedMeanwhileAlertInfo">
        <source>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</source>
        <translation>Une autre copie de Lockmere a enregistré cet élément pendant que vous le modifiiez ; rien n'a donc été enregistré. Votre saisie est conservée : enregistrez à nouveau pour appliquer vos modifications par-dessus (les champs que vous n'avez pas modifiés gardent alors les valeurs de l'autre copie), ou annulez pour voir l'autre modification.</translation>
    </message>
    <message id="DeletedMeanwhileAlert">
        <source>Deleted in another copy meanwhile</source>
        <translation>Supprimé entre-temps dans une autre copie</translation>
    </message>
    <message id="DeletedMeanwhileAlertInfo">
        <source>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</source>
        <translation>Une autre copie de Lockmere a supprimé cet élément pendant que vous le modifiiez ; rien n'a donc été enregistré. Votre saisie est toujours dans l'éditeur : copiez ce dont vous avez besoin, ou ajoutez-le à nouveau.</translation>
    </message>
    <message id="FileMovedStatus">
        <source>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</source>
        <translation>Lockmere.sqlite3 a été déplacé, remplacé ou supprimé pendant que Lockmere tournait : redémarrez Lockmere.</translation>
    </message>
    <message id="FileMoved">
        <source>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</source>
        <translation>%1 a été déplacé, remplacé ou supprimé pendant que Lockmere tournait (une autre copie l'a peut-être protégé ou a retiré sa protection). Plus rien n'y est lu ni écrit : redémarrez Lockmere.</translation>
    </message>
    <message id="FileReadOnlyInfo">
        <source>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</source>
        <translation>Lockmere.sqlite3 ne peut qu'être lu (fichier ou dossier en lecture seule). Rien n'a été modifié.</translation>
    </message>
    <message id="ProtectMenu">
        <source>Protect File with a Passphrase…</source>
        <translation>Protéger le fichier par une phrase secrète…</translation>
    </message>
    <message id="ChangePassphraseMenu">
        <source>Change File Passphrase…</source>
        <translation>Changer la phrase secrète du fichier…</translation>
    </message>
    <message id="NewRecoveryCodeMenu">
        <source>Show New Recovery Code…</source>
        <translation>Afficher un nouveau code de récupération…</translation>
    </message>
    <message id="RemoveProtectionMenu">
        <source>Remove Protection…</source>
        <translation>Retirer la protection…</translation>
    </message>
    <message id="UnlockButton">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="UnlockPrompt">
        <source>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</source>
        <translation>%1 est protégé. Saisissez sa phrase secrète, ou son code de récupération, pour l'ouvrir. Ensuite chacun se connecte comme d'habitude.</translation>
    </message>
    <message id="UnlockField">
        <source>File passphrase or recovery code</source>
        <translation>Phrase secrète du fichier ou code de récupération</translation>
    </message>
    <message id="UnlockRefused">
        <source>This is not the file passphrase or the recovery code. Nothing was changed; try again.</source>
        <translation>Ce n'est ni la phrase secrète du fichier ni son code de récupération. Rien n'a été modifié ; réessayez.</translation>
    </message>
    <message id="UnlockDamaged">
        <source>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</source>
        <translation>Le fichier est endommagé : une partie a été modifiée ou coupée hors de Lockmere. Rien n'y a été écrit ; restaurez-le depuis une sauvegarde.</translation>
    </message>
    <message id="Continue">
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message id="RemoveProtection">
        <source>Remove Protection</source>
        <translation>Retirer la protection</translation>
    </message>
    <message id="NewPassphraseTitle">
        <source>File passphrase</source>
        <translation>Phrase secrète du fichier</translation>
    </message>
    <message id="NewPassphraseInfo">
        <source>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</source>
        <translation>Toute personne qui lance Lockmere sur cet ordinateur en aura besoin avant de se connecter : communiquez-la à ceux qui partagent le fichier. Choisissez des mots faciles à retenir et difficiles à deviner.</translation>
    </message>
    <message id="NewPassphrase">
        <source>New file passphrase</source>
        <translation>Nouvelle phrase secrète</translation>
    </message>
    <message id="RepeatPassphrase">
        <source>Type it again</source>
        <translation>Saisissez-la à nouveau</translation>
    </message>
    <message id="SetPassphrase">
        <source>Use This Passphrase</source>
        <translation>Utiliser cette phrase secrète</translation>
    </message>
    <message id="PassphraseTooShort">
        <source>A file passphrase has at least %1 characters.</source>
        <translation>Une phrase secrète compte au moins %1 caractères.</translation>
    </message>
    <message id="PassphraseTooWeak">
        <source>This passphrase is too easy to guess: add words, or choose less common ones.</source>
        <translation>Cette phrase secrète est trop facile à deviner : ajoutez des mots, ou choisissez-en de moins courants.</translation>
    </message>
    <message id="PassphrasesDiffer">
        <source>The two passphrases differ: type the same one twice.</source>
        <translation>Les deux phrases secrètes diffèrent : saisissez deux fois la même.</translation>
    </message>
    <message id="RecoveryCodeTitle">
        <source>Recovery code</source>
        <translation>Code de récupération</translation>
    </message>
    <message id="RecoveryCodeInfo">
        <source>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</source>
        <translation>Si la phrase secrète du fichier est oubliée, ce code ouvre le fichier à sa place. Il n'est affiché que maintenant : notez-le et gardez-le à l'écart de cet ordinateur. Sans la phrase secrète ni ce code, personne ne peut ouvrir le fichier, pas même Lockmere.</translation>
    </message>
    <message id="CopyRecoveryCode">
        <source>Copy the Code</source>
        <translation>Copier le code</translation>
    </message>
    <message id="RecoveryCodeKept">
        <source>I have written the code down and keep it apart from this computer</source>
        <translation>J'ai noté le code et je le garde à l'écart de cet ordinateur</translation>
    </message>
    <message id="ProtectedAlert">
        <source>The file is protected</source>
        <translation>Le fichier est protégé</translation>
    </message>
    <message id="ProtectedAlertInfo">
        <source>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</source>
        <translation>Chaque page de Lockmere.sqlite3 est maintenant chiffrée, et sa copie en clair a été écrasée. Dès le prochain lancement, Lockmere demande la phrase secrète (ou le code de récupération) avant toute connexion.</translation>
    </message>
    <message id="PassphraseChangedAlert">
        <source>The file passphrase is changed</source>
        <translation>La phrase secrète du fichier a été changée</translation>
    </message>
    <message id="PassphraseChangedAlertInfo">
        <source>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</source>
        <translation>Désormais seule la nouvelle phrase secrète (ou le code de récupération) ouvre le fichier ; l'ancienne ne l'ouvre plus.</translation>
    </message>
    <message id="RecoveryCodeChangedAlert">
        <source>The recovery code is new</source>
        <translation>Le code de récupération est nouveau</translation>
    </message>
    <message id="RecoveryCodeChangedAlertInfo">
        <source>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</source>
        <translation>Désormais seul le code qui vient d'être affiché ouvre le fichier si la phrase secrète est oubliée ; l'ancien ne l'ouvre plus.</translation>
    </message>
    <message id="ProtectionRemovedAlert">
        <source>Protection is removed</source>
        <translation>La protection est retirée</translation>
    </message>
    <message id="ProtectionRemovedAlertInfo">
        <source>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</source>
        <translation>Lockmere.sqlite3 est de nouveau un simple fichier SQLite : quiconque peut le lire peut lire tous ses mots de passe.</translation>
    </message>
    <message id="ProtectionFailed">
        <source>The file was not changed</source>
        <translation>Le fichier n'a pas été modifié</translation>
    </message>
    <message id="ProtectionFailedInfo">
        <source>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</source>
        <translation>Lockmere n'a pas pu écrire ou vérifier le nouveau fichier (disque plein, dossier non accessible en écriture). Le fichier est tel qu'il était et s'ouvre comme avant.</translation>
    </message>
    <message id="RemoveProtectionAlert">
        <source>Remove the file's protection?</source>
        <translation>Retirer la protection du fichier ?</translation>
    </message>
    <message id="RemoveProtectionAlertInfo">
        <source>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</source>
        <translation>Lockmere.sqlite3 sera réécrit comme simple fichier SQLite : quiconque peut le lire (une sauvegarde, un dossier synchronisé, un autre programme de cette session) lira tous les mots de passe de tous les comptes. La phrase secrète et le code de récupération ne seront plus nécessaires.</translation>
    </message>
    <message id="ExportWarningProtectedInfo">
        <source>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</source>
        <translation>Lockmere.sqlite3 est protégé, mais le fichier exporté ne l'est pas : quiconque peut le lire peut lire tous les mots de passe de ce compte. Il n'est lisible que par votre session sur cet ordinateur, donc aussi par tous ceux qui la partagent ; supprimez-le dès que vous n'en avez plus besoin.</translation>
    </message>
    <message id="RecoveredAlert">
        <source>Opened with the recovery code</source>
        <translation>Ouvert avec le code de récupération</translation>
    </message>
    <message id="RecoveredAlertInfo">
        <source>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</source>
        <translation>Si le mot de passe de root est oublié lui aussi, Lockmere peut le remettre au mot de passe publié (tiwe) ; root sera invité à le changer à sa prochaine connexion. Choisissez bientôt une nouvelle phrase secrète (Fichier → Changer la phrase secrète du fichier…).</translation>
    </message>
    <message id="ResetRootPassword">
        <source>Reset Root's Password</source>
        <translation>Réinitialiser le mot de passe de root</translation>
    </message>
    <message id="HistoryButton">
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message id="HistoryTitle">
        <source>Earlier versions of %1</source>
        <translation>Versions précédentes de %1</translation>
    </message>
    <message id="HistoryEmpty">
        <source>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</source>
        <translation>Cet élément n'a pas encore de versions précédentes : chaque enregistrement qui le modifie garde ce qu'il contenait avant.</translation>
    </message>
    <message id="HistoryInfo">
        <source>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</source>
        <translation>Les plus récentes d'abord. Les 20 dernières versions de chaque élément sont gardées. Restaurer une version garde aussi comme version les valeurs qu'elle remplace.</translation>
    </message>
    <message id="ReplacedAt">
        <source>Replaced</source>
        <translation>Remplacée le</translation>
    </message>
    <message id="WhatChanged">
        <source>What changed</source>
        <translation>Ce qui a changé</translation>
    </message>
    <message id="NothingChanged">
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message id="CopyOldPassword">
        <source>Copy Its Password</source>
        <translation>Copier son mot de passe</translation>
    </message>
    <message id="RestoreVersion">
        <source>Restore This Version</source>
        <translation>Restaurer cette version</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="RecycleBinMenu">
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message id="RecycleBinTitle">
        <source>Recycle bin</source>
        <translation>Corbeille</translation>
    </message>
    <message id="RecycleBinInfo">
        <source>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</source>
        <translation>Vos éléments supprimés. Restaurez-en un pour le remettre dans sa catégorie (ou dans Autre si elle n'existe plus), ou supprimez-le définitivement. Les éléments supprimés il y a plus de %1 jours sont retirés définitivement à votre prochaine connexion.</translation>
    </message>
    <message id="DeletedAt">
        <source>Deleted</source>
        <translation>Supprimé le</translation>
    </message>
    <message id="RestoreEntry">
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message id="DeleteForGood">
        <source>Delete for Good</source>
        <translation>Supprimer définitivement</translation>
    </message>
    <message id="EmptyRecycleBin">
        <source>Empty Recycle Bin</source>
        <translation>Vider la corbeille</translation>
    </message>
    <message id="EmptyRecycleBinAlert">
        <source>Empty the recycle bin?</source>
        <translation>Vider la corbeille ?</translation>
    </message>
    <message id="EmptyRecycleBinAlertInfo">
        <source>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</source>
        <translation>Tous les éléments de votre corbeille, et leurs versions précédentes, seront supprimés définitivement. C'est irréversible.</translation>
    </message>
    <message id="DeleteForGoodInfo">
        <source>This entry and its earlier versions will be deleted for good. This cannot be undone.</source>
        <translation>Cet élément et ses versions précédentes seront supprimés définitivement. C'est irréversible.</translation>
    </message>
    <message id="DelEntryInfo">
        <source>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</source>
        <translation>Il va dans votre corbeille, d'où vous pouvez le restaurer pendant 30 jours (Affichage → Corbeille).</translation>
    </message>
    <message id="MovedToBin">
        <source>Moved to the recycle bin</source>
        <translation>Placé dans la corbeille</translation>
    </message>
    <message id="ChangePassphraseTitle">
        <source>New file passphrase</source>
        <translation>Nouvelle phrase secrète du fichier</translation>
    </message>
    <message id="ChangePassphraseInfo">
        <source>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</source>
        <translation>La nouvelle phrase secrète remplace l'actuelle dès que vous la confirmez : ensuite elle seule (ou le code de récupération) ouvre le fichier. Communiquez-la à ceux qui partagent le fichier.</translation>
    </message>
    <message id="ShowPassphrase">
        <source>Show the passphrase</source>
        <translation>Afficher la phrase secrète</translation>
    </message>
    <message id="RecoveryCodeReplaces">
        <source>This code replaces the current one: the code you wrote down before stops working when you click Continue.</source>
        <translation>Ce code remplace l'actuel : celui que vous aviez noté ne fonctionne plus dès que vous cliquez sur Continuer.</translation>
    </message>
    <message id="RecoveryCodeCopied">
        <source>Copied; the clipboard clears in 10 s</source>
        <translation>Copié ; le presse-papiers se vide dans 10 s</translation>
    </message>
    <message id="CurrentSecretTitle">
        <source>Current file passphrase</source>
        <translation>Phrase secrète actuelle du fichier</translation>
    </message>
    <message id="CurrentSecretInfo">
        <source>To change the file's protection, type its current passphrase (or its recovery code).</source>
        <translation>Pour modifier la protection du fichier, saisissez sa phrase secrète actuelle (ou son code de récupération).</translation>
    </message>
    <message id="WrongFileSecret">
        <source>Not the file's passphrase</source>
        <translation>Pas la phrase secrète du fichier</translation>
    </message>
    <message id="UnlockChecking">
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message id="RootPasswordResetAlert">
        <source>Root's password is the published one again</source>
        <translation>Le mot de passe de root est de nouveau celui publié</translation>
    </message>
    <message id="RootPasswordResetAlertInfo">
        <source>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</source>
        <translation>Connectez-vous maintenant en tant que root avec le mot de passe tiwe, et changez-le aussitôt : quiconque a lu le README le connaît.</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="VersionRestored">
        <source>Version restored and saved</source>
        <translation>Version restaurée et enregistrée</translation>
    </message>
    <message id="RestoredFromBin">
        <source>Restored from the recycle bin</source>
        <translation>Restauré depuis la corbeille</translation>
    </message>
    <message id="LoginRefused">
        <source>Wrong user name or password</source>
        <translation>Nom d’utilisateur ou mot de passe incorrect</translation>
    </message>
    <message id="NewAccount">
        <source>New Account…</source>
        <translation>Nouveau compte…</translation>
    </message>
    <message id="AdministratorsOnly">
        <source>Only an administrator can add or delete accounts</source>
        <translation>Seul un administrateur peut ajouter ou supprimer des comptes</translation>
    </message>
    <message id="HidePasswords">
        <source>Hide Passwords</source>
        <translation>Masquer les mots de passe</translation>
    </message>
    <message id="ShowPassword">
        <source>Show the password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message id="ImportedStatus">
        <source>Entries imported: %1, from %2</source>
        <translation>Entrées importées : %1, depuis %2</translation>
    </message>
    <message id="ExportedStatus">
        <source>Entries exported: %1, to %2</source>
        <translation>Entrées exportées : %1, vers %2</translation>
    </message>
    <message id="ShowWebAddresses">
        <source>Web Address Column</source>
        <translation>Colonne Adresse web</translation>
    </message>
    <message id="HelpMenu">
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message id="KeyboardShortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message id="AboutLockmere">
        <source>About Lockmere</source>
        <translation>À propos de Lockmere</translation>
    </message>
    <message id="AboutInfo">
        <source>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</source>
        <translation>Un gestionnaire de mots de passe pour un ordinateur partagé par plusieurs personnes.&lt;br&gt;&lt;br&gt;Licence : %1&lt;br&gt;Fichier : %2&lt;br&gt;%3</translation>
    </message>
    <message id="AboutLicence">
        <source>proprietary, all rights reserved</source>
        <translation>propriétaire, tous droits réservés</translation>
    </message>
    <message id="AboutProtected">
        <source>The file is protected by a file passphrase.</source>
        <translation>Le fichier est protégé par une phrase secrète de fichier.</translation>
    </message>
    <message id="AboutNotProtected">
        <source>The file is not protected: anyone who can read it can read every password in it.</source>
        <translation>Le fichier n’est pas protégé : quiconque peut le lire peut lire tous ses mots de passe.</translation>
    </message>
    <message id="EscapeKeyMeans">
        <source>Close the editor without saving, or end the search</source>
        <translation>Fermer l’éditeur sans enregistrer, ou terminer la recherche</translation>
    </message>
    <message id="Key">
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message id="Command">
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message id="PassphraseWordsFrom">
        <source>Words from the %1 word list (%2)</source>
        <translation>Mots de la liste de mots %1 (%2)</translation>
    </message>
</context>
</TS>
