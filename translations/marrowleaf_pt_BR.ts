<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Uma exportação do Day One</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>uma exportação do Day One (.zip, pasta ou .json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Um backup do Diaro</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>um backup do Diaro (.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>Um diário do jrnl</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>um diário do jrnl</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>Um diário do RedNotebook</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>a pasta de dados do RedNotebook</translation>
    </message>
</context>
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>O calendário do mês; os dias com entradas ficam em negrito, Alt+Esquerda e Alt+Direita vão para o dia anterior e o próximo dia com uma entrada</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, %n entrada, uma cópia de conflito de uma ferramenta de sincronização</numerusform>
            <numerusform>%1, %n entradas, uma cópia de conflito de uma ferramenta de sincronização</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1, uma cópia de conflito de uma ferramenta de sincronização</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1, %n entrada</numerusform>
            <numerusform>%1, %n entradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>Criptografia</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>&amp;Repetir a senha:</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Criptografar</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>Alterar a s&amp;enha…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>&amp;Descriptografar…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>Criptografar as en&amp;tradas não criptografadas</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>Le&amp;mbrar a senha neste dispositivo</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Guardada no chaveiro da área de trabalho, para este diário</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>Curta demais: uma senha precisa de pelo menos %1 caracteres.</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>Fraca: uma senha mais longa, ou algumas palavras sem relação entre si, é muito mais difícil de adivinhar.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>Razoável: mais alguns caracteres ou palavras a tornam forte.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Forte.</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>Este diário não está criptografado: qualquer pessoa que tenha a pasta pode ler as entradas. Criptografado, cada entrada, seu histórico, seus rascunhos e suas imagens só podem ser lidos com a senha; as ferramentas de sincronização e o histórico continuam funcionando.</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>Este diário está criptografado: as entradas, seu histórico, rascunhos e imagens só abrem com a senha.</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>Dois dispositivos o criptografaram, cada um com sua própria chave: os arquivos dos dois abrem. “Criptografar as entradas não criptografadas” sela todos de novo com a chave deste dispositivo.</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nova senha:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Senha:</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>%n arquivo do diário não está criptografado: gravado por outro programa ou dispositivo, ou antes da criptografia. Ele é criptografado ao ser salvo, ou por “Criptografar as entradas não criptografadas”.</numerusform>
            <numerusform>%n arquivos do diário não estão criptografados: gravados por outro programa ou dispositivo, ou antes da criptografia. Eles são criptografados ao serem salvos, ou por “Criptografar as entradas não criptografadas”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n arquivo está criptografado com uma chave que esta senha não abre:</numerusform>
            <numerusform>%n arquivos estão criptografados com uma chave que esta senha não abre:</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>As duas senhas são diferentes. Digite a mesma senha duas vezes.</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>Criando a chave do diário…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>Não foi possível criptografar o diário:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>A senha está errada. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>Digite a senha atual do diário.</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>Alterando a senha…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>Não foi possível alterar a senha:
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>A senha foi alterada. Os outros dispositivos usam a nova assim que o arquivo de chave chegar a eles.</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>Descriptografar grava cada entrada, seu histórico e suas imagens de novo como arquivos não criptografados, legíveis por qualquer pessoa que tenha a pasta. Digite a senha do diário para descriptografá-lo.</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>Criptografando o diário…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>Descriptografando o diário…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>Interrompido. O diário funciona como está, com alguns arquivos convertidos e outros não; a conversão continua na próxima inicialização.</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>O diário está criptografado.</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>O diário foi descriptografado: os arquivos estão sem criptografia de novo.</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>O diário continua criptografado: alguns arquivos não puderam ser descriptografados.</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>Estes arquivos foram deixados como estão:</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Não foi possível guardar a senha no chaveiro da área de trabalho:
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>Digite a senha do diário para guardá-la no chaveiro da área de trabalho.</translation>
    </message>
</context>
<context>
    <name>TExportWindow</name>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Markdown</source>
        <translation>Markdown</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Texto simples</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>Não foi possível exportar para %1:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>A&amp;té</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>Diário &amp;inteiro</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Diário inteiro</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Abas</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>Pr&amp;ocurar…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>diário</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>Um dia por &amp;página</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>Um dia por página</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Diário do Marrowleaf</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>Escolha o arquivo para onde exportar.</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportando…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Imp&amp;rimir…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>&amp;Visualizar…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Visualizar…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>Nenhum dia de %1 a %2 tem uma entrada das abas escolhidas: nada foi exportado.</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>Nenhum dia de %1 a %2 tem uma entrada das abas escolhidas: nada foi impresso.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>Não foi possível ler o seguinte:
%1

Exportar sem isso?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>Não foi possível ler o seguinte:
%1

Imprimir sem isso?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>Não foi possível imprimir em %1.</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>Este diário está criptografado e a exportação não: %1 (e suas imagens) serão arquivos não criptografados que qualquer pessoa que os tenha poderá ler.
Exportar mesmo assim?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>Palavras a localizar, &quot;uma frase&quot; entre aspas</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>Palavras a localizar em todas as entradas; as aspas formam uma frase</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>Um texto digitado em uma sessão anterior nunca foi salvo, em:
%1

Ele está guardado como texto não salvo no histórico de cada entrada (Arquivo, Histórico), de onde pode ser restaurado.</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>O editor é definido pela chave EDITOR na seção [GENERAL] de
%1
O editor deve ficar aberto até você terminar a entrada, por exemplo
EDITOR = gedit --wait, kate --block, gvim -f ou code --wait.</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>Nenhum editor definido.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>A %1 é um link para um arquivo fora do diário. Ela é mostrada somente para leitura e não é passada a um editor.</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>Não foi possível guardar no histórico o texto da %1:
%2</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>O editor “%1” terminou de forma anormal e deixou a entrada inalterada.</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>O editor “%1” terminou com o código de saída %2 e deixou a entrada inalterada.</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>O editor retornou imediatamente; talvez ele ainda esteja aberto em uma janela própria.
O diário mostra o que for salvo lá assim que for salvo.</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>Nenhum programa chamado “%1” foi encontrado.</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>Não foi possível iniciar o editor “%1”: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>Entrada de %1</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>O arquivo não existe. Clique no botão “criar”.</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>Ainda não há entrada para %1</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>Entrada de %1, somente leitura: um link para um arquivo fora do diário</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>Entrada de %1, somente leitura</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>Outro programa alterou a %1 depois que ela foi mostrada.
Seu texto foi salvo; a outra versão está no histórico da entrada (Arquivo, Histórico).</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>Não foi possível guardar no histórico o texto que a %1 continha antes:
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>O texto da entrada mostrada, salvo; o texto que ele substituiu está no histórico</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>entrada de %1</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>Não foi possível salvar a %1:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>O texto foi guardado em
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>O texto da entrada mostrada, não salvo; guardado em um arquivo de recuperação</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>Também não foi possível guardar o texto (%1). Copie-o da janela antes que outra entrada seja mostrada.</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Localizar…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Histórico…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>Dia anterior com uma entrada</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>Próximo dia com uma entrada</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>editor</translation>
    </message>
    <message>
        <source>create</source>
        <translation>criar</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>salvar sem perguntar</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Ano anterior</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Próximo ano</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Mostrar hoje</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>Abrir esta entrada no editor externo</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>Criar a entrada deste dia</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>Salvar sem perguntar</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>A data de hoje</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>Uma aba por tipo de entrada; um sinal de mais marca as abas cuja entrada existe</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>O texto da entrada mostrada</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>Data inválida: ano %1, mês %2, dia %3</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>O calendário não pode mostrar esta data</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, aba “%2”</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>E&amp;tiquetas…</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>&amp;Modelos…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>&amp;Retrospectiva…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>O modelo %1 não pode ser usado:
%2

A nova entrada começa vazia.</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>Não foi possível escrever o modelo %1 na nova entrada:
%2

A nova entrada começa vazia.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>Im&amp;portar…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>Inserir ima&amp;gem…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Inserir imagem</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>Não foi possível ler a imagem %1:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 não é uma imagem que o diário consiga mostrar (PNG, JPEG, GIF, BMP ou WebP).</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>Não foi possível guardar a imagem com a %1:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>Não é possível usar a importação: sua parte do programa não pôde ser carregada (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>Não pode ser lida e não é passada a um editor: %1.</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>Não foi possível criar uma pasta privada para a cópia do editor: %1.</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>O editor retornou na hora, e sua cópia da entrada criptografada foi removida: o que ele salvar agora se perde. Configure um editor que fique aberto até você terminar.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>não é um arquivo de chave</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>foi gravado por uma versão mais nova do programa</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>este dispositivo não tem a memória que a senha exige</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>Este diário está criptografado. Digite a senha para abri-lo.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Não foi possível guardar a senha no chaveiro da área de trabalho:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>A senha está errada. Digite a senha deste diário.</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>Dois dispositivos criptografaram este diário, cada um com sua própria senha, e uma ferramenta de sincronização manteve os dois arquivos de chave. Digite também a senha do outro dispositivo, ou Cancelar para abrir só as entradas que esta senha abre.</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>Este diário está criptografado, mas nenhum dos arquivos de chave pode ser usado:
%1

Nada foi lido nem gravado.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>Esta entrada não pode ser lida: está criptografada e o diário não tem arquivo de chave (marrowleaf.key) para abri-la. Traga o arquivo de chave de uma cópia do diário ou de outro dispositivo e inicie o diário de novo.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>Esta entrada não pode ser lida: está criptografada com uma chave que a senha do diário não abre (a senha de outro dispositivo ou de outro diário). As versões anteriores estão em Arquivo, Histórico.</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>Esta entrada não pode ser lida: o arquivo criptografado está danificado (alterado ou cortado desde que foi gravado). As versões anteriores estão em Arquivo, Histórico, onde uma pode ser restaurada.</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>Entrada de %1, não pode ser lida</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>O texto foi guardado, criptografado, como texto não salvo no histórico da entrada (Arquivo, Histórico).</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>Cript&amp;ografia…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1, aba %2, ainda não salva: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1, aba %2: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>ainda não salva</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Entradas encontradas</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>Mais recentes primeiro; Enter mostra a entrada com as palavras selecionadas</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>Quantas entradas foram encontradas</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Localizando…</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n entrada encontrada</numerusform>
            <numerusform>%n entradas encontradas</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>Nenhuma entrada contém “%1”.</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>Histórico da %1</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>Nenhuma entrada está sendo mostrada, então não há histórico para mostrar.</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>Esta entrada ainda não tem versões anteriores.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versões</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>Os textos da entrada, mais recentes primeiro: o arquivo atual, o texto não salvo, as versões anteriores</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>O texto da versão escolhida</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>Coloca o texto escolhido na entrada, para ser salvo como o que foi digitado</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>Agora no arquivo da entrada</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>texto não salvo de %1</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>escrito por outro programa</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>cópia feita por uma ferramenta de sincronização: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>%n versão anterior</numerusform>
            <numerusform>%n versões anteriores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>Um &amp;arquivo…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>Uma &amp;pasta…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Origem</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Aba</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>&amp;Aba</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>O que a importação fará</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lendo %1…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1: não é um diário que possa ser importado aqui</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: não pode ser lido (%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1: não pode ser interpretado (%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1: não é uma entrada (%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1: uma data que não existe (%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1: o anexo %2 está faltando; seu link é mantido</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>Coordenadas de lugares: %n (os nomes dos lugares são mantidos)</numerusform>
            <numerusform>Coordenadas de lugares: %n (os nomes dos lugares são mantidos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Formatação de entradas do Day One: %n (o texto em Markdown é mantido)</numerusform>
            <numerusform>Formatação de entradas do Day One: %n (o texto em Markdown é mantido)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>Humores das entradas: %n</numerusform>
            <numerusform>Humores das entradas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>Pastas de entradas: %n (todas vão para a aba escolhida)</numerusform>
            <numerusform>Pastas de entradas: %n (todas vão para a aba escolhida)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>Sem lugar numa entrada de texto simples:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Não foi possível ler:</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nada para importar.</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>Entradas: %n</numerusform>
            <numerusform>Entradas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>Dias: %n</numerusform>
            <numerusform>Dias: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>Dias que já têm uma entrada: %n (mantida; o texto importado é adicionado depois dela)</numerusform>
            <numerusform>Dias que já têm uma entrada: %n (mantida; o texto importado é adicionado depois dela)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>Dias que já contêm esta importação: %n (deixados como estão)</numerusform>
            <numerusform>Dias que já contêm esta importação: %n (deixados como estão)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>Diários sem uma aba com o seu nome: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>Nenhuma aba tem o nome dos diários %1. Adicionar ao diário uma aba com esse nome para cada um?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>Não foi possível gravar as novas abas no config.ini; esses diários vão para a aba escolhida.</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importando…</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>A importação foi cancelada.</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>A importação foi concluída.</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>Novas entradas: %n</numerusform>
            <numerusform>Novas entradas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>Entradas mantidas, com o texto importado adicionado depois: %n (o texto anterior está no histórico)</numerusform>
            <numerusform>Entradas mantidas, com o texto importado adicionado depois: %n (o texto anterior está no histórico)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>Entradas que já continham a importação, deixadas como estavam: %n</numerusform>
            <numerusform>Entradas que já continham a importação, deixadas como estavam: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>Anexos copiados: %n</numerusform>
            <numerusform>Anexos copiados: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>Dias a partir de %1, deixados como estavam: %n</numerusform>
            <numerusform>Dias a partir de %1, deixados como estavam: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>Não importado, deixado como estava: %1 (%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>Importado, mas o texto anterior não pôde ser mantido no histórico: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>Escolha um diário para importar: %1.</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1: um backup criptografado, que não pode ser lido; o Diaro pode gravar um backup sem criptografia (.zip) para importar no lugar</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1: nenhuma entrada começa com data e hora no formato [2024-05-05 06:30 PM] ou 2024-05-05 18:30; a linha encontrada ali: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1: o anexo %2 tem um nome que nenhum arquivo pode ter aqui; deixado de fora</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1: um link para um local fora da pasta escolhida; deixado de fora</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1: não é um arquivo comum (um pipe, um dispositivo ou um socket); deixado de fora</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1: não é um dia de um diário do jrnl em pastas (ANO/MÊS/DIA.txt); deixado de fora</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1: a entidade XML %2 não pode ser lida; o texto é importado sem ela</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…e mais %n deste tipo</numerusform>
            <numerusform>…e mais %n deste tipo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>Entradas que o diário já contém na aba %1: %n (importadas também nesta aba)</numerusform>
            <numerusform>Entradas que o diário já contém na aba %1: %n (importadas também nesta aba)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>Anexos: %n (%1, copiados para a pasta do diário)</numerusform>
            <numerusform>Anexos: %n (%1, copiados para a pasta do diário)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>Nada foi importado: a importação precisa de %1, e o disco da pasta do diário tem %2 livres.</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>O que a importação fez</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>Não importado, suas alterações na janela do diário não estão salvas: %1 (importe de novo quando estiverem)</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>Retrospectiva</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>Neste dia</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>Entradas deste dia em anos anteriores</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>Mais recentes primeiro; Enter mostra a entrada na janela do diário</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>Nada foi escrito neste dia em nenhum ano anterior.</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Dias escritos:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palavras:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caracteres:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>Palavras por dia escrito:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Sequência atual:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Maior sequência:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>Primeira entrada:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>Última entrada:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Ano:</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>Uma célula por dia, de cor mais forte quanto mais palavras; as setas movem, Enter mostra o dia</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>há %n ano</numerusform>
            <numerusform>há %n anos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1, %2, aba %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dia</numerusform>
            <numerusform>%Ln dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln dia, até %1</numerusform>
            <numerusform>%Ln dias, até %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>Palavras por dia em %1</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>este ano</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>daqui a %n ano</numerusform>
            <numerusform>daqui a %n anos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>Palavras por mês em %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln palavra</numerusform>
            <numerusform>%1: %Ln palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>As palavras de cada mês; Esquerda e Direita passam de um mês a outro</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>Não lido: %n arquivo com nome de entrada não pôde ser lido: %1</numerusform>
            <numerusform>Não lidos: %n arquivos com nome de entrada não puderam ser lidos: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Senha:</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>&amp;Lembrar a senha neste dispositivo</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Guardada no chaveiro da área de trabalho, para este diário</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>Imagem não encontrada: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>Imagem fora do diário: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>Não é uma imagem: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>Não é possível mostrar a imagem: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Imagem: %1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>Texto modificado</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>Salvar?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>Não foi possível adicionar a palavra “%1” ao seu dicionário pessoal. Ela será considerada correta até o diário ser fechado.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Nenhuma sugestão</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Adicionar ao dicionário</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Ignorar tudo</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Verificar ortografia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>Nenhum dicionário instalado</translation>
    </message>
</context>
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>Mostrar as etiquetas que contêm estas letras</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Filtrar as etiquetas</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>Todas as etiquetas do diário com o número de entradas que as contêm; escolher uma lista as entradas dela abaixo</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renomear…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>Renomeia a etiqueta escolhida em todas as entradas, ou a mescla com outra</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>Lendo as etiquetas…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1, %n entrada</numerusform>
            <numerusform>#%1, %n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>Nenhuma entrada tem etiqueta.</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetas</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>Renomear etiqueta</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>Novo nome de #%1 em todas as entradas (o nome de uma etiqueta existente mescla as duas):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>“%1” não pode ser nome de etiqueta: um nome contém letras, algarismos, &apos;_&apos;, &apos;-&apos; e &apos;/&apos;, e pelo menos uma letra.</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1: as alterações dela na janela não estão salvas</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1: a codificação dela não comporta o novo nome</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, aba “%2”</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1: outro programa a alterou nesse meio-tempo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 foi renomeada para #%2 em %n entrada.</numerusform>
            <numerusform>#%1 foi renomeada para #%2 em %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>Não renomeadas:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%1 de %n etiqueta</numerusform>
            <numerusform>%1 de %n etiquetas</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>As etiquetas aninhadas sob ela são renomeadas com ela: %1.</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>Apenas uma mudança de maiúsculas e minúsculas: cada entrada passará a escrever #%1 assim, qualquer que seja a forma que tenha agora.</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 já é uma etiqueta: as duas são mescladas em uma só.</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>Mesclar #%1 em #%2? Toda entrada com #%1 passará a ter #%2, e as duas não poderão mais ser distinguidas: renomear de volta renomearia as duas.</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 foi mesclada em #%2 em %n entrada.</numerusform>
            <numerusform>#%1 foi mesclada em #%2 em %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>Renomeando #%1…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>Interrompido: %n entrada não foi alcançada e ainda contém #%1.</numerusform>
            <numerusform>Interrompido: %n entradas não foram alcançadas e ainda contêm #%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>Modelos</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>O modelo geral, um para cada dia da semana e um para cada aba; vale o mais específico que existir</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>Toda nova entrada</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>Aba “%1”</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Texto do modelo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>Salvar o texto do modelo escolhido</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>Remover o arquivo do modelo escolhido, para que valha o próximo menos específico</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>a data da nova entrada, longa: %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>a data da nova entrada, curta: %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>o dia da semana dela: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>o nome da aba dela: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>As datas são sempre as da própria nova entrada, seja qual for o dia em que ela é criada. Todo o resto entre chaves fica como está escrito.</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>Novas entradas de %1:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>a aba “%1” começa vazia: nenhum modelo se aplica</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>a aba “%1” começa a partir de %2</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>a aba “%1” começa vazia: não é possível ler %2</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>vale em %1</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>ainda não escrito</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Em %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 ainda não existe: salvar o cria.</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>Este modelo não pode ser usado e não é sobrescrito aqui:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>Não foi possível salvar o modelo %1:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>Não foi possível remover o modelo %1:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>%1 foi salvo.</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>Não preenchido, fica como está escrito: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln palavra</numerusform>
            <numerusform>%1: %Ln palavras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%Ln palavra em %1</numerusform>
            <numerusform>%Ln palavras em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
</context>
</TS>
