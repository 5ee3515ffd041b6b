<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="User">
        <source>User Name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message id="Password">
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message id="Email">
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message id="Website">
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message id="Computer">
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message id="Software">
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message id="BankCard">
        <source>Bank Card</source>
        <translation>Cartão bancário</translation>
    </message>
    <message id="eBank">
        <source>Online Banking</source>
        <translation>Internet banking</translation>
    </message>
    <message id="Router">
        <source>Router</source>
        <translation>Roteador</translation>
    </message>
    <message id="Lock">
        <source>Lock</source>
        <translation>Fechadura</translation>
    </message>
    <message id="Safe">
        <source>Safe</source>
        <translation>Cofre</translation>
    </message>
    <message id="Other">
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message id="Users">
        <source>Users</source>
        <translation>Usuários</translation>
    </message>
    <message id="Exit">
        <source>Log Out</source>
        <translation>Sair da conta</translation>
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
        <translation>Categoria</translation>
    </message>
    <message id="Http">
        <source>Web Address</source>
        <translation>Endereço web</translation>
    </message>
    <message id="Memo">
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="OK">
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message id="DelConfirm">
        <source>Delete the selected item?</source>
        <translation>Excluir o item selecionado?</translation>
    </message>
    <message id="DelInfo">
        <source>It will be removed for good. This cannot be undone.</source>
        <translation>Ele será removido para sempre. Isso não pode ser desfeito.</translation>
    </message>
    <message id="NoPermissionAlert">
        <source>You are not allowed to do this.</source>
        <translation>Você não tem permissão para fazer isso.</translation>
    </message>
    <message id="NoPermissionAlertInfo">
        <source>Accounts are managed by administrators. Ordinary accounts may open only their own account, and the account named “root” can never be deleted.</source>
        <translation>As contas são gerenciadas pelos administradores. Uma conta comum só pode abrir a própria conta, e a conta chamada “root” nunca pode ser excluída.</translation>
    </message>
    <message id="TitleNotNull">
        <source>The title is empty.</source>
        <translation>O título está vazio.</translation>
    </message>
    <message id="TitleNotNullInfo">
        <source>Give the entry a title so that you can find it in the list.</source>
        <translation>Dê um título à entrada para encontrá-la na lista.</translation>
    </message>
    <message id="PwdNotNull">
        <source>The password is empty.</source>
        <translation>A senha está vazia.</translation>
    </message>
    <message id="PwdNotNullInfo">
        <source>Enter a password before you save.</source>
        <translation>Digite uma senha antes de salvar.</translation>
    </message>
    <message id="UserNotNull">
        <source>The user name is empty.</source>
        <translation>O nome de usuário está vazio.</translation>
    </message>
    <message id="UserNotNullInfo">
        <source>Enter a name for the account before you save.</source>
        <translation>Digite um nome para a conta antes de salvar.</translation>
    </message>
    <message id="SaveFailAlert">
        <source>Could not save.</source>
        <translation>Não foi possível salvar.</translation>
    </message>
    <message id="SaveFailAlertInfo">
        <source>Nothing was changed. The name may be taken already, or the database may be read-only or in use by another program. What you typed is kept: try again, or cancel.</source>
        <translation>Nada foi alterado. O nome pode já estar em uso, ou o banco de dados pode ser somente leitura ou estar em uso por outro programa. O que você digitou foi mantido: tente de novo ou cancele.</translation>
    </message>
    <message id="DelUserAlert">
        <source>This account cannot be deleted.</source>
        <translation>Esta conta não pode ser excluída.</translation>
    </message>
    <message id="CannotDelLoginUser">
        <source>You are logged in with this account. Log in with another administrator account to delete it.</source>
        <translation>Você está conectado com esta conta. Entre com outra conta de administrador para excluí-la.</translation>
    </message>
    <message id="UserHasData">
        <source>This account still owns password entries (in its categories, its recycle bin, or as earlier versions). Log in with it, delete its entries and empty its recycle bin first.</source>
        <translation>Esta conta ainda tem entradas de senha (nas categorias, na lixeira ou como versões anteriores). Entre com ela, exclua primeiro as entradas e esvazie a lixeira.</translation>
    </message>
    <message id="CategoryNotNull">
        <source>No category is chosen.</source>
        <translation>Nenhuma categoria foi escolhida.</translation>
    </message>
    <message id="CategoryNotNullInfo">
        <source>Choose the category to file the entry under.</source>
        <translation>Escolha a categoria em que a entrada será arquivada.</translation>
    </message>
    <message id="LogIn">
        <source>Log In</source>
        <translation>Entrar</translation>
    </message>
    <message id="AddEntry">
        <source>Add Entry</source>
        <translation>Adicionar entrada</translation>
    </message>
    <message id="RemoveEntry">
        <source>Remove Entry</source>
        <translation>Remover entrada</translation>
    </message>
    <message id="AddUser">
        <source>Add User</source>
        <translation>Adicionar usuário</translation>
    </message>
    <message id="RemoveUser">
        <source>Remove User</source>
        <translation>Remover usuário</translation>
    </message>
    <message id="EntryList">
        <source>Password Entries</source>
        <translation>Entradas de senha</translation>
    </message>
    <message id="UserList">
        <source>User Accounts</source>
        <translation>Contas de usuário</translation>
    </message>
    <message id="EntryCount">
        <source>Number of entries</source>
        <translation>Número de entradas</translation>
    </message>
    <message id="UserCount">
        <source>Number of accounts</source>
        <translation>Número de contas</translation>
    </message>
    <message id="Generate">
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message id="GeneratePassword">
        <source>Generate a Strong Password</source>
        <translation>Gerar uma senha forte</translation>
    </message>
    <message id="Strength">
        <source>Password Strength</source>
        <translation>Força da senha</translation>
    </message>
    <message id="StrengthVeryWeak">
        <source>Very weak</source>
        <translation>Muito fraca</translation>
    </message>
    <message id="StrengthWeak">
        <source>Weak</source>
        <translation>Fraca</translation>
    </message>
    <message id="StrengthFair">
        <source>Fair</source>
        <translation>Razoável</translation>
    </message>
    <message id="StrengthGood">
        <source>Good</source>
        <translation>Boa</translation>
    </message>
    <message id="StrengthStrong">
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message id="CopyPassword">
        <source>Copy Password</source>
        <translation>Copiar senha</translation>
    </message>
    <message id="CopyUser">
        <source>Copy User Name</source>
        <translation>Copiar nome de usuário</translation>
    </message>
    <message id="CopyHttp">
        <source>Copy Web Address</source>
        <translation>Copiar endereço web</translation>
    </message>
    <message id="ClipboardClearsIn">
        <source>Copied; the clipboard clears in %1 s</source>
        <translation>Copiado; a área de transferência será limpa em %1 s</translation>
    </message>
    <message id="EntryEditor">
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message id="AccountEditor">
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message id="RecordGone">
        <source>This record is no longer there</source>
        <translation>Este registro não existe mais</translation>
    </message>
    <message id="RecordGoneInfo">
        <source>Another copy of Lockmere changed the list meanwhile. The list has been read again; nothing was changed.</source>
        <translation>Outra cópia do Lockmere alterou a lista nesse meio-tempo. A lista foi lida de novo; nada foi alterado.</translation>
    </message>
    <message id="DeleteFailAlert">
        <source>Could not delete</source>
        <translation>Não foi possível excluir</translation>
    </message>
    <message id="DeleteFailAlertInfo">
        <source>The database refused the deletion. Nothing was deleted; try again later.</source>
        <translation>O banco de dados recusou a exclusão. Nada foi excluído; tente de novo mais tarde.</translation>
    </message>
    <message id="UserDataUnknown">
        <source>Lockmere could not read whether this account owns entries, so it was not deleted.</source>
        <translation>O Lockmere não conseguiu verificar se esta conta possui entradas, por isso ela não foi excluída.</translation>
    </message>
    <message id="Open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="NewEntry">
        <source>New Entry</source>
        <translation>Nova entrada</translation>
    </message>
    <message id="Find">
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message id="SearchField">
        <source>Search all entries</source>
        <translation>Pesquisar em todas as entradas</translation>
    </message>
    <message id="SearchResults">
        <source>Search Results</source>
        <translation>Resultados da pesquisa</translation>
    </message>
    <message id="OpenHttp">
        <source>Open Web Address</source>
        <translation>Abrir endereço web</translation>
    </message>
    <message id="Quit">
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message id="FileMenu">
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message id="EntryMenu">
        <source>&amp;Entry</source>
        <translation>&amp;Entrada</translation>
    </message>
    <message id="ViewMenu">
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message id="NoHttpAlert">
        <source>This entry has no web address</source>
        <translation>Esta entrada não tem endereço web</translation>
    </message>
    <message id="NoHttpAlertInfo">
        <source>Enter one in the entry's Web address field.</source>
        <translation>Digite um no campo Endereço web da entrada.</translation>
    </message>
    <message id="HttpRefusedAlert">
        <source>This address is not opened</source>
        <translation>Este endereço não é aberto</translation>
    </message>
    <message id="HttpRefusedAlertInfo">
        <source>Lockmere opens only web pages: addresses that start with http:// or https://, or with no scheme at all.</source>
        <translation>O Lockmere abre apenas páginas web: endereços que começam com http:// ou https://, ou sem esquema.</translation>
    </message>
    <message id="HttpOpenFailAlert">
        <source>The web address could not be opened</source>
        <translation>Não foi possível abrir o endereço web</translation>
    </message>
    <message id="HttpOpenFailAlertInfo">
        <source>No web browser took it. Copy the address and paste it into your browser.</source>
        <translation>Nenhum navegador o aceitou. Copie o endereço e cole-o no seu navegador.</translation>
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
        <translation>Importar senhas</translation>
    </message>
    <message id="ExportTitle">
        <source>Export Passwords</source>
        <translation>Exportar senhas</translation>
    </message>
    <message id="CsvFiles">
        <source>CSV files</source>
        <translation>Arquivos CSV</translation>
    </message>
    <message id="AllFiles">
        <source>All files</source>
        <translation>Todos os arquivos</translation>
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
        <translation>Este arquivo não é importado</translation>
    </message>
    <message id="ImportIsFolder">
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message id="ImportTooLarge">
        <source>It is larger than %1 MB; no password manager's export is that large.</source>
        <translation>Ele tem mais de %1 MB; nenhuma exportação de gerenciador de senhas é tão grande.</translation>
    </message>
    <message id="ImportUnreadable">
        <source>It cannot be read: %1</source>
        <translation>Ele não pode ser lido: %1</translation>
    </message>
    <message id="ImportEmpty">
        <source>It is empty.</source>
        <translation>Ele está vazio.</translation>
    </message>
    <message id="ImportNotText">
        <source>It is not a text file.</source>
        <translation>Não é um arquivo de texto.</translation>
    </message>
    <message id="ImportNotUtf8">
        <source>Its text is not UTF-8 (or UTF-16). Export it again as UTF-8, as password managers and browsers do by default.</source>
        <translation>O texto dele não está em UTF-8 (nem em UTF-16). Exporte-o de novo como UTF-8, como gerenciadores de senhas e navegadores fazem por padrão.</translation>
    </message>
    <message id="ImportUnknownHeader">
        <source>Its first line names no columns that Lockmere knows. Expected the header of an export of %1.</source>
        <translation>A primeira linha não nomeia nenhuma coluna que o Lockmere conheça. Era esperado o cabeçalho de uma exportação do %1.</translation>
    </message>
    <message id="ImportStrayQuote">
        <source>Line %1 has a quotation mark inside a field that is not in quotes, or text after a closing one.</source>
        <translation>A linha %1 tem aspas dentro de um campo que não está entre aspas, ou texto depois das aspas de fechamento.</translation>
    </message>
    <message id="ImportUnclosedQuote">
        <source>The quotation mark opened on line %1 is never closed.</source>
        <translation>As aspas abertas na linha %1 nunca são fechadas.</translation>
    </message>
    <message id="ImportFieldCount">
        <source>Line %1 has %2 fields; the header has %3.</source>
        <translation>A linha %1 tem %2 campos; o cabeçalho tem %3.</translation>
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
        <translation>%1: %2 novas</translation>
    </message>
    <message id="ImportSkippedDuplicates">
        <source>Skipped, exactly as already there: %1</source>
        <translation>Ignoradas, idênticas às já existentes: %1</translation>
    </message>
    <message id="ImportSkippedEmpty">
        <source>Skipped, without title and password: %1</source>
        <translation>Ignoradas, sem título e senha: %1</translation>
    </message>
    <message id="ImportNothing">
        <source>Nothing to import from this %1 file</source>
        <translation>Nada a importar deste arquivo do %1</translation>
    </message>
    <message id="ImportConfirm">
        <source>Import %2 entries from this %1 file?</source>
        <translation>Importar %2 entradas deste arquivo do %1?</translation>
    </message>
    <message id="Importing">
        <source>Importing…</source>
        <translation>Importando…</translation>
    </message>
    <message id="ImportCancelled">
        <source>The import was cancelled</source>
        <translation>A importação foi cancelada</translation>
    </message>
    <message id="ImportFailed">
        <source>The entries could not be saved</source>
        <translation>Não foi possível salvar as entradas</translation>
    </message>
    <message id="NothingImported">
        <source>Nothing was imported; every entry is as it was.</source>
        <translation>Nada foi importado; todas as entradas continuam como estavam.</translation>
    </message>
    <message id="ImportedFields">
        <source>Imported fields:</source>
        <translation>Campos importados:</translation>
    </message>
    <message id="ExportWarning">
        <source>The exported file holds your passwords unencrypted</source>
        <translation>O arquivo exportado contém suas senhas sem criptografia</translation>
    </message>
    <message id="ExportWarningInfo">
        <source>Anyone who can read the file can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login, and by the computer's administrator; delete it once you no longer need it.</source>
        <translation>Qualquer pessoa que possa ler o arquivo pode ler todas as senhas desta conta. Só o seu usuário deste computador pode lê-lo, ou seja, também quem compartilha esse usuário e o administrador do computador; exclua-o quando não precisar mais dele.</translation>
    </message>
    <message id="ExportFailed">
        <source>The file could not be written</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message id="ExportFailedInfo">
        <source>Choose a folder that you can write to. No file was left behind.</source>
        <translation>Escolha uma pasta em que você possa gravar. Nenhum arquivo foi deixado.</translation>
    </message>
    <message id="DefaultPasswordAlert">
        <source>root still has its published password</source>
        <translation>root ainda tem a senha publicada</translation>
    </message>
    <message id="DefaultPasswordAlertInfo">
        <source>Every new installation gives root the password "tiwe", and anyone can read it in the documentation. Change it now, so that no one else can log in as root.</source>
        <translation>Toda nova instalação dá a root a senha “tiwe”, e qualquer pessoa pode lê-la na documentação. Altere-a agora, para que ninguém mais possa entrar como root.</translation>
    </message>
    <message id="ChangePasswordNow">
        <source>Change Now</source>
        <translation>Alterar agora</translation>
    </message>
    <message id="Later">
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message id="DiscardAlert">
        <source>Discard changes?</source>
        <translation>Descartar as alterações?</translation>
    </message>
    <message id="DiscardAlertInfo">
        <source>What you changed in the editor has not been saved. Discard it, or keep editing and save it.</source>
        <translation>O que você alterou no editor não foi salvo. Descarte, ou continue editando e salve.</translation>
    </message>
    <message id="Discard">
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message id="KeepEditing">
        <source>Keep Editing</source>
        <translation>Continuar editando</translation>
    </message>
    <message id="MovedTo">
        <source>Moved to %1</source>
        <translation>Movida para %1</translation>
    </message>
    <message id="CopiedPassword">
        <source>Password copied; clears in %1 s</source>
        <translation>Senha copiada; será apagada em %1 s</translation>
    </message>
    <message id="CopiedUser">
        <source>User name copied; clears in %1 s</source>
        <translation>Nome de usuário copiado; será apagado em %1 s</translation>
    </message>
    <message id="CopiedHttp">
        <source>Web address copied; clears in %1 s</source>
        <translation>Endereço web copiado; será apagado em %1 s</translation>
    </message>
    <message id="Passphrase">
        <source>Passphrase</source>
        <translation>Frase secreta</translation>
    </message>
    <message id="Length">
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message id="Words">
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message id="NoWordList">
        <source>Passphrases need a word list: install the wamerican package.</source>
        <translation>Frases secretas precisam de uma lista de palavras: instale o pacote wamerican.</translation>
    </message>
    <message id="UppercaseLetters">
        <source>Upper-case letters</source>
        <translation>Letras maiúsculas</translation>
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
        <translation>Opções</translation>
    </message>
    <message id="ImportBrokenUtf16">
        <source>Its UTF-16 text is cut short or holds half of a character. Export it again, best as UTF-8.</source>
        <translation>O texto UTF-16 dele está cortado ou contém meio caractere. Exporte-o de novo, de preferência como UTF-8.</translation>
    </message>
    <message id="ImportNotAFile">
        <source>It is not an ordinary file but a device, a pipe or a socket.</source>
        <translation>Não é um arquivo comum, mas um dispositivo, um pipe ou um socket.</translation>
    </message>
    <message id="ImportTooManyRows">
        <source>It has more than %1 rows; no password manager's export has that many.</source>
        <translation>Ele tem mais de %1 linhas; nenhuma exportação de gerenciador de senhas tem tantas.</translation>
    </message>
    <message id="ImportSkippedTooLong">
        <source>Skipped, a field longer than Lockmere keeps (%1 KB; notes %2 KB): %3</source>
        <translation>Ignoradas, um campo mais longo do que o Lockmere guarda (%1 KB; notas %2 KB): %3</translation>
    </message>
    <message id="ExportFailedBecause">
        <source>%1. Nothing was written; a file already there keeps what it held.</source>
        <translation>%1. Nada foi gravado; um arquivo que já existia mantém o seu conteúdo.</translation>
    </message>
    <message id="ExportForeignLink">
        <source>The name you chose is a symbolic link that belongs to another user: writing through it would overwrite a file of their choosing. Nothing was written; choose another name.</source>
        <translation>O nome escolhido é um link simbólico que pertence a outro usuário: gravar por ele substituiria um arquivo escolhido por essa pessoa. Nada foi gravado; escolha outro nome.</translation>
    </message>
    <message id="FileBusyStatus">
        <source>Lockmere.sqlite3 is in use by another program; the lists show what they held. Try again in a moment.</source>
        <translation>O Lockmere.sqlite3 está em uso por outro programa; as listas mostram o que tinham. Tente de novo em instantes.</translation>
    </message>
    <message id="FileUnreadableStatus">
        <source>Lockmere.sqlite3 cannot be read: it may be damaged. The lists show what they held.</source>
        <translation>Não é possível ler o Lockmere.sqlite3: ele pode estar danificado. As listas mostram o que tinham.</translation>
    </message>
    <message id="FileBusyAlert">
        <source>The file is in use by another program</source>
        <translation>O arquivo está em uso por outro programa</translation>
    </message>
    <message id="FileBusyAlertInfo">
        <source>Another copy of Lockmere (or another program) is writing to Lockmere.sqlite3. Nothing was changed; try again in a moment.</source>
        <translation>Outra cópia do Lockmere (ou outro programa) está gravando no Lockmere.sqlite3. Nada foi alterado; tente de novo em instantes.</translation>
    </message>
    <message id="FileUnreadableAlert">
        <source>The file cannot be read</source>
        <translation>Não é possível ler o arquivo</translation>
    </message>
    <message id="FileUnreadableAlertInfo">
        <source>Lockmere could not read Lockmere.sqlite3; it may be damaged or gone. Nothing was changed.</source>
        <translation>O Lockmere não conseguiu ler o Lockmere.sqlite3; ele pode estar danificado ou ter sumido. Nada foi alterado.</translation>
    </message>
    <message id="SessionEndedAlert">
        <source>You have been logged out</source>
        <translation>Você foi desconectado</translation>
    </message>
    <message id="AccountGoneInfo">
        <source>Your account was deleted in another copy of Lockmere. Nothing more was saved for it.</source>
        <translation>Sua conta foi excluída em outra cópia do Lockmere. Nada mais foi salvo para ela.</translation>
    </message>
    <message id="AccountChangedInfo">
        <source>Your account's name or administrator rights were changed in another copy of Lockmere. Log in again to go on with the rights it has now.</source>
        <translation>O nome ou os direitos de administrador da sua conta foram alterados em outra cópia do Lockmere. Entre de novo para continuar com os direitos atuais.</translation>
    </message>
    <message id="FieldTooLong">
        <source>This text is too long</source>
        <translation>Este texto é longo demais</translation>
    </message>
    <message id="FieldTooLongInfo">
        <source>The field %1 holds at most %2 characters. Shorten it, then save again.</source>
        <translation>O campo %1 aceita no máximo %2 caracteres. Encurte o texto e salve de novo.</translation>
    </message>
    <message id="RootNameAlert">
        <source>The name root is reserved</source>
        <translation>O nome root é reservado</translation>
    </message>
    <message id="RootNameAlertInfo">
        <source>The account named root may change every administrator's flag. Only the account that had that name may have it; choose another name.</source>
        <translation>A conta chamada root pode mudar os direitos de administrador de todas. Só a conta que tinha esse nome pode tê-lo; escolha outro nome.</translation>
    </message>
    <message id="FileProblemAlert">
        <source>Lockmere cannot use its file</source>
        <translation>O Lockmere não pode usar seu arquivo</translation>
    </message>
    <message id="FileReadOnlyAlert">
        <source>Lockmere can only read its file</source>
        <translation>O Lockmere só pode ler seu arquivo</translation>
    </message>
    <message id="FileNoFolder">
        <source>%1: the Documents folder is missing and cannot be made. Nothing was written.</source>
        <translation>%1: a pasta Documentos não existe e não pode ser criada. Nada foi gravado.</translation>
    </message>
    <message id="FileCannotCreate">
        <source>%1: the file cannot be made in this folder (no permission). Nothing was written.</source>
        <translation>%1: o arquivo não pode ser criado nesta pasta (sem permissão). Nada foi gravado.</translation>
    </message>
    <message id="FileForeignLink">
        <source>%1 is a link that another user made. Lockmere does not follow it, so that your passwords go nowhere that user chose. Nothing was written; remove the link.</source>
        <translation>%1 é um link criado por outro usuário. O Lockmere não o segue, para que suas senhas não vão para onde esse usuário escolheu. Nada foi gravado; remova o link.</translation>
    </message>
    <message id="FileDanglingLink">
        <source>%1 is a link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 é um link para um arquivo que não existe. Nada foi gravado; remova o link ou restaure o arquivo.</translation>
    </message>
    <message id="FileCannotOpen">
        <source>%1 cannot be opened: something else stands there, or you may not read it. Nothing was changed.</source>
        <translation>Não é possível abrir %1: há outra coisa no lugar ou você não pode lê-lo. Nada foi alterado.</translation>
    </message>
    <message id="FileNotADatabase">
        <source>%1 is not a Lockmere database (not an SQLite file). Nothing in it was changed; move it away to start with a new file, or restore it from a backup.</source>
        <translation>%1 não é um banco de dados do Lockmere (não é um arquivo SQLite). Nada nele foi alterado; mova-o para começar com um arquivo novo ou restaure-o de um backup.</translation>
    </message>
    <message id="FileDamaged">
        <source>%1 is damaged. Nothing in it was changed; restore it from a backup.</source>
        <translation>%1 está danificado. Nada nele foi alterado; restaure-o de um backup.</translation>
    </message>
    <message id="FileBusyAtStart">
        <source>%1 is in use by another program that holds it locked. Nothing was changed; close the other program, then log in again.</source>
        <translation>%1 está bloqueado por outro programa. Nada foi alterado; feche o outro programa e entre de novo.</translation>
    </message>
    <message id="FileReadOnly">
        <source>%1 cannot be written (read-only file or folder). You can log in and read everything, but nothing can be saved.</source>
        <translation>%1 não pode ser gravado (arquivo ou pasta somente leitura). Você pode entrar e ler tudo, mas nada pode ser salvo.</translation>
    </message>
    <message id="SavedIn">
        <source>Saved in %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message id="ChangedMeanwhileAlert">
        <source>Changed in another copy meanwhile</source>
        <translation>Alterado nesse meio-tempo em outra cópia</translation>
    </message>
    <message id="ChangedMeanwhileAlertInfo">
        <source>Another copy of Lockmere saved this record while you edited it, so nothing was saved. What you typed is kept: Save again to save your changes over it (the fields you did not change then keep the other copy's values), or Cancel to see the other change.</source>
        <translation>Outra cópia do Lockmere salvou este registro enquanto você o editava, então nada foi salvo. O que você digitou é mantido: salve de novo para gravar suas alterações por cima (os campos que você não mudou ficam com os valores da outra cópia) ou cancele para ver a outra alteração.</translation>
    </message>
    <message id="DeletedMeanwhileAlert">
        <source>Deleted in another copy meanwhile</source>
        <translation>Excluído nesse meio-tempo em outra cópia</translation>
    </message>
    <message id="DeletedMeanwhileAlertInfo">
        <source>Another copy of Lockmere deleted this record while you edited it, so nothing was saved. What you typed is still in the editor: copy what you need, or add it again as a new record.</source>
        <translation>Outra cópia do Lockmere excluiu este registro enquanto você o editava, então nada foi salvo. O que você digitou ainda está no editor: copie o que precisar ou adicione de novo.</translation>
    </message>
    <message id="FileMovedStatus">
        <source>Lockmere.sqlite3 was moved, replaced or deleted while Lockmere ran: restart Lockmere.</source>
        <translation>O Lockmere.sqlite3 foi movido, substituído ou excluído enquanto o Lockmere rodava: reinicie o Lockmere.</translation>
    </message>
    <message id="FileMoved">
        <source>%1 was moved, replaced or deleted while Lockmere ran (another copy may have protected it, or removed its protection). Nothing more is read from it or written to it: restart Lockmere.</source>
        <translation>%1 foi movido, substituído ou excluído enquanto o Lockmere rodava (talvez outra cópia o tenha protegido ou removido sua proteção). Nada mais é lido dele nem gravado nele: reinicie o Lockmere.</translation>
    </message>
    <message id="FileReadOnlyInfo">
        <source>Lockmere.sqlite3 can only be read (a read-only file or folder). Nothing was changed.</source>
        <translation>O Lockmere.sqlite3 só pode ser lido (arquivo ou pasta somente leitura). Nada foi alterado.</translation>
    </message>
    <message id="ProtectMenu">
        <source>Protect File with a Passphrase…</source>
        <translation>Proteger o arquivo com uma frase secreta…</translation>
    </message>
    <message id="ChangePassphraseMenu">
        <source>Change File Passphrase…</source>
        <translation>Alterar a frase secreta do arquivo…</translation>
    </message>
    <message id="NewRecoveryCodeMenu">
        <source>Show New Recovery Code…</source>
        <translation>Mostrar um novo código de recuperação…</translation>
    </message>
    <message id="RemoveProtectionMenu">
        <source>Remove Protection…</source>
        <translation>Remover a proteção…</translation>
    </message>
    <message id="UnlockButton">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="UnlockPrompt">
        <source>%1 is protected. Type its file passphrase, or its recovery code, to open it. Then each person logs in as usual.</source>
        <translation>%1 está protegido. Digite a frase secreta do arquivo, ou o código de recuperação, para abri-lo. Depois cada pessoa entra como de costume.</translation>
    </message>
    <message id="UnlockField">
        <source>File passphrase or recovery code</source>
        <translation>Frase secreta do arquivo ou código de recuperação</translation>
    </message>
    <message id="UnlockRefused">
        <source>This is not the file passphrase or the recovery code. Nothing was changed; try again.</source>
        <translation>Esta não é a frase secreta do arquivo nem o código de recuperação. Nada foi alterado; tente de novo.</translation>
    </message>
    <message id="UnlockDamaged">
        <source>The file is damaged: a part of it has been changed or cut off outside Lockmere. Nothing was written to it; restore it from a backup.</source>
        <translation>O arquivo está danificado: uma parte dele foi alterada ou cortada fora do Lockmere. Nada foi gravado nele; restaure-o de um backup.</translation>
    </message>
    <message id="Continue">
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message id="RemoveProtection">
        <source>Remove Protection</source>
        <translation>Remover a proteção</translation>
    </message>
    <message id="NewPassphraseTitle">
        <source>File passphrase</source>
        <translation>Frase secreta do arquivo</translation>
    </message>
    <message id="NewPassphraseInfo">
        <source>Everyone who starts Lockmere on this computer will need it before logging in: tell it to the people who share the file. Choose words that are easy to remember and hard to guess.</source>
        <translation>Todos que abrirem o Lockmere neste computador vão precisar dela antes de entrar: conte-a a quem compartilha o arquivo. Escolha palavras fáceis de lembrar e difíceis de adivinhar.</translation>
    </message>
    <message id="NewPassphrase">
        <source>New file passphrase</source>
        <translation>Nova frase secreta</translation>
    </message>
    <message id="RepeatPassphrase">
        <source>Type it again</source>
        <translation>Digite de novo</translation>
    </message>
    <message id="SetPassphrase">
        <source>Use This Passphrase</source>
        <translation>Usar esta frase secreta</translation>
    </message>
    <message id="PassphraseTooShort">
        <source>A file passphrase has at least %1 characters.</source>
        <translation>Uma frase secreta tem pelo menos %1 caracteres.</translation>
    </message>
    <message id="PassphraseTooWeak">
        <source>This passphrase is too easy to guess: add words, or choose less common ones.</source>
        <translation>Esta frase secreta é fácil demais de adivinhar: acrescente palavras ou escolha outras menos comuns.</translation>
    </message>
    <message id="PassphrasesDiffer">
        <source>The two passphrases differ: type the same one twice.</source>
        <translation>As duas frases secretas são diferentes: digite a mesma duas vezes.</translation>
    </message>
    <message id="RecoveryCodeTitle">
        <source>Recovery code</source>
        <translation>Código de recuperação</translation>
    </message>
    <message id="RecoveryCodeInfo">
        <source>If the file passphrase is ever forgotten, this code opens the file instead. It is shown only now: write it down and keep it apart from this computer. Without the passphrase and without this code nobody can open the file, not even Lockmere.</source>
        <translation>Se a frase secreta do arquivo for esquecida, este código abre o arquivo no lugar dela. Ele só é mostrado agora: anote-o e guarde-o longe deste computador. Sem a frase secreta e sem este código ninguém abre o arquivo, nem o Lockmere.</translation>
    </message>
    <message id="CopyRecoveryCode">
        <source>Copy the Code</source>
        <translation>Copiar o código</translation>
    </message>
    <message id="RecoveryCodeKept">
        <source>I have written the code down and keep it apart from this computer</source>
        <translation>Anotei o código e o guardo longe deste computador</translation>
    </message>
    <message id="ProtectedAlert">
        <source>The file is protected</source>
        <translation>O arquivo está protegido</translation>
    </message>
    <message id="ProtectedAlertInfo">
        <source>Every page of Lockmere.sqlite3 is now encrypted, and its plain copy was overwritten. From the next start on, Lockmere asks for the file passphrase (or the recovery code) before anyone can log in.</source>
        <translation>Cada página do Lockmere.sqlite3 agora está criptografada, e a cópia sem criptografia foi sobrescrita. A partir da próxima abertura, o Lockmere pede a frase secreta (ou o código de recuperação) antes que alguém possa entrar.</translation>
    </message>
    <message id="PassphraseChangedAlert">
        <source>The file passphrase is changed</source>
        <translation>A frase secreta do arquivo foi alterada</translation>
    </message>
    <message id="PassphraseChangedAlertInfo">
        <source>From now on only the new passphrase (or the recovery code) opens the file; the old one no longer does.</source>
        <translation>A partir de agora só a nova frase secreta (ou o código de recuperação) abre o arquivo; a antiga não mais.</translation>
    </message>
    <message id="RecoveryCodeChangedAlert">
        <source>The recovery code is new</source>
        <translation>O código de recuperação é novo</translation>
    </message>
    <message id="RecoveryCodeChangedAlertInfo">
        <source>From now on only the code just shown opens the file when the passphrase is forgotten; the old code no longer does.</source>
        <translation>A partir de agora só o código que acabou de ser mostrado abre o arquivo se a frase secreta for esquecida; o antigo não mais.</translation>
    </message>
    <message id="ProtectionRemovedAlert">
        <source>Protection is removed</source>
        <translation>A proteção foi removida</translation>
    </message>
    <message id="ProtectionRemovedAlertInfo">
        <source>Lockmere.sqlite3 is a plain SQLite file again: anyone who can read it can read every password in it.</source>
        <translation>O Lockmere.sqlite3 voltou a ser um arquivo SQLite comum: quem puder lê-lo pode ler todas as senhas nele.</translation>
    </message>
    <message id="ProtectionFailed">
        <source>The file was not changed</source>
        <translation>O arquivo não foi alterado</translation>
    </message>
    <message id="ProtectionFailedInfo">
        <source>Lockmere could not write or check the new file (a full disk, a folder it may not write to). The file is as it was, and opens as before.</source>
        <translation>O Lockmere não conseguiu gravar ou verificar o novo arquivo (disco cheio, pasta sem permissão de gravação). O arquivo está como estava e abre como antes.</translation>
    </message>
    <message id="RemoveProtectionAlert">
        <source>Remove the file's protection?</source>
        <translation>Remover a proteção do arquivo?</translation>
    </message>
    <message id="RemoveProtectionAlertInfo">
        <source>Lockmere.sqlite3 will be written back as a plain SQLite file: anyone who can read it (a backup, a synced folder, another program at this login) will read every password of every account. The passphrase and the recovery code will no longer be needed.</source>
        <translation>O Lockmere.sqlite3 será gravado de volta como arquivo SQLite comum: quem puder lê-lo (um backup, uma pasta sincronizada, outro programa deste usuário) lerá todas as senhas de todas as contas. A frase secreta e o código de recuperação não serão mais necessários.</translation>
    </message>
    <message id="ExportWarningProtectedInfo">
        <source>Lockmere.sqlite3 is protected, but the file you export is not: anyone who can read it can read every password of this account. It is made readable by your login of this computer only, which also means by everyone who shares that login; delete it once you no longer need it.</source>
        <translation>O Lockmere.sqlite3 está protegido, mas o arquivo exportado não: quem puder lê-lo pode ler todas as senhas desta conta. Só o seu usuário deste computador pode lê-lo, ou seja, também quem o compartilha; exclua-o quando não precisar mais dele.</translation>
    </message>
    <message id="RecoveredAlert">
        <source>Opened with the recovery code</source>
        <translation>Aberto com o código de recuperação</translation>
    </message>
    <message id="RecoveredAlertInfo">
        <source>If root's password is forgotten too, Lockmere can set it back to the published one (tiwe); root is then asked to change it at its next login. Choose a new file passphrase soon (File → Change File Passphrase…).</source>
        <translation>Se a senha de root também foi esquecida, o Lockmere pode voltá-la para a publicada (tiwe); root será solicitado a mudá-la no próximo login. Escolha logo uma nova frase secreta (Arquivo → Alterar a frase secreta do arquivo…).</translation>
    </message>
    <message id="ResetRootPassword">
        <source>Reset Root's Password</source>
        <translation>Redefinir a senha de root</translation>
    </message>
    <message id="HistoryButton">
        <source>History…</source>
        <translation>Histórico…</translation>
    </message>
    <message id="HistoryTitle">
        <source>Earlier versions of %1</source>
        <translation>Versões anteriores de %1</translation>
    </message>
    <message id="HistoryEmpty">
        <source>This entry has no earlier versions yet: each Save that changes it keeps what it held before.</source>
        <translation>Esta entrada ainda não tem versões anteriores: cada salvamento que a altera guarda o que ela tinha antes.</translation>
    </message>
    <message id="HistoryInfo">
        <source>Newest first. The 20 latest versions of each entry are kept. Restoring a version keeps the values it replaces as a version too.</source>
        <translation>As mais recentes primeiro. As 20 últimas versões de cada entrada são guardadas. Restaurar uma versão guarda também como versão os valores que ela substitui.</translation>
    </message>
    <message id="ReplacedAt">
        <source>Replaced</source>
        <translation>Substituída em</translation>
    </message>
    <message id="WhatChanged">
        <source>What changed</source>
        <translation>O que mudou</translation>
    </message>
    <message id="NothingChanged">
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message id="CopyOldPassword">
        <source>Copy Its Password</source>
        <translation>Copiar a senha</translation>
    </message>
    <message id="RestoreVersion">
        <source>Restore This Version</source>
        <translation>Restaurar esta versão</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="RecycleBinMenu">
        <source>Recycle Bin</source>
        <translation>Lixeira</translation>
    </message>
    <message id="RecycleBinTitle">
        <source>Recycle bin</source>
        <translation>Lixeira</translation>
    </message>
    <message id="RecycleBinInfo">
        <source>Your deleted entries. Restore one to put it back in its category (or in Other, if that is gone), or delete it for good. Entries deleted more than %1 days ago are removed for good at your next login.</source>
        <translation>Suas entradas excluídas. Restaure uma para devolvê-la à categoria (ou a Outros, se ela não existir mais), ou exclua-a de vez. Entradas excluídas há mais de %1 dias são removidas de vez no seu próximo login.</translation>
    </message>
    <message id="DeletedAt">
        <source>Deleted</source>
        <translation>Excluída em</translation>
    </message>
    <message id="RestoreEntry">
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message id="DeleteForGood">
        <source>Delete for Good</source>
        <translation>Excluir de vez</translation>
    </message>
    <message id="EmptyRecycleBin">
        <source>Empty Recycle Bin</source>
        <translation>Esvaziar a lixeira</translation>
    </message>
    <message id="EmptyRecycleBinAlert">
        <source>Empty the recycle bin?</source>
        <translation>Esvaziar a lixeira?</translation>
    </message>
    <message id="EmptyRecycleBinAlertInfo">
        <source>Every entry in your recycle bin, and its earlier versions, will be deleted for good. This cannot be undone.</source>
        <translation>Todas as entradas da sua lixeira, e suas versões anteriores, serão excluídas de vez. Isso não pode ser desfeito.</translation>
    </message>
    <message id="DeleteForGoodInfo">
        <source>This entry and its earlier versions will be deleted for good. This cannot be undone.</source>
        <translation>Esta entrada e suas versões anteriores serão excluídas de vez. Isso não pode ser desfeito.</translation>
    </message>
    <message id="DelEntryInfo">
        <source>It moves to your recycle bin, where you can restore it for 30 days (View → Recycle Bin).</source>
        <translation>Ela vai para a sua lixeira, de onde você pode restaurá-la por 30 dias (Exibir → Lixeira).</translation>
    </message>
    <message id="MovedToBin">
        <source>Moved to the recycle bin</source>
        <translation>Movida para a lixeira</translation>
    </message>
    <message id="ChangePassphraseTitle">
        <source>New file passphrase</source>
        <translation>Nova frase secreta do arquivo</translation>
    </message>
    <message id="ChangePassphraseInfo">
        <source>The new passphrase replaces the current one as soon as you confirm it: from then on only it (or the recovery code) opens the file. Tell it to the people who share the file.</source>
        <translation>A nova frase secreta substitui a atual assim que você a confirmar: a partir daí só ela (ou o código de recuperação) abre o arquivo. Conte-a a quem compartilha o arquivo.</translation>
    </message>
    <message id="ShowPassphrase">
        <source>Show the passphrase</source>
        <translation>Mostrar a frase secreta</translation>
    </message>
    <message id="RecoveryCodeReplaces">
        <source>This code replaces the current one: the code you wrote down before stops working when you click Continue.</source>
        <translation>Este código substitui o atual: o que você anotou antes deixa de funcionar quando clicar em Continuar.</translation>
    </message>
    <message id="RecoveryCodeCopied">
        <source>Copied; the clipboard clears in 10 s</source>
        <translation>Copiado; a área de transferência é limpa em 10 s</translation>
    </message>
    <message id="CurrentSecretTitle">
        <source>Current file passphrase</source>
        <translation>Frase secreta atual do arquivo</translation>
    </message>
    <message id="CurrentSecretInfo">
        <source>To change the file's protection, type its current passphrase (or its recovery code).</source>
        <translation>Para mudar a proteção do arquivo, digite a frase secreta atual (ou o código de recuperação).</translation>
    </message>
    <message id="WrongFileSecret">
        <source>Not the file's passphrase</source>
        <translation>Não é a frase secreta do arquivo</translation>
    </message>
    <message id="UnlockChecking">
        <source>Checking…</source>
        <translation>Verificando…</translation>
    </message>
    <message id="RootPasswordResetAlert">
        <source>Root's password is the published one again</source>
        <translation>A senha de root voltou a ser a publicada</translation>
    </message>
    <message id="RootPasswordResetAlertInfo">
        <source>Log in as root with the password tiwe now, and change it at once: everybody who has read the README knows it.</source>
        <translation>Entre agora como root com a senha tiwe e troque-a na hora: todos que leram o README a conhecem.</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message id="VersionRestored">
        <source>Version restored and saved</source>
        <translation>Versão restaurada e salva</translation>
    </message>
    <message id="RestoredFromBin">
        <source>Restored from the recycle bin</source>
        <translation>Restaurado da lixeira</translation>
    </message>
    <message id="LoginRefused">
        <source>Wrong user name or password</source>
        <translation>Nome de usuário ou senha incorretos</translation>
    </message>
    <message id="NewAccount">
        <source>New Account…</source>
        <translation>Nova conta…</translation>
    </message>
    <message id="AdministratorsOnly">
        <source>Only an administrator can add or delete accounts</source>
        <translation>Somente um administrador pode adicionar ou excluir contas</translation>
    </message>
    <message id="HidePasswords">
        <source>Hide Passwords</source>
        <translation>Ocultar senhas</translation>
    </message>
    <message id="ShowPassword">
        <source>Show the password</source>
        <translation>Mostrar a senha</translation>
    </message>
    <message id="ImportedStatus">
        <source>Entries imported: %1, from %2</source>
        <translation>Entradas importadas: %1, de %2</translation>
    </message>
    <message id="ExportedStatus">
        <source>Entries exported: %1, to %2</source>
        <translation>Entradas exportadas: %1, para %2</translation>
    </message>
    <message id="ShowWebAddresses">
        <source>Web Address Column</source>
        <translation>Coluna Endereço web</translation>
    </message>
    <message id="HelpMenu">
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message id="KeyboardShortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message id="AboutLockmere">
        <source>About Lockmere</source>
        <translation>Sobre o Lockmere</translation>
    </message>
    <message id="AboutInfo">
        <source>A password manager for a computer that several people share.&lt;br&gt;&lt;br&gt;Licence: %1&lt;br&gt;File: %2&lt;br&gt;%3</source>
        <translation>Um gerenciador de senhas para um computador compartilhado por várias pessoas.&lt;br&gt;&lt;br&gt;Licença: %1&lt;br&gt;Arquivo: %2&lt;br&gt;%3</translation>
    </message>
    <message id="AboutLicence">
        <source>proprietary, all rights reserved</source>
        <translation>proprietária, todos os direitos reservados</translation>
    </message>
    <message id="AboutProtected">
        <source>The file is protected by a file passphrase.</source>
        <translation>O arquivo está protegido por uma frase secreta de arquivo.</translation>
    </message>
    <message id="AboutNotProtected">
        <source>The file is not protected: anyone who can read it can read every password in it.</source>
        <translation>O arquivo não está protegido: quem puder lê-lo pode ler todas as senhas nele.</translation>
    </message>
    <message id="EscapeKeyMeans">
        <source>Close the editor without saving, or end the search</source>
        <translation>Fechar o editor sem salvar ou encerrar a busca</translation>
    </message>
    <message id="Key">
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message id="Command">
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message id="PassphraseWordsFrom">
        <source>Words from the %1 word list (%2)</source>
        <translation>Palavras da lista de palavras em %1 (%2)</translation>
    </message>
</context>
</TS>
