<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="User">
        <source>User Name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message id="Password">
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message id="Email">
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message id="Website">
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message id="Computer">
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message id="Software">
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message id="BankCard">
        <source>Bank Card</source>
        <translation>Tarjeta bancaria</translation>
    </message>
    <message id="eBank">
        <source>Online Banking</source>
        <translation>Banca en línea</translation>
    </message>
    <message id="Router">
        <source>Router</source>
        <translation>Router</translation>
    </message>
    <message id="Lock">
        <source>Lock</source>
        <translation>Cerradura</translation>
    </message>
    <message id="Safe">
        <source>Safe</source>
        <translation>Caja fuerte</translation>
    </message>
    <message id="Other">
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message id="Users">
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message id="Exit">
        <source>Log Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message id="IsRoot">
        <source>Administrator</source>
        <translation>Administrador</translation>
    </message>
    <message id="Category">
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message id="Http">
        <source>Web Address</source>
        <translation>Dirección web</translation>
    </message>
    <message id="Memo">
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="OK">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="DelConfirm">
        <source>Delete the selected item?</source>
        <translation>¿Eliminar el elemento seleccionado?</translation>
    </message>
    <message id="DelInfo">
        <source>It will be removed for good. This cannot be undone.</source>
        <translation>Se eliminará para siempre. No se puede deshacer.</translation>
    </message>
    <message id="NoPermissionAlert">
        <source>You are not allowed to do this.</source>
        <translation>No tiene permiso para hacer esto.</translation>
    </message>
    <message id="NoPermissionAlertInfo">
        <source>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</source>
        <translation>Las cuentas las gestionan los administradores. Una cuenta normal solo puede abrir su propia cuenta, y la cuenta llamada «root» nunca se puede eliminar.</translation>
    </message>
    <message id="TitleNotNull">
        <source>The title is empty.</source>
        <translation>El título está vacío.</translation>
    </message>
    <message id="TitleNotNullInfo">
        <source>Give the entry a title so that you can find it in the list.</source>
        <translation>Dé un título a la entrada para encontrarla en la lista.</translation>
    </message>
    <message id="PwdNotNull">
        <source>The password is empty.</source>
        <translation>La contraseña está vacía.</translation>
    </message>
    <message id="PwdNotNullInfo">
        <source>Enter a password before you save.</source>
        <translation>Escriba una contraseña antes de guardar.</translation>
    </message>
    <message id="UserNotNull">
        <source>The user name is empty.</source>
        <translation>El nombre de usuario está vacío.</translation>
    </message>
    <message id="UserNotNullInfo">
        <source>Enter a name for the account before you save.</source>
        <translation>Escriba un nombre para la cuenta antes de guardar.</translation>
    </message>
    <message id="SaveFailAlert">
        <source>Could not save.</source>
        <translation>No se pudo guardar.</translation>
    </message>
    <message id="SaveFailAlertInfo">
        <source>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</source>
        <translation>No se ha cambiado nada. Puede que el nombre ya exista, o que la base de datos sea de solo lectura o la esté usando otro programa. Lo que escribió se conserva: vuelva a intentarlo o cancele.</translation>
    </message>
    <message id="DelUserAlert">
        <source>This account cannot be deleted.</source>
        <translation>Esta cuenta no se puede eliminar.</translation>
    </message>
    <message id="CannotDelLoginUser">
        <source>You are logged in with this account. Log in with another administrator account to delete it.</source>
        <translation>Ha iniciado sesión con esta cuenta. Inicie sesión con otra cuenta de administrador para eliminarla.</translation>
    </message>
    <message id="UserHasData">
        <source>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</source>
        <translation>Esta cuenta aún tiene entradas (en sus categorías, su papelera o como versiones anteriores). Inicie sesión con ella, elimine primero sus entradas y vacíe su papelera.</translation>
    </message>
    <message id="CategoryNotNull">
        <source>No category is chosen.</source>
        <translation>No se ha elegido ninguna categoría.</translation>
    </message>
    <message id="CategoryNotNullInfo">
        <source>Choose the category to file the entry under.</source>
        <translation>Elija la categoría en la que archivar la entrada.</translation>
    </message>
    <message id="LogIn">
        <source>Log In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message id="AddEntry">
        <source>Add Entry</source>
        <translation>Añadir entrada</translation>
    </message>
    <message id="RemoveEntry">
        <source>Remove Entry</source>
        <translation>Eliminar entrada</translation>
    </message>
    <message id="AddUser">
        <source>Add User</source>
        <translation>Añadir usuario</translation>
    </message>
    <message id="RemoveUser">
        <source>Remove User</source>
        <translation>Eliminar usuario</translation>
    </message>
    <message id="EntryList">
        <source>Password Entries</source>
        <translation>Entradas de contraseñas</translation>
    </message>
    <message id="UserList">
        <source>User Accounts</source>
        <translation>Cuentas de usuario</translation>
    </message>
    <message id="EntryCount">
        <source>Number of entries</source>
        <translation>Número de entradas</translation>
    </message>
    <message id="UserCount">
        <source>Number of accounts</source>
        <translation>Número de cuentas</translation>
    </message>
    <message id="Generate">
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message id="GeneratePassword">
        <source>Generate a Strong Password</source>
        <translation>Generar una contraseña segura</translation>
    </message>
    <message id="Strength">
        <source>Password Strength</source>
        <translation>Seguridad de la contraseña</translation>
    </message>
    <message id="StrengthVeryWeak">
        <source>Very weak</source>
        <translation>Muy débil</translation>
    </message>
    <message id="StrengthWeak">
        <source>Weak</source>
        <translation>Débil</translation>
    </message>
    <message id="StrengthFair">
        <source>Fair</source>
        <translation>Aceptable</translation>
    </message>
    <message id="StrengthGood">
        <source>Good</source>
        <translation>Buena</translation>
    </message>
    <message id="StrengthStrong">
        <source>Strong</source>
        <translation>Segura</translation>
    </message>
    <message id="CopyPassword">
        <source>Copy Password</source>
        <translation>Copiar contraseña</translation>
    </message>
    <message id="CopyUser">
        <source>Copy User Name</source>
        <translation>Copiar nombre de usuario</translation>
    </message>
    <message id="CopyHttp">
        <source>Copy Web Address</source>
        <translation>Copiar dirección web</translation>
    </message>
    <message id="ClipboardClearsIn">
        <source>Copied; the clipboard clears in %1 s</source>
        <translation>Copiado; el portapapeles se vaciará en %1 s</translation>
    </message>
    <message id="EntryEditor">
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message id="AccountEditor">
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message id="RecordGone">
        <source>This record is no longer there</source>
        <translation>Este registro ya no existe</translation>
    </message>
    <message id="RecordGoneInfo">
        <source>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</source>
        <translation>Otra copia de Lockmere cambió la lista mientras tanto. La lista se ha vuelto a leer; no se ha cambiado nada.</translation>
    </message>
    <message id="DeleteFailAlert">
        <source>Could not delete</source>
        <translation>No se pudo eliminar</translation>
    </message>
    <message id="DeleteFailAlertInfo">
        <source>The database refused the deletion. Nothing was deleted; try again later.</source>
        <translation>La base de datos rechazó la eliminación. No se ha eliminado nada; vuelva a intentarlo más tarde.</translation>
    </message>
    <message id="UserDataUnknown">
        <source>Lockmere could not read whether this account owns entries, so it was not deleted.</source>
        <translation>Lockmere no pudo comprobar si esta cuenta tiene entradas, así que no se ha eliminado.</translation>
    </message>
    <message id="Open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="NewEntry">
        <source>New Entry</source>
        <translation>Nueva entrada</translation>
    </message>
    <message id="Find">
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message id="SearchField">
        <source>Search all entries</source>
        <translation>Buscar en todas las entradas</translation>
    </message>
    <message id="SearchResults">
        <source>Search Results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message id="OpenHttp">
        <source>Open Web Address</source>
        <translation>Abrir dirección web</translation>
    </message>
    <message id="Quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="FileMenu">
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message id="EntryMenu">
        <source>&amp;Entry</source>
        <translation>&amp;Entrada</translation>
    </message>
    <message id="ViewMenu">
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message id="NoHttpAlert">
        <source>This entry has no web address</source>
        <translation>Esta entrada no tiene dirección web</translation>
    </message>
    <message id="NoHttpAlertInfo">
        <source>Enter one in the entry's Web address field.</source>
        <translation>Escriba una en el campo Dirección web de la entrada.</translation>
    </message>
    <message id="HttpRefusedAlert">
        <source>This address is not opened</source>
        <translation>Esta dirección no se abre</translation>
    </message>
    <message id="HttpRefusedAlertInfo">
        <source>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</source>
        <translation>Lockmere solo abre páginas web: direcciones que empiezan por http:// o https://, o sin esquema.</translation>
    </message>
    <message id="HttpOpenFailAlert">
        <source>The web address could not be opened</source>
        <translation>No se pudo abrir la dirección web</translation>
    </message>
    <message id="HttpOpenFailAlertInfo">
        <source>No web browser took it. Copy the address and paste it into your browser.</source>
        <translation>Ningún navegador web la aceptó. Copie la dirección y péguela en su navegador.</translation>
    </message>
    <message id="ImportMenu">
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message id="ExportMenu">
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message id="ImportTitle">
        <source>Import Passwords</source>
        <translation>Importar contraseñas</translation>
    </message>
    <message id="ExportTitle">
        <source>Export Passwords</source>
        <translation>Exportar contraseñas</translation>
    </message>
    <message id="CsvFiles">
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message id="AllFiles">
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message id="Import">
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message id="Export">
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message id="ImportRefused">
        <source>This file is not imported</source>
        <translation>Este archivo no se importa</translation>
    </message>
    <message id="ImportIsFolder">
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message id="ImportTooLarge">
        <source>It is larger than %1 MB; no password manager's export is that large.</source>
        <translation>Supera los %1 MB; ninguna exportación de un gestor de contraseñas es tan grande.</translation>
    </message>
    <message id="ImportUnreadable">
        <source>It cannot be read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message id="ImportEmpty">
        <source>It is empty.</source>
        <translation>Está vacío.</translation>
    </message>
    <message id="ImportNotText">
        <source>It is not a text file.</source>
        <translation>No es un archivo de texto.</translation>
    </message>
    <message id="ImportNotUtf8">
        <source>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</source>
        <translation>Su texto no está en UTF-8 (ni en UTF-16). Vuelva a exportarlo en UTF-8, como hacen por defecto los gestores de contraseñas y los navegadores.</translation>
    </message>
    <message id="ImportUnknownHeader">
        <source>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</source>
        <translation>Su primera línea no nombra ninguna columna que Lockmere conozca. Se esperaba la cabecera de una exportación de %1.</translation>
    </message>
    <message id="ImportStrayQuote">
        <source>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</source>
        <translation>La línea %1 tiene comillas dentro de un campo que no está entre comillas, o texto después de unas comillas de cierre.</translation>
    </message>
    <message id="ImportUnclosedQuote">
        <source>The quotation mark opened on line %1 is never closed.</source>
        <translation>Las comillas abiertas en la línea %1 nunca se cierran.</translation>
    </message>
    <message id="ImportFieldCount">
        <source>Line %1 has %2 fields; the header has %3.</source>
        <translation>La línea %1 tiene %2 campos; la cabecera tiene %3.</translation>
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
        <translation>%1: %2 nuevas</translation>
    </message>
    <message id="ImportSkippedDuplicates">
        <source>Skipped, exactly as already there: %1</source>
        <translation>Omitidas, idénticas a las existentes: %1</translation>
    </message>
    <message id="ImportSkippedEmpty">
        <source>Skipped, without title and password: %1</source>
        <translation>Omitidas, sin título ni contraseña: %1</translation>
    </message>
    <message id="ImportNothing">
        <source>Nothing to import from this %1 file</source>
        <translation>Nada que importar de este archivo de %1</translation>
    </message>
    <message id="ImportConfirm">
        <source>Import %2 entries from this %1 file?</source>
        <translation>¿Importar %2 entradas de este archivo de %1?</translation>
    </message>
    <message id="Importing">
        <source>Importing…</source>
        <translation>Importando…</translation>
    </message>
    <message id="ImportCancelled">
        <source>The import was cancelled</source>
        <translation>Se canceló la importación</translation>
    </message>
    <message id="ImportFailed">
        <source>The entries could not be saved</source>
        <translation>No se pudieron guardar las entradas</translation>
    </message>
    <message id="NothingImported">
        <source>Nothing was imported; every entry is as it was.</source>
        <translation>No se ha importado nada; todas las entradas siguen como estaban.</translation>
    </message>
    <message id="ImportedFields">
        <source>Imported fields:</source>
        <translation>Campos importados:</translation>
    </message>
    <message id="ExportWarning">
        <source>The exported file holds your passwords unencrypted</source>
        <translation>El archivo exportado contiene sus contraseñas sin cifrar</translation>
    </message>
    <message id="ExportWarningInfo">
        <source>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</source>
        <translation>Cualquiera que pueda leer el archivo puede leer todas las contraseñas de esta cuenta. Solo lo puede leer su usuario de este ordenador, es decir, también todos los que comparten ese usuario y el administrador del ordenador; elimínelo cuando ya no lo necesite.</translation>
    </message>
    <message id="ExportFailed">
        <source>The file could not be written</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message id="ExportFailedInfo">
        <source>Choose a folder that you can write to. No file was left behind.</source>
        <translation>Elija una carpeta en la que pueda escribir. No ha quedado ningún archivo.</translation>
    </message>
    <message id="DefaultPasswordAlert">
        <source>root still has its published password</source>
        <translation>root todavía tiene su contraseña publicada</translation>
    </message>
    <message id="DefaultPasswordAlertInfo">
        <source>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</source>
        <translation>Cada instalación nueva da a root la contraseña «tiwe», y cualquiera puede leerla en la documentación. Cámbiela ahora para que nadie más pueda iniciar sesión como root.</translation>
    </message>
    <message id="ChangePasswordNow">
        <source>Change Now</source>
        <translation>Cambiar ahora</translation>
    </message>
    <message id="Later">
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message id="DiscardAlert">
        <source>Discard changes?</source>
        <translation>¿Descartar los cambios?</translation>
    </message>
    <message id="DiscardAlertInfo">
        <source>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</source>
        <translation>Lo que cambió en el editor no se ha guardado. Descártelo, o siga editando y guárdelo.</translation>
    </message>
    <message id="Discard">
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message id="KeepEditing">
        <source>Keep Editing</source>
        <translation>Seguir editando</translation>
    </message>
    <message id="MovedTo">
        <source>Moved to %1</source>
        <translation>Movida a %1</translation>
    </message>
    <message id="CopiedPassword">
        <source>Password copied; clears in %1 s</source>
        <translation>Contraseña copiada; se borra en %1 s</translation>
    </message>
    <message id="CopiedUser">
        <source>User name copied; clears in %1 s</source>
        <translation>Nombre de usuario copiado; se borra en %1 s</translation>
    </message>
    <message id="CopiedHttp">
        <source>Web address copied; clears in %1 s</source>
        <translation>Dirección web copiada; se borra en %1 s</translation>
    </message>
    <message id="Passphrase">
        <source>Passphrase</source>
        <translation>Frase de contraseña</translation>
    </message>
    <message id="Length">
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message id="Words">
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message id="NoWordList">
        <source>Passphrases need a word list: install the wamerican package.</source>
        <translation>Las frases de contraseña necesitan una lista de palabras: instale el paquete wamerican.</translation>
    </message>
    <message id="UppercaseLetters">
        <source>Upper-case letters</source>
        <translation>Letras mayúsculas</translation>
    </message>
    <message id="LowercaseLetters">
        <source>Lower-case letters</source>
        <translation>Letras minúsculas</translation>
    </message>
    <message id="Digits">
        <source>Digits</source>
        <translation>Dígitos</translation>
    </message>
    <message id="Symbols">
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message id="GeneratorOptions">
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message id="ImportBrokenUtf16">
        <source>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</source>
        <translation>Su texto UTF-16 está cortado o contiene medio carácter. Vuelva a exportarlo, mejor en UTF-8.</translation>
    </message>
    <message id="ImportNotAFile">
        <source>It is not an ordinary file but a device, a pipe or a socket.</source>
        <translation>No es un archivo normal sino un dispositivo, una tubería o un socket.</translation>
    </message>
    <message id="ImportTooManyRows">
        <source>It has more than %1 rows; no password manager's export has that many.</source>
        <translation>Tiene más de %1 filas; ninguna exportación de un gestor de contraseñas tiene tantas.</translation>
    </message>
    <message id="ImportSkippedTooLong">
        <source>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</source>
        <translation>Omitidas, un campo más largo de lo que guarda Lockmere (%1 KB; notas %2 KB): %3</translation>
    </message>
    <message id="ExportFailedBecause">
        <source>%1. Nothing was written; a file already there keeps what it held.</source>
        <translation>%1. No se escribió nada; un archivo que ya existía conserva su contenido.</translation>
    </message>
    <message id="ExportForeignLink">
        <source>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</source>
        <translation>El nombre elegido es un enlace simbólico que pertenece a otro usuario: escribir a través de él sobrescribiría un archivo elegido por esa persona. No se escribió nada; elija otro nombre.</translation>
    </message>
    <message id="FileBusyStatus">
        <source>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</source>
        <translation>Otro programa está usando Lockmere.sqlite3; las listas muestran lo que tenían. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message id="FileUnreadableStatus">
        <source>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</source>
        <translation>No se puede leer Lockmere.sqlite3: puede estar dañado. Las listas muestran lo que tenían.</translation>
    </message>
    <message id="FileBusyAlert">
        <source>The file is in use by another program</source>
        <translation>Otro programa está usando el archivo</translation>
    </message>
    <message id="FileBusyAlertInfo">
        <source>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</source>
        <translation>Otra copia de Lockmere (u otro programa) está escribiendo en Lockmere.sqlite3. No se ha cambiado nada; vuelva a intentarlo en un momento.</translation>
    </message>
    <message id="FileUnreadableAlert">
        <source>The file cannot be read</source>
        <translation>No se puede leer el archivo</translation>
    </message>
    <message id="FileUnreadableAlertInfo">
        <source>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</source>
        <translation>Lockmere no pudo leer Lockmere.sqlite3; puede estar dañado o haber desaparecido. No se ha cambiado nada.</translation>
    </message>
    <message id="SessionEndedAlert">
        <source>You have been logged out</source>
        <translation>Se ha cerrado su sesión</translation>
    </message>
    <message id="AccountGoneInfo">
        <source>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</source>
        <translation>Su cuenta se eliminó en otra copia de Lockmere. No se ha guardado nada más para ella.</translation>
    </message>
    <message id="AccountChangedInfo">
        <source>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</source>
        <translation>El nombre o los derechos de administrador de su cuenta se cambiaron en otra copia de Lockmere. Vuelva a iniciar sesión para seguir con los derechos que tiene ahora.</translation>
    </message>
    <message id="FieldTooLong">
        <source>This text is too long</source>
        <translation>Este texto es demasiado largo</translation>
    </message>
    <message id="FieldTooLongInfo">
        <source>The field %1 holds at most %2 characters. Shorten it, then save again.</source>
        <translation>El campo %1 admite como máximo %2 caracteres. Acórtelo y vuelva a guardar.</translation>
    </message>
    <message id="RootNameAlert">
        <source>The name root is reserved</source>
        <translation>El nombre root está reservado</translation>
    </message>
    <message id="RootNameAlertInfo">
        <source>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</source>
        <translation>La cuenta llamada root puede cambiar los derechos de administrador de todas. Solo la cuenta que tenía ese nombre puede tenerlo; elija otro nombre.</translation>
    </message>
    <message id="FileProblemAlert">
        <source>Lockmere cannot use its file</source>
        <translation>Lockmere no puede usar su archivo</translation>
    </message>
    <message id="FileReadOnlyAlert">
        <source>Lockmere can only read its file</source>
        <translation>Lockmere solo puede leer su archivo</translation>
    </message>
    <message id="FileNoFolder">
        <source>%1: the Documents folder is missing and cannot be made. Nothing was written.</source>
        <translation>%1: falta la carpeta Documentos y no se puede crear. No se ha escrito nada.</translation>
    </message>
    <message id="FileCannotCreate">
        <source>%1: the file cannot be made in this folder (no permission). Nothing was written.</source>
        <translation>%1: no se puede crear el archivo en esta carpeta (sin permiso). No se ha escrito nada.</translation>
    </message>
    <message id="FileForeignLink">
        <source>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</source>
        <translation>%1 es un enlace que creó otro usuario. Lockmere no lo sigue, para que sus contraseñas no vayan adonde ese usuario eligió. No se ha escrito nada; elimine el enlace.</translation>
    </message>
    <message id="FileDanglingLink">
        <source>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 es un enlace a un archivo que no existe. No se ha escrito nada; elimine el enlace o restaure su archivo.</translation>
    </message>
    <message id="FileCannotOpen">
        <source>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</source>
        <translation>No se puede abrir %1: hay otra cosa en su lugar o no tiene permiso para leerlo. No se ha cambiado nada.</translation>
    </message>
    <message id="FileNotADatabase">
        <source>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</source>
        <translation>%1 no es una base de datos de Lockmere (no es un archivo SQLite). No se ha cambiado nada en él; muévalo para empezar con un archivo nuevo o restáurelo de una copia.</translation>
    </message>
    <message id="FileDamaged">
        <source>%1 is damaged. Nothing in it was changed; restore it from a backup.</source>
        <translation>%1 está dañado. No se ha cambiado nada en él; restáurelo de una copia.</translation>
    </message>
    <message id="FileBusyAtStart">
        <source>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</source>
        <translation>%1 está bloqueado por otro programa. No se ha cambiado nada; cierre el otro programa y vuelva a iniciar sesión.</translation>
    </message>
    <message id="FileReadOnly">
        <source>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</source>
        <translation>%1 no se puede escribir (archivo o carpeta de solo lectura). Puede iniciar sesión y leerlo todo, pero no se puede guardar nada.</translation>
    </message>
    <message id="SavedIn">
        <source>Saved in %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message id="ChangedMeanwhileAlert">
        <source>Changed in another copy meanwhile</source>
        <translation>Cambiado mientras tanto en otra copia</translation>
    </message>
    <message id="ChangedMeanwhileAlertInfo">
        <source>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</source>
        <translation>Otra copia de Lockmere guardó este registro mientras lo editaba, así que no se ha guardado nada. Lo que escribió se conserva: guarde de nuevo para guardar sus cambios encima (los campos que no cambió conservan entonces los valores de la otra copia) o cancele para ver el otro cambio.</translation>
    </message>
    <message id="DeletedMeanwhileAlert">
        <source>Deleted in another copy meanwhile</source>
        <translation>Eliminado mientras tanto en otra copia</translation>
    </message>
    <message id="DeletedMeanwhileAlertInfo">
        <source>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</source>
        <translation>Otra copia de Lockmere eliminó este registro mientras lo editaba, así que no se ha guardado nada. Lo que escribió sigue en el editor: copie lo que necesite o añádalo de nuevo.</translation>
    </message>
    <message id="FileMovedStatus">
        <source>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</source>
        <translation>Lockmere.sqlite3 se movió, se reemplazó o se eliminó mientras Lockmere se ejecutaba: reinicie Lockmere.</translation>
    </message>
    <message id="FileMoved">
        <source>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</source>
        <translation>%1 se movió, se reemplazó o se eliminó mientras Lockmere se ejecutaba (quizá otra copia lo protegió o le quitó la protección). Ya no se lee ni se escribe nada en él: reinicie Lockmere.</translation>
    </message>
    <message id="FileReadOnlyInfo">
        <source>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</source>
        <translation>Lockmere.sqlite3 solo se puede leer (archivo o carpeta de solo lectura). No se ha cambiado nada.</translation>
    </message>
    <message id="ProtectMenu">
        <source>Protect File with a Passphrase…</source>
        <translation>Proteger el archivo con una frase de contraseña…</translation>
    </message>
    <message id="ChangePassphraseMenu">
        <source>Change File Passphrase…</source>
        <translation>Cambiar la frase de contraseña del archivo…</translation>
    </message>
    <message id="NewRecoveryCodeMenu">
        <source>Show New Recovery Code…</source>
        <translation>Mostrar un nuevo código de recuperación…</translation>
    </message>
    <message id="RemoveProtectionMenu">
        <source>Remove Protection…</source>
        <translation>Quitar la protección…</translation>
    </message>
    <message id="UnlockButton">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="UnlockPrompt">
        <source>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</source>
        <translation>%1 está protegido. Escriba su frase de contraseña, o su código de recuperación, para abrirlo. Después cada persona inicia sesión como siempre.</translation>
    </message>
    <message id="UnlockField">
        <source>File passphrase or recovery code</source>
        <translation>Frase de contraseña del archivo o código de recuperación</translation>
    </message>
    <message id="UnlockRefused">
        <source>This is not the file passphrase or the recovery code. Nothing was changed; try again.</source>
        <translation>No es la frase de contraseña del archivo ni su código de recuperación. No se ha cambiado nada; vuelva a intentarlo.</translation>
    </message>
    <message id="UnlockDamaged">
        <source>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</source>
        <translation>El archivo está dañado: una parte se cambió o se cortó fuera de Lockmere. No se ha escrito nada en él; restáurelo de una copia.</translation>
    </message>
    <message id="Continue">
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message id="RemoveProtection">
        <source>Remove Protection</source>
        <translation>Quitar la protección</translation>
    </message>
    <message id="NewPassphraseTitle">
        <source>File passphrase</source>
        <translation>Frase de contraseña del archivo</translation>
    </message>
    <message id="NewPassphraseInfo">
        <source>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</source>
        <translation>Todo el que inicie Lockmere en este ordenador la necesitará antes de iniciar sesión: dígasela a quienes comparten el archivo. Elija palabras fáciles de recordar y difíciles de adivinar.</translation>
    </message>
    <message id="NewPassphrase">
        <source>New file passphrase</source>
        <translation>Nueva frase de contraseña</translation>
    </message>
    <message id="RepeatPassphrase">
        <source>Type it again</source>
        <translation>Escríbala otra vez</translation>
    </message>
    <message id="SetPassphrase">
        <source>Use This Passphrase</source>
        <translation>Usar esta frase de contraseña</translation>
    </message>
    <message id="PassphraseTooShort">
        <source>A file passphrase has at least %1 characters.</source>
        <translation>Una frase de contraseña tiene al menos %1 caracteres.</translation>
    </message>
    <message id="PassphraseTooWeak">
        <source>This passphrase is too easy to guess: add words, or choose less common ones.</source>
        <translation>Esta frase de contraseña es demasiado fácil de adivinar: añada palabras o elija otras menos comunes.</translation>
    </message>
    <message id="PassphrasesDiffer">
        <source>The two passphrases differ: type the same one twice.</source>
        <translation>Las dos frases de contraseña no coinciden: escriba dos veces la misma.</translation>
    </message>
    <message id="RecoveryCodeTitle">
        <source>Recovery code</source>
        <translation>Código de recuperación</translation>
    </message>
    <message id="RecoveryCodeInfo">
        <source>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</source>
        <translation>Si alguna vez se olvida la frase de contraseña, este código abre el archivo en su lugar. Solo se muestra ahora: anótelo y guárdelo lejos de este ordenador. Sin la frase de contraseña y sin este código nadie puede abrir el archivo, ni siquiera Lockmere.</translation>
    </message>
    <message id="CopyRecoveryCode">
        <source>Copy the Code</source>
        <translation>Copiar el código</translation>
    </message>
    <message id="RecoveryCodeKept">
        <source>I have written the code down and keep it apart from this computer</source>
        <translation>He anotado el código y lo guardo lejos de este ordenador</translation>
    </message>
    <message id="ProtectedAlert">
        <source>The file is protected</source>
        <translation>El archivo está protegido</translation>
    </message>
    <message id="ProtectedAlertInfo">
        <source>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</source>
        <translation>Cada página de Lockmere.sqlite3 está ahora cifrada, y su copia sin cifrar se ha sobrescrito. Desde el próximo inicio, Lockmere pide la frase de contraseña (o el código de recuperación) antes de que nadie pueda iniciar sesión.</translation>
    </message>
    <message id="PassphraseChangedAlert">
        <source>The file passphrase is changed</source>
        <translation>La frase de contraseña del archivo ha cambiado</translation>
    </message>
    <message id="PassphraseChangedAlertInfo">
        <source>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</source>
        <translation>A partir de ahora solo la nueva frase de contraseña (o el código de recuperación) abre el archivo; la anterior ya no.</translation>
    </message>
    <message id="RecoveryCodeChangedAlert">
        <source>The recovery code is new</source>
        <translation>El código de recuperación es nuevo</translation>
    </message>
    <message id="RecoveryCodeChangedAlertInfo">
        <source>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</source>
        <translation>A partir de ahora solo el código recién mostrado abre el archivo si se olvida la frase de contraseña; el anterior ya no.</translation>
    </message>
    <message id="ProtectionRemovedAlert">
        <source>Protection is removed</source>
        <translation>Se ha quitado la protección</translation>
    </message>
    <message id="ProtectionRemovedAlertInfo">
        <source>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</source>
        <translation>Lockmere.sqlite3 vuelve a ser un archivo SQLite normal: cualquiera que pueda leerlo puede leer todas sus contraseñas.</translation>
    </message>
    <message id="ProtectionFailed">
        <source>The file was not changed</source>
        <translation>El archivo no se ha cambiado</translation>
    </message>
    <message id="ProtectionFailedInfo">
        <source>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</source>
        <translation>Lockmere no pudo escribir o comprobar el archivo nuevo (disco lleno, una carpeta sin permiso de escritura). El archivo está como estaba y se abre como antes.</translation>
    </message>
    <message id="RemoveProtectionAlert">
        <source>Remove the file's protection?</source>
        <translation>¿Quitar la protección del archivo?</translation>
    </message>
    <message id="RemoveProtectionAlertInfo">
        <source>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</source>
        <translation>Lockmere.sqlite3 se volverá a escribir como archivo SQLite normal: cualquiera que pueda leerlo (una copia de seguridad, una carpeta sincronizada, otro programa de este usuario) leerá todas las contraseñas de todas las cuentas. La frase de contraseña y el código de recuperación ya no harán falta.</translation>
    </message>
    <message id="ExportWarningProtectedInfo">
        <source>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</source>
        <translation>Lockmere.sqlite3 está protegido, pero el archivo que exporta no: cualquiera que pueda leerlo puede leer todas las contraseñas de esta cuenta. Solo lo puede leer su usuario de este ordenador, es decir, también todos los que lo comparten; elimínelo cuando ya no lo necesite.</translation>
    </message>
    <message id="RecoveredAlert">
        <source>Opened with the recovery code</source>
        <translation>Abierto con el código de recuperación</translation>
    </message>
    <message id="RecoveredAlertInfo">
        <source>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</source>
        <translation>Si también se olvidó la contraseña de root, Lockmere puede volver a ponerle la publicada (tiwe); a root se le pedirá cambiarla en su próximo inicio de sesión. Elija pronto una nueva frase de contraseña (Archivo → Cambiar la frase de contraseña del archivo…).</translation>
    </message>
    <message id="ResetRootPassword">
        <source>Reset Root's Password</source>
        <translation>Restablecer la contraseña de root</translation>
    </message>
    <message id="HistoryButton">
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message id="HistoryTitle">
        <source>Earlier versions of %1</source>
        <translation>Versiones anteriores de %1</translation>
    </message>
    <message id="HistoryEmpty">
        <source>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</source>
        <translation>Esta entrada aún no tiene versiones anteriores: cada vez que se guarda un cambio, se conserva lo que tenía antes.</translation>
    </message>
    <message id="HistoryInfo">
        <source>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</source>
        <translation>Las más recientes primero. Se guardan las 20 últimas versiones de cada entrada. Restaurar una versión conserva también como versión los valores que reemplaza.</translation>
    </message>
    <message id="ReplacedAt">
        <source>Replaced</source>
        <translation>Reemplazada</translation>
    </message>
    <message id="WhatChanged">
        <source>What changed</source>
        <translation>Qué cambió</translation>
    </message>
    <message id="NothingChanged">
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message id="CopyOldPassword">
        <source>Copy Its Password</source>
        <translation>Copiar su contraseña</translation>
    </message>
    <message id="RestoreVersion">
        <source>Restore This Version</source>
        <translation>Restaurar esta versión</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="RecycleBinMenu">
        <source>Recycle Bin</source>
        <translation>Papelera</translation>
    </message>
    <message id="RecycleBinTitle">
        <source>Recycle bin</source>
        <translation>Papelera</translation>
    </message>
    <message id="RecycleBinInfo">
        <source>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</source>
        <translation>Sus entradas eliminadas. Restaure una para devolverla a su categoría (o a Otros si ya no existe), o elimínela definitivamente. Las entradas eliminadas hace más de %1 días se quitan definitivamente en su próximo inicio de sesión.</translation>
    </message>
    <message id="DeletedAt">
        <source>Deleted</source>
        <translation>Eliminada</translation>
    </message>
    <message id="RestoreEntry">
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message id="DeleteForGood">
        <source>Delete for Good</source>
        <translation>Eliminar definitivamente</translation>
    </message>
    <message id="EmptyRecycleBin">
        <source>Empty Recycle Bin</source>
        <translation>Vaciar la papelera</translation>
    </message>
    <message id="EmptyRecycleBinAlert">
        <source>Empty the recycle bin?</source>
        <translation>¿Vaciar la papelera?</translation>
    </message>
    <message id="EmptyRecycleBinAlertInfo">
        <source>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</source>
        <translation>Todas las entradas de su papelera, y sus versiones anteriores, se eliminarán definitivamente. No se puede deshacer.</translation>
    </message>
    <message id="DeleteForGoodInfo">
        <source>This entry and its earlier versions will be deleted for good. This cannot be undone.</source>
        <translation>Esta entrada y sus versiones anteriores se eliminarán definitivamente. No se puede deshacer.</translation>
    </message>
    <message id="DelEntryInfo">
        <source>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</source>
        <translation>Pasa a su papelera, desde donde puede restaurarla durante 30 días (Ver → Papelera).</translation>
    </message>
    <message id="MovedToBin">
        <source>Moved to the recycle bin</source>
        <translation>Movida a la papelera</translation>
    </message>
    <message id="ChangePassphraseTitle">
        <source>New file passphrase</source>
        <translation>Nueva frase de contraseña del archivo</translation>
    </message>
    <message id="ChangePassphraseInfo">
        <source>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</source>
        <translation>La nueva frase de contraseña sustituye a la actual en cuanto la confirme: desde entonces solo ella (o el código de recuperación) abre el archivo. Dígasela a quienes comparten el archivo.</translation>
    </message>
    <message id="ShowPassphrase">
        <source>Show the passphrase</source>
        <translation>Mostrar la frase de contraseña</translation>
    </message>
    <message id="RecoveryCodeReplaces">
        <source>This code replaces the current one: the code you wrote down before stops working when you click Continue.</source>
        <translation>Este código sustituye al actual: el que anotó antes deja de funcionar al hacer clic en Continuar.</translation>
    </message>
    <message id="RecoveryCodeCopied">
        <source>Copied; the clipboard clears in 10 s</source>
        <translation>Copiado; el portapapeles se vacía en 10 s</translation>
    </message>
    <message id="CurrentSecretTitle">
        <source>Current file passphrase</source>
        <translation>Frase de contraseña actual del archivo</translation>
    </message>
    <message id="CurrentSecretInfo">
        <source>To change the file's protection, type its current passphrase (or its recovery code).</source>
        <translation>Para cambiar la protección del archivo, escriba su frase de contraseña actual (o su código de recuperación).</translation>
    </message>
    <message id="WrongFileSecret">
        <source>Not the file's passphrase</source>
        <translation>No es la frase de contraseña del archivo</translation>
    </message>
    <message id="UnlockChecking">
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message id="RootPasswordResetAlert">
        <source>Root's password is the published one again</source>
        <translation>La contraseña de root vuelve a ser la publicada</translation>
    </message>
    <message id="RootPasswordResetAlertInfo">
        <source>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</source>
        <translation>Inicie sesión ahora como root con la contraseña tiwe y cámbiela enseguida: la conoce cualquiera que haya leído el README.</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="VersionRestored">
        <source>Version restored and saved</source>
        <translation>Versión restaurada y guardada</translation>
    </message>
    <message id="RestoredFromBin">
        <source>Restored from the recycle bin</source>
        <translation>Restaurado desde la papelera</translation>
    </message>
    <message id="LoginRefused">
        <source>Wrong user name or password</source>
        <translation>Nombre de usuario o contraseña incorrectos</translation>
    </message>
    <message id="NewAccount">
        <source>New Account…</source>
        <translation>Nueva cuenta…</translation>
    </message>
    <message id="AdministratorsOnly">
        <source>Only an administrator can add or delete accounts</source>
        <translation>Solo un administrador puede añadir o eliminar cuentas</translation>
    </message>
    <message id="HidePasswords">
        <source>Hide Passwords</source>
        <translation>Ocultar contraseñas</translation>
    </message>
    <message id="ShowPassword">
        <source>Show the password</source>
        <translation>Mostrar la contraseña</translation>
    </message>
    <message id="ImportedStatus">
        <source>Entries imported: %1, from %2</source>
        <translation>Entradas importadas: %1, desde %2</translation>
    </message>
    <message id="ExportedStatus">
        <source>Entries exported: %1, to %2</source>
        <translation>Entradas exportadas: %1, a %2</translation>
    </message>
    <message id="ShowWebAddresses">
        <source>Web Address Column</source>
        <translation>Columna Dirección web</translation>
    </message>
    <message id="HelpMenu">
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message id="KeyboardShortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message id="AboutLockmere">
        <source>About Lockmere</source>
        <translation>Acerca de Lockmere</translation>
    </message>
    <message id="AboutInfo">
        <source>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</source>
        <translation>Un gestor de contraseñas para un ordenador que comparten varias personas.&lt;br&gt;&lt;br&gt;Licencia: %1&lt;br&gt;Archivo: %2&lt;br&gt;%3</translation>
    </message>
    <message id="AboutLicence">
        <source>proprietary, all rights reserved</source>
        <translation>propietaria, todos los derechos reservados</translation>
    </message>
    <message id="AboutProtected">
        <source>The file is protected by a file passphrase.</source>
        <translation>El archivo está protegido por una frase de contraseña de archivo.</translation>
    </message>
    <message id="AboutNotProtected">
        <source>The file is not protected: anyone who can read it can read every password in it.</source>
        <translation>El archivo no está protegido: quien pueda leerlo puede leer todas sus contraseñas.</translation>
    </message>
    <message id="EscapeKeyMeans">
        <source>Close the editor without saving, or end the search</source>
        <translation>Cerrar el editor sin guardar o terminar la búsqueda</translation>
    </message>
    <message id="Key">
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message id="Command">
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message id="PassphraseWordsFrom">
        <source>Words from the %1 word list (%2)</source>
        <translation>Palabras de la lista de palabras en %1 (%2)</translation>
    </message>
</context>
</TS>
