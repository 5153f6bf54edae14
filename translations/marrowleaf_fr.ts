<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ImportFormat</name>
    <message>
        <source>A Day One export</source>
        <translation>Un export Day One</translation>
    </message>
    <message>
        <source>a Day One export (.zip, folder or .json)</source>
        <translation>un export Day One (.zip, dossier ou .json)</translation>
    </message>
    <message>
        <source>A Diaro backup</source>
        <translation>Une sauvegarde Diaro</translation>
    </message>
    <message>
        <source>a Diaro backup (.zip)</source>
        <translation>une sauvegarde Diaro (.zip)</translation>
    </message>
    <message>
        <source>A jrnl journal</source>
        <translation>Un journal jrnl</translation>
    </message>
    <message>
        <source>a jrnl journal</source>
        <translation>un journal jrnl</translation>
    </message>
    <message>
        <source>A RedNotebook journal</source>
        <translation>Un journal RedNotebook</translation>
    </message>
    <message>
        <source>RedNotebook&apos;s data folder</source>
        <translation>le dossier de données de RedNotebook</translation>
    </message>
</context>
<context>
    <name>TDiaryCalendar</name>
    <message>
        <source>The month calendar; days with entries are bold, Alt+Left and Alt+Right move to the previous and next day with an entry</source>
        <translation>Le calendrier du mois&#xa0;; les jours qui ont des entrées sont en gras, Alt+Gauche et Alt+Droite vont au jour précédent ou suivant qui a une entrée</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries, a sync tool&apos;s conflict copy</source>
        <translation>
            <numerusform>%1, %n entrée, une copie de conflit d&apos;un outil de synchronisation</numerusform>
            <numerusform>%1, %n entrées, une copie de conflit d&apos;un outil de synchronisation</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, a sync tool&apos;s conflict copy</source>
        <translation>%1, une copie de conflit d&apos;un outil de synchronisation</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n entries</source>
        <translation>
            <numerusform>%1, %n entrée</numerusform>
            <numerusform>%1, %n entrées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEncryptionWindow</name>
    <message>
        <source>Encryption</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>&amp;Repeat password:</source>
        <translation>&amp;Répéter le mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Chiffrer</translation>
    </message>
    <message>
        <source>&amp;Change password…</source>
        <translation>Changer le mot de &amp;passe…</translation>
    </message>
    <message>
        <source>&amp;Decrypt…</source>
        <translation>&amp;Déchiffrer…</translation>
    </message>
    <message>
        <source>Encrypt the &amp;plain entries</source>
        <translation>Chiffrer les &amp;entrées non chiffrées</translation>
    </message>
    <message>
        <source>Re&amp;member the password on this device</source>
        <translation>Mémoriser le mot de passe sur cet &amp;appareil</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Conservé dans le trousseau du bureau, pour ce journal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Too short: a password needs at least %1 characters.</source>
        <translation>Trop court : un mot de passe doit compter au moins %1 caractères.</translation>
    </message>
    <message>
        <source>Weak: a longer password, or a few unrelated words, is far harder to guess.</source>
        <translation>Faible : un mot de passe plus long, ou quelques mots sans rapport entre eux, est bien plus difficile à deviner.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it strong.</source>
        <translation>Moyen : quelques caractères ou mots de plus le rendent fort.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Fort.</translation>
    </message>
    <message>
        <source>This diary is not encrypted: anyone who has its folder can read its entries. Encrypting keeps every entry, its history, its drafts and its pictures readable only with the password; sync tools and the history go on working.</source>
        <translation>Ce journal n&apos;est pas chiffré : quiconque a son dossier peut lire ses entrées. Chiffré, chaque entrée, son historique, ses brouillons et ses images ne se lisent qu&apos;avec le mot de passe ; les outils de synchronisation et l&apos;historique continuent de fonctionner.</translation>
    </message>
    <message>
        <source>This diary is encrypted: its entries, their history, drafts and pictures open only with its password.</source>
        <translation>Ce journal est chiffré : ses entrées, leur historique, brouillons et images ne s&apos;ouvrent qu&apos;avec son mot de passe.</translation>
    </message>
    <message>
        <source>Two devices encrypted it, each with a key of its own: the files of both open. &quot;Encrypt the plain entries&quot; seals them all anew under this device&apos;s key.</source>
        <translation>Deux appareils l&apos;ont chiffré, chacun avec sa propre clé : les fichiers des deux s&apos;ouvrent. « Chiffrer les entrées non chiffrées » les scelle tous à nouveau avec la clé de cet appareil.</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the diary are plain: written by another program or device, or before it was encrypted. They are encrypted when they are saved, or by &quot;Encrypt the plain entries&quot;.</source>
        <translation>
            <numerusform>%n fichier du journal est en clair : écrit par un autre programme ou appareil, ou avant le chiffrement. Il est chiffré à son enregistrement, ou par « Chiffrer les entrées non chiffrées ».</numerusform>
            <numerusform>%n fichiers du journal sont en clair : écrits par un autre programme ou appareil, ou avant le chiffrement. Ils sont chiffrés à leur enregistrement, ou par « Chiffrer les entrées non chiffrées ».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are encrypted with a key that this password does not open:</source>
        <translation>
            <numerusform>%n fichier est chiffré avec une clé que ce mot de passe n&apos;ouvre pas :</numerusform>
            <numerusform>%n fichiers sont chiffrés avec une clé que ce mot de passe n&apos;ouvre pas :</numerusform>
        </translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Les deux mots de passe diffèrent. Tapez deux fois le même mot de passe.</translation>
    </message>
    <message>
        <source>Making the diary&apos;s key…</source>
        <translation>Création de la clé du journal…</translation>
    </message>
    <message>
        <source>The diary could not be encrypted:
