<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Una exportación de Day One</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>una exportación de Day One (.zip, carpeta o .json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Una copia de seguridad de Diaro</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>una copia de seguridad de Diaro (.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>Un diario de jrnl</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>un diario de jrnl</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>Un diario de RedNotebook</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>la carpeta de datos de RedNotebook</translation>
    </message>
</context>
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>El calendario del mes; los días con entradas están en negrita, Alt+Izquierda y Alt+Derecha van al día anterior y al siguiente con una entrada</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, %n entrada, una copia en conflicto de una herramienta de sincronización</numerusform>
            <numerusform>%1, %n entradas, una copia en conflicto de una herramienta de sincronización</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1, una copia en conflicto de una herramienta de sincronización</translation>
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
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>&amp;Repetir la contraseña:</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>C&amp;ifrar</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>Cambiar la contrase&amp;ña…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>&amp;Descifrar…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>Cifrar las entradas &amp;sin cifrar</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>Rec&amp;ordar la contraseña en este dispositivo</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Se guarda en el llavero del escritorio, para este diario</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>Demasiado corta: una contraseña necesita al menos %1 caracteres.</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>Débil: una contraseña más larga, o unas cuantas palabras sin relación, es mucho más difícil de adivinar.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>Aceptable: unos cuantos caracteres o palabras más la hacen fuerte.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Fuerte.</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>Este diario no está cifrado: cualquiera que tenga su carpeta puede leer sus entradas. Al cifrarlo, cada entrada, su historial, sus borradores y sus imágenes solo se pueden leer con la contraseña; las herramientas de sincronización y el historial siguen funcionando.</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>Este diario está cifrado: sus entradas, su historial, borradores e imágenes solo se abren con su contraseña.</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>Dos dispositivos lo cifraron, cada uno con su propia clave: los archivos de ambos se abren. «Cifrar las entradas sin cifrar» los vuelve a sellar todos con la clave de este dispositivo.</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nueva contraseña:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>%n archivo del diario está sin cifrar: lo escribió otro programa o dispositivo, o se escribió antes de cifrarlo. Se cifra al guardarlo, o con «Cifrar las entradas sin cifrar».</numerusform>
            <numerusform>%n archivos del diario están sin cifrar: los escribió otro programa o dispositivo, o se escribieron antes de cifrarlo. Se cifran al guardarlos, o con «Cifrar las entradas sin cifrar».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n archivo está cifrado con una clave que esta contraseña no abre:</numerusform>
            <numerusform>%n archivos están cifrados con una clave que esta contraseña no abre:</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Las dos contraseñas no coinciden. Escriba la misma contraseña dos veces.</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>Creando la clave del diario…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>No se pudo cifrar el diario:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>La contraseña es incorrecta. No se cambió nada.</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>Escriba la contraseña actual del diario.</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>Cambiando la contraseña…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>No se pudo cambiar la contraseña:
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>La contraseña se ha cambiado. Los demás dispositivos usan la nueva en cuanto les llega el archivo de clave.</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>Al descifrar, cada entrada, su historial y sus imágenes se vuelven a escribir como archivos sin cifrar, legibles por cualquiera que tenga la carpeta. Escriba la contraseña del diario para descifrarlo.</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>Cifrando el diario…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>Descifrando el diario…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>Detenido. El diario funciona tal como está, con unos archivos convertidos y otros no; la conversión continúa en el próximo inicio.</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>El diario está cifrado.</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>El diario está descifrado: sus archivos vuelven a estar sin cifrar.</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>El diario sigue cifrado: algunos archivos no se pudieron descifrar.</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>Estos archivos se dejaron como estaban:</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>No se pudo guardar la contraseña en el llavero del escritorio:
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>Escriba la contraseña del diario para guardarla en el llavero del escritorio.</translation>
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
        <translation>Texto sin formato</translation>
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
        <translation>No se pudo exportar a %1:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>&amp;Todo el diario</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Todo el diario</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Pestañas</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>E&amp;xaminar…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>diario</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>Un día por &amp;página</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>Un día por página</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Diario de Marrowleaf</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>Elija el archivo al que exportar.</translation>
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
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>&amp;Vista previa…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Vista previa…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>Ningún día del %1 al %2 contiene una entrada de las pestañas elegidas: no se exportó nada.</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>Ningún día del %1 al %2 contiene una entrada de las pestañas elegidas: no se imprimió nada.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>No se pudo leer lo siguiente:
%1

¿Exportar sin ello?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>No se pudo leer lo siguiente:
%1

¿Imprimir sin ello?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>No se pudo imprimir en %1.</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>Este diario está cifrado y la exportación no: %1 (y sus imágenes) serán archivos sin cifrar que cualquiera que los tenga podrá leer.
¿Exportar de todos modos?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>Palabras que buscar, &quot;una frase&quot; entre comillas</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>Palabras que buscar en todas las entradas; las comillas forman una frase</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>Hay texto escrito en una sesión anterior que nunca se guardó, en:
%1

Se conserva como texto sin guardar en el historial de cada entrada (Archivo, Historial), desde donde se puede restaurar.</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>El editor se configura con la clave EDITOR de la sección [GENERAL] de
%1
El editor debe permanecer abierto hasta que termine con la entrada, por ejemplo
EDITOR = gedit --wait, kate --block, gvim -f o code --wait.</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>No hay ningún editor configurado.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>El archivo de %1 es un enlace a un archivo fuera del diario. La entrada se muestra en modo de solo lectura y no se pasa a ningún editor.</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>No se pudo conservar en el historial el texto de %1:
%2</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>El editor «%1» terminó de forma anómala y dejó la entrada sin cambios.</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>El editor «%1» terminó con el código de salida %2 y dejó la entrada sin cambios.</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>El editor volvió enseguida; puede que siga abierto en una ventana propia.
El diario muestra lo que se guarde allí en cuanto se guarde.</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>No se encontró ningún programa llamado «%1».</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>No se pudo iniciar el editor «%1»: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>Entrada del %1</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>El archivo no existe. Pulse el botón «crear».</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>Aún no hay entrada para el %1</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>Entrada del %1, solo lectura: un enlace a un archivo fuera del diario</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>Entrada del %1, solo lectura</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>Otro programa había cambiado %1 después de mostrarse.
Su texto se guardó; la otra versión está en el historial de la entrada (Archivo, Historial).</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>No se pudo conservar en el historial el texto que tenía antes %1:
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>El texto de la entrada mostrada, guardado; el texto al que sustituyó está en su historial</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>la entrada del %1</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>No se pudo guardar %1:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>El texto se conservó en
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>El texto de la entrada mostrada, sin guardar; conservado en un archivo de recuperación</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>Tampoco se pudo conservar el texto (%1). Cópielo fuera de la ventana antes de que se muestre otra entrada.</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historial…</translation>
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
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>Día anterior con una entrada</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>Día siguiente con una entrada</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>editor</translation>
    </message>
    <message>
        <source>create</source>
        <translation>crear</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>guardar sin preguntar</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Año siguiente</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Mostrar hoy</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>Abrir esta entrada en el editor externo</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>Crear la entrada de este día</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>Guardar sin preguntar</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>La fecha de hoy</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>Una pestaña por tipo de entrada; un signo más marca las pestañas cuya entrada existe</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>El texto de la entrada mostrada</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>Fecha no válida: año %1, mes %2, día %3</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>El calendario no puede mostrar esta fecha</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, pestaña «%2»</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>E&amp;tiquetas…</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>&amp;Plantillas…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>&amp;Retrospectiva…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>No se puede usar la plantilla %1:
%2

La nueva entrada empieza vacía.</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>No se pudo escribir la plantilla %1 en la nueva entrada:
%2

La nueva entrada empieza vacía.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>Imp&amp;ortar…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>Insertar i&amp;magen…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>No se pudo leer la imagen %1:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 no es una imagen que el diario pueda mostrar (PNG, JPEG, GIF, BMP o WebP).</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>No se pudo guardar la imagen con %1:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>No se puede usar la importación: no se pudo cargar su parte del programa (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>No se puede leer y no se pasa a un editor: %1.</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>No se pudo crear una carpeta privada para la copia del editor: %1.</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>El editor volvió enseguida y su copia de la entrada cifrada se ha eliminado: lo que guarde ahora se pierde. Configure un editor que siga abierto hasta que termine.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>no es un archivo de clave</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>lo escribió una versión más nueva del programa</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>este dispositivo no tiene la memoria que necesita su contraseña</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>Este diario está cifrado. Escriba su contraseña para abrirlo.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>No se pudo guardar la contraseña en el llavero del escritorio:
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>La contraseña es incorrecta. Escriba la contraseña de este diario.</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>Dos dispositivos cifraron este diario, cada uno con su propia contraseña, y una herramienta de sincronización conservó los dos archivos de clave. Escriba también la contraseña del otro dispositivo, o Cancelar para abrir solo las entradas que abre esta contraseña.</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>Este diario está cifrado, pero no se puede usar ninguno de sus archivos de clave:
%1

No se leyó ni se escribió nada.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>Esta entrada no se puede leer: está cifrada y el diario no tiene archivo de clave (marrowleaf.key) para abrirla. Recupere el archivo de clave de una copia del diario o de otro dispositivo y vuelva a iniciar el diario.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>Esta entrada no se puede leer: está cifrada con una clave que la contraseña del diario no abre (la contraseña de otro dispositivo o de otro diario). Sus versiones anteriores están en Archivo, Historial.</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>Esta entrada no se puede leer: su archivo cifrado está dañado (cambiado o cortado desde que se escribió). Sus versiones anteriores están en Archivo, Historial, donde se puede restaurar una.</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>Entrada del %1, no se puede leer</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>El texto se guardó, cifrado, como texto sin guardar en el historial de la entrada (Archivo, Historial).</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>Cifra&amp;do…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1, pestaña %2, aún sin guardar: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1, pestaña %2: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>aún sin guardar</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Entradas encontradas</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>Las más recientes primero; Intro muestra la entrada con las palabras seleccionadas</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>Cuántas entradas se encontraron</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
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
        <translation>Ninguna entrada contiene «%1».</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>Historial de %1</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>No se muestra ninguna entrada, así que no hay historial que mostrar.</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>Esta entrada aún no tiene versiones anteriores.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versiones</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>Los textos de la entrada, los más recientes primero: el archivo actual, el texto sin guardar, las versiones anteriores</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>El texto de la versión elegida</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>Pone el texto elegido en la entrada, que se guardará como lo escrito</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>Ahora en el archivo de la entrada</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>texto sin guardar del %1</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>escrito por otro programa</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>copia hecha por una herramienta de sincronización: %1</translation>
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
            <numerusform>%n versión anterior</numerusform>
            <numerusform>%n versiones anteriores</numerusform>
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
        <translation>Origen</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>E&amp;xaminar…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>Un &amp;archivo…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>Una &amp;carpeta…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Origen</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Pestaña</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>&amp;Pestaña</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>Lo que hará la importación</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Leyendo %1…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1: no es un diario que se pueda importar aquí</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1: no se puede interpretar (%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1: no es una entrada (%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1: una fecha que no existe (%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1: falta el adjunto %2; se conserva su enlace</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>Coordenadas de lugares: %n (se conservan los nombres de los lugares)</numerusform>
            <numerusform>Coordenadas de lugares: %n (se conservan los nombres de los lugares)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Formato de las entradas de Day One: %n (se conserva su texto Markdown)</numerusform>
            <numerusform>Formato de las entradas de Day One: %n (se conserva su texto Markdown)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>Estados de ánimo de las entradas: %n</numerusform>
            <numerusform>Estados de ánimo de las entradas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>Carpetas de entradas: %n (todas van a la pestaña elegida)</numerusform>
            <numerusform>Carpetas de entradas: %n (todas van a la pestaña elegida)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>Sin cabida en una entrada de texto simple:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>No se pudo leer:</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nada que importar.</translation>
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
            <numerusform>Días: %n</numerusform>
            <numerusform>Días: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Del %1 al %2</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>Días que ya tienen una entrada: %n (se conserva; el texto importado se añade después)</numerusform>
            <numerusform>Días que ya tienen una entrada: %n (se conserva; el texto importado se añade después)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>Días que ya contienen esta importación: %n (se dejan como están)</numerusform>
            <numerusform>Días que ya contienen esta importación: %n (se dejan como están)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>Diarios sin una pestaña con su nombre: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>Ninguna pestaña se llama como los diarios %1. ¿Añadir al diario una pestaña con ese nombre para cada uno?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>No se pudieron escribir las pestañas nuevas en config.ini; esos diarios van a la pestaña elegida.</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importando…</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Se canceló la importación.</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>La importación ha terminado.</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>Entradas nuevas: %n</numerusform>
            <numerusform>Entradas nuevas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>Entradas conservadas, con el texto importado añadido después: %n (su texto anterior está en su historial)</numerusform>
            <numerusform>Entradas conservadas, con el texto importado añadido después: %n (su texto anterior está en su historial)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>Entradas que ya contenían la importación, dejadas como estaban: %n</numerusform>
            <numerusform>Entradas que ya contenían la importación, dejadas como estaban: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>Adjuntos copiados: %n</numerusform>
            <numerusform>Adjuntos copiados: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>Días a partir del %1, dejados como estaban: %n</numerusform>
            <numerusform>Días a partir del %1, dejados como estaban: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>No importado, se dejó como estaba: %1 (%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>Importado, pero su texto anterior no se pudo conservar en su historial: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>Elija un diario para importar: %1.</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1: una copia de seguridad cifrada, que no se puede leer; Diaro puede escribir una copia sin cifrado (.zip) para importarla en su lugar</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1: ninguna entrada empieza con una fecha y hora de la forma [2024-05-05 06:30 PM] o 2024-05-05 18:30; la línea encontrada allí: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1: el adjunto %2 tiene un nombre que ningún archivo puede tener aquí; se omite</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1: un enlace a un lugar fuera de la carpeta elegida; se omite</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1: no es un archivo normal (una tubería, un dispositivo o un socket); se omite</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1: no es un día de un diario de jrnl en carpetas (AÑO/MES/DÍA.txt); se omite</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1: la entidad XML %2 no se puede leer; el texto se importa sin ella</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…y %n más de este tipo</numerusform>
            <numerusform>…y %n más de este tipo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>Entradas que el diario ya tiene en la pestaña %1: %n (se importan también en esta pestaña)</numerusform>
            <numerusform>Entradas que el diario ya tiene en la pestaña %1: %n (se importan también en esta pestaña)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>Adjuntos: %n (%1, se copian en la carpeta del diario)</numerusform>
            <numerusform>Adjuntos: %n (%1, se copian en la carpeta del diario)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>No se importó nada: la importación necesita %1 y el disco de la carpeta del diario tiene %2 libres.</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>Lo que hizo la importación</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>No importado, sus cambios en la ventana del diario no están guardados: %1 (vuelva a importar cuando lo estén)</translation>
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
        <translation>Este día</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>Entradas de este día en años anteriores</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>Las más recientes primero; Intro muestra la entrada en la ventana del diario</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>No se escribió nada en este día en ningún año anterior.</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Días escritos:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caracteres:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>Palabras por día escrito:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Racha actual:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Racha más larga:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>Primera entrada:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>Última entrada:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>Una casilla por día, de color más intenso cuantas más palabras; las flechas mueven, Intro muestra el día</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>hace %n año</numerusform>
            <numerusform>hace %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1, %2, pestaña %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln día</numerusform>
            <numerusform>%Ln días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln día, hasta el %1</numerusform>
            <numerusform>%Ln días, hasta el %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>Palabras por día en %1</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>este año</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>dentro de %n año</numerusform>
            <numerusform>dentro de %n años</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>Palabras por mes en %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln palabra</numerusform>
            <numerusform>%1: %Ln palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>Las palabras de cada mes; Izquierda y Derecha pasan de un mes a otro</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>Sin leer: no se pudo leer %n archivo con nombre de entrada: %1</numerusform>
            <numerusform>Sin leer: no se pudieron leer %n archivos con nombre de entrada: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>&amp;Recordar la contraseña en este dispositivo</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Se guarda en el llavero del escritorio, para este diario</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>Imagen no encontrada: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>Imagen fuera del diario: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>No es una imagen: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>No se puede mostrar la imagen: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Imagen: %1</translation>
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
        <translation>¿Guardar?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>No se pudo añadir la palabra «%1» a su diccionario personal. Se considera correcta hasta que se cierre el diario.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Sin sugerencias</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Ignorar todas</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Revisar la ortografía</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>No hay diccionarios instalados</translation>
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
        <translation>Mostrar las etiquetas que contienen estas letras</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Filtrar las etiquetas</translation>
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
        <translation>Todas las etiquetas del diario con el número de entradas que las contienen; al elegir una se listan sus entradas debajo</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Cambiar nombre…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>Cambia el nombre de la etiqueta elegida en todas las entradas, o la fusiona con otra</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>Leyendo las etiquetas…</translation>
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
        <translation>Ninguna entrada contiene una etiqueta.</translation>
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
        <translation>Cambiar el nombre de una etiqueta</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>Nuevo nombre de #%1 en todas las entradas (el nombre de una etiqueta existente fusiona ambas):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>«%1» no puede ser el nombre de una etiqueta: un nombre contiene letras, cifras, &apos;_&apos;, &apos;-&apos; y &apos;/&apos;, y al menos una letra.</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1: sus cambios en la ventana no están guardados</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1: su codificación no admite el nuevo nombre</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, pestaña «%2»</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1: otro programa la modificó mientras tanto</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 se renombró a #%2 en %n entrada.</numerusform>
            <numerusform>#%1 se renombró a #%2 en %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>Sin renombrar:</translation>
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
        <translation>Las etiquetas anidadas bajo ella se renombran con ella: %1.</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>Solo cambian mayúsculas y minúsculas: cada entrada escribirá entonces #%1 así, tenga la forma que tenga ahora.</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 ya es una etiqueta: ambas se fusionan en una sola.</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>¿Fusionar #%1 con #%2? Cada entrada que contiene #%1 contendrá entonces #%2, y después no se podrán distinguir: renombrar de vuelta renombraría ambas.</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>#%1 se fusionó con #%2 en %n entrada.</numerusform>
            <numerusform>#%1 se fusionó con #%2 en %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>Cambiando el nombre de #%1…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>Detenido: %n entrada no se alcanzó y aún contiene #%1.</numerusform>
            <numerusform>Detenido: %n entradas no se alcanzaron y aún contienen #%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>La plantilla general, una para cada día de la semana y una para cada pestaña; se aplica la más específica que exista</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>Toda entrada nueva</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>Pestaña «%1»</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Texto de la plantilla</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>Guardar el texto de la plantilla elegida</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>Quitar el archivo de la plantilla elegida, para que se aplique la siguiente menos específica</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Marcadores de posición</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>la fecha de la nueva entrada, larga: %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>la fecha de la nueva entrada, corta: %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>su día de la semana: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>el nombre de su pestaña: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>Las fechas son siempre las de la nueva entrada, sea cual sea el día en que se crea. Todo lo demás entre llaves queda tal como está escrito.</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>Entradas nuevas del %1:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>la pestaña «%1» empieza vacía: no se aplica ninguna plantilla</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>la pestaña «%1» empieza con %2</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>la pestaña «%1» empieza vacía: no se puede leer %2</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>se aplica el %1</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>aún no escrita</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 aún no existe: al guardar se crea.</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>Esta plantilla no se puede usar y aquí no se sobrescribe:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>No se pudo guardar la plantilla %1:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>No se pudo quitar la plantilla %1:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>Se guardó %1.</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>Sin rellenar, queda tal como está escrito: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1: %Ln palabra</numerusform>
            <numerusform>%1: %Ln palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%Ln palabra en %1</numerusform>
            <numerusform>%Ln palabras en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
</context>
</TS>