%1</source>
        <translation>Le journal n&apos;a pas pu être chiffré :
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Nothing was changed.</source>
        <translation>Le mot de passe est faux. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s current password.</source>
        <translation>Saisissez le mot de passe actuel du journal.</translation>
    </message>
    <message>
        <source>Changing the password…</source>
        <translation>Changement du mot de passe…</translation>
    </message>
    <message>
        <source>The password could not be changed:
%1</source>
        <translation>Le mot de passe n&apos;a pas pu être changé :
%1</translation>
    </message>
    <message>
        <source>The password is changed. Other devices use the new one as soon as the key file reaches them.</source>
        <translation>Le mot de passe est changé. Les autres appareils utilisent le nouveau dès que le fichier de clé leur parvient.</translation>
    </message>
    <message>
        <source>Decrypting writes every entry, its history and its pictures as plain files again, readable by anyone who has the folder. Enter the diary&apos;s password to decrypt it.</source>
        <translation>Le déchiffrement réécrit chaque entrée, son historique et ses images en fichiers non chiffrés, lisibles par quiconque a le dossier. Saisissez le mot de passe du journal pour le déchiffrer.</translation>
    </message>
    <message>
        <source>Encrypting the diary…</source>
        <translation>Chiffrement du journal…</translation>
    </message>
    <message>
        <source>Decrypting the diary…</source>
        <translation>Déchiffrement du journal…</translation>
    </message>
    <message>
        <source>Stopped. The diary works as it is, with some files converted and some not; the conversion goes on at the next start.</source>
        <translation>Arrêté. Le journal fonctionne tel quel, avec des fichiers convertis et d&apos;autres non ; la conversion reprend au prochain démarrage.</translation>
    </message>
    <message>
        <source>The diary is encrypted.</source>
        <translation>Le journal est chiffré.</translation>
    </message>
    <message>
        <source>The diary is decrypted: its files are plain again.</source>
        <translation>Le journal est déchiffré : ses fichiers sont de nouveau en clair.</translation>
    </message>
    <message>
        <source>The diary stays encrypted: some files could not be decrypted.</source>
        <translation>Le journal reste chiffré : certains fichiers n&apos;ont pas pu être déchiffrés.</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>Ces fichiers ont été laissés tels quels :</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Le mot de passe n&apos;a pas pu être conservé dans le trousseau du bureau :
%1</translation>
    </message>
    <message>
        <source>Enter the diary&apos;s password to keep it in the desktop&apos;s keyring.</source>
        <translation>Saisissez le mot de passe du journal pour le conserver dans le trousseau du bureau.</translation>
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
        <translation>Texte brut</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Could not export to %1:
%2</source>
        <translation>Impossible d&apos;exporter vers %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>&amp;Whole diary</source>
        <translation>&amp;Tout le journal</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Tout le journal</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Onglets</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>F&amp;ichier</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>journal</translation>
    </message>
    <message>
        <source>One &amp;day per page</source>
        <translation>Un &amp;jour par page</translation>
    </message>
    <message>
        <source>One day per page</source>
        <translation>Un jour par page</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Marrowleaf diary</source>
        <translation>Journal Marrowleaf</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Choose a file to export to.</source>
        <translation>Choisissez le fichier vers lequel exporter.</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportation…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>A&amp;perçu…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Aperçu…</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.</source>
        <translation>Aucun jour du %1 au %2 ne contient d&apos;entrée des onglets choisis&#xa0;: rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.</source>
        <translation>Aucun jour du %1 au %2 ne contient d&apos;entrée des onglets choisis&#xa0;: rien n&apos;a été imprimé.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>These could not be read:
%1

Export without them?</source>
        <translation>Les éléments suivants n&apos;ont pas pu être lus&#xa0;:
%1

Exporter sans eux&#xa0;?</translation>
    </message>
    <message>
        <source>These could not be read:
%1

Print without them?</source>
        <translation>Les éléments suivants n&apos;ont pas pu être lus&#xa0;:
%1

Imprimer sans eux&#xa0;?</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>Impossible d&apos;imprimer sur %1.</translation>
    </message>
    <message>
        <source>This diary is encrypted, and the export is not: %1 (and its pictures) will be plain files that anyone who has them can read.
Export anyway?</source>
        <translation>Ce journal est chiffré, l&apos;export ne l&apos;est pas : %1 (et ses images) seront des fichiers en clair que quiconque les a pourra lire.
Exporter quand même ?</translation>
    </message>
</context>
<context>
    <name>TFindWindow</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes</source>
        <translation>Mots à chercher, &quot;une expression&quot; entre guillemets</translation>
    </message>
    <message>
        <source>Words to find in every entry; quotation marks make a phrase</source>
        <translation>Mots à chercher dans toutes les entrées&#xa0;; les guillemets forment une expression</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Text typed in an earlier run was never saved, for:
%1

It is kept as unsaved text in each entry&apos;s history (File, History), where it can be restored.</source>
        <translation>Du texte saisi lors d&apos;une session précédente n&apos;a jamais été enregistré, pour&#xa0;:
%1

Il est conservé comme texte non enregistré dans l&apos;historique de chaque entrée (Fichier, Historique), d&apos;où il peut être restauré.</translation>
    </message>
    <message>
        <source>The editor is set by the key EDITOR in the section [GENERAL] of
%1
The editor must stay open until you are done with the entry, for example
EDITOR = gedit --wait, kate --block, gvim -f or code --wait.</source>
        <translation>L&apos;éditeur se règle par la clé EDITOR de la section [GENERAL] de
%1
L&apos;éditeur doit rester ouvert jusqu&apos;à ce que vous ayez fini avec l&apos;entrée, par exemple
EDITOR = gedit --wait, kate --block, gvim -f ou code --wait.</translation>
    </message>
    <message>
        <source>No editor is set.</source>
        <translation>Aucun éditeur n&apos;est réglé.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside the diary. It is shown read-only and not handed to an editor.</source>
        <translation>Le fichier de %1 est un lien vers un fichier hors du journal. L&apos;entrée est affichée en lecture seule et n&apos;est pas transmise à un éditeur.</translation>
    </message>
    <message>
        <source>The text of %1 could not be kept in its history:
%2</source>
        <translation>Le texte de %1 n&apos;a pas pu être conservé dans son historique&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended abnormally and left the entry unchanged.</source>
        <translation>L&apos;éditeur «&#xa0;%1&#xa0;» s&apos;est terminé anormalement et n&apos;a pas modifié l&apos;entrée.</translation>
    </message>
    <message>
        <source>The editor &quot;%1&quot; ended with exit status %2 and left the entry unchanged.</source>
        <translation>L&apos;éditeur «&#xa0;%1&#xa0;» s&apos;est terminé avec le code de sortie %2 et n&apos;a pas modifié l&apos;entrée.</translation>
    </message>
    <message>
        <source>The editor returned at once; it may still be open in a window of its own.
The diary shows what it saves there as soon as it is saved.</source>
        <translation>L&apos;éditeur a rendu la main aussitôt&#xa0;; il est peut-être encore ouvert dans une fenêtre à lui.
Le journal affiche ce qu&apos;il y enregistre dès que c&apos;est enregistré.</translation>
    </message>
    <message>
        <source>No program named &quot;%1&quot; was found.</source>
        <translation>Aucun programme nommé «&#xa0;%1&#xa0;» n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Could not start the editor &quot;%1&quot;: %2</source>
        <translation>Impossible de lancer l&apos;éditeur «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Entry of %1</source>
        <translation>Entrée du %1</translation>
    </message>
    <message>
        <source>File does not exist. push &apos;create&apos; button.</source>
        <translation>Le fichier n&apos;existe pas. Appuyez sur le bouton «&#xa0;créer&#xa0;».</translation>
    </message>
    <message>
        <source>No entry yet for %1</source>
        <translation>Pas encore d&apos;entrée pour le %1</translation>
    </message>
    <message>
        <source>Entry of %1, read-only: a link to a file outside the diary</source>
        <translation>Entrée du %1, en lecture seule&#xa0;: un lien vers un fichier hors du journal</translation>
    </message>
    <message>
        <source>Entry of %1, read-only</source>
        <translation>Entrée du %1, en lecture seule</translation>
    </message>
    <message>
        <source>Another program had changed %1 since it was shown.
Your text was saved; the other version is in the entry&apos;s history (File, History).</source>
        <translation>Un autre programme a modifié %1 depuis son affichage.
Votre texte a été enregistré&#xa0;; l&apos;autre version est dans l&apos;historique de l&apos;entrée (Fichier, Historique).</translation>
    </message>
    <message>
        <source>The text that %1 held before could not be kept in its history:
%2</source>
        <translation>Le texte que contenait %1 n&apos;a pas pu être conservé dans son historique&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The text of the shown entry, saved; the text it replaced is in its history</source>
        <translation>Le texte de l&apos;entrée affichée, enregistré&#xa0;; le texte qu&apos;il remplace est dans son historique</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>l&apos;entrée du %1</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The text was kept in
%1</source>
        <translation>Le texte a été conservé dans
%1</translation>
    </message>
    <message>
        <source>The text of the shown entry, not saved; kept in a recovery file</source>
        <translation>Le texte de l&apos;entrée affichée, non enregistré&#xa0;; conservé dans un fichier de récupération</translation>
    </message>
    <message>
        <source>The text could not be kept either (%1). Copy it out of the window before another entry is shown.</source>
        <translation>Le texte n&apos;a pas pu être conservé non plus (%1). Copiez-le hors de la fenêtre avant qu&apos;une autre entrée ne soit affichée.</translation>
    </message>
    <message>
        <source>Marrowleaf v0.02a</source>
        <translation>Marrowleaf v0.02a</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historique…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Previous day with an entry</source>
        <translation>Jour précédent avec une entrée</translation>
    </message>
    <message>
        <source>Next day with an entry</source>
        <translation>Jour suivant avec une entrée</translation>
    </message>
    <message>
        <source>today</source>
        <translation>auj.</translation>
    </message>
    <message>
        <source>launch editor</source>
        <translation>éditeur</translation>
    </message>
    <message>
        <source>create</source>
        <translation>créer</translation>
    </message>
    <message>
        <source>autosave without confirm</source>
        <translation>enregistrer sans demander</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Afficher aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Open this entry in the external editor</source>
        <translation>Ouvrir cette entrée dans l&apos;éditeur externe</translation>
    </message>
    <message>
        <source>Create this day&apos;s entry</source>
        <translation>Créer l&apos;entrée de ce jour</translation>
    </message>
    <message>
        <source>Save without asking</source>
        <translation>Enregistrer sans demander</translation>
    </message>
    <message>
        <source>Today&apos;s date</source>
        <translation>La date du jour</translation>
    </message>
    <message>
        <source>One tab per kind of entry; a plus sign marks a tab whose entry exists</source>
        <translation>Un onglet par type d&apos;entrée&#xa0;; un signe plus marque les onglets dont l&apos;entrée existe</translation>
    </message>
    <message>
        <source>The text of the shown entry</source>
        <translation>Le texte de l&apos;entrée affichée</translation>
    </message>
    <message>
        <source>Invalid date: year %1, month %2, day %3</source>
        <translation>Date invalide&#xa0;: année %1, mois %2, jour %3</translation>
    </message>
    <message>
        <source>The calendar cannot show this date</source>
        <translation>Le calendrier ne peut pas afficher cette date</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, onglet «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>&amp;Tags…</source>
        <translation>É&amp;tiquettes…</translation>
    </message>
    <message>
        <source>Te&amp;mplates…</source>
        <translation>&amp;Modèles…</translation>
    </message>
    <message>
        <source>&amp;Look Back…</source>
        <translation>Rétros&amp;pective…</translation>
    </message>
    <message>
        <source>The template %1 cannot be used:
%2

The new entry starts empty.</source>
        <translation>Le modèle %1 ne peut pas être utilisé&#xa0;:
%2

La nouvelle entrée commence vide.</translation>
    </message>
    <message>
        <source>The template %1 could not be written into the new entry:
%2

The new entry starts empty.</source>
        <translation>Le modèle %1 n&apos;a pas pu être écrit dans la nouvelle entrée&#xa0;:
%2

La nouvelle entrée commence vide.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>Imp&amp;orter…</translation>
    </message>
    <message>
        <source>I&amp;nsert Picture…</source>
        <translation>Insérer une ima&amp;ge…</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>The picture %1 could not be read:
%2</source>
        <translation>L&apos;image %1 n&apos;a pas pu être lue&#xa0;:
%2</translation>
    </message>
    <message>
        <source>%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>%1 n&apos;est pas une image que le journal peut afficher (PNG, JPEG, GIF, BMP ou WebP).</translation>
    </message>
    <message>
        <source>The picture could not be kept with %1:
%2</source>
        <translation>L&apos;image n&apos;a pas pu être conservée avec %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Ouvrir l&apos;image</translation>
    </message>
    <message>
        <source>The import cannot be used: its part of the program could not be loaded (%1).</source>
        <translation>L&apos;importation ne peut pas être utilisée : sa partie du programme n&apos;a pas pu être chargée (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be read, and is not handed to an editor.</source>
        <translation>Illisible, donc pas confiée à un éditeur : %1.</translation>
    </message>
    <message>
        <source>No private folder could be made for the editor&apos;s copy of %1.</source>
        <translation>Aucun dossier privé n&apos;a pu être créé pour la copie de l&apos;éditeur : %1.</translation>
    </message>
    <message>
        <source>The editor returned at once, and its copy of the encrypted entry is removed: what it saves now is lost. Set an editor that stays open until you are done.</source>
        <translation>L&apos;éditeur est revenu aussitôt, et sa copie de l&apos;entrée chiffrée est supprimée : ce qu&apos;il enregistre maintenant est perdu. Choisissez un éditeur qui reste ouvert jusqu&apos;à ce que vous ayez fini.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il est illisible (%1)</translation>
    </message>
    <message>
        <source>it is no key file</source>
        <translation>ce n&apos;est pas un fichier de clé</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>il a été écrit par une version plus récente du programme</translation>
    </message>
    <message>
        <source>this device lacks the memory its password needs</source>
        <translation>cet appareil n&apos;a pas la mémoire que demande son mot de passe</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>This diary is encrypted. Enter its password to open it.</source>
        <translation>Ce journal est chiffré. Saisissez son mot de passe pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring:
%1</source>
        <translation>Le mot de passe n&apos;a pas pu être conservé dans le trousseau du bureau :
%1</translation>
    </message>
    <message>
        <source>The password is wrong. Enter the password of this diary.</source>
        <translation>Le mot de passe est faux. Saisissez le mot de passe de ce journal.</translation>
    </message>
    <message>
        <source>Two devices encrypted this diary, each with a password of its own, and a sync tool kept both key files. Enter the other device&apos;s password too, or Cancel to open only the entries that this password opens.</source>
        <translation>Deux appareils ont chiffré ce journal, chacun avec son propre mot de passe, et un outil de synchronisation a gardé les deux fichiers de clé. Saisissez aussi le mot de passe de l&apos;autre appareil, ou Annuler pour n&apos;ouvrir que les entrées que ce mot de passe ouvre.</translation>
    </message>
    <message>
        <source>This diary is encrypted, but none of its key files can be used:
%1

Nothing was read or written.</source>
        <translation>Ce journal est chiffré, mais aucun de ses fichiers de clé n&apos;est utilisable :
%1

Rien n&apos;a été lu ni écrit.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted, and the diary has no key file (marrowleaf.key) to open it with. Bring the key file back from a copy of the diary or another device, then start the diary again.</source>
        <translation>Cette entrée est illisible : elle est chiffrée, et le journal n&apos;a pas de fichier de clé (marrowleaf.key) pour l&apos;ouvrir. Récupérez le fichier de clé depuis une copie du journal ou un autre appareil, puis relancez le journal.</translation>
    </message>
    <message>
        <source>This entry cannot be read: it is encrypted with a key that the diary&apos;s password does not open (another device&apos;s password, or another diary&apos;s). Its earlier versions are in File, History.</source>
        <translation>Cette entrée est illisible : elle est chiffrée avec une clé que le mot de passe du journal n&apos;ouvre pas (le mot de passe d&apos;un autre appareil, ou d&apos;un autre journal). Ses versions antérieures sont dans Fichier, Historique.</translation>
    </message>
    <message>
        <source>This entry cannot be read: its encrypted file is damaged (changed or cut short since it was written). Its earlier versions are in File, History, where one can be restored.</source>
        <translation>Cette entrée est illisible : son fichier chiffré est endommagé (modifié ou tronqué depuis son écriture). Ses versions antérieures sont dans Fichier, Historique, où l&apos;une d&apos;elles peut être restaurée.</translation>
    </message>
    <message>
        <source>Entry of %1, cannot be read</source>
        <translation>Entrée du %1, illisible</translation>
    </message>
    <message>
        <source>The text was kept, encrypted, as unsaved text in the entry&apos;s history (File, History).</source>
        <translation>Le texte a été conservé, chiffré, comme texte non enregistré dans l&apos;historique de l&apos;entrée (Fichier, Historique).</translation>
    </message>
    <message>
        <source>En&amp;cryption…</source>
        <translation>Chi&amp;ffrement…</translation>
    </message>
</context>
<context>
    <name>TFoundEntries</name>
    <message>
        <source>%1, tab %2, not saved yet: %3</source>
        <translation>%1, onglet %2, pas encore enregistré&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1, tab %2: %3</source>
        <translation>%1, onglet %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>pas encore enregistré</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Entrées trouvées</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry with the words selected</source>
        <translation>Les plus récentes d&apos;abord&#xa0;; Entrée affiche l&apos;entrée avec les mots sélectionnés</translation>
    </message>
    <message>
        <source>How many entries were found</source>
        <translation>Nombre d&apos;entrées trouvées</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n entrée trouvée</numerusform>
            <numerusform>%n entrées trouvées</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds &quot;%1&quot;.</source>
        <translation>Aucune entrée ne contient «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>Historique de %1</translation>
    </message>
    <message>
        <source>No entry is shown, so there is no history to show.</source>
        <translation>Aucune entrée n&apos;est affichée, il n&apos;y a donc pas d&apos;historique à afficher.</translation>
    </message>
    <message>
        <source>This entry has no earlier versions yet.</source>
        <translation>Cette entrée n&apos;a pas encore de version antérieure.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>The entry&apos;s texts, newest first: the file now, unsaved text, earlier versions</source>
        <translation>Les textes de l&apos;entrée, du plus récent au plus ancien&#xa0;: le fichier actuel, le texte non enregistré, les versions antérieures</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>The chosen version&apos;s text</source>
        <translation>Le texte de la version choisie</translation>
    </message>
    <message>
        <source>Put the chosen text into the entry, to be saved like typing</source>
        <translation>Met le texte choisi dans l&apos;entrée, où il sera enregistré comme une saisie</translation>
    </message>
    <message>
        <source>Now in the entry file</source>
        <translation>Actuellement dans le fichier</translation>
    </message>
    <message>
        <source>unsaved text from %1</source>
        <translation>texte non enregistré du %1</translation>
    </message>
    <message>
        <source>written by another program</source>
        <translation>écrit par un autre programme</translation>
    </message>
    <message>
        <source>copy made by a sync tool: %1</source>
        <translation>copie faite par un outil de synchronisation&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n earlier versions</source>
        <translation>
            <numerusform>%n version antérieure</numerusform>
            <numerusform>%n versions antérieures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>A &amp;file…</source>
        <translation>Un &amp;fichier…</translation>
    </message>
    <message>
        <source>A f&amp;older…</source>
        <translation>Un &amp;dossier…</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Source</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Onglet</translation>
    </message>
    <message>
        <source>&amp;Tab</source>
        <translation>&amp;Onglet</translation>
    </message>
    <message>
        <source>What the import will do</source>
        <translation>Ce que fera l&apos;importation</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <source>%1: not a diary that can be imported here</source>
        <translation>%1&#xa0;: pas un journal importable ici</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1&#xa0;: illisible (%2)</translation>
    </message>
    <message>
        <source>%1: does not parse (%2)</source>
        <translation>%1&#xa0;: analyse impossible (%2)</translation>
    </message>
    <message>
        <source>%1: not an entry (%2)</source>
        <translation>%1&#xa0;: pas une entrée (%2)</translation>
    </message>
    <message>
        <source>%1: a date that does not exist (%2)</source>
        <translation>%1&#xa0;: une date qui n&apos;existe pas (%2)</translation>
    </message>
    <message>
        <source>%1: the attachment %2 is missing; its link is kept</source>
        <translation>%1&#xa0;: la pièce jointe %2 est absente&#xa0;; son lien est conservé</translation>
    </message>
    <message numerus="yes">
        <source>Coordinates of places: %n (the places&apos; names are kept)</source>
        <translation>
            <numerusform>Coordonnées de lieux&#xa0;: %n (les noms des lieux sont conservés)</numerusform>
            <numerusform>Coordonnées de lieux&#xa0;: %n (les noms des lieux sont conservés)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Day One&apos;s formatting of entries: %n (their Markdown text is kept)</source>
        <translation>
            <numerusform>Mise en forme Day One des entrées&#xa0;: %n (leur texte Markdown est conservé)</numerusform>
            <numerusform>Mise en forme Day One des entrées&#xa0;: %n (leur texte Markdown est conservé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moods of entries: %n</source>
        <translation>
            <numerusform>Humeurs des entrées&#xa0;: %n</numerusform>
            <numerusform>Humeurs des entrées&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Folders of entries: %n (all go to the chosen tab)</source>
        <translation>
            <numerusform>Dossiers d&apos;entrées&#xa0;: %n (tous vont dans l&apos;onglet choisi)</numerusform>
            <numerusform>Dossiers d&apos;entrées&#xa0;: %n (tous vont dans l&apos;onglet choisi)</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in a plain entry:</source>
        <translation>Sans équivalent dans une entrée en texte brut&#xa0;:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Lecture impossible&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Rien à importer.</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n</source>
        <translation>
            <numerusform>Entrées&#xa0;: %n</numerusform>
            <numerusform>Entrées&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days: %n</source>
        <translation>
            <numerusform>Jours&#xa0;: %n</numerusform>
            <numerusform>Jours&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message numerus="yes">
        <source>Days that already hold an entry: %n (kept; the imported text is added after it)</source>
        <translation>
            <numerusform>Jours qui ont déjà une entrée&#xa0;: %n (elle est conservée&#xa0;; le texte importé est ajouté après)</numerusform>
            <numerusform>Jours qui ont déjà une entrée&#xa0;: %n (elle est conservée&#xa0;; le texte importé est ajouté après)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days that hold this import already: %n (left as they are)</source>
        <translation>
            <numerusform>Jours qui contiennent déjà cette importation&#xa0;: %n (laissés tels quels)</numerusform>
            <numerusform>Jours qui contiennent déjà cette importation&#xa0;: %n (laissés tels quels)</numerusform>
        </translation>
    </message>
    <message>
        <source>Journals without a tab of their name: %1</source>
        <translation>Journaux sans onglet de leur nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>No tab is named after the journals %1. Add a tab of that name for each to the diary?</source>
        <translation>Aucun onglet ne porte le nom des journaux %1. Ajouter pour chacun un onglet de ce nom&#xa0;?</translation>
    </message>
    <message>
        <source>The new tabs could not be written to config.ini; those journals go to the chosen tab.</source>
        <translation>Les nouveaux onglets n&apos;ont pas pu être écrits dans config.ini&#xa0;; ces journaux vont dans l&apos;onglet choisi.</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importation…</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>L&apos;importation a été annulée.</translation>
    </message>
    <message>
        <source>The import is done.</source>
        <translation>L&apos;importation est terminée.</translation>
    </message>
    <message numerus="yes">
        <source>New entries: %n</source>
        <translation>
            <numerusform>Nouvelles entrées&#xa0;: %n</numerusform>
            <numerusform>Nouvelles entrées&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries kept, with the imported text added after them: %n (their earlier text is in their history)</source>
        <translation>
            <numerusform>Entrées conservées, avec le texte importé ajouté après&#xa0;: %n (leur texte antérieur est dans leur historique)</numerusform>
            <numerusform>Entrées conservées, avec le texte importé ajouté après&#xa0;: %n (leur texte antérieur est dans leur historique)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries that held the import already, left as they were: %n</source>
        <translation>
            <numerusform>Entrées qui contenaient déjà l&apos;importation, laissées telles quelles&#xa0;: %n</numerusform>
            <numerusform>Entrées qui contenaient déjà l&apos;importation, laissées telles quelles&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments copied: %n</source>
        <translation>
            <numerusform>Pièces jointes copiées&#xa0;: %n</numerusform>
            <numerusform>Pièces jointes copiées&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Days from %1 on, left as they were: %n</source>
        <translation>
            <numerusform>Jours à partir du %1, laissés tels quels&#xa0;: %n</numerusform>
            <numerusform>Jours à partir du %1, laissés tels quels&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not imported, left as it was: %1 (%2)</source>
        <translation>Non importé, laissé tel quel&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Imported, but its earlier text could not be kept in its history: %1 (%2)</source>
        <translation>Importé, mais son texte antérieur n&apos;a pas pu être conservé dans son historique&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose a diary to import: %1.</source>
        <translation>Choisissez un journal à importer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: an encrypted backup, which cannot be read; Diaro can write a backup without encryption (.zip) to import instead</source>
        <translation>%1&#xa0;: une sauvegarde chiffrée, qui ne peut pas être lue&#xa0;; Diaro peut écrire une sauvegarde sans chiffrement (.zip) à importer à la place</translation>
    </message>
    <message>
        <source>%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] or 2024-05-05 18:30; the line found there: %2</source>
        <translation>%1&#xa0;: aucune entrée ne commence par une date et une heure de la forme [2024-05-05 06:30 PM] ou 2024-05-05 18:30&#xa0;; la ligne trouvée là&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the attachment %2 has a name no file can have here; left out</source>
        <translation>%1&#xa0;: la pièce jointe %2 porte un nom qu&apos;aucun fichier ne peut avoir ici&#xa0;; laissée de côté</translation>
    </message>
    <message>
        <source>%1: a link to a place outside the chosen folder; left out</source>
        <translation>%1&#xa0;: un lien vers un emplacement hors du dossier choisi&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not a regular file (a pipe, a device or a socket); left out</source>
        <translation>%1&#xa0;: pas un fichier ordinaire (un tube, un périphérique ou une socket)&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out</source>
        <translation>%1&#xa0;: pas un jour d&apos;un journal jrnl en dossier (ANNÉE/MOIS/JOUR.txt)&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: the XML entity %2 cannot be read; the text is imported without it</source>
        <translation>%1&#xa0;: l&apos;entité XML %2 ne peut pas être lue&#xa0;; le texte est importé sans elle</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more of this kind</source>
        <translation>
            <numerusform>…et %n autre de ce genre</numerusform>
            <numerusform>…et %n autres de ce genre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Entries the diary holds already in the tab %1: %n (imported into this tab as well)</source>
        <translation>
            <numerusform>Entrées que le journal contient déjà dans l&apos;onglet %1&#xa0;: %n (importées aussi dans cet onglet)</numerusform>
            <numerusform>Entrées que le journal contient déjà dans l&apos;onglet %1&#xa0;: %n (importées aussi dans cet onglet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attachments: %n (%1, copied into the diary folder)</source>
        <translation>
            <numerusform>Pièces jointes&#xa0;: %n (%1, copiées dans le dossier du journal)</numerusform>
            <numerusform>Pièces jointes&#xa0;: %n (%1, copiées dans le dossier du journal)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: the import needs %1, and the disk of the diary folder has %2 free.</source>
        <translation>Rien n&apos;a été importé&#xa0;: l&apos;import a besoin de %1, et le disque du dossier du journal n&apos;a que %2 de libre.</translation>
    </message>
    <message>
        <source>What the import did</source>
        <translation>Ce qu&apos;a fait l&apos;importation</translation>
    </message>
    <message>
        <source>Not imported, its changes in the diary window are not saved: %1 (import again once they are)</source>
        <translation>Non importé, ses modifications dans la fenêtre du journal ne sont pas enregistrées : %1 (importez de nouveau une fois qu&apos;elles le sont)</translation>
    </message>
</context>
<context>
    <name>TLookBackWindow</name>
    <message>
        <source>Look Back</source>
        <translation>Rétrospective</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>Ce jour-là</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Entries of this day in earlier years</source>
        <translation>Les entrées de ce jour les années précédentes</translation>
    </message>
    <message>
        <source>Newest first; Enter shows the entry in the diary window</source>
        <translation>Les plus récentes d&apos;abord&#xa0;; Entrée affiche l&apos;entrée dans la fenêtre du journal</translation>
    </message>
    <message>
        <source>Nothing was written on this day in any earlier year.</source>
        <translation>Rien n&apos;a été écrit ce jour-là les années précédentes.</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Entrées&#xa0;:</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Jours écrits&#xa0;:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Mots&#xa0;:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caractères&#xa0;:</translation>
    </message>
    <message>
        <source>Words per day written:</source>
        <translation>Mots par jour écrit&#xa0;:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Série actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Plus longue série&#xa0;:</translation>
    </message>
    <message>
        <source>First entry:</source>
        <translation>Première entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Latest entry:</source>
        <translation>Dernière entrée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <source>A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the day</source>
        <translation>Une case par jour, de couleur plus forte quand il y a plus de mots&#xa0;; les flèches déplacent, Entrée affiche le jour</translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>il y a %n an</numerusform>
            <numerusform>il y a %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, tab %3: %4</source>
        <translation>%1, %2, onglet %3&#xa0;: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln jour</numerusform>
            <numerusform>%Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days, to %1</source>
        <translation>
            <numerusform>%Ln jour, jusqu&apos;au %1</numerusform>
            <numerusform>%Ln jours, jusqu&apos;au %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Words per day of %1</source>
        <translation>Mots par jour en %1</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>cette année</translation>
    </message>
    <message numerus="yes">
        <source>in %n years</source>
        <translation>
            <numerusform>dans %n an</numerusform>
            <numerusform>dans %n ans</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMonthChart</name>
    <message>
        <source>Words per month of %1</source>
        <translation>Mots par mois en %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1&#xa0;: %Ln mot</numerusform>
            <numerusform>%1&#xa0;: %Ln mots</numerusform>
        </translation>
    </message>
    <message>
        <source>The words of each month; Left and Right move between the months</source>
        <translation>Les mots de chaque mois&#xa0;; Gauche et Droite passent d&apos;un mois à l&apos;autre</translation>
    </message>
</context>
<context>
    <name>TPassedOver</name>
    <message numerus="yes">
        <source>Not read: %n files named like entries could not be read: %1</source>
        <translation>
            <numerusform>Non lu : %n fichier nommé comme une entrée n&apos;a pas pu être lu : %1</numerusform>
            <numerusform>Non lus : %n fichiers nommés comme des entrées n&apos;ont pas pu être lus : %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Remember the password on this device</source>
        <translation>Mémoriser le mot de passe sur cet &amp;appareil</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, for this diary</source>
        <translation>Conservé dans le trousseau du bureau, pour ce journal</translation>
    </message>
</context>
<context>
    <name>TPictureTextEdit</name>
    <message>
        <source>Picture not found: %1</source>
        <translation>Image introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Picture outside the diary: %1</source>
        <translation>Image hors du journal&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>Pas une image&#xa0;: %1</translation>
    </message>
    <message>
        <source>Picture cannot be shown: %1</source>
        <translation>Image impossible à afficher&#xa0;: %1</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Image&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>text modified</source>
        <translation>Texte modifié</translation>
    </message>
    <message>
        <source>save?</source>
        <translation>Enregistrer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>The word &quot;%1&quot; could not be added to your personal word list. It counts as right until the diary is closed.</source>
        <translation>Le mot «&#xa0;%1&#xa0;» n&apos;a pas pu être ajouté à votre dictionnaire personnel. Il est tenu pour correct jusqu&apos;à la fermeture du journal.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Aucune suggestion</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Vérifier l&apos;orthographe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>Aucun dictionnaire installé</translation>
    </message>
</context>
<context>
    <name>TTagsWindow</name>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Show the tags holding these letters</source>
        <translation>Afficher les étiquettes contenant ces lettres</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Filtrer les étiquettes</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Every tag of the diary with the number of entries holding it; choosing one lists its entries below</source>
        <translation>Toutes les étiquettes du journal avec le nombre d&apos;entrées qui les portent&#xa0;; en choisir une affiche ses entrées en dessous</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>Renames the chosen tag in every entry, or merges it with another</source>
        <translation>Renomme l&apos;étiquette choisie dans toutes les entrées, ou la fusionne avec une autre</translation>
    </message>
    <message>
        <source>Reading the tags…</source>
        <translation>Lecture des étiquettes…</translation>
    </message>
    <message numerus="yes">
        <source>#%1, %n entries</source>
        <translation>
            <numerusform>#%1, %n entrée</numerusform>
            <numerusform>#%1, %n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry holds a tag.</source>
        <translation>Aucune entrée ne porte d&apos;étiquette.</translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <translation>
            <numerusform>%n étiquette</numerusform>
            <numerusform>%n étiquettes</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename a tag</source>
        <translation>Renommer une étiquette</translation>
    </message>
    <message>
        <source>New name of #%1 in every entry (an existing tag&apos;s name merges the two):</source>
        <translation>Nouveau nom de #%1 dans toutes les entrées (le nom d&apos;une étiquette existante fusionne les deux)&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a tag&apos;s name: a name holds letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;/&apos;, and at least one letter.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être un nom d&apos;étiquette&#xa0;: un nom contient des lettres, des chiffres, &apos;_&apos;, &apos;-&apos; et &apos;/&apos;, et au moins une lettre.</translation>
    </message>
    <message>
        <source>%1: its changes in the window are not saved</source>
        <translation>%1&#xa0;: les modifications de l&apos;entrée dans la fenêtre ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>%1: its encoding cannot hold the new name</source>
        <translation>%1&#xa0;: l&apos;encodage de l&apos;entrée ne peut pas contenir le nouveau nom</translation>
    </message>
    <message>
        <source>%1, tab &quot;%2&quot;</source>
        <translation>%1, onglet «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile</source>
        <translation>%1&#xa0;: un autre programme a modifié l&apos;entrée entre-temps</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was renamed to #%2 in %n entries.</source>
        <translation>
            <numerusform>L&apos;étiquette #%1 a été renommée en #%2 dans %n entrée.</numerusform>
            <numerusform>L&apos;étiquette #%1 a été renommée en #%2 dans %n entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not renamed:</source>
        <translation>Non renommées&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n tags</source>
        <translation>
            <numerusform>%1 sur %n étiquette</numerusform>
            <numerusform>%1 sur %n étiquettes</numerusform>
        </translation>
    </message>
    <message>
        <source>The tags nested under it are renamed with it: %1.</source>
        <translation>Les étiquettes imbriquées sous elle sont renommées avec elle&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A change of case alone: every entry then writes #%1 so, whatever case it has there now.</source>
        <translation>Un simple changement de casse&#xa0;: chaque entrée écrira alors #%1 ainsi, quelle que soit la casse qu&apos;elle y a maintenant.</translation>
    </message>
    <message>
        <source>#%1 is a tag already: the two are merged into one.</source>
        <translation>#%1 est déjà une étiquette&#xa0;: les deux sont fusionnées en une seule.</translation>
    </message>
    <message>
        <source>Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and the two cannot be told apart afterwards: renaming back would rename both.</source>
        <translation>Fusionner #%1 dans #%2&#xa0;? Chaque entrée contenant #%1 contiendra alors #%2, et les deux ne pourront plus être distinguées&#xa0;: renommer en sens inverse renommerait les deux.</translation>
    </message>
    <message numerus="yes">
        <source>#%1 was merged into #%2 in %n entries.</source>
        <translation>
            <numerusform>L&apos;étiquette #%1 a été fusionnée dans #%2 dans %n entrée.</numerusform>
            <numerusform>L&apos;étiquette #%1 a été fusionnée dans #%2 dans %n entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renaming #%1…</source>
        <translation>Renommage de #%1…</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n entries were not reached and still hold #%1.</source>
        <translation>
            <numerusform>Arrêté : %n entrée n&apos;a pas été atteinte et contient toujours #%1.</numerusform>
            <numerusform>Arrêté : %n entrées n&apos;ont pas été atteintes et contiennent toujours #%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTemplatesWindow</name>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>The general template, one for each day of the week and one for each tab; the most specific one that exists applies</source>
        <translation>Le modèle général, un pour chaque jour de la semaine et un pour chaque onglet&#xa0;; le plus spécifique qui existe s&apos;applique</translation>
    </message>
    <message>
        <source>Every new entry</source>
        <translation>Toute nouvelle entrée</translation>
    </message>
    <message>
        <source>Tab &quot;%1&quot;</source>
        <translation>Onglet «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Texte du modèle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the chosen template&apos;s text</source>
        <translation>Enregistrer le texte du modèle choisi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Remove the chosen template&apos;s file, so that the next less specific one applies</source>
        <translation>Supprimer le fichier du modèle choisi, pour que le suivant, moins spécifique, s&apos;applique</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, long: %1</source>
        <translation>la date de la nouvelle entrée, format long&#xa0;: %1</translation>
    </message>
    <message>
        <source>the new entry&apos;s date, short: %1</source>
        <translation>la date de la nouvelle entrée, format court&#xa0;: %1</translation>
    </message>
    <message>
        <source>its day of the week: %1</source>
        <translation>son jour de la semaine&#xa0;: %1</translation>
    </message>
    <message>
        <source>the name of its tab: %1</source>
        <translation>le nom de son onglet&#xa0;: %1</translation>
    </message>
    <message>
        <source>The dates are always the new entry&apos;s own, whatever day it is made on. Anything else in braces stays as written.</source>
        <translation>Les dates sont toujours celles de la nouvelle entrée, quel que soit le jour où elle est créée. Tout autre texte entre accolades reste tel quel.</translation>
    </message>
    <message>
        <source>New entries of %1:</source>
        <translation>Nouvelles entrées du %1&#xa0;:</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: no template applies</source>
        <translation>l&apos;onglet «&#xa0;%1&#xa0;» commence vide&#xa0;: aucun modèle ne s&apos;applique</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts from %2</source>
        <translation>l&apos;onglet «&#xa0;%1&#xa0;» commence par %2</translation>
    </message>
    <message>
        <source>tab &quot;%1&quot; starts empty: %2 cannot be read</source>
        <translation>l&apos;onglet «&#xa0;%1&#xa0;» commence vide&#xa0;: %2 est illisible</translation>
    </message>
    <message>
        <source>applies on %1</source>
        <translation>s&apos;applique le %1</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>pas encore écrit</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Dans %1</translation>
    </message>
    <message>
        <source>%1 does not exist yet: saving makes it.</source>
        <translation>%1 n&apos;existe pas encore&#xa0;: l&apos;enregistrement le créera.</translation>
    </message>
    <message>
        <source>This template cannot be used, and is not written over here:
%1</source>
        <translation>Ce modèle ne peut pas être utilisé et n&apos;est pas écrasé ici&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Could not save the template %1:
%2</source>
        <translation>Impossible d&apos;enregistrer le modèle %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Could not remove the template %1:
%2</source>
        <translation>Impossible de supprimer le modèle %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>%1 is saved.</source>
        <translation>%1 est enregistré.</translation>
    </message>
    <message>
        <source>Not filled in, kept as written: %1</source>
        <translation>Non rempli, gardé tel quel&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TYearHeatmap</name>
    <message numerus="yes">
        <source>%1: %Ln words</source>
        <translation>
            <numerusform>%1&#xa0;: %Ln mot</numerusform>
            <numerusform>%1&#xa0;: %Ln mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words in %1</source>
        <translation>
            <numerusform>%Ln mot en %1</numerusform>
            <numerusform>%Ln mots en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
</context>
</TS>
